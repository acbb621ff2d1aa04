<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>%1행 %2열: 조각 %3, 선택됨</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>%1행 %2열: 조각 %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>제자리</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>%1행 %2열에 들어갈 조각</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>%1행 %2열: 빈칸</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>화살표 키로 조각 사이를 옮겨 다니고, Space 또는 Enter 키로 조각을 움직입니다. M 키는 이동 수와 시간을 알려 줍니다</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>빈칸이 조각의 위, 아래, 앞, 뒤에 있으면 조각이 빈칸으로 움직입니다. 한 행의 마지막 칸과 다음 행의 첫 칸도 이웃입니다</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>조각 %3이(가) %1행 %2열로 옮겨졌습니다</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>빈칸 옆이 아닙니다</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>진행 중인 게임이 없습니다</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>이동 수: %1, 시간 %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>판의 가장자리</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>클립보드에서</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>복사한 것이 이 컴퓨터에 있는 그림이 아닙니다</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>복사한 것은 텍스트이며 그림이 아닙니다</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>클립보드를 가진 프로그램이 그림을 넘겨주지 않았습니다</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>복사한 것이 그림이 아닙니다</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>클립보드를 가진 프로그램이 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>그림이 너무 큽니다(클립보드에서 %1MiB 초과)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>“%1”은(는) 옵션이 아닙니다. 그런 이름의 그림은 “--” 뒤에 쓰십시오.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>“%1”에는 “--” 앞에 값이 필요합니다.</translation>
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
        <translation>사용법: tavlora [그림]
        tavlora [QT-옵션] -- [그림]
그림 퍼즐: 그림을 4 x 4 조각으로 자르고, 시간과 싸우며 제 순서로 되돌립니다.

  --help      이 도움말을 보여 주고 끝내기
  --mute      이번에는 소리를 내지 않음
  --version   버전을 보여 주고 끝내기
  --          옵션의 끝: 뒤따르는 것은 &quot;-&quot;로 시작하는 이름이라도 그림

