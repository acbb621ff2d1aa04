<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>第 %1 列，第 %2 欄：第 %3 塊，已選取</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>第 %1 列，第 %2 欄：第 %3 塊</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>已在原位</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>應在第 %1 列，第 %2 欄</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>第 %1 列，第 %2 欄：空格</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>方向鍵在圖塊之間移動；空白鍵或 Enter 鍵移動該圖塊；M 鍵報出步數和時間</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>空格在圖塊的上方、下方、前面或後面時，圖塊可滑入空格；一列的最後一格與下一列的第一格也相鄰</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>第 %3 塊移到了第 %1 列，第 %2 欄</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>不在空格旁邊</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>沒有進行中的遊戲</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>步數：%1，時間 %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>棋盤邊緣</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>來自剪貼簿</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>複製的內容不是這台電腦上的圖片</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>複製的內容是文字，不是圖片</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>持有剪貼簿的程式沒有交出圖片</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>複製的內容不是圖片</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>持有剪貼簿的程式沒有回應</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>圖片太大（在剪貼簿上超過 %1 MiB）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>「%1」不是選項；以此命名的圖片應放在「--」之後。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>「%1」需要在「--」之前給一個值。</translation>
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
        <translation>用法：tavlora [圖片]
      tavlora [QT選項] -- [圖片]
拼圖遊戲：圖片被切成 4 x 4 塊，您要在計時中把它們拼回原樣。

  --help      顯示此說明並結束
  --mute      本次不播放聲音
  --version   顯示版本並結束
  --          選項結束：後面的內容都是圖片，即使名稱以 &quot;-&quot; 開頭

其他引數都是圖片。在「--」之前，Qt 自己的選項（例如 -style NAME 或 -reverse）會交給 Qt，供開發者使用。
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>執行「tavlora --help」以了解更多。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>無法開啟「%1」：它的名稱不是 UTF-8 文字。請重新命名該檔案，然後再次指定。</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>樣式表「%1」已略過：它不是不超過 1 MiB 的檔案。</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>無法寫出回答：%1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>沒有可以顯示視窗的螢幕。</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>視覺「%1」已略過：X 伺服器沒有這個編號的視覺。</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>無法載入游標 %1：%2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>檔案大於 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>檔案不是游標</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>檔案中沒有影像</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>檔案不完整</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>游標影像太大（%1 x %2 像素；游標最大為 %3 x %3）</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>它不是檔案，而是資料夾、管線、通訊端或裝置</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>無法讀取檔案</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>圖片太大，無法解碼</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>無法啟動圖片解碼器 %1：%2</translation>
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
        <translation>拼圖遊戲</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>在計時中把切成滑塊的圖片拼回原樣</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>拼圖;滑塊;數字推盤;十五;方塊;圖片;照片;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>把切成滑塊的圖片拼回原樣</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora 把一張圖片變成拼圖。選擇一張您自己的照片，或一張遊戲附帶的圖片：它會被拉伸成正方形，切成四乘四塊的棋盤，然後打亂。在時鐘走動時把圖片拼回原樣。</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>兩種玩法：</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>滑動：取出一塊，空格旁邊的一塊可以滑進空格。</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>交換：十六塊都留在棋盤上，任意兩塊可以互換位置。</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>用更少的步數和更短的時間可以得到更高的分數，每一塊已在原位的圖塊也會加分。每種玩法的最高分會連同玩家的名字一起保存。</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>一局進行中的「滑動」遊戲</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>啟動時的視窗</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
在 Tavlora2021/08/31.Form1.%2 的第 %3 行<byte value="xd"/><byte value="xd"/>請將此訊息的螢幕擷圖以電子郵件寄到 %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>應用程式錯誤</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>棋盤已滿。</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控制項陣列元素「%1」不存在</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>物件已載入</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>陣列索引超出範圍</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>物件變數未設定</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除數為零</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>無效的屬性值</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>圖片裁剪器中沒有圖片</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>圖片比它的格子網格還小</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明的錯誤</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>記憶體不足</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>恭喜！！！您拼好了圖片。</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>開始遊戲</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>結束遊戲</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>無法再加入圖塊。</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>拼圖棋盤</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>圖片預覽</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>遊戲類型</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>滑動</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>交換</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步數</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>計時</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>分數</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>載入圖片</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>加入檔案 - 按住 Ctrl 和 Shift 可選取多個檔案</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>所有圖片檔案 (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>分數 %1，步數：%2，時間 %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>尚未載入圖片</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>已載入圖片（%1）</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>您創下了高分。<byte value="xd"/>
請輸入您的名字：</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>高分</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>玩家名字	分數<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>%1高分榜</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>同時刪除您的高分紀錄 (hiscore.mdb) 和設定嗎？</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora 正在從此資料夾執行。請關閉遊戲，然後選擇「重試」。</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>您無法寫入此資料夾。請選擇您自己的資料夾。</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>無法載入圖片 %1：%2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>檔案已損壞或不是圖片</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>這是資料夾，不是圖片</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>圖片太大（%1 x %2 像素）</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>遊戲無法讀取 %1 圖片</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 像素見方不是拼圖可用的尺寸</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>它不是檔案，而是管線、通訊端或裝置</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>無法讀取檔案：權限不足</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>只能載入這台電腦上的圖片</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>動畫</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>聲音</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>正被另一個程式使用，所以這局遊戲的分數沒有儲存</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>沒有高分表「%1」。</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>無法讀取</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>已損壞</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>沒有包含 id、fldname 和 fldscore 欄的 tblSlide 表格</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>沒有包含 id、fldname 和 fldscore 欄的 tblSwap 表格</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>無法寫入</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>無法建立</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>已存在，保持不變</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>正被另一個程式使用；請稍後再試</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>高分檔案「%1」%2。</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>不是檔案</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>是空的</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>不是高分資料庫</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>無法建立（無法建立它的資料夾）</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>無法寫入，而且沒有供您存放副本的個人資料夾</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>在遊戲開啟它時被另一個檔案取代了</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>是指向不存在檔案的連結</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>無法為您複製：您的資料夾名稱不是 UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>無法載入外觀 %1：%2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>檔案大於 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>檔案不是文字</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>檔案不是 UTF-8 文字</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>繁體中文</translation>
    </message>
</context>
</TS>
