<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Строка %1, столбец %2: фишка %3, выбрана</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Строка %1, столбец %2: фишка %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>на своём месте</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>место: строка %1, столбец %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Строка %1, столбец %2: пустая клетка</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Стрелки переходят между фишками; Пробел или Enter делает ход фишкой; M называет ходы и время</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Фишка сдвигается в пустую клетку, если та выше, ниже, перед ней или после неё; последняя клетка строки и первая клетка следующей строки соседние</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Фишка %3 перешла в строку %1, столбец %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Не рядом с пустой клеткой</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Игра не идёт</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Ходы: %1, время %2</translation>
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
        <translation>из буфера обмена</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>скопированное — не картинка на этом компьютере</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>скопированное — текст, а не картинка</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>программа, владеющая буфером обмена, не передала свою картинку</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>скопированное — не картинка</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>программа, владеющая буфером обмена, не ответила</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>картинка слишком велика (больше %1 МиБ в буфере обмена)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» — не параметр; картинку с таким именем указывают после «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» требует значения до «--».</translation>
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
        <translation>Использование: tavlora [КАРТИНКА]
               tavlora [ПАРАМЕТРЫ-QT] -- [КАРТИНКА]
Головоломка из картинки: картинка разрезается на 4 x 4 плитки, которые нужно собрать на время.

  --help      показать эту справку и выйти
  --mute      не воспроизводить звуки в этот раз
  --version   показать версию и выйти
  --          конец параметров: дальше идёт картинка, даже если её имя начинается с «-»

Любой другой аргумент — картинка. До «--» собственные параметры Qt (например, -style ИМЯ или -reverse) передаются Qt, для разработчиков.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Подробнее: «tavlora --help».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>«%1» не удаётся открыть: его имя — не текст в UTF-8. Переименуйте файл и укажите его снова.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>таблица стилей «%1» не используется: это не файл размером не более 1 МиБ.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>не удаётся записать ответ: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>нет экрана, на котором можно показать окно.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>визуал «%1» не используется: у X-сервера нет визуала с таким номером.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Не удалось загрузить курсор %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файл больше 1 МиБ</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>файл не является курсором</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>в файле нет изображения</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>файл обрезан</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>изображение курсора слишком велико (%1 x %2 пикселей; курсор не больше %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>это не файл, а папка, канал, сокет или устройство</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>файл не удаётся прочитать</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>изображение слишком велико для декодирования</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Не удаётся запустить декодер изображений %1: %2</translation>
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
        <translation>Соберите на время картинку, разрезанную на подвижные фишки</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>головоломка;пятнашки;пятнадцать;фишки;картинка;фото;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Соберите картинку, разрезанную на подвижные фишки</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora превращает картинку в головоломку. Выберите свою фотографию или одну из картинок, которые идут с игрой: она растягивается в квадрат и разрезается на поле из четырёх на четыре фишки, которые затем перемешиваются. Соберите картинку, пока идут часы.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Два вида игры:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Сдвиг: одна фишка убирается, и фишка рядом с пустой клеткой сдвигается в неё.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Обмен: все шестнадцать фишек остаются на поле, и любые две меняются местами.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Меньше ходов за меньшее время дают больше очков, и каждая фишка на своём месте добавляет к ним. Лучшие результаты каждого вида игры хранятся с именами игроков.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Идёт игра в режиме «Сдвиг»</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Окно при запуске</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
в Tavlora2021/08/31.Form1.%2 в строке %3<byte value="xd"/><byte value="xd"/>Пожалуйста, отправьте снимок экрана с этим сообщением по адресу %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Поле уже заполнено.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Элемент &apos;%1&apos; массива элементов управления не существует</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Объект уже загружен</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Объектная переменная не задана</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>В нарезчике нет картинки</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Картинка меньше своей сетки клеток</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Поздравляем!!! Вы собрали картинку.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Начать игру</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закончить игру</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Больше фишек добавить нельзя.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Поле головоломки</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Тип игры</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Обмен</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Открыть картинку</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Добавить файлы - Ctrl и Shift выбирают несколько файлов</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Все файлы изображений (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Очки %1, ходы: %2, время %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Картинка не открыта</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Картинка %1 открыта</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>У вас рекорд.<byte value="xd"/>
Введите своё имя: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Игрок	Очки<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Рекорды: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Удалить также ваши рекорды (hiscore.mdb) и настройки?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora запущена из этой папки. Закройте игру, затем нажмите «Повторить».</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>У вас нет права записи в эту папку. Выберите собственную папку.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Не удалось загрузить картинку %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>файл повреждён или не является картинкой</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>это папка, а не картинка</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>картинка слишком велика (%1 x %2 пикселей)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>игра не читает картинки %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>квадрат в %1 пикселей не подходит для головоломки</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>это не файл, а канал, сокет или устройство</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>файл не удаётся прочитать: доступ запрещён</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>можно загружать только картинки с этого компьютера</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Анимация</translation>
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
        <translation>занят другой программой, поэтому очки этой игры не сохранены</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Таблицы рекордов «%1» нет.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>не удаётся открыть</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>повреждён</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>не содержит таблицы tblSlide со столбцами id, fldname и fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>не содержит таблицы tblSwap со столбцами id, fldname и fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>не найден</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>не удаётся записать</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>не удаётся создать</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>уже существует и остаётся без изменений</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>занят другой программой; повторите попытку чуть позже</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Файл рекордов «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>не является файлом</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>пуст</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>не является базой рекордов</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>не может быть создан (нельзя создать его папку)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>не может быть записан, а своей папки для копии нет</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>был заменён другим файлом, пока игра держала его открытым</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>является ссылкой на отсутствующий файл</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>не может быть скопирован для вас: имя вашей папки не в кодировке UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Не удалось загрузить оформление %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>файл больше 1 МиБ</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>файл не текстовый</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>файл не в кодировке UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
</context>
</TS>
