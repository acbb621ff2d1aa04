<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Sreath %1, colbh %2: pìos %3, air a thaghadh</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Sreath %1, colbh %2: pìos %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>na àite fhèin</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>buinidh e do shreath %1, colbh %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Sreath %1, colbh %2: am beàrn</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Gluaisidh na saighdean eadar na pìosan; cluichidh Space no Enter am pìos; innsidh M na gluasadan is an ùine</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Sleamhnaichidh pìos dhan bheàrn nuair a tha am beàrn os a chionn, fodha, roimhe no às a dhèidh; tha an cealla mu dheireadh de shreath is a&apos; chiad tè dhen ath-shreath nan nàbaidhean</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Chaidh pìos %3 gu sreath %1, colbh %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Chan eil e ri taobh a&apos; bheàirn</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Chan eil geama a&apos; dol</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Gluasadan: %1, ùine %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Oir a&apos; bhùird</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>on stòr-bhòrd</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>chan e dealbh air a’ choimpiutair seo a th’ anns na chaidh lethbhreacadh</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>’s e teacsa a th’ anns na chaidh lethbhreacadh, chan e dealbh</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>cha do lìbhrig am prògram aig a bheil an stòr-bhòrd an dealbh aige</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>chan e dealbh a th’ anns na chaidh lethbhreacadh</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>cha do fhreagair am prògram aig a bheil an stòr-bhòrd</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>tha an dealbh ro mhòr (barrachd air %1 MiB air an stòr-bhòrd)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>Chan e roghainn a th’ ann an “%1”; thig dealbh air a bheil an t-ainm sin às dèidh “--”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>Feumaidh “%1” luach ro “--”.</translation>
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
        <translation>Cleachdadh: tavlora [DEALBH]
            tavlora [ROGHAINNEAN-QT] -- [DEALBH]
Tòimhseachan dhealbhan: thèid an dealbh a ghearradh na 4 x 4 pìosan, agus cuiridh tu air ais iad san òrdugh cheart an aghaidh a’ chleoc.

  --help      seall a’ chobhair seo is fàg
  --mute      na cluich fuaim sam bith an turas seo
  --version   seall an tionndadh is fàg
  --          deireadh nan roghainnean: ’s e dealbh a th’ anns na leanas, fiù ’s ainm a thòisicheas le “-”

’S e dealbh a th’ anns gach argamaid eile. Ro “--”, thèid roghainnean Qt fhèin (mar -style AINM no -reverse) a thoirt do Qt, airson luchd-leasachaidh.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Airson barrachd, feuch “tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>Cha ghabh “%1” fhosgladh: chan e teacsa UTF-8 a th’ anns an ainm aige. Thoir ainm ùr air an fhaidhle, an uairsin ainmich e a-rithist.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>thèid an duilleag-stoidhle “%1” fhàgail às: chan e faidhle de 1 MiB air a’ char as motha a th’ ann.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>cha ghabh am freagairt a sgrìobhadh: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>chan eil sgrìn ann airson an uinneag a shealltainn oirre.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>thèid an visual “%1” fhàgail às: chan eil visual leis an àireamh sin aig an fhrithealaiche X.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Cha ghabh an cùrsair %1 a luchdadh: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>tha am faidhle nas motha na 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>chan e cùrsair a th’ anns an fhaidhle</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>chan eil dealbh san fhaidhle</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>tha am faidhle air a theàrrachadh</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>tha dealbh a’ chùrsair ro mhòr (%1 x %2 piogsail; bidh cùrsair %3 x %3 air a’ char as motha)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>chan e faidhle a th’ ann ach pasgan, pìob, socaid no uidheam</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>cha ghabh am faidhle a leughadh</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>tha an dealbh ro mhòr airson a dhì-chòdachadh</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Cha ghabh dì-chòdair nan dealbhan %1 a thòiseachadh: %2</translation>
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
        <translation>Tòimhseachan Dhealbhan</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Cuir dealbh a chaidh a ghearradh na phìosan sleamhnach ri chèile a-rithist an aghaidh a’ chleoc</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>tòimhseachan;puzzle;sleamhnach;còig-deug;pìosan;dealbh;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Cuir dealbh a chaidh a ghearradh na phìosan sleamhnach ri chèile a-rithist</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Nì Tavlora tòimhseachan de dhealbh. Tagh tè dhe na dealbhan agad fhèin no tè dhe na dealbhan a thig leis a’ gheama: thèid a shìneadh gu ceàrnag agus a ghearradh na bhòrd de cheithir pìosan air cheithir, agus thèid am measgachadh an uairsin. Cuir an dealbh ri chèile a-rithist fhad ’s a bhios an cleoc a’ ruith.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dà sheòrsa geama:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Slaod: thèid aon phìos a thoirt air falbh, agus sleamhnaichidh pìos ri taobh na ceallach falaimh a-steach innte.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Iomlaid: fanaidh na sia pìosan deug air fad air a’ bhòrd, agus nì dà phìos sam bith iomlaid air an àiteachan.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Bheir nas lugha de ghluasadan ann an ùine nas giorra sgòr nas fheàrr, agus cuiridh gach pìos a tha na chealla fhèin ris. Thèid na sgòran as fheàrr aig gach seòrsa geama a chumail le ainmean nan cluicheadairean.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Geama “Slaod” a’ dol</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>An uinneag aig an toiseach</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
