<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>第 %1 行，第 %2 列：第 %3 块，已选中</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>第 %1 行，第 %2 列：第 %3 块</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>已在原位</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>应在第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>第 %1 行，第 %2 列：空格</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>方向键在图块之间移动；空格键或回车键移动该图块；M 键报出步数和时间</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>空格在图块的上方、下方、前面或后面时，图块可滑入空格；一行的最后一格与下一行的第一格也相邻</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>第 %3 块移到了第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>不在空格旁边</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>没有正在进行的游戏</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>步数：%1，时间 %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>棋盘边缘</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>来自剪贴板</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>复制的内容不是这台计算机上的图片</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>复制的内容是文字，不是图片</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>持有剪贴板的程序没有交出图片</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>复制的内容不是图片</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>持有剪贴板的程序没有响应</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>图片太大（在剪贴板上超过 %1 MiB）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>“%1”不是选项；以此命名的图片应放在“--”之后。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>“%1”需要在“--”之前给出一个值。</translation>
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
        <translation>用法：tavlora [图片]
      tavlora [QT选项] -- [图片]
拼图游戏：图片被切成 4 x 4 块，您要在计时中把它们拼回原样。

  --help      显示此帮助并退出
  --mute      本次不播放声音
  --version   显示版本并退出
  --          选项结束：后面的内容都是图片，即使名称以 &quot;-&quot; 开头

其他参数都是图片。在“--”之前，Qt 自己的选项（例如 -style NAME 或 -reverse）会交给 Qt，供开发者使用。
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>运行“tavlora --help”了解更多。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>无法打开“%1”：它的名称不是 UTF-8 文本。请重命名该文件，然后再次指定。</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>样式表“%1”已忽略：它不是不超过 1 MiB 的文件。</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>无法写出回答：%1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>没有可以显示窗口的屏幕。</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>视觉“%1”已忽略：X 服务器没有这个编号的视觉。</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>无法加载光标 %1：%2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>文件大于 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>文件不是光标</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>文件中没有图像</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>光标图像太大（%1 x %2 像素；光标最大为 %3 x %3）</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>它不是文件，而是文件夹、管道、套接字或设备</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取文件</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>图片太大，无法解码</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>无法启动图片解码器 %1：%2</translation>
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
        <translation>拼图游戏</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>在计时中把切成滑块的图片拼回原样</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>拼图;滑块;数字华容道;十五;方块;图片;照片;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>把切成滑块的图片拼回原样</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora 把一张图片变成拼图。选择一张您自己的照片，或一张游戏附带的图片：它会被拉伸成正方形，切成四乘四块的棋盘，然后打乱。在时钟走动时把图片拼回原样。</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>两种玩法：</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>滑动：取出一块，空格旁边的一块可以滑进空格。</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>交换：十六块都留在棋盘上，任意两块可以互换位置。</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>用更少的步数和更短的时间可以得到更高的分数，每一块已在原位的图块也会加分。每种玩法的最高分会连同玩家的名字一起保存。</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>一局进行中的“滑动”游戏</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>启动时的窗口</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
在 Tavlora2021/08/31.Form1.%2 的第 %3 行<byte value="xd"/><byte value="xd"/>请将此消息的截图通过电子邮件发送到 %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>棋盘已满。</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控件数组元素“%1”不存在</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>对象已加载</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>对象变量未设置</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>图片剪辑器中没有图片</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>图片比它的格子网格还小</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>恭喜！！！您拼好了图片。</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>结束游戏</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>无法再添加图块。</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>拼图棋盘</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>图片预览</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>滑动</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>交换</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>加载图片</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>添加文件 - 按住 Ctrl 和 Shift 可选择多个文件</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>所有图片文件 (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>分数 %1，步数：%2，时间 %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>尚未加载图片</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>已加载图片（%1）</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>您创造了高分。<byte value="xd"/>
请输入您的名字：</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>高分</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>玩家名字	分数<byte value="xd"/>
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
        <translation>同时删除您的高分记录 (hiscore.mdb) 和设置吗？</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora 正在从此文件夹运行。请关闭游戏，然后选择“重试”。</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>您无法写入此文件夹。请选择您自己的文件夹。</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>无法加载图片 %1：%2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>文件已损坏或不是图片</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>这是文件夹，不是图片</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>图片太大（%1 x %2 像素）</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>游戏不能读取 %1 图片</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 像素见方不是拼图可用的尺寸</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>它不是文件，而是管道、套接字或设备</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>无法读取文件：权限不足</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>只能加载这台计算机上的图片</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>正被另一个程序使用，所以这局游戏的分数没有保存</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>没有高分表“%1”。</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>没有包含 id、fldname 和 fldscore 列的 tblSlide 表</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>没有包含 id、fldname 和 fldscore 列的 tblSwap 表</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>无法创建</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>已存在，保持不变</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>正被另一个程序使用；请稍后再试</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>高分文件“%1”%2。</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>是空的</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>不是高分数据库</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>无法创建（无法建立它的文件夹）</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>无法写入，而且没有供您存放副本的个人文件夹</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>在游戏打开它时被另一个文件替换了</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>是指向不存在文件的链接</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>无法为您复制：您的文件夹名称不是 UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>无法加载皮肤 %1：%2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>文件大于 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>文件不是文本</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>文件不是 UTF-8 文本</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>简体中文</translation>
    </message>
</context>
</TS>
