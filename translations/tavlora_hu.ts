<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>%1. sor, %2. oszlop: %3. darab, kiválasztva</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>%1. sor, %2. oszlop: %3. darab</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>a helyén van</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>a helye: %1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>%1. sor, %2. oszlop: a lyuk</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>A nyílbillentyűk a darabok között lépnek; a Szóköz vagy az Enter lépteti a darabot; az M megmondja a lépéseket és az időt</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Egy darab akkor csúszik a lyukba, ha a lyuk fölötte, alatta, előtte vagy utána van; egy sor utolsó mezője és a következő sor első mezője szomszédos</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>A %3. darab a %1. sor %2. oszlopába került</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nincs a lyuk mellett</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Nem fut játék</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Lépések: %1, idő %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>A tábla széle</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>a vágólapról</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>a másolt tartalom nem kép ezen a számítógépen</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>a másolt tartalom szöveg, nem kép</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>a vágólapot birtokló program nem adta át a képét</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>a másolt tartalom nem kép</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>a vágólapot birtokló program nem válaszolt</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>a kép túl nagy (több mint %1 MiB a vágólapon)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1” nem kapcsoló; az ilyen nevű kép a „--” után jön.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1” értéket vár a „--” előtt.</translation>
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
        <translation>Használat: tavlora [KÉP]
           tavlora [QT-KAPCSOLÓK] -- [KÉP]
Képkirakó: a képet 4 x 4 darabra vágjuk, ezeket kell időre visszarendezni.

  --help      ezen súgó megjelenítése és kilépés
  --mute      ezúttal ne játsszon le hangokat
  --version   a verzió megjelenítése és kilépés
  --          a kapcsolók vége: ami ezután jön, az kép, akkor is, ha a neve „-” jellel kezdődik

Minden más argumentum kép. A „--” előtt a Qt saját kapcsolói (például -style NÉV vagy -reverse) a Qt-hoz kerülnek, fejlesztőknek.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Bővebben: „tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1” nem nyitható meg: a neve nem UTF-8 szöveg. Nevezze át a fájlt, majd adja meg újra.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>a(z) „%1” stíluslap kimarad: nem legfeljebb 1 MiB méretű fájl.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>a válasz nem írható ki: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>nincs képernyő, amelyen az ablak megjelenhetne.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>a(z) „%1” visual kimarad: az X-kiszolgálónak nincs ilyen számú visualja.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>A(z) %1 egérmutató nem tölthető be: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>a fájl nagyobb 1 MiB-nál</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>a fájl nem egérmutató</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>a fájl nem tartalmaz képet</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>a fájl csonka</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>a mutató képe túl nagy (%1 x %2 képpont; egy mutató legfeljebb %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>ez nem fájl, hanem mappa, cső, foglalat vagy eszköz</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>a fájl nem olvasható</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>a kép túl nagy a dekódoláshoz</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>A(z) %1 képdekódoló nem indítható el: %2</translation>
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
        <translation>Képkirakó</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Rakjon ki időre egy tologatós darabokra vágott képet</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>kirakó;puzzle;tologatós;tili-toli;darabok;kép;fénykép;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Rakjon ki egy tologatós darabokra vágott képet</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>A Tavlora kirakót készít egy képből. Válassza ki egy saját fényképét vagy a játékhoz mellékelt képek egyikét: négyzetté nyújtjuk, és négyszer négy darabos táblára vágjuk, majd a darabokat összekeverjük. Rakja ki újra a képet, amíg az óra jár.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Két játéktípus:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Tolás: egy darabot kiveszünk, és az üres mező melletti darab becsúszik a helyére.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Csere: mind a tizenhat darab a táblán marad, és bármelyik kettő helyet cserélhet.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Kevesebb lépés rövidebb idő alatt jobb pontszámot ad, és minden darab, amely már a helyén van, növeli azt. Mindkét játéktípus legjobb eredményeit a játékosok nevével együtt őrizzük meg.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Folyamatban lévő Tolás játék</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Az ablak induláskor</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
itt: Tavlora2021/08/31.Form1.%2, %3. sor<byte value="xd"/><byte value="xd"/>Kérjük, küldje el e-mailben ennek az üzenetnek a képernyőképét ide: %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Alkalmazáshiba</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>A tábla már megtelt.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>A(z) &apos;%1&apos; vezérlőtömbelem nem létezik</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Az objektum már be van töltve</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Az index a tartományon kívül esik</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Az objektumváltozó nincs beállítva</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Osztás nullával</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Érvénytelen tulajdonságérték</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>A képvágó nem tartalmaz képet</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>A kép kisebb, mint a mezőrácsa</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ismeretlen hiba</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Elfogyott a memória</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gratulálunk!!! Kirakta a képet.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Játék vége</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Nem adható hozzá több darab.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Kirakótábla</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Játéktípus</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Tolás</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Csere</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Lépések</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontszám</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Kép betöltése</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Dicsőséglista</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Fájl(ok) hozzáadása - több fájl kijelöléséhez használja a Ctrl és Shift billentyűt</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Minden képfájl (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Pontszám %1, lépések: %2, idő %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nincs betöltött kép</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Kép betöltve: %1</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Rekordot ért el.<byte value="xd"/>
Adja meg a nevét: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Játékos neve	Pontszám<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Dicsőséglista: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>A legjobb eredményeit (hiscore.mdb) és a beállításait is eltávolítja?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>A Tavlora fut ebből a mappából. Zárja be a játékot, majd válassza az Újra gombot.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Ebbe a mappába nem írhat. Válasszon egy saját mappát.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>A(z) %1 kép nem tölthető be: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>a fájl sérült, vagy nem kép</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>a fájl nem található</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>ez mappa, nem kép</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>a kép túl nagy (%1 x %2 képpont)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>a játék nem olvas %1-képeket</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>a %1 képpontos négyzet nem alkalmas méret a kirakóhoz</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>ez nem fájl, hanem cső, foglalat vagy eszköz</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>a fájl nem olvasható: hozzáférés megtagadva</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>csak ezen a számítógépen lévő képek tölthetők be</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Mozgás</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Hang</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>egy másik program használja, ezért ennek a játéknak a pontszáma nem lett mentve</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Nincs „%1” dicsőséglista-tábla.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>nem nyitható meg</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nem olvasható</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>sérült</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>nem tartalmaz tblSlide táblát id, fldname és fldscore oszlopokkal</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>nem tartalmaz tblSwap táblát id, fldname és fldscore oszlopokkal</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>nem található</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>nem írható</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>nem hozható létre</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>már létezik, és változatlan marad</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>egy másik program használja; próbálja újra egy pillanat múlva</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>A(z) „%1” dicsőséglista-fájl %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>nem fájl</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>nem dicsőséglista-adatbázis</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>nem hozható létre (a mappája nem készíthető el)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>nem írható, és nincs saját mappája a másolathoz</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>egy másik fájlra cserélődött, miközben a játék nyitva tartotta</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>hiányzó fájlra mutató hivatkozás</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>nem másolható le Önnek: a mappája neve nem UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>A(z) %1 felszín nem tölthető be: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>a fájl nagyobb 1 MiB-nál</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>a fájl nem szöveg</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>a fájl nem UTF-8 szöveg</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Magyar</translation>
    </message>
</context>
</TS>
