<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>שורה %1, עמודה %2: חלק %3, נבחר</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>שורה %1, עמודה %2: חלק %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>במקומו</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>שייך לשורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>שורה %1, עמודה %2: הרווח</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>מקשי החצים עוברים בין החלקים; רווח או Enter משחקים את החלק; M אומר את המהלכים ואת הזמן</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>חלק מחליק לרווח כשהרווח מעליו, מתחתיו, לפניו או אחריו; התא האחרון בשורה והראשון בשורה הבאה שכנים</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>חלק %3 עבר לשורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>לא ליד הרווח</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>אין משחק פעיל</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>מהלכים: %1, זמן %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>קצה הלוח</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>מלוח הגזירים</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>מה שהועתק אינו תמונה במחשב הזה</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>מה שהועתק הוא טקסט, לא תמונה</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>התוכנה שמחזיקה את לוח הגזירים לא מסרה את התמונה שלה</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>מה שהועתק אינו תמונה</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>התוכנה שמחזיקה את לוח הגזירים לא ענתה</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>התמונה גדולה מדי (יותר מ־%1 MiB בלוח הגזירים)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>&quot;%1&quot; אינו אפשרות; תמונה בשם הזה באה אחרי &quot;--&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>&quot;%1&quot; צריך ערך לפני &quot;--&quot;.</translation>
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
        <translation>שימוש: tavlora [תמונה]
       tavlora [אפשרויות-QT] -- [תמונה]
פאזל תמונה: התמונה נחתכת ל־4 x 4 חלקים, ואתם מסדרים אותם מחדש נגד השעון.

  --help      הצגת העזרה הזאת ויציאה
  --mute      לא להשמיע צלילים הפעם
  --version   הצגת הגרסה ויציאה
  --          סוף האפשרויות: מה שבא אחריו הוא תמונה, גם שם שמתחיל ב־&quot;-&quot;

