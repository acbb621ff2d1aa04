<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>%1. rinda, %2. kolonna: %3. gabals, izvēlēts</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>%1. rinda, %2. kolonna: %3. gabals</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>savā vietā</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>pieder %1. rindā, %2. kolonnā</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>%1. rinda, %2. kolonna: tukšums</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Bultiņas pārvietojas starp gabaliem; Atstarpe vai Enter izspēlē gabalu; M pasaka gājienus un laiku</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Gabals ieslīd tukšumā, ja tukšums ir virs, zem, pirms vai pēc tā; rindas pēdējā šūna un nākamās rindas pirmā ir kaimiņi</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>%3. gabals pārvietots uz %1. rindu, %2. kolonnu</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nav blakus tukšumam</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Neviena spēle nenotiek</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Gājieni: %1, laiks %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Laukuma mala</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>no starpliktuves</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>nokopētais nav attēls šajā datorā</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>nokopētais ir teksts, nevis attēls</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>programma, kurai pieder starpliktuve, nenodeva savu attēlu</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>nokopētais nav attēls</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>programma, kurai pieder starpliktuve, neatbildēja</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>attēls ir pārāk liels (starpliktuvē vairāk nekā %1 MiB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1” nav opcija; attēlu ar šādu nosaukumu norāda pēc „--”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>Opcijai „%1” vajadzīga vērtība pirms „--”.</translation>
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
        <translation>Lietošana: tavlora [ATTĒLS]
           tavlora [QT-OPCIJAS] -- [ATTĒLS]
Attēlu puzle: attēlu sagriež 4 x 4 gabalos, kurus jūs pret laiku saliekat atpakaļ pareizā secībā.

  --help      parādīt šo palīdzību un iziet
  --mute      šoreiz neatskaņot skaņas
  --version   parādīt versiju un iziet
  --          opciju beigas: tālāk seko attēls, pat ja tā nosaukums sākas ar „-”

Jebkurš cits arguments ir attēls. Pirms „--” Qt pašas opcijas (piemēram, -style NOSAUKUMS vai -reverse) tiek nodotas Qt, izstrādātājiem.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Vairāk ar „tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1” nevar atvērt: tā nosaukums nav UTF-8 teksts. Pārdēvējiet datni un tad norādiet to vēlreiz.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>stila lapa „%1” tiek izlaista: tā nav datne, kas nepārsniedz 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>nevar ierakstīt atbildi: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>nav ekrāna, kurā parādīt logu.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>vizuālis „%1” tiek izlaists: X serverim nav vizuāļa ar šādu numuru.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Nevar ielādēt kursoru %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>datne ir lielāka par 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>datne nav kursors</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>datnē nav attēla</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>datne ir nepilnīga</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>kursora attēls ir pārāk liels (%1 x %2 pikseļi; kursors ir ne lielāks par %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>tā nav datne, bet mape, kanāls, sokets vai ierīce</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>datni nevar nolasīt</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>attēls ir pārāk liels, lai to atkodētu</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Nevar palaist attēlu atkodētāju %1: %2</translation>
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
        <translation>Attēlu puzle</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Pret laiku salieciet attēlu, kas sagriezts bīdāmos gabalos</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzle;bīdāmā;piecpadsmit;gabali;attēls;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Salieciet attēlu, kas sagriezts bīdāmos gabalos</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora pārvērš attēlu puzlē. Izvēlieties kādu no saviem foto vai kādu no attēliem, kas nāk līdzi spēlei: tas tiek izstiepts līdz kvadrātam un sagriezts laukumā no četriem reiz četriem gabaliem, kurus pēc tam sajauc. Salieciet attēlu atpakaļ, kamēr iet pulkstenis.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Divi spēles veidi:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Bīdīt: viens gabals tiek izņemts, un gabals blakus tukšajam lauciņam ieslīd tajā.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Mainīt: visi sešpadsmit gabali paliek laukumā, un jebkuri divi no tiem samainās vietām.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Mazāk gājienu īsākā laikā dod labāku rezultātu, un katrs gabals, kas jau ir savā vietā, to palielina. Katra spēles veida labākie rezultāti tiek glabāti kopā ar spēlētāju vārdiem.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Notiekoša spēle „Bīdīt”</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Logs palaišanas brīdī</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
vietā Tavlora2021/08/31.Form1.%2, %3. rindā<byte value="xd"/><byte value="xd"/>Lūdzu, nosūtiet šī ziņojuma ekrānuzņēmumu pa e-pastu uz %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Lietotnes kļūda</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Laukums jau ir pilns.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Vadīklu masīva elements &apos;%1&apos; neeksistē</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekts jau ir ielādēts</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Pārpilde</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indekss ārpus diapazona</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objekta mainīgais nav iestatīts</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dalīšana ar nulli</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nederīga rekvizīta vērtība</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Attēla griezējā nav attēla</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Attēls ir mazāks par savu lauciņu režģi</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nezināma kļūda</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nepietiek atmiņas</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Apsveicam!!! Jūs salikāt attēlu.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Sākt spēli</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Beigt spēli</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Vairāk gabalu pievienot nevar.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Puzles laukums</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Priekšskatījums</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spēles veids</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Bīdīt</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Mainīt</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Gājieni</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Laiks</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkti</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Ielādēt attēlu</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordi</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Pievienot datni(-es) - vairākas datnes izvēlas ar Ctrl un Shift</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Visas attēlu datnes (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Punkti %1, gājieni: %2, laiks %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nav ielādēts neviens attēls</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Attēls %1 ielādēts</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Jums ir rekords.<byte value="xd"/>
Ievadiet savu vārdu: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekords</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Spēlētāja vārds	Punkti<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Rekordi: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Vai noņemt arī jūsu labākos rezultātus (hiscore.mdb) un iestatījumus?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora darbojas no šīs mapes. Aizveriet spēli un pēc tam izvēlieties “Mēģināt vēlreiz”.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Jūs nevarat rakstīt šajā mapē. Izvēlieties savu mapi.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Nevar ielādēt attēlu %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>datne ir bojāta vai nav attēls</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>datne nav atrasta</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>tā ir mape, nevis attēls</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>attēls ir pārāk liels (%1 x %2 pikseļi)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>spēle nelasa %1 attēlus</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 pikseļu kvadrāts nav derīgs izmērs puzlei</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>tā nav datne, bet kanāls, sokets vai ierīce</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>datni nevar nolasīt: piekļuve liegta</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>var ielādēt tikai attēlus šajā datorā</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Kustība</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Skaņa</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>tiek izmantota citā programmā, tāpēc šīs spēles punkti netika saglabāti</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Nav rekordu tabulas „%1”.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>nav atverama</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nav nolasāma</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ir bojāta</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>nesatur tabulu tblSlide ar kolonnām id, fldname un fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>nesatur tabulu tblSwap ar kolonnām id, fldname un fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>netika atrasta</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>nav ierakstāma</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>nav izveidojama</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>jau eksistē un paliek nemainīta</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>tiek izmantota citā programmā; mēģiniet vēlreiz pēc brīža</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Rekordu datne „%1” %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>nav datne</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ir tukša</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>nav rekordu datubāze</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>nav izveidojama (tās mapi nevar izveidot)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>nav ierakstāma, un jums nav savas mapes kopijai</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>tika aizstāta ar citu datni, kamēr spēlei tā bija atvērta</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>ir saite uz trūkstošu datni</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>nav nokopējama jums: jūsu mapes nosaukums nav UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Nevar ielādēt ādu %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>datne ir lielāka par 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>datne nav teksts</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>datne nav UTF-8 teksts</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Latviešu</translation>
    </message>
</context>
</TS>
