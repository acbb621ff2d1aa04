<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Linha %1, coluna %2: peça %3, escolhida</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Linha %1, coluna %2: peça %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>no lugar certo</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>vai na linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Linha %1, coluna %2: o espaço vazio</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>As setas passam de uma peça a outra; Espaço ou Enter joga a peça; M diz as jogadas e o tempo</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Uma peça desliza para o espaço vazio quando ele está acima, abaixo, antes ou depois dela; a última casa de uma linha e a primeira da seguinte são vizinhas</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>A peça %3 foi para a linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Não está ao lado do espaço vazio</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Nenhum jogo em andamento</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Jogadas: %1, tempo %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Borda do tabuleiro</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>da área de transferência</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>o que foi copiado não é uma imagem neste computador</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>o que foi copiado é texto, não uma imagem</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>o programa que detém a área de transferência não entregou sua imagem</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>o que foi copiado não é uma imagem</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>o programa que detém a área de transferência não respondeu</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>a imagem é grande demais (mais de %1 MiB na área de transferência)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>&quot;%1&quot; não é uma opção; uma imagem com esse nome vai depois de &quot;--&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>&quot;%1&quot; precisa de um valor antes de &quot;--&quot;.</translation>
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
        <translation>Uso: tavlora [IMAGEM]
     tavlora [OPÇÕES-QT] -- [IMAGEM]
Um quebra-cabeça de imagem: a imagem é cortada em 4 x 4 peças, que você coloca de volta em ordem contra o relógio.

  --help      mostrar esta ajuda e sair
  --mute      não tocar sons desta vez
  --version   mostrar a versão e sair
  --          fim das opções: o que vem depois é uma imagem, mesmo um nome que começa com &quot;-&quot;

Qualquer outro argumento é uma imagem. Antes de &quot;--&quot;, as opções do próprio Qt (como -style NOME ou -reverse) são passadas ao Qt, para desenvolvedores.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Tente &quot;tavlora --help&quot; para saber mais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>&quot;%1&quot; não pode ser aberto: o nome não é texto UTF-8. Renomeie o arquivo e indique-o novamente.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>a folha de estilo &quot;%1&quot; foi deixada de lado: não é um arquivo de no máximo 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>não foi possível escrever a resposta: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>não há nenhuma tela para mostrar a janela.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>o visual &quot;%1&quot; foi deixado de lado: o servidor X não tem nenhum visual com esse número.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Não é possível carregar o cursor %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>o arquivo tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>o arquivo não é um cursor</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>o arquivo não contém imagem</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>a imagem do cursor é grande demais (%1 x %2 pixels; um cursor tem no máximo %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>não é um arquivo, mas uma pasta, um pipe, um soquete ou um dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>a imagem é grande demais para ser decodificada</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Não é possível iniciar o decodificador de imagens %1: %2</translation>
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
        <translation>Quebra-cabeça de imagens</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Monte contra o relógio uma imagem cortada em peças deslizantes</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>quebra-cabeça;deslizante;quinze;peças;imagem;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Monte uma imagem cortada em peças deslizantes</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora transforma uma imagem em um quebra-cabeça. Escolha uma de suas fotos ou uma das imagens que vêm com o jogo: ela é esticada até virar um quadrado e cortada em um tabuleiro de quatro por quatro peças, que depois são embaralhadas. Monte a imagem de novo enquanto o relógio corre.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dois tipos de jogo:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Mover: uma peça é retirada, e uma peça ao lado da casa vazia desliza para ela.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Trocar: as dezesseis peças ficam no tabuleiro, e duas quaisquer trocam de lugar.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Menos jogadas em menos tempo dão uma pontuação melhor, e cada peça já no lugar certo soma a ela. As melhores pontuações de cada tipo de jogo são guardadas com os nomes de seus jogadores.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Um jogo de Mover em andamento</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>A janela ao iniciar</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
em Tavlora2021/08/31.Form1.%2 na linha %3<byte value="xd"/><byte value="xd"/>Envie uma captura de tela desta mensagem por e-mail para %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>O tabuleiro já está cheio.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>O elemento &apos;%1&apos; da matriz de controles não existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objeto já carregado</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variável de objeto não definida</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>O recortador de imagens não contém nenhuma imagem</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>A imagem é menor que sua grade de casas</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Parabéns!!! Você montou a imagem.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Encerrar jogo</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Não é possível adicionar mais peças.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Tabuleiro do quebra-cabeça</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de jogo</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carregar imagem</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Adicionar arquivo(s) - Use Ctrl e Shift para selecionar vários arquivos</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Todos os arquivos de imagem (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Pontuação %1, jogadas: %2, tempo %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nenhuma imagem carregada</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Imagem %1 carregada</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Você fez um recorde.<byte value="xd"/>
Digite seu nome: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Jogador	Pontuação<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Recordes: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Remover também seus recordes (hiscore.mdb) e suas configurações?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>O Tavlora está em execução a partir desta pasta. Feche o jogo e escolha Repetir.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Você não pode gravar nesta pasta. Escolha uma pasta sua.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Não é possível carregar a imagem %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>o arquivo está danificado ou não é uma imagem</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>o arquivo não foi encontrado</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>é uma pasta, não uma imagem</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>a imagem é grande demais (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>o jogo não lê imagens %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>um quadrado de %1 pixels não serve de tamanho para o quebra-cabeça</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>não é um arquivo, mas um pipe, um soquete ou um dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>o arquivo não pode ser lido: permissão negada</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>só podem ser carregadas imagens deste computador</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>está em uso por outro programa, por isso a pontuação deste jogo não foi gravada</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Não existe a tabela de recordes &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>não tem a tabela tblSlide com as colunas id, fldname e fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>não tem a tabela tblSwap com as colunas id, fldname e fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>não foi encontrado</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>não pode ser gravado</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>não pode ser criado</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>já existe e fica como está</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>está em uso por outro programa; tente de novo daqui a pouco</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>O arquivo de recordes &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>não é um banco de dados de recordes</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>não pode ser criado (sua pasta não pode ser criada)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>não pode ser gravado, e não há uma pasta sua para uma cópia</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>foi substituído por outro arquivo enquanto o jogo o mantinha aberto</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>é um link para um arquivo inexistente</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>não pode ser copiado para você: o nome da sua pasta não está em UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Não é possível carregar o tema %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>o arquivo tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>o arquivo não é texto</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>o arquivo não é texto UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Português (Brasil)</translation>
    </message>
</context>
</TS>
