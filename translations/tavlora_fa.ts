<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>ردیف %1، ستون %2: تکهٔ %3، انتخاب‌شده</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>ردیف %1، ستون %2: تکهٔ %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>سر جای خود</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>جایش در ردیف %1، ستون %2 است</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>ردیف %1، ستون %2: جای خالی</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>کلیدهای جهت‌نما میان تکه‌ها جابه‌جا می‌شوند؛ فاصله یا Enter تکه را بازی می‌کند؛ M تعداد حرکت‌ها و زمان را می‌گوید</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>تکه وقتی به جای خالی می‌رود که جای خالی بالا، پایین، پیش یا پس از آن باشد؛ آخرین خانهٔ هر ردیف و نخستین خانهٔ ردیف بعد همسایه‌اند</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>تکهٔ %3 به ردیف %1، ستون %2 رفت</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>کنار جای خالی نیست</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>هیچ بازی‌ای در جریان نیست</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>حرکت‌ها: %1، زمان %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>لبهٔ صفحه</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>از تخته‌یادداشت</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>آنچه رونوشت شده تصویری روی این رایانه نیست</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>آنچه رونوشت شده متن است، نه تصویر</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>برنامه‌ای که تخته‌یادداشت را در دست دارد تصویرش را تحویل نداد</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>آنچه رونوشت شده تصویر نیست</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>برنامه‌ای که تخته‌یادداشت را در دست دارد پاسخ نداد</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>تصویر بیش از حد بزرگ است (بیش از %1 MiB در تخته‌یادداشت)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» گزینه نیست؛ تصویری با این نام باید پس از «--» بیاید.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» پیش از «--» به یک مقدار نیاز دارد.</translation>
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
        <translation>کاربرد: tavlora [تصویر]
        tavlora [گزینه‌های-QT] -- [تصویر]
پازل تصویری: تصویر به ۴ × ۴ تکه بریده می‌شود و شما آن‌ها را در رقابت با ساعت دوباره مرتب می‌کنید.

  --help      نمایش این راهنما و خروج
  --mute      این بار هیچ صدایی پخش نکن
  --version   نمایش نسخه و خروج
  --          پایان گزینه‌ها: هرچه پس از آن بیاید تصویر است، حتی نامی که با &quot;-&quot; آغاز شود

هر آرگومان دیگری تصویر است. پیش از «--»، گزینه‌های خود Qt (مانند -style NAME یا -reverse) برای توسعه‌دهندگان به Qt داده می‌شوند.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>برای اطلاعات بیشتر «tavlora --help» را امتحان کنید.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>«%1» باز نمی‌شود: نامش متن UTF-8 نیست. نام پرونده را تغییر دهید و دوباره آن را بدهید.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>برگهٔ سبک «%1» کنار گذاشته شد: پرونده‌ای با حداکثر ۱ MiB نیست.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>پاسخ نوشته نمی‌شود: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>صفحه‌ای برای نمایش پنجره نیست.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>ویژوال «%1» کنار گذاشته شد: کارساز X ویژوالی با این شماره ندارد.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>نشانگر %1 بار نمی‌شود: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>پرونده بزرگ‌تر از ۱ MiB است</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>پرونده نشانگر نیست</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>پرونده هیچ تصویری ندارد</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>پرونده ناقص است</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>تصویر نشانگر بیش از حد بزرگ است (%1 × %2 پیکسل؛ نشانگر حداکثر %3 × %3 است)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>پرونده نیست، بلکه پوشه، لوله، سوکت یا دستگاه است</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>پرونده خوانده نمی‌شود</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>تصویر برای رمزگشایی بیش از حد بزرگ است</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>رمزگشای تصویر %1 اجرا نمی‌شود: %2</translation>
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
        <translation>پازل تصویری</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>تصویری را که به تکه‌های کشویی بریده شده در رقابت با ساعت دوباره سرهم کنید</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>پازل;معما;کشویی;پانزده;تکه;تصویر;عکس;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>تصویری را که به تکه‌های کشویی بریده شده دوباره سرهم کنید</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora یک تصویر را به پازل تبدیل می‌کند. یکی از عکس‌های خودتان یا یکی از تصویرهایی را که همراه بازی است انتخاب کنید: تصویر به شکل مربع کشیده و به صفحه‌ای چهار در چهار تکه بریده می‌شود و سپس تکه‌ها به هم می‌ریزند. تا ساعت می‌چرخد تصویر را دوباره سرهم کنید.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>دو نوع بازی:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>لغزش: یک تکه برداشته می‌شود و تکه‌ای که کنار خانهٔ خالی است به درون آن می‌لغزد.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>تعویض: هر شانزده تکه روی صفحه می‌مانند و هر دو تکه‌ای جایشان را با هم عوض می‌کنند.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>حرکت‌های کمتر در زمان کوتاه‌تر امتیاز بهتری می‌دهند و هر تکه‌ای که سر جای خود باشد به آن می‌افزاید. بهترین امتیازهای هر نوع بازی با نام بازیکنانشان نگه داشته می‌شوند.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>یک بازی لغزش در جریان</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>پنجره هنگام شروع</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
