<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>الصف %1، العمود %2: القطعة %3، مختارة</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>الصف %1، العمود %2: القطعة %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>في مكانها</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>مكانها في الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>الصف %1، العمود %2: الفراغ</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>مفاتيح الأسهم تنقل بين القطع؛ المسافة أو Enter يلعب القطعة؛ M يذكر الحركات والوقت</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>تنتقل القطعة إلى الفراغ إذا كان فوقها أو تحتها أو قبلها أو بعدها؛ آخر خانة في الصف وأول خانة في الصف التالي متجاورتان</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>انتقلت القطعة %3 إلى الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>ليست بجوار الفراغ</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>لا توجد لعبة جارية</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>الحركات: %1، الوقت %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>حافة اللوحة</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>من الحافظة</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>ما نُسخ ليس صورة على هذا الحاسوب</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>ما نُسخ نص وليس صورة</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>البرنامج الذي يمسك الحافظة لم يسلّم صورته</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>ما نُسخ ليس صورة</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>البرنامج الذي يمسك الحافظة لم يستجب</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>الصورة كبيرة جدًا (أكثر من %1 MiB في الحافظة)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» ليس خيارًا؛ الصورة بهذا الاسم تأتي بعد «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» يحتاج إلى قيمة قبل «--».</translation>
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
        <translation>الاستخدام: tavlora [صورة]
           tavlora [خيارات-QT] -- [صورة]
أحجية صور: تُقطَّع الصورة إلى 4 x 4 قطع، وتعيدها إلى ترتيبها في سباق مع الساعة.

  --help      اعرض هذه المساعدة واخرج
  --mute      لا تشغّل أي أصوات هذه المرة
  --version   اعرض الإصدار واخرج
  --          نهاية الخيارات: ما يليها صورة، حتى لو بدأ اسمها بـ &quot;-&quot;