ann an Tavlora2021/08/31.Form1.%2 aig loidhne %3<byte value="xd"/><byte value="xd"/>Cuir glacadh-sgrìn dhen teachdaireachd seo air post-d gu %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Mearachd na h-aplacaid</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Tha am bòrd làn mu thràth.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Chan eil an eileamaid &apos;%1&apos; dhen arraigh uidheaman-smachd ann</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Chaidh an oibseact a luchdadh mu thràth</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Cus-shruthadh</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Fo-sgrìobhadh taobh a-muigh an raoin</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Cha deach caochladair an oibseict a shuidheachadh</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Roinneadh le neoni</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Luach buadha mì-dhligheach</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Chan eil dealbh aig gearradair nan dealbhan</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Tha an dealbh nas lugha na a ghriod cheallan</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Mearachd nach aithne dhuinn</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Chan eil cuimhne gu leòr ann</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Meal do naidheachd!!! Chuir thu an dealbh ri chèile.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Tòisich geama</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Crìochnaich</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Chan urrainn dhut barrachd phìosan a chur ris.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Bòrd an tòimhseachain</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Ro-shealladh</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Seòrsa geama</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Slaod</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Iomlaid</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Gluasadan</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Ùine</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Sgòr</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Luchdaich dealbh</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Prìomh-sgòran</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Cuir faidhle(an) ris - cleachd Ctrl is Shift airson iomadh faidhle a thaghadh</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Gach faidhle deilbh (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Sgòr %1, gluasadan: %2, ùine %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Cha deach dealbh a luchdadh</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Chaidh an dealbh %1 a luchdadh</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Fhuair thu prìomh-sgòr.<byte value="xd"/>
Cuir a-steach d’ ainm: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Prìomh-sgòr</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ainm a’ chluicheadair	Sgòr<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Prìomh-sgòran: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>A bheil thu airson na sgòran as àirde agad (hiscore.mdb) agus na roghainnean agad a thoirt air falbh cuideachd?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tha Tavlora a’ ruith on phasgan seo. Dùin an geama is tagh “Feuch a-rithist” an uairsin.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Chan urrainn dhut sgrìobhadh dhan phasgan seo. Tagh pasgan agad fhèin.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Cha ghabh an dealbh %1 a luchdadh: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>tha am faidhle coirbte no chan e dealbh a th’ ann</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>cha deach am faidhle a lorg</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>’s e pasgan a th’ ann, chan e dealbh</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>tha an dealbh ro mhòr (%1 x %2 piogsail)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>cha leugh an geama dealbhan %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>chan e meud airson an tòimhseachain a th’ ann an ceàrnag de %1 piogsail</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>chan e faidhle a th’ ann ach pìob, socaid no uidheam</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>cha ghabh am faidhle a leughadh: chaidh cead a dhiùltadh</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>cha ghabh ach dealbhan air a’ choimpiutair seo a luchdadh</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Gluasad</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Fuaim</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>– tha prògram eile ’ga chleachdadh, mar sin cha deach sgòr a’ gheama seo a shàbhaladh</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Chan eil clàr phrìomh-sgòran “%1” ann.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>– cha ghabh fhosgladh</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>– cha ghabh a leughadh</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>– tha e coirbte</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>– chan eil clàr tblSlide ann leis na colbhan id, fldname agus fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>– chan eil clàr tblSwap ann leis na colbhan id, fldname agus fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>– cha deach a lorg</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>– cha ghabh sgrìobhadh ann</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>– cha ghabh a chruthachadh</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>– tha e ann mu thràth is thèid fhàgail mar a tha e</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>– tha prògram eile ’ga chleachdadh; feuch ris a-rithist an ceann greis</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Faidhle nam prìomh-sgòran “%1” %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>– chan e faidhle a th’ ann</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>– tha e falamh</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>– chan e stòr-dàta phrìomh-sgòran a th’ ann</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>– cha ghabh a chruthachadh (cha ghabh am pasgan aige a dhèanamh)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>– cha ghabh sgrìobhadh ann, agus chan eil pasgan agad fhèin airson lethbhreac</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>– chaidh faidhle eile a chur na àite fhad ’s a bha e fosgailte aig a’ gheama</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>– ’s e ceangal gu faidhle a tha a dhìth a th’ ann</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>– cha ghabh lethbhreac a dhèanamh dhut: chan e UTF-8 a th’ ann an ainm a’ phasgain agad</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Cha ghabh an craiceann %1 a luchdadh: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>tha am faidhle nas motha na 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>chan e teacsa a th’ anns an fhaidhle</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>chan e teacsa UTF-8 a th’ anns an fhaidhle</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Gàidhlig</translation>
    </message>
</context>
</TS>
