<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>%1行%2列: ピース%3、選択中</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>%1行%2列: ピース%3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>正しい位置</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>%1行%2列の位置</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>%1行%2列: 空きマス</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>矢印キーでピース間を移動し、スペースキーまたは Enter キーでピースを動かします。M キーで手数と時間を読み上げます</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>空きマスが上、下、前、後にあるピースは空きマスへ動きます。行の最後のマスと次の行の最初のマスも隣どうしです</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>ピース%3が%1行%2列へ移動しました</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>空きマスの隣ではありません</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>ゲームは行われていません</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>手数: %1、時間 %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>盤の端です</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>クリップボードから</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>コピーされたものはこのコンピューター上の画像ではありません</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>コピーされたものはテキストで、画像ではありません</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>クリップボードを持つプログラムが画像を渡しませんでした</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>コピーされたものは画像ではありません</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>クリップボードを持つプログラムが応答しませんでした</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>画像が大きすぎます (クリップボード上で %1 MiB を超えています)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>「%1」はオプションではありません。その名前の画像は「--」の後に指定してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>「%1」には「--」の前に値が必要です。</translation>
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
        <translation>使い方: tavlora [画像]
       tavlora [QTオプション] -- [画像]
画像パズル: 画像を 4 x 4 のピースに切り分け、時間と競争しながら元の順番に戻します。

  --help      このヘルプを表示して終了する
  --mute      今回は音を鳴らさない
  --version   バージョンを表示して終了する
  --          オプションの終わり: 続くものは &quot;-&quot; で始まる名前でも画像とみなす

ほかの引数はすべて画像です。「--」より前では、Qt 自身のオプション (-style NAME や -reverse など) が開発者向けに Qt に渡されます。
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>詳しくは「tavlora --help」を実行してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>「%1」を開けません: 名前が UTF-8 のテキストではありません。ファイル名を変更してから、もう一度指定してください。</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>スタイルシート「%1」は使用しません: 1 MiB 以下のファイルではありません。</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>応答を書き出せません: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>ウィンドウを表示する画面がありません。</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>ビジュアル「%1」は使用しません: X サーバーにその番号のビジュアルはありません。</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>カーソル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>ファイルが 1 MiB を超えています</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>ファイルはカーソルではありません</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>ファイルに画像が含まれていません</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>カーソルの画像が大きすぎます (%1 x %2 ピクセル。カーソルは最大 %3 x %3 です)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>ファイルではなく、フォルダ、パイプ、ソケットまたはデバイスです</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み取れません</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>画像が大きすぎてデコードできません</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>画像デコーダー %1 を起動できません: %2</translation>
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
        <translation>画像パズル</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>スライドするピースに切り分けた画像を時間内に元どおりに組み立てます</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>パズル;スライドパズル;15パズル;ピース;画像;写真;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>スライドするピースに切り分けた画像を元どおりに組み立てます</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora は画像をパズルにします。自分の写真か、ゲームに付属の画像を選んでください。画像は正方形に引き伸ばされ、4 x 4 のピースの盤に切り分けられて、シャッフルされます。時計が進むあいだに画像を元どおりに組み立ててください。</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>2 種類のゲーム:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>移動: ピースが 1 枚取り除かれ、空きマスの隣のピースをそこへスライドさせます。</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>交換: 16 枚すべてのピースが盤に残り、好きな 2 枚の位置を入れ替えます。</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>少ない手数と短い時間ほどスコアが高くなり、正しい位置にあるピースごとに加点されます。各ゲームの最高スコアはプレイヤーの名前とともに記録されます。</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>「移動」ゲームのプレイ中</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>起動時のウィンドウ</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
Tavlora2021/08/31.Form1.%2 の %3 行目<byte value="xd"/><byte value="xd"/>このメッセージのスクリーンショットを %4 にメールで送ってください</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーション エラー</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>盤はすでにいっぱいです。</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>コントロール配列の要素 &apos;%1&apos; は存在しません</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>オブジェクトは既に読み込まれています</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>オブジェクト変数が設定されていません</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が無効です</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>画像の切り抜きに画像がありません</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>画像がマスの格子より小さいです</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>おめでとうございます！！！ 画像が完成しました。</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>ゲーム開始</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>これ以上ピースを追加できません。</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>パズル盤</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>画像プレビュー</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>ゲームの種類</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>交換</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>画像を読み込む</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>ファイルの追加 - Ctrl キーと Shift キーで複数のファイルを選択できます</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>すべての画像ファイル (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>スコア %1、手数: %2、時間 %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>画像が読み込まれていません</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>画像を読み込みました（%1）</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>ハイスコアを達成しました。<byte value="xd"/>
名前を入力してください: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>プレイヤー名	スコア<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>%1のハイスコア</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>ハイスコア (hiscore.mdb) と設定も削除しますか?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora がこのフォルダーから実行されています。ゲームを閉じてから [再試行] を選んでください。</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>このフォルダーには書き込めません。ご自分のフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>画像 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>ファイルが壊れているか、画像ではありません</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>フォルダであり、画像ではありません</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>画像が大きすぎます (%1 x %2 ピクセル)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>このゲームは %1 形式の画像を読み込めません</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 ピクセル四方はパズルに使えるサイズではありません</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>ファイルではなく、パイプ、ソケットまたはデバイスです</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>ファイルを読み取れません: アクセスが拒否されました</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>このコンピューター上の画像だけを読み込めます</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>動き</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>は別のプログラムが使用中のため、このゲームのスコアは保存されませんでした</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>ハイスコア表「%1」はありません。</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>を開けません</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>を読み取れません</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>は壊れています</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>には列 id、fldname、fldscore を持つ表 tblSlide がありません</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>には列 id、fldname、fldscore を持つ表 tblSwap がありません</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>が見つかりません</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>に書き込めません</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>を作成できません</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>は既に存在するため、そのままにします</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>は別のプログラムが使用中です。しばらくしてからもう一度お試しください</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>ハイスコア ファイル「%1」%2。</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>はファイルではありません</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>は空です</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>はハイスコアのデータベースではありません</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>を作成できません (フォルダを作成できません)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>に書き込めず、コピーを置く自分用のフォルダもありません</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>は、ゲームが開いている間に別のファイルに置き換えられました</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>は存在しないファイルへのリンクです</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>をあなた用にコピーできません: フォルダの名前が UTF-8 ではありません</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>スキン %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>ファイルが 1 MiB を超えています</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>ファイルはテキストではありません</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>ファイルは UTF-8 のテキストではありません</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>日本語</translation>
    </message>
</context>
</TS>
