<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Rad %1, kolonne %2: brikke %3, vald</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Rad %1, kolonne %2: brikke %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>på rett plass</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>høyrer til i rad %1, kolonne %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Rad %1, kolonne %2: holet</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Piltastane flyttar mellom brikkene; Mellomrom eller Enter spelar brikka; M seier trekka og tida</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Ei brikke glir inn i holet når holet er over, under, før eller etter ho; den siste ruta i ei rad og den første i neste rad er naboar</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Brikke %3 flytta til rad %1, kolonne %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Ikkje ved sida av holet</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Ingen spel er i gang</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Trekk: %1, tid %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Kanten av brettet</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>frå utklippstavla</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>det kopierte er ikkje eit bilete på denne datamaskina</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>det kopierte er tekst, ikkje eit bilete</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>programmet som har utklippstavla, leverte ikkje biletet sitt</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>det kopierte er ikkje eit bilete</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>programmet som har utklippstavla, svarte ikkje</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>biletet er for stort (meir enn %1 MiB på utklippstavla)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» er ikkje eit val; eit bilete med det namnet skal stå etter «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» treng ein verdi før «--».</translation>
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
        <translation>Bruk: tavlora [BILETE]
      tavlora [QT-VAL] -- [BILETE]
Eit biletpuslespel: biletet vert skore i 4 x 4 brikker, som du set i rett rekkjefølgje att mot klokka.

  --help      vis denne hjelpa og avslutt
  --mute      spel ingen lydar denne gongen
  --version   vis versjonen og avslutt
  --          slutt på vala: det som kjem etter, er eit bilete, òg eit namn som byrjar med «-»

Alle andre argument er bilete. Før «--» vert Qt sine eigne val (som -style NAMN eller -reverse) sende vidare til Qt, for utviklarar.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Sjå meir med «tavlora --help».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>«%1» kan ikkje opnast: namnet er ikkje UTF-8-tekst. Gje fila nytt namn, og oppgje ho så på nytt.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>stilarket «%1» vert hoppa over: det er ikkje ei fil på høgst 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>kan ikkje skriva svaret: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>det finst ingen skjerm å visa vindauget på.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>visualen «%1» vert hoppa over: X-tenaren har ingen visual med det nummeret.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Kan ikkje lasta inn peikaren %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>fila er større enn 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>fila er ikkje ein peikar</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>fila inneheld ikkje noko bilete</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>fila er avkorta</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>peikarbiletet er for stort (%1 x %2 pikslar; ein peikar er høgst %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>det er ikkje ei fil, men ei mappe, eit røyr, ein sokkel eller ei eining</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>fila kan ikkje lesast</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>biletet er for stort til å dekodast</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Kan ikkje starta biletdekodaren %1: %2</translation>
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
        <translation>Biletpuslespel</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Set saman att eit bilete skore i skyvebrikker, mot klokka</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puslespel;skyvespel;femtenspel;brikker;bilete;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Set saman att eit bilete skore i skyvebrikker</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora gjer eit bilete om til eit puslespel. Vel eitt av dine eigne foto eller eitt av bileta som følgjer med spelet: det vert strekt til eit kvadrat og skore i eit brett på fire gonger fire brikker, som så vert stokka. Set biletet saman att medan klokka går.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>To slag spel:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Skyv: éi brikke vert teken ut, og ei brikke ved sida av den tomme ruta glid inn i ho.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Byt: alle seksten brikkene vert verande på brettet, og kva som helst to av dei byter plass.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Færre trekk på kortare tid gjev betre poengsum, og kvar brikke som alt er på rett plass, legg til. Dei beste resultata i kvart slag spel vert tekne vare på med namna til spelarane.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Eit Skyv-spel i gang</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Vindauget ved oppstart</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
i Tavlora2021/08/31.Form1.%2 på linje %3<byte value="xd"/><byte value="xd"/>Send eit skjermbilete av denne meldinga med e-post til %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programfeil</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Brettet er alt fullt.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element &apos;%1&apos; i kontrollmatrisa finst ikkje</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objektet er alt lasta inn</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks utanfor området</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariabelen er ikkje sett</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling på null</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig eigenskapsverdi</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Biletklypparen har ikkje noko bilete</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Biletet er mindre enn rutenettet sitt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjend feil</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Tom for minne</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gratulerer!!! Du har sett saman biletet.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Avslutt spel</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Kan ikkje leggja til fleire brikker.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Puslespelbrett</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Førehandsvising</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Speltype</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Skyv</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Byt</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Trekk</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Last inn bilete</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordar</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Legg til fil(er) - bruk Ctrl og Shift for å velja fleire filer</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Alle biletfiler (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Poeng %1, trekk: %2, tid %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Ingen bilete er lasta</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Biletet %1 er lasta</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Du har sett rekord.<byte value="xd"/>
Skriv inn namnet ditt: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Spelarnamn	Poeng<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Rekordar: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Fjerne rekordane dine (hiscore.mdb) og innstillingane dine òg?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora køyrer frå denne mappa. Lukk spelet og vel så Prøv igjen.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Du kan ikkje skrive i denne mappa. Vel ei mappe som er di eiga.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Kan ikkje lasta inn biletet %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>fila er skadd eller er ikkje eit bilete</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>fann ikkje fila</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>det er ei mappe, ikkje eit bilete</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>biletet er for stort (%1 x %2 pikslar)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>spelet les ikkje %1-bilete</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>eit kvadrat på %1 pikslar er ikkje ein storleik for puslespelet</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>det er ikkje ei fil, men eit røyr, ein sokkel eller ei eining</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>fila kan ikkje lesast: tilgang nekta</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>berre bilete på denne datamaskina kan lastast inn</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Rørsle</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Lyd</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>er i bruk av eit anna program, så poenga frå dette spelet vart ikkje lagra</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Det finst ingen rekordtabell «%1».</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan ikkje opnast</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan ikkje lesast</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>er skadd</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>har ingen tabell tblSlide med kolonnane id, fldname og fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>har ingen tabell tblSwap med kolonnane id, fldname og fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>finst ikkje</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kan ikkje skrivast</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>kan ikkje lagast</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>finst alt og vert ikkje endra</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>er i bruk av eit anna program; prøv att om ei lita stund</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Rekordfila «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>er ikkje ei fil</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>er tom</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>er ikkje ein rekorddatabase</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>kan ikkje lagast (mappa hennar kan ikkje lagast)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>kan ikkje skrivast, og du har inga eiga mappe til ein kopi</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>vart bytt ut med ei anna fil medan spelet hadde ho open</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>er ei lenkje til ei fil som manglar</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>kan ikkje kopierast for deg: namnet på mappa di er ikkje UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Kan ikkje lasta inn drakta %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>fila er større enn 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>fila er ikkje tekst</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>fila er ikkje UTF-8-tekst</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Norsk nynorsk</translation>
    </message>
</context>
</TS>
