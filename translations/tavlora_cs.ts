<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Řádek %1, sloupec %2: dílek %3, vybraný</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Řádek %1, sloupec %2: dílek %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>na svém místě</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>patří do řádku %1, sloupce %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Řádek %1, sloupec %2: mezera</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Šipky přecházejí mezi dílky; Mezerník nebo Enter zahraje dílek; M řekne tahy a čas</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Dílek se posune do mezery, když je mezera nad ním, pod ním, před ním nebo za ním; poslední pole řádku a první pole dalšího jsou sousedé</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Dílek %3 se přesunul do řádku %1, sloupce %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Není vedle mezery</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Žádná hra neběží</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Tahy: %1, čas %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Okraj desky</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>ze schránky</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>zkopírovaný obsah není obrázek na tomto počítači</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>zkopírovaný obsah je text, ne obrázek</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>program, který drží schránku, svůj obrázek nepředal</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>zkopírovaný obsah není obrázek</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>program, který drží schránku, neodpověděl</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>obrázek je příliš velký (ve schránce více než %1 MiB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1“ není volba; obrázek s tímto názvem patří za „--“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1“ vyžaduje před „--“ hodnotu.</translation>
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
        <translation>Použití: tavlora [OBRÁZEK]
         tavlora [VOLBY-QT] -- [OBRÁZEK]
Obrázková skládačka: obrázek se rozřeže na 4 x 4 dílky, které proti času vrátíte do správného pořadí.

  --help      zobrazit tuto nápovědu a skončit
  --mute      tentokrát nepřehrávat zvuky
  --version   zobrazit verzi a skončit
  --          konec voleb: co následuje, je obrázek, i když jeho název začíná na „-“

Každý další argument je obrázek. Před „--“ se vlastní volby Qt (například -style NÁZEV nebo -reverse) předávají Qt, pro vývojáře.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Více viz „tavlora --help“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1“ nelze otevřít: jeho název není text v UTF-8. Přejmenujte soubor a zadejte jej znovu.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>šablona stylů „%1“ se vynechává: není to soubor o velikosti nejvýše 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>odpověď nelze zapsat: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>není žádná obrazovka, na které by se okno dalo zobrazit.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>vizuál „%1“ se vynechává: X server nemá vizuál s tímto číslem.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Kurzor %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>soubor je větší než 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>soubor není kurzor</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>soubor neobsahuje žádný obrázek</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>soubor je neúplný</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>obrázek kurzoru je příliš velký (%1 x %2 pixelů; kurzor má nejvýše %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>nejde o soubor, ale o složku, rouru, socket nebo zařízení</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>soubor nelze přečíst</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>obrázek je příliš velký na dekódování</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Dekodér obrázků %1 nelze spustit: %2</translation>
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
        <translation>Obrázková skládačka</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Složte proti času obrázek rozřezaný na posuvné dílky</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzzle;skládačka;posuvné;patnáctka;dílky;obrázek;fotka;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Složte obrázek rozřezaný na posuvné dílky</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora udělá z obrázku skládačku. Vyberte si některou ze svých fotek nebo jeden z obrázků, které ke hře patří: roztáhne se do čtverce a rozřeže na hrací plochu ze čtyř krát čtyř dílků, které se pak zamíchají. Složte obrázek znovu dohromady, zatímco běží čas.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dva druhy hry:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Posuň: jeden dílek se odebere a dílek vedle prázdného pole se do něj posune.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Vyměň: všech šestnáct dílků zůstává na ploše a libovolné dva si vymění místa.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Méně tahů za kratší čas dává lepší skóre a každý dílek, který už je na svém místě, k němu přidává. Nejlepší výsledky každého druhu hry se uchovávají se jmény hráčů.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Rozehraná hra typu „Posuň“</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Okno po spuštění</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
v Tavlora2021/08/31.Form1.%2 na řádku %3<byte value="xd"/><byte value="xd"/>Zašlete prosím snímek obrazovky s touto zprávou e-mailem na %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Chyba aplikace</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Hrací plocha je už plná.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Prvek pole ovládacích prvků &apos;%1&apos; neexistuje</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt je již načten</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index je mimo rozsah</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Proměnná objektu není nastavena</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dělení nulou</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Ořezávač obrázku neobsahuje žádný obrázek</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Obrázek je menší než jeho mřížka polí</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gratulujeme!!! Složili jste obrázek.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spustit hru</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Ukončit hru</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Další dílky už nelze přidat.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Náhled obrázku</translation>
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
        <translation>Vyměň</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Tahy</translation>
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
        <translation>Načíst obrázek</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Přidat soubory - více souborů vyberete s Ctrl a Shift</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Všechny soubory obrázků (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Skóre %1, tahy: %2, čas %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Není načten žádný obrázek</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Obrázek %1 načten</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Dosáhli jste rekordu.<byte value="xd"/>
Zadejte své jméno: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Jméno hráče	Skóre<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Nejlepší výsledky – %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Odstranit také vaše nejlepší výsledky (hiscore.mdb) a nastavení?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora běží z této složky. Zavřete hru a zvolte Opakovat.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Do této složky nemůžete zapisovat. Zvolte vlastní složku.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Obrázek %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>soubor je poškozený nebo to není obrázek</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>soubor nebyl nalezen</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>je to složka, ne obrázek</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>obrázek je příliš velký (%1 x %2 pixelů)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>hra neumí číst obrázky %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>čtverec o %1 pixelech není pro skládačku vhodná velikost</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>nejde o soubor, ale o rouru, socket nebo zařízení</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>soubor nelze přečíst: přístup odepřen</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>načíst lze jen obrázky na tomto počítači</translation>
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
        <translation>je používán jiným programem, proto se skóre této hry neuložilo</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Tabulka nejlepších výsledků „%1“ neexistuje.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>nelze otevřít</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nelze přečíst</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>je poškozený</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>neobsahuje tabulku tblSlide se sloupci id, fldname a fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>neobsahuje tabulku tblSwap se sloupci id, fldname a fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>nebyl nalezen</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>nelze zapsat</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>nelze vytvořit</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>už existuje a zůstává beze změny</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>je používán jiným programem; zkuste to za chvíli znovu</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Soubor nejlepších výsledků „%1“ %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>není soubor</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>je prázdný</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>není databáze nejlepších výsledků</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>nelze vytvořit (jeho složku nelze vytvořit)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>nelze zapsat a pro kopii nemáte žádnou vlastní složku</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>byl nahrazen jiným souborem, zatímco jej hra měla otevřený</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>je odkaz na chybějící soubor</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>nelze pro vás zkopírovat: název vaší složky není v UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Vzhled %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>soubor je větší než 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>soubor není text</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>soubor není text v UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Čeština</translation>
    </message>
</context>
</TS>
