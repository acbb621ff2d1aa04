<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Ред %1, колона %2: плочка %3, избрана</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Ред %1, колона %2: плочка %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>на мястото си</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>мястото ѝ е на ред %1, колона %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Ред %1, колона %2: празното място</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Стрелките минават между плочките; Интервал или Enter играе плочката; M казва ходовете и времето</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Плочка се плъзга в празното място, когато то е над, под, преди или след нея; последната клетка на ред и първата на следващия са съседни</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Плочка %3 отиде на ред %1, колона %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Не е до празното място</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Няма текуща игра</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Ходове: %1, време %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Край на дъската</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>от буфера за обмен</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>копираното не е картина на този компютър</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>копираното е текст, а не картина</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>програмата, която държи буфера за обмен, не предаде картината си</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>копираното не е картина</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>програмата, която държи буфера за обмен, не отговори</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>картината е твърде голяма (над %1 MiB в буфера за обмен)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1“ не е опция; картина с такова име се посочва след „--“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1“ изисква стойност преди „--“.</translation>
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
        <translation>Употреба: tavlora [КАРТИНА]
          tavlora [ОПЦИИ-НА-QT] -- [КАРТИНА]
Пъзел с картина: картината се нарязва на 4 x 4 плочки, които подреждате отново срещу часовника.

  --help      показва тази помощ и излиза
  --mute      без звуци този път
  --version   показва версията и излиза
  --          край на опциите: следва картина, дори име, което започва с „-“

Всеки друг аргумент е картина. Преди „--“ собствените опции на Qt (например -style ИМЕ или -reverse) се предават на Qt, за разработчици.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Повече с „tavlora --help“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1“ не може да се отвори: името му не е текст в UTF-8. Преименувайте файла и го посочете отново.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>стиловият лист „%1“ се пропуска: не е файл от най-много 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>отговорът не може да се запише: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>няма екран, на който да се покаже прозорецът.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>визуалът „%1“ се пропуска: X сървърът няма визуал с такъв номер.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Курсорът %1 не може да се зареди: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файлът е по-голям от 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>файлът не е курсор</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>файлът не съдържа изображение</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>файлът е непълен</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>изображението на курсора е твърде голямо (%1 x %2 пиксела; курсорът е най-много %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>това не е файл, а папка, канал, сокет или устройство</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>файлът не може да се прочете</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>картината е твърде голяма за декодиране</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Декодерът на картини %1 не може да се стартира: %2</translation>
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
        <translation>Пъзел с картина</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Подредете срещу часовника картина, нарязана на плъзгащи се плочки</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>пъзел;плъзгащ;петнайсет;плочки;картина;снимка;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Подредете картина, нарязана на плъзгащи се плочки</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora превръща картина в пъзел. Изберете своя снимка или някоя от картините, които идват с играта: тя се разтяга до квадрат и се нарязва на дъска от четири на четири плочки, които след това се разбъркват. Подредете картината отново, докато часовникът върви.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Два вида игра:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Бутни: една плочка се изважда и плочка до празното поле се плъзга в него.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Смени: всички шестнайсет плочки остават на дъската и кои да е две от тях си разменят местата.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>По-малко ходове за по-кратко време дават повече точки и всяка плочка, която вече е на мястото си, добавя към тях. Най-добрите резултати от всеки вид игра се пазят с имената на играчите.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Игра „Бутни“ в ход</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Прозорецът при стартиране</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
в Tavlora2021/08/31.Form1.%2 на ред %3<byte value="xd"/><byte value="xd"/>Моля, изпратете снимка на екрана с това съобщение по имейл до %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Грешка в приложението</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Дъската вече е пълна.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елементът &apos;%1&apos; от масива от контроли не съществува</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Обектът вече е зареден</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Препълване</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индексът е извън обхвата</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Обектната променлива не е зададена</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на нула</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Невалидна стойност на свойство</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Нарязващият картината няма картина</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Картината е по-малка от мрежата си от полета</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестна грешка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатъчно памет</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Поздравления!!! Подредихте картината.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Нова игра</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Край на играта</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Не могат да се добавят още плочки.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Дъска на пъзела</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Преглед</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Вид игра</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Бутни</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Смени</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходове</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Време</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Зареди картина</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Добавяне на файлове - с Ctrl и Shift се избират няколко файла</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Всички файлове с картини (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Точки %1, ходове: %2, време %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Няма заредена картина</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Картината %1 е заредена</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Имате рекорд.<byte value="xd"/>
Въведете името си: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Играч	Точки<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Рекорди: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Да се премахнат ли и вашите рекорди (hiscore.mdb) и настройки?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora работи от тази папка. Затворете играта и изберете „Повторен опит“.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Нямате право на запис в тази папка. Изберете своя собствена папка.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Картината %1 не може да се зареди: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>файлът е повреден или не е картина</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>файлът не е намерен</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>това е папка, а не картина</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>картината е твърде голяма (%1 x %2 пиксела)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>играта не чете картини %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>квадрат от %1 пиксела не е подходящ размер за пъзела</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>това не е файл, а канал, сокет или устройство</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>файлът не може да се прочете: достъпът е отказан</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>могат да се зареждат само картини от този компютър</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>се използва от друга програма, затова резултатът от тази игра не е запазен</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Няма таблица с рекорди „%1“.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>не може да се отвори</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не може да се прочете</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>е повреден</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>няма таблица tblSlide с колони id, fldname и fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>няма таблица tblSwap с колони id, fldname и fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>не е намерен</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>не може да се запише</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>не може да се създаде</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>вече съществува и остава непроменен</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>се използва от друга програма; опитайте отново след малко</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Файлът с рекорди „%1“ %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>не е файл</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>е празен</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>не е база данни с рекорди</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>не може да се създаде (папката му не може да се създаде)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>не може да се запише, а няма ваша собствена папка за копие</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>е заменен с друг файл, докато играта го държеше отворен</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>е връзка към липсващ файл</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>не може да се копира за вас: името на папката ви не е в UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Обликът %1 не може да се зареди: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файлът е по-голям от 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>файлът не е текст</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>файлът не е текст в UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Български</translation>
    </message>
</context>
</TS>
