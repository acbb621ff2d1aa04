<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Riadok %1, stĺpec %2: dielik %3, vybraný</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Riadok %1, stĺpec %2: dielik %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>na svojom mieste</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>patrí do riadka %1, stĺpca %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Riadok %1, stĺpec %2: medzera</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Šípky prechádzajú medzi dielikmi; Medzerník alebo Enter zahrá dielik; M povie ťahy a čas</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Dielik sa posunie do medzery, keď je medzera nad ním, pod ním, pred ním alebo za ním; posledné pole riadka a prvé pole ďalšieho sú susedia</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Dielik %3 sa presunul do riadka %1, stĺpca %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nie je vedľa medzery</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Žiadna hra nebeží</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Ťahy: %1, čas %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Okraj dosky</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>zo schránky</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>skopírovaný obsah nie je obrázok na tomto počítači</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>skopírovaný obsah je text, nie obrázok</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>program, ktorý drží schránku, svoj obrázok neodovzdal</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>skopírovaný obsah nie je obrázok</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>program, ktorý drží schránku, neodpovedal</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>obrázok je príliš veľký (v schránke viac ako %1 MiB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1“ nie je voľba; obrázok s týmto názvom patrí za „--“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1“ vyžaduje pred „--“ hodnotu.</translation>
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
        <translation>Použitie: tavlora [OBRÁZOK]
          tavlora [VOĽBY-QT] -- [OBRÁZOK]
Obrázková skladačka: obrázok sa rozreže na 4 x 4 dieliky, ktoré proti času vrátite do správneho poradia.

  --help      zobraziť tohto pomocníka a skončiť
  --mute      tentoraz neprehrávať zvuky
  --version   zobraziť verziu a skončiť
  --          koniec volieb: čo nasleduje, je obrázok, aj keď jeho názov začína na „-“

Každý ďalší argument je obrázok. Pred „--“ sa vlastné voľby Qt (napríklad -style NÁZOV alebo -reverse) odovzdávajú Qt, pre vývojárov.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Viac pomocou „tavlora --help“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1“ sa nedá otvoriť: jeho názov nie je text v UTF-8. Premenujte súbor a zadajte ho znova.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>hárok štýlov „%1“ sa vynecháva: nie je to súbor s veľkosťou najviac 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>odpoveď sa nedá zapísať: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>nie je žiadna obrazovka, na ktorej by sa dalo okno zobraziť.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>vizuál „%1“ sa vynecháva: X server nemá vizuál s týmto číslom.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Kurzor %1 sa nedá načítať: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>súbor je väčší ako 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>súbor nie je kurzor</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>súbor neobsahuje žiadny obrázok</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>súbor je neúplný</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>obrázok kurzora je príliš veľký (%1 x %2 pixelov; kurzor má najviac %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>nejde o súbor, ale o priečinok, rúru, socket alebo zariadenie</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>súbor sa nedá prečítať</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>obrázok je príliš veľký na dekódovanie</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Dekodér obrázkov %1 sa nedá spustiť: %2</translation>
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
        <translation>Obrázková skladačka</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Poskladajte proti času obrázok rozrezaný na posuvné dieliky</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzzle;skladačka;posúvačka;pätnástka;dieliky;obrázok;fotka;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Poskladajte obrázok rozrezaný na posuvné dieliky</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora urobí z obrázka skladačku. Vyberte si niektorú zo svojich fotiek alebo jeden z obrázkov, ktoré patria k hre: roztiahne sa do štvorca a rozreže na hraciu plochu zo štyroch krát štyroch dielikov, ktoré sa potom zamiešajú. Poskladajte obrázok znova dokopy, kým beží čas.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dva druhy hry:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Posuň: jeden dielik sa odoberie a dielik vedľa prázdneho poľa sa doň posunie.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Vymeň: všetkých šestnásť dielikov zostáva na ploche a ľubovoľné dva si vymenia miesta.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Menej ťahov za kratší čas dáva lepšie skóre a každý dielik, ktorý už je na svojom mieste, k nemu pridáva. Najlepšie výsledky každého druhu hry sa uchovávajú s menami hráčov.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Rozohraná hra typu „Posuň“</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Okno po spustení</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
v Tavlora2021/08/31.Form1.%2 na riadku %3<byte value="xd"/><byte value="xd"/>Pošlite, prosím, snímku obrazovky s touto správou e-mailom na %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Chyba aplikácie</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Hracia plocha je už plná.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Prvok poľa ovládacích prvkov &apos;%1&apos; neexistuje</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt je už načítaný</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Pretečenie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index je mimo rozsahu</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Premenná objektu nie je nastavená</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Delenie nulou</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Orezávač obrázka neobsahuje žiadny obrázok</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Obrázok je menší ako jeho mriežka polí</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Neznáma chyba</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatok pamäte</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gratulujeme!!! Poskladali ste obrázok.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spustiť hru</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Ukončiť hru</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Ďalšie dieliky sa už nedajú pridať.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Hracia plocha</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Náhľad obrázka</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Druh hry</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Posuň</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Vymeň</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ťahy</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Načítať obrázok</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najlepšie výsledky</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Pridať súbory - viac súborov vyberiete s Ctrl a Shift</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Všetky súbory obrázkov (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Skóre %1, ťahy: %2, čas %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nie je načítaný žiadny obrázok</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Obrázok %1 načítaný</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Dosiahli ste rekord.<byte value="xd"/>
Zadajte svoje meno: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Meno hráča	Skóre<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Najlepšie výsledky – %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Odstrániť aj vaše najlepšie výsledky (hiscore.mdb) a nastavenia?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora je spustená z tohto priečinka. Zatvorte hru a potom zvoľte Opakovať.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Do tohto priečinka nemôžete zapisovať. Zvoľte si vlastný priečinok.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Obrázok %1 sa nedá načítať: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>súbor je poškodený alebo to nie je obrázok</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>súbor sa nenašiel</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>je to priečinok, nie obrázok</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>obrázok je príliš veľký (%1 x %2 pixelov)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>hra nevie čítať obrázky %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>štvorec s %1 pixelmi nie je pre skladačku vhodná veľkosť</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>nejde o súbor, ale o rúru, socket alebo zariadenie</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>súbor sa nedá prečítať: prístup zamietnutý</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>načítať sa dajú len obrázky na tomto počítači</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Pohyb</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>je používaný iným programom, preto sa skóre tejto hry neuložilo</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Tabuľka najlepších výsledkov „%1“ neexistuje.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>sa nedá otvoriť</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>sa nedá prečítať</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>je poškodený</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>neobsahuje tabuľku tblSlide so stĺpcami id, fldname a fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>neobsahuje tabuľku tblSwap so stĺpcami id, fldname a fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>sa nenašiel</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>sa nedá zapísať</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>sa nedá vytvoriť</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>už existuje a zostáva bez zmeny</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>je používaný iným programom; skúste to o chvíľu znova</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Súbor najlepších výsledkov „%1“ %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>nie je súbor</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>je prázdny</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>nie je databáza najlepších výsledkov</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>sa nedá vytvoriť (jeho priečinok sa nedá vytvoriť)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>sa nedá zapísať a na kópiu nemáte žiadny vlastný priečinok</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>bol nahradený iným súborom, kým ho hra mala otvorený</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>je odkaz na chýbajúci súbor</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>sa nedá pre vás skopírovať: názov vášho priečinka nie je v UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Vzhľad %1 sa nedá načítať: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>súbor je väčší ako 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>súbor nie je text</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>súbor nie je text v UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Slovenčina</translation>
    </message>
</context>
</TS>