다른 인수는 모두 그림입니다. “--” 앞에서는 Qt 자체의 옵션(-style NAME, -reverse 등)이 개발자를 위해 Qt에 전달됩니다.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>자세한 내용은 “tavlora --help”를 실행하십시오.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>“%1”을(를) 열 수 없습니다: 이름이 UTF-8 텍스트가 아닙니다. 파일 이름을 바꾼 다음 다시 지정하십시오.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>스타일 시트 “%1”은(는) 사용하지 않습니다: 1MiB 이하의 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>응답을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>창을 표시할 화면이 없습니다.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>비주얼 “%1”은(는) 사용하지 않습니다: X 서버에 그 번호의 비주얼이 없습니다.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>커서 %1을(를) 불러올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>파일이 1MiB보다 큽니다</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>파일이 커서가 아닙니다</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>파일에 이미지가 없습니다</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>파일이 잘려 있습니다</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>커서 이미지가 너무 큽니다(%1 x %2 픽셀, 커서는 최대 %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>파일이 아니라 폴더, 파이프, 소켓 또는 장치입니다</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>파일을 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>그림이 너무 커서 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>그림 디코더 %1을(를) 시작할 수 없습니다: %2</translation>
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
        <translation>그림 퍼즐</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>밀기 조각으로 자른 그림을 시간 안에 다시 맞추기</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>퍼즐;슬라이드;밀기;15 퍼즐;조각;그림;사진;puzzle;sliding;fifteen;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>밀기 조각으로 자른 그림을 다시 맞추기</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora는 그림을 퍼즐로 만듭니다. 자신의 사진이나 게임에 들어 있는 그림 하나를 고르십시오. 그림은 정사각형으로 늘어나 4 x 4 조각의 판으로 잘린 다음 뒤섞입니다. 시계가 가는 동안 그림을 다시 맞추십시오.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>두 가지 게임:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>밀기: 조각 하나를 빼내고, 빈칸 옆의 조각을 빈칸으로 밀어 넣습니다.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>바꾸기: 열여섯 조각이 모두 판에 남고, 아무 두 조각이나 자리를 바꿉니다.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>더 적은 이동으로 더 짧은 시간에 끝내면 점수가 높아지고, 제자리에 있는 조각마다 점수가 더해집니다. 게임 종류마다 최고 점수가 플레이어 이름과 함께 보관됩니다.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>진행 중인 밀기 게임</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>시작할 때의 창</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
Tavlora2021/08/31.Form1.%2의 %3번째 줄<byte value="xd"/><byte value="xd"/>이 메시지의 스크린샷을 %4(으)로 이메일로 보내 주십시오</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>응용 프로그램 오류</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>판이 이미 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>컨트롤 배열 요소 &apos;%1&apos;이(가) 없습니다</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>개체가 이미 로드되었습니다</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>개체 변수가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0으로 나누었습니다</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>속성 값이 잘못되었습니다</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>그림 자르개에 그림이 없습니다</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>그림이 칸의 격자보다 작습니다</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>메모리가 부족합니다</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>축하합니다!!! 그림을 완성했습니다.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>게임 시작</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>게임 끝내기</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>조각을 더 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>퍼즐 판</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>그림 미리 보기</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>게임 종류</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>밀기</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>이동 수</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>그림 불러오기</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>파일 추가 - Ctrl과 Shift로 여러 파일 선택</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>모든 그림 파일 (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>점수 %1, 이동 수: %2, 시간 %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>불러온 그림이 없습니다</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>그림을 불러왔습니다(%1)</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>최고 기록을 세웠습니다.<byte value="xd"/>
이름을 입력하십시오: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>최고 기록</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>플레이어 이름	점수<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>%1 최고 기록</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>최고 기록(hiscore.mdb)과 설정도 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora가 이 폴더에서 실행 중입니다. 게임을 닫은 다음 [다시 시도]를 선택하십시오.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>이 폴더에는 쓸 수 없습니다. 본인의 폴더를 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>그림 %1을(를) 불러올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>파일이 손상되었거나 그림이 아닙니다</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>폴더이며 그림이 아닙니다</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>그림이 너무 큽니다(%1 x %2 픽셀)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>이 게임은 %1 그림을 읽지 않습니다</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1픽셀 정사각형은 퍼즐에 쓸 수 있는 크기가 아닙니다</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>파일이 아니라 파이프, 소켓 또는 장치입니다</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>파일을 읽을 수 없습니다: 권한이 없습니다</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>이 컴퓨터에 있는 그림만 불러올 수 있습니다</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>움직임</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>다른 프로그램이 사용 중이어서 이 게임의 점수를 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>최고 기록 표 “%1”이(가) 없습니다.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>열 수 없습니다</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>읽을 수 없습니다</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>손상되었습니다</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>id, fldname, fldscore 열이 있는 tblSlide 표가 없습니다</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>id, fldname, fldscore 열이 있는 tblSwap 표가 없습니다</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>찾을 수 없습니다</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>쓸 수 없습니다</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>만들 수 없습니다</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>이미 있으므로 그대로 둡니다</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>다른 프로그램이 사용 중입니다. 잠시 후에 다시 시도하십시오</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>최고 기록 파일 “%1”: %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>파일이 아닙니다</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>비어 있습니다</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>최고 기록 데이터베이스가 아닙니다</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>만들 수 없습니다(폴더를 만들 수 없음)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>쓸 수 없고, 사본을 둘 자신의 폴더도 없습니다</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>게임이 열어 둔 사이에 다른 파일로 바뀌었습니다</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>없는 파일을 가리키는 링크입니다</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>사용자용으로 복사할 수 없습니다: 폴더 이름이 UTF-8이 아닙니다</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>스킨 %1을(를) 불러올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>파일이 1MiB보다 큽니다</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>파일이 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>파일이 UTF-8 텍스트가 아닙니다</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>한국어</translation>
    </message>
</context>
</TS>
