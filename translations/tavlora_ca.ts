<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Fila %1, columna %2: peça %3, triada</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Fila %1, columna %2: peça %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>al seu lloc</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>va a la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Fila %1, columna %2: el forat</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Les fletxes es mouen entre les peces; Espai o Retorn juga la peça; M diu els moviments i el temps</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Una peça llisca al forat quan el forat és a sobre, a sota, abans o després d&apos;ella; l&apos;última casella d&apos;una fila i la primera de la següent són veïnes</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>La peça %3 ha anat a la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>No és al costat del forat</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>No hi ha cap partida en curs</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Moviments: %1, temps %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Vora del tauler</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>del porta-retalls</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>el que s&apos;ha copiat no és una imatge en aquest ordinador</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>el que s&apos;ha copiat és text, no una imatge</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>el programa que té el porta-retalls no n&apos;ha lliurat la imatge</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>el que s&apos;ha copiat no és una imatge</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>el programa que té el porta-retalls no ha respost</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>la imatge és massa gran (més de %1 MiB al porta-retalls)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» no és una opció; una imatge amb aquest nom va després de «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» necessita un valor abans de «--».</translation>
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
        <translation>Ús: tavlora [IMATGE]
    tavlora [OPCIONS-QT] -- [IMATGE]
Un trencaclosques d&apos;imatge: la imatge es talla en 4 x 4 peces, que heu de tornar a posar en ordre contra rellotge.

  --help      mostra aquesta ajuda i surt
  --mute      no reproduir sons aquesta vegada
  --version   mostra la versió i surt
  --          final de les opcions: el que segueix és una imatge, fins i tot un nom que comenci amb «-»

Qualsevol altre argument és una imatge. Abans de «--», les opcions pròpies de Qt (com ara -style NOM o -reverse) es passen a Qt, per als desenvolupadors.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Per a més informació, «tavlora --help».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>No es pot obrir «%1»: el seu nom no és text UTF-8. Canvieu el nom del fitxer i torneu-lo a indicar.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>s&apos;omet el full d&apos;estil «%1»: no és un fitxer d&apos;1 MiB com a màxim.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>no es pot escriure la resposta: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>no hi ha cap pantalla on mostrar la finestra.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>s&apos;omet el visual «%1»: el servidor X no té cap visual amb aquest número.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>No es pot carregar el cursor %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>el fitxer fa més d&apos;1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>el fitxer no és un cursor</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>el fitxer no conté cap imatge</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>el fitxer està truncat</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>la imatge del cursor és massa gran (%1 x %2 píxels; un cursor fa com a màxim %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>no és un fitxer sinó una carpeta, un conducte, un sòcol o un dispositiu</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no es pot llegir el fitxer</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>la imatge és massa gran per descodificar-la</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>No es pot iniciar el descodificador d&apos;imatges %1: %2</translation>
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
        <translation>Trencaclosques d&apos;imatge</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Torneu a compondre contra rellotge una imatge tallada en peces lliscants</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>trencaclosques;lliscant;quinze;peces;imatge;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Torneu a compondre una imatge tallada en peces lliscants</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>El Tavlora converteix una imatge en un trencaclosques. Trieu una de les vostres fotos o una de les imatges que vénen amb el joc: s&apos;estira fins a fer un quadrat i es talla en un tauler de quatre per quatre peces, que després es barregen. Torneu a compondre la imatge mentre el rellotge corre.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dos tipus de joc:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Llisca: es treu una peça, i una peça del costat de la casella buida hi llisca.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Canvia: les setze peces es queden al tauler, i dues qualssevol es canvien de lloc.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Menys moviments en menys temps donen una puntuació millor, i cada peça que ja és al seu lloc hi suma. Les millors puntuacions de cada tipus de joc es guarden amb els noms dels jugadors.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Una partida de «Llisca» en curs</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>La finestra en iniciar-se</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
a Tavlora2021/08/31.Form1.%2 a la línia %3<byte value="xd"/><byte value="xd"/>Envieu una captura de pantalla d&apos;aquest missatge per correu electrònic a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de l&apos;aplicació</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>El tauler ja és ple.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;element &apos;%1&apos; de la matriu de controls no existeix</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>L&apos;objecte ja està carregat</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordament</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndex fora de l&apos;interval</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>La variable d&apos;objecte no està definida</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisió per zero</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propietat no vàlid</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>El retallador d&apos;imatges no conté cap imatge</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>La imatge és més petita que la seva quadrícula de caselles</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconegut</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memòria insuficient</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Felicitats!!! Heu compost la imatge.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Acaba la partida</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>No es poden afegir més peces.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Tauler del trencaclosques</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Vista prèvia</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipus de joc</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Llisca</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Canvia</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Moviments</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuació</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carrega imatge</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rècords</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Afegeix fitxers - useu Ctrl i Maj per triar-ne diversos</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Tots els fitxers d&apos;imatge (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Puntuació %1, moviments: %2, temps %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>No hi ha cap imatge carregada</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>S&apos;ha carregat la imatge %1</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Heu fet un rècord.<byte value="xd"/>
Escriviu el vostre nom: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rècord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Nom del jugador	Puntuació<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Rècords: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Voleu suprimir també les vostres millors puntuacions (hiscore.mdb) i la vostra configuració?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>El Tavlora s&apos;està executant des d&apos;aquesta carpeta. Tanqueu el joc i trieu «Reintenta».</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>No podeu escriure en aquesta carpeta. Trieu una carpeta vostra.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>No es pot carregar la imatge %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>el fitxer està malmès o no és una imatge</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>no s&apos;ha trobat el fitxer</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>és una carpeta, no una imatge</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>la imatge és massa gran (%1 x %2 píxels)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>el joc no llegeix imatges %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>un quadrat de %1 píxels no és una mida per al trencaclosques</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>no és un fitxer sinó un conducte, un sòcol o un dispositiu</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>no es pot llegir el fitxer: permís denegat</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>només es poden carregar imatges d&apos;aquest ordinador</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Moviment</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>està ocupat per un altre programa, i la puntuació d&apos;aquesta partida no s&apos;ha desat</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>No hi ha cap taula de rècords «%1».</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no es pot obrir</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no es pot llegir</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>està malmès</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>no té cap taula tblSlide amb les columnes id, fldname i fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>no té cap taula tblSwap amb les columnes id, fldname i fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>no s&apos;ha trobat</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>no s&apos;hi pot escriure</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>no es pot crear</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>ja existeix i es deixa tal com és</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>està ocupat per un altre programa; torneu-ho a provar d&apos;aquí a un moment</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>El fitxer de rècords «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>no és un fitxer</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>és buit</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>no és una base de dades de rècords</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>no es pot crear (no se&apos;n pot fer la carpeta)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>no s&apos;hi pot escriure, i no teniu cap carpeta pròpia per a una còpia</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>s&apos;ha substituït per un altre fitxer mentre el joc el tenia obert</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>és un enllaç a un fitxer que no existeix</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>no es pot copiar per a vós: el nom de la vostra carpeta no és UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>No es pot carregar l&apos;aparença %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>el fitxer fa més d&apos;1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>el fitxer no és text</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el fitxer no és text UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Català</translation>
    </message>
</context>
</TS>