در Tavlora2021/08/31.Form1.%2 در سطر %3<byte value="xd"/><byte value="xd"/>لطفاً تصویر صفحه از این پیام را به %4 ایمیل کنید</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطای برنامه</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>صفحه از قبل پر است.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>عنصر آرایهٔ کنترل &apos;%1&apos; وجود ندارد</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>شیء از قبل بار شده است</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>اندیس خارج از محدوده</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>متغیر شیء تنظیم نشده است</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>تقسیم بر صفر</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>مقدار ویژگی نامعتبر است</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>برش‌دهندهٔ تصویر هیچ تصویری ندارد</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>تصویر از شبکهٔ خانه‌هایش کوچک‌تر است</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطای ناشناخته</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>حافظه کافی نیست</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>تبریک!!! تصویر را کامل کردید.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>شروع بازی</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>پایان بازی</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>تکهٔ دیگری نمی‌توان افزود.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>صفحهٔ پازل</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>پیش‌نمایش تصویر</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>نوع بازی</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>لغزش</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>تعویض</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>حرکت‌ها</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>بار کردن تصویر</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>بهترین امتیازها</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>افزودن پرونده(ها) - برای انتخاب چند پرونده از Ctrl و Shift استفاده کنید</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>همهٔ پرونده‌های تصویر (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>امتیاز %1، حرکت‌ها: %2، زمان %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>هیچ تصویری بارگذاری نشده است</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>تصویر %1 بارگذاری شد</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>امتیاز برتری گرفتید.<byte value="xd"/>
نام خود را وارد کنید: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>امتیاز برتر</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>نام بازیکن	امتیاز<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>بهترین امتیازهای %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>بهترین امتیازهای شما (hiscore.mdb) و تنظیمات شما هم حذف شود؟</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora از این پوشه در حال اجراست. بازی را ببندید، سپس «تلاش مجدد» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>نمی‌توانید در این پوشه بنویسید. پوشه‌ای از آن خودتان انتخاب کنید.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>تصویر %1 بار نمی‌شود: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>پرونده آسیب دیده یا تصویر نیست</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>پرونده پیدا نشد</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>این یک پوشه است، نه تصویر</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>تصویر بیش از حد بزرگ است (%1 × %2 پیکسل)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>بازی تصویرهای %1 را نمی‌خواند</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>مربعی با %1 پیکسل اندازه‌ای برای پازل نیست</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>پرونده نیست، بلکه لوله، سوکت یا دستگاه است</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>پرونده خوانده نمی‌شود: اجازه داده نشد</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>فقط تصویرهای روی این رایانه بار می‌شوند</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>حرکت</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>صدا</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>در دست برنامهٔ دیگری است، پس امتیاز این بازی ذخیره نشد</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>جدول امتیازهای برتر «%1» وجود ندارد.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>باز نمی‌شود</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>خوانده نمی‌شود</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>آسیب دیده است</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>جدول tblSlide با ستون‌های id و fldname و fldscore ندارد</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>جدول tblSwap با ستون‌های id و fldname و fldscore ندارد</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>پیدا نشد</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>نوشته نمی‌شود</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>ساخته نمی‌شود</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>از قبل وجود دارد و دست‌نخورده می‌ماند</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>در دست برنامهٔ دیگری است؛ کمی بعد دوباره امتحان کنید</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>پروندهٔ امتیازهای برتر «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>پرونده نیست</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>خالی است</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>پایگاه دادهٔ امتیازهای برتر نیست</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>ساخته نمی‌شود (پوشه‌اش ساخته نمی‌شود)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>نوشته نمی‌شود، و پوشه‌ای از آنِ شما برای یک رونوشت نیست</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>وقتی بازی آن را باز داشت، پروندهٔ دیگری جایش را گرفت</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>پیوندی به پرونده‌ای ناموجود است</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>برای شما رونوشت نمی‌شود: نام پوشهٔ شما UTF-8 نیست</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>پوستهٔ %1 بار نمی‌شود: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>پرونده بزرگ‌تر از ۱ MiB است</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>پرونده متن نیست</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>پرونده متن UTF-8 نیست</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>فارسی</translation>
    </message>
</context>
</TS>
