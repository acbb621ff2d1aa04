<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Riga %1, colonna %2: tassello %3, scelto</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Riga %1, colonna %2: tassello %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>al suo posto</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>va nella riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Riga %1, colonna %2: il buco</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Le frecce passano da un tassello all&apos;altro; Spazio o Invio gioca il tassello; M dice le mosse e il tempo</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Un tassello scivola nel buco quando il buco è sopra, sotto, prima o dopo di esso; l&apos;ultima casella di una riga e la prima della successiva sono vicine</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Il tassello %3 è passato a riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Non è accanto al buco</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Nessuna partita in corso</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Mosse: %1, tempo %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Bordo del tabellone</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>dagli appunti</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>ciò che è stato copiato non è un&apos;immagine su questo computer</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>ciò che è stato copiato è testo, non un&apos;immagine</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>il programma che detiene gli appunti non ha consegnato la sua immagine</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>ciò che è stato copiato non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>il programma che detiene gli appunti non ha risposto</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>l&apos;immagine è troppo grande (più di %1 MiB negli appunti)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» non è un&apos;opzione; un&apos;immagine con questo nome va dopo «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» richiede un valore prima di «--».</translation>
    </message>
    <message>
        <source>Usage: tavlora [PICTURE]
       tavlora [QT-OPTIONS] -- [PICTURE]
A picture puzzle: the picture is cut into 4 x 4 tiles, which you put back in order against the clock.

  --help      show this help and exit
  --mute      play no sounds this time
  --version   show the version and exit
  --          end the options: what follows is a picture, even a name that starts with &quot;-&quot;

Every other argument is a picture. Before &quot;--&quot;, Qt&apos;s own options (such as -style NAME or -reverse) are handed to Qt, for developers.
</source>
        <translation>Uso: tavlora [IMMAGINE]
     tavlora [OPZIONI-QT] -- [IMMAGINE]
Un puzzle di immagini: l&apos;immagine viene tagliata in 4 x 4 tessere, da rimettere in ordine contro il tempo.

  --help      mostra questo aiuto ed esce
  --mute      non riprodurre suoni questa volta
  --version   mostra la versione ed esce
  --          fine delle opzioni: ciò che segue è un&apos;immagine, anche un nome che inizia con «-»

Ogni altro argomento è un&apos;immagine. Prima di «--», le opzioni proprie di Qt (come -style NOME o -reverse) vengono passate a Qt, per gli sviluppatori.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Provare «tavlora --help» per saperne di più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>«%1» non si può aprire: il suo nome non è testo UTF-8. Rinominare il file, poi indicarlo di nuovo.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>il foglio di stile «%1» viene ignorato: non è un file di al massimo 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>impossibile scrivere la risposta: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>non c&apos;è alcuno schermo su cui mostrare la finestra.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>il visual «%1» viene ignorato: il server X non ha alcun visual con quel numero.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Impossibile caricare il cursore %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>il file supera 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>il file non è un cursore</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>il file non contiene immagini</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>l&apos;immagine del cursore è troppo grande (%1 x %2 pixel; un cursore è al massimo %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>non è un file ma una cartella, una pipe, un socket o un dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>l&apos;immagine è troppo grande per essere decodificata</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Impossibile avviare il decodificatore di immagini %1: %2</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tavlora</source>
        <translation>Tavlora</translation>
    </message>
    <message>
        <source>Picture Puzzle</source>
        <translation>Puzzle di immagini</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Ricomponi contro il tempo un&apos;immagine tagliata in tasselli scorrevoli</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzzle;gioco del quindici;quindici;tasselli;immagine;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Ricomponi un&apos;immagine tagliata in tasselli scorrevoli</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora trasforma un&apos;immagine in un puzzle. Scegli una delle tue foto o una delle immagini fornite con il gioco: viene stirata in un quadrato e tagliata in un tavoliere di quattro per quattro tasselli, che poi vengono mescolati. Ricomponi l&apos;immagine mentre il tempo scorre.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Due tipi di gioco:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Scorri: un tassello viene tolto, e un tassello accanto alla casella vuota vi scivola dentro.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Cambia: tutti e sedici i tasselli restano sul tavoliere, e due qualsiasi si scambiano di posto.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Meno mosse in meno tempo danno un punteggio migliore, e ogni tassello già al suo posto lo aumenta. I migliori punteggi di ogni tipo di gioco sono conservati con i nomi dei giocatori.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Una partita di Scorri in corso</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>La finestra all&apos;avvio</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 alla riga %3<byte value="xd"/><byte value="xd"/>Invia per e-mail una schermata di questo messaggio a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Il tavoliere è già pieno.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;elemento &apos;%1&apos; della matrice di controlli non esiste</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Oggetto già caricato</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variabile oggetto non impostata</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Il ritagliatore non contiene alcuna immagine</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>L&apos;immagine è più piccola della sua griglia di caselle</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Congratulazioni!!! Hai ricomposto l&apos;immagine.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Termina partita</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Impossibile aggiungere altri tasselli.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Tavoliere del puzzle</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo di gioco</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Scorri</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Aggiungi file - Usa Ctrl e Maiusc per sceglierne più di uno</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Tutti i file di immagine (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Punteggio %1, mosse: %2, tempo %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nessuna immagine caricata</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Immagine %1 caricata</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Hai fatto un record.<byte value="xd"/>
Inserisci il tuo nome: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Giocatore	Punteggio<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Record: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Rimuovere anche i tuoi record (hiscore.mdb) e le tue impostazioni?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora è in esecuzione da questa cartella. Chiudi il gioco, poi scegli Riprova.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Non puoi scrivere in questa cartella. Scegli una cartella tua.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Impossibile caricare l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>il file è danneggiato o non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>il file non è stato trovato</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>è una cartella, non un&apos;immagine</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l&apos;immagine è troppo grande (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>il gioco non legge immagini %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>un quadrato di %1 pixel non è una misura per il puzzle</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>non è un file ma una pipe, un socket o un dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>il file non può essere letto: permesso negato</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>si possono caricare solo immagini su questo computer</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>è in uso da un altro programma, quindi il punteggio di questa partita non è stato salvato</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Non esiste la tabella dei record &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>non può essere aperto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>non ha la tabella tblSlide con le colonne id, fldname e fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>non ha la tabella tblSwap con le colonne id, fldname e fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>non è stato trovato</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>non può essere scritto</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>non può essere creato</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>esiste già e resta com&apos;è</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>è in uso da un altro programma; riprova tra poco</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Il file dei record &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>non è un archivio di record</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>non può essere creato (la sua cartella non può essere creata)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>non può essere scritto, e non c&apos;è una cartella tua per una copia</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>è stato sostituito da un altro file mentre il gioco lo aveva aperto</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>è un collegamento a un file mancante</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>non può essere copiato per te: il nome della tua cartella non è in UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Impossibile caricare l&apos;aspetto %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>il file supera 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>il file non è testo</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>il file non è testo UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Italiano</translation>
    </message>
</context>
</TS>
