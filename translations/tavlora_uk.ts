<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Рядок %1, стовпець %2: фішка %3, вибрана</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Рядок %1, стовпець %2: фішка %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>на своєму місці</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>місце: рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Рядок %1, стовпець %2: порожня клітинка</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Стрілки переходять між фішками; Пропуск або Enter робить хід фішкою; M називає ходи й час</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Фішка зсувається в порожню клітинку, якщо та вище, нижче, перед нею або після неї; остання клітинка рядка й перша клітинка наступного рядка сусідні</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Фішка %3 перейшла в рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Не поруч із порожньою клітинкою</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Гра не йде</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Ходи: %1, час %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Край поля</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>з буфера обміну</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>скопійоване — не зображення на цьому комп&apos;ютері</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>скопійоване — текст, а не зображення</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>програма, що тримає буфер обміну, не передала своє зображення</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>скопійоване — не зображення</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>програма, що тримає буфер обміну, не відповіла</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>зображення завелике (понад %1 МіБ у буфері обміну)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» — не параметр; зображення з такою назвою вказують після «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» потребує значення перед «--».</translation>
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
        <translation>Використання: tavlora [ЗОБРАЖЕННЯ]
              tavlora [ПАРАМЕТРИ-QT] -- [ЗОБРАЖЕННЯ]
Головоломка-картинка: зображення розрізається на 4 x 4 фішки, які ви на час складаєте в правильному порядку.

  --help      показати цю довідку і вийти
  --mute      цього разу не відтворювати звуки
  --version   показати версію і вийти
  --          кінець параметрів: далі йде зображення, навіть якщо його назва починається з «-»

Кожен інший аргумент — зображення. До «--» власні параметри Qt (як-от -style НАЗВА або -reverse) передаються Qt, для розробників.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Докладніше: «tavlora --help».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>Не вдалося відкрити «%1»: його назва — не текст UTF-8. Перейменуйте файл і вкажіть його знову.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>таблицю стилів «%1» пропущено: це не файл розміром до 1 МіБ.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>не вдалося записати відповідь: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>немає екрана, на якому можна показати вікно.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>візуал «%1» пропущено: X-сервер не має візуалу з таким номером.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Не вдалося завантажити курсор %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файл більший за 1 МіБ</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>файл не є курсором</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>у файлі немає зображення</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>файл обрізаний</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>зображення курсора завелике (%1 x %2 пікселів; курсор не більший за %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>це не файл, а тека, канал, сокет або пристрій</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>не вдалося прочитати файл</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>зображення завелике для декодування</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Не вдалося запустити декодер зображень %1: %2</translation>
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
        <translation>Головоломка-картинка</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Складіть на час картинку, розрізану на рухомі фішки</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>головоломка;пазл;п&apos;ятнашки;п&apos;ятнадцять;фішки;картинка;фото;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Складіть картинку, розрізану на рухомі фішки</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora перетворює картинку на головоломку. Виберіть одне зі своїх фото або одну з картинок, що постачаються з грою: її розтягують до квадрата й розрізають на поле з чотирьох на чотири фішки, які потім перемішуються. Складіть картинку знову, поки йде час.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Два види гри:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Зсув: одну фішку прибрано, і фішка поруч із порожньою клітинкою зсувається в неї.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Обмін: усі шістнадцять фішок лишаються на полі, і будь-які дві міняються місцями.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Менше ходів за менший час дають більше очок, і кожна фішка, що вже на своєму місці, додає до них. Найкращі результати кожного виду гри зберігаються з іменами гравців.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Гра в режимі «Зсув» триває</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Вікно після запуску</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
у Tavlora2021/08/31.Form1.%2 у рядку %3<byte value="xd"/><byte value="xd"/>Будь ласка, надішліть знімок екрана з цим повідомленням на адресу %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Помилка програми</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Поле вже заповнене.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елемент &apos;%1&apos; масиву елементів керування не існує</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Об&apos;єкт уже завантажено</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза діапазоном</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Змінну об&apos;єкта не задано</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Ділення на нуль</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Неприпустиме значення властивості</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>У різаку картинки немає картинки</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Картинка менша за свою сітку клітинок</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатньо пам&apos;яті</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Вітаємо!!! Ви склали картинку.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Почати гру</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Завершити гру</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Більше фішок додати не можна.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Поле головоломки</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Тип гри</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Зсув</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Обмін</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходи</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Відкрити картинку</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Додати файли - Ctrl і Shift вибирають кілька файлів</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Усі файли зображень (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Очки %1, ходи: %2, час %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Картинку не відкрито</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Картинку %1 відкрито</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>У вас рекорд.<byte value="xd"/>
Введіть своє ім&apos;я: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Гравець	Очки<byte value="xd"/>
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
        <translation>Вилучити також ваші рекорди (hiscore.mdb) і налаштування?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora запущена з цієї теки. Закрийте гру, потім натисніть «Повторити».</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Ви не можете записувати в цю теку. Виберіть власну теку.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Не вдалося завантажити картинку %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>файл пошкоджений або не є картинкою</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>файл не знайдено</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>це тека, а не картинка</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>картинка завелика (%1 x %2 пікселів)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>гра не читає картинки %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>квадрат у %1 пікселів не підходить для головоломки</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>це не файл, а канал, сокет або пристрій</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>не вдалося прочитати файл: доступ заборонено</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>завантажувати можна лише картинки з цього комп&apos;ютера</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Рух</translation>
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
        <translation>зайнятий іншою програмою, тому очки цієї гри не збережено</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Таблиці рекордів «%1» немає.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>не вдається відкрити</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не вдається прочитати</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>пошкоджений</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>не містить таблиці tblSlide зі стовпцями id, fldname і fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>не містить таблиці tblSwap зі стовпцями id, fldname і fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>не знайдено</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>не вдається записати</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>не вдається створити</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>уже існує і лишається без змін</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>зайнятий іншою програмою; спробуйте ще раз за мить</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Файл рекордів «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>не є файлом</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>порожній</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>не є базою рекордів</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>не вдається створити (не вдається створити його теку)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>не вдається записати, а власної теки для копії немає</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>замінено іншим файлом, поки гра тримала його відкритим</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>є посиланням на відсутній файл</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>не вдається скопіювати для вас: назва вашої теки — не UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Не вдалося завантажити оформлення %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файл більший за 1 МіБ</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>файл не текстовий</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>файл не в кодуванні UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Українська</translation>
    </message>
</context>
</TS>