كل وسيط آخر صورة. قبل «--» تُمرَّر خيارات Qt نفسها (مثل -style NAME أو -reverse) إلى Qt، للمطوّرين.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>للمزيد جرّب «tavlora --help».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>لا يمكن فتح «%1»: اسمه ليس نصًا بترميز UTF-8. غيّر اسم الملفّ ثم اذكره مرة أخرى.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>أُهملت ورقة الأنماط «%1»: ليست ملفًّا حجمه 1 MiB على الأكثر.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>لا يمكن كتابة الجواب: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>لا توجد شاشة لعرض النافذة عليها.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>أُهمل المرئي «%1»: ليس لدى خادم X مرئي بهذا الرقم.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>لا يمكن تحميل المؤشّر %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>حجم الملفّ أكبر من 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>الملفّ ليس مؤشّرًا</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>الملفّ لا يحوي صورة</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>الملفّ مبتور</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>صورة المؤشّر كبيرة جدًا (%1 x %2 بكسل؛ المؤشّر لا يتجاوز %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>ليس ملفًّا بل مجلّد أو أنبوب أو مقبس أو جهاز</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>لا يمكن قراءة الملفّ</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>الصورة أكبر من أن تُفكّ</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>لا يمكن تشغيل مفكّك الصور %1: %2</translation>
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
        <translation>أحجية صور</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>أعد تجميع صورة مقطّعة إلى قطع منزلقة في سباق مع الساعة</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>أحجية;لغز;انزلاق;خمسة عشر;قطع;صورة;صورة فوتوغرافية;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>أعد تجميع صورة مقطّعة إلى قطع منزلقة</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>يحوّل Tavlora الصورة إلى أحجية. اختر إحدى صورك أو إحدى الصور المرفقة باللعبة: تُمدّ إلى مربّع وتُقطّع إلى لوحة من أربع قطع في أربع، ثم تُخلط. أعد تجميع الصورة والساعة تدور.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>نوعان من اللعب:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>انزلاق: تُرفع قطعة واحدة، وتنزلق إلى الخانة الفارغة قطعةٌ مجاورة لها.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>تبديل: تبقى القطع الست عشرة كلها على اللوحة، وتتبادل أي قطعتين مكانيهما.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>حركات أقل في وقت أقصر تعطي نتيجة أفضل، وكل قطعة في مكانها تزيدها. تُحفظ أفضل النتائج لكل نوع من اللعب مع أسماء لاعبيها.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>لعبة انزلاق جارية</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>النافذة عند البدء</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
في Tavlora2021/08/31.Form1.%2 في السطر %3<byte value="xd"/><byte value="xd"/>يرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في التطبيق</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>اللوحة ممتلئة بالفعل.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>عنصر مصفوفة عناصر التحكم &apos;%1&apos; غير موجود</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>الكائن محمّل بالفعل</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>فيض</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>لم يتم تعيين متغير الكائن</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>قسمة على صفر</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>قاصّ الصور لا يحوي صورة</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>الصورة أصغر من شبكة خاناتها</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>تهانينا!!! لقد أكملت الصورة.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>ابدأ اللعبة</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>أنهِ اللعبة</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>لا يمكن إضافة مزيد من القطع.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>لوحة الأحجية</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>معاينة الصورة</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>نوع اللعبة</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>انزلاق</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>تبديل</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>الحركات</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>المؤقّت</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>تحميل صورة</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>إضافة ملفّات - استخدم Ctrl وShift لاختيار عدة ملفّات</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>كلّ ملفّات الصور (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>النتيجة %1، الحركات: %2، الوقت %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>لم تُحمَّل أي صورة</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>تم تحميل الصورة %1</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>لقد حققت نتيجة عالية.<byte value="xd"/>
أدخل اسمك: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>نتيجة عالية</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>اسم اللاعب	النتيجة<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>أفضل نتائج %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>هل تريد حذف أفضل نتائجك (hiscore.mdb) وإعداداتك أيضًا؟</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora قيد التشغيل من هذا المجلد. أغلق اللعبة، ثم اختر «إعادة المحاولة».</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>لا يمكنك الكتابة في هذا المجلد. اختر مجلدًا خاصًا بك.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>لا يمكن تحميل الصورة %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>الملفّ تالف أو ليس صورة</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>لم يُعثر على الملفّ</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>هذا مجلّد وليس صورة</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>الصورة كبيرة جدًا (%1 x %2 بكسل)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>اللعبة لا تقرأ صور %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>مربّع من %1 بكسل ليس مقاسًا يصلح للأحجية</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>ليس ملفًّا بل أنبوب أو مقبس أو جهاز</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>لا يمكن قراءة الملفّ: الإذن مرفوض</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>لا يمكن تحميل إلا الصور الموجودة على هذا الحاسوب</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>الحركة</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>يستخدمه برنامج آخر، لذا لم تُحفظ نتيجة هذه اللعبة</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>لا يوجد جدول نتائج «%1».</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>لا يمكن فتحه</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>لا يمكن قراءته</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>تالف</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>ليس فيه جدول tblSlide بالأعمدة id وfldname وfldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>ليس فيه جدول tblSwap بالأعمدة id وfldname وfldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>لم يُعثر عليه</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>لا يمكن الكتابة فيه</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>لا يمكن إنشاؤه</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>موجود بالفعل ويُترك كما هو</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>يستخدمه برنامج آخر؛ حاول مرة أخرى بعد قليل</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>ملفّ أفضل النتائج «%1» %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ليس ملفًّا</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>ليس قاعدة بيانات لأفضل النتائج</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>لا يمكن إنشاؤه (لا يمكن إنشاء مجلّده)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>لا يمكن الكتابة فيه، وليس لك مجلّد خاص لنسخة منه</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>استُبدل بملفّ آخر بينما كانت اللعبة تفتحه</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>رابط إلى ملفّ مفقود</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>لا يمكن نسخه لك: اسم مجلّدك ليس بترميز UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>لا يمكن تحميل المظهر %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>حجم الملفّ أكبر من 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>الملفّ ليس نصًا</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>الملفّ ليس نصًا بترميز UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>العربية</translation>
    </message>
</context>
</TS>