כל ארגומנט אחר הוא תמונה. לפני &quot;--&quot;, האפשרויות של Qt עצמו (כגון -style NAME או -reverse) מועברות ל־Qt, בשביל מפתחים.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>למידע נוסף: &quot;tavlora --help&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>לא ניתן לפתוח את &quot;%1&quot;: שמו אינו טקסט UTF-8. יש לשנות את שם הקובץ ולציין אותו שוב.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>גיליון הסגנון &quot;%1&quot; לא נלקח: אינו קובץ של 1 MiB לכל היותר.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>לא ניתן לכתוב את התשובה: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>אין מסך שאפשר להציג בו את החלון.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>ה־visual &quot;%1&quot; לא נלקח: לשרת ה־X אין visual במספר הזה.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>לא ניתן לטעון את הסמן %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>הקובץ גדול מ־1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>הקובץ אינו סמן</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>הקובץ אינו מכיל תמונה</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>הקובץ קטוע</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>תמונת הסמן גדולה מדי (%1 x %2 פיקסלים; סמן הוא לכל היותר %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>זה אינו קובץ אלא תיקייה, צינור, שקע או התקן</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>לא ניתן לקרוא את הקובץ</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>התמונה גדולה מכדי לפענח אותה</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>לא ניתן להפעיל את מפענח התמונות %1: %2</translation>
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
        <translation>פאזל תמונה</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>להרכיב מחדש נגד השעון תמונה שנחתכה לחלקים מחליקים</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>פאזל;החלקה;חמש עשרה;חלקים;תמונה;צילום;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>להרכיב מחדש תמונה שנחתכה לחלקים מחליקים</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora הופך תמונה לפאזל. בחרו אחד מהצילומים שלכם או אחת מהתמונות שמגיעות עם המשחק: היא נמתחת לריבוע ונחתכת ללוח של ארבעה על ארבעה חלקים, שמעורבבים אחר כך. הרכיבו את התמונה מחדש בזמן שהשעון רץ.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>שני סוגי משחק:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>הזזה: חלק אחד מוצא, וחלק שליד התא הריק מחליק לתוכו.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>החלפה: כל שישה עשר החלקים נשארים על הלוח, וכל שניים מהם מחליפים מקומות.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>פחות מהלכים בפחות זמן נותנים ניקוד טוב יותר, וכל חלק שכבר במקומו מוסיף לו. הניקודים הטובים ביותר של כל סוג משחק נשמרים עם שמות השחקנים.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>משחק הזזה באמצע</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>החלון בהפעלה</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
ב־Tavlora2021/08/31.Form1.%2 בשורה %3<byte value="xd"/><byte value="xd"/>נא לשלוח צילום מסך של ההודעה הזאת בדוא&quot;ל אל %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>שגיאת יישום</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>הלוח כבר מלא.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>רכיב מערך הפקדים &apos;%1&apos; אינו קיים</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>האובייקט כבר נטען</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>אינדקס מחוץ לטווח</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>משתנה האובייקט לא הוגדר</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>חלוקה באפס</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>ערך מאפיין לא חוקי</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>חותך התמונות אינו מכיל תמונה</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>התמונה קטנה מרשת התאים שלה</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>אין די זיכרון</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>כל הכבוד!!! הרכבת את התמונה.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>התחלת משחק</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>סיום משחק</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>לא ניתן להוסיף עוד חלקים.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>לוח הפאזל</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>תצוגה מקדימה</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>סוג משחק</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>הזזה</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>שעון</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>טעינת תמונה</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>טבלת שיאים</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>הוספת קבצים - Ctrl ו־Shift לבחירת כמה קבצים</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>כל קובצי התמונה (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>ניקוד %1, מהלכים: %2, זמן %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>לא נטענה תמונה</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>התמונה %1 נטענה</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>השגת שיא.<byte value="xd"/>
נא להקליד את שמך: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>שיא</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>שם השחקן	ניקוד<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>שיאי %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>להסיר גם את השיאים שלך (hiscore.mdb) ואת ההגדרות שלך?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora פועל מתיקייה זו. סגור את המשחק ואז בחר ״נסה שוב״.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>אין לך הרשאה לכתוב לתיקייה זו. בחר תיקייה משלך.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>לא ניתן לטעון את התמונה %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>הקובץ פגום או שאינו תמונה</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>הקובץ לא נמצא</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>זו תיקייה, לא תמונה</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>התמונה גדולה מדי (%1 x %2 פיקסלים)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>המשחק אינו קורא תמונות %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>ריבוע של %1 פיקסלים אינו גודל לפאזל</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>זה אינו קובץ אלא צינור, שקע או התקן</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>לא ניתן לקרוא את הקובץ: ההרשאה נדחתה</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>אפשר לטעון רק תמונות שבמחשב הזה</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>תנועה</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>צליל</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>נמצא בשימוש של תוכנה אחרת, ולכן הניקוד של המשחק הזה לא נשמר</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>אין טבלת שיאים &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>לא ניתן לפתוח אותו</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>לא ניתן לקרוא אותו</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>פגום</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>אין בו טבלה tblSlide עם העמודות id, fldname ו־fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>אין בו טבלה tblSwap עם העמודות id, fldname ו־fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>לא נמצא</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>לא ניתן לכתוב אליו</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>לא ניתן ליצור אותו</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>כבר קיים ונשאר כפי שהוא</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>נמצא בשימוש של תוכנה אחרת; נסו שוב בעוד רגע</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>קובץ השיאים &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>אינו קובץ</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>אינו מסד נתונים של שיאים</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>לא ניתן ליצור אותו (לא ניתן ליצור את התיקייה שלו)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>לא ניתן לכתוב אליו, ואין תיקייה משלך בשביל עותק</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>הוחלף בקובץ אחר בזמן שהמשחק החזיק אותו פתוח</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>הוא קישור לקובץ חסר</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>לא ניתן להעתיק אותו בשבילך: שם התיקייה שלך אינו UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>לא ניתן לטעון את המעטפת %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>הקובץ גדול מ־1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>הקובץ אינו טקסט</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>הקובץ אינו טקסט UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>עברית</translation>
    </message>
</context>
</TS>
