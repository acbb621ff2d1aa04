<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Fila %1, columna %2: pieza %3, elegida</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Fila %1, columna %2: pieza %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>en su sitio</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>va en la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Fila %1, columna %2: el hueco</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Las flechas pasan de una pieza a otra; Espacio o Intro juega la pieza; M dice los movimientos y el tiempo</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Una pieza pasa al hueco cuando el hueco está encima, debajo, antes o después de ella; la última casilla de una fila y la primera de la siguiente son vecinas</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>La pieza %3 pasó a la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>No está junto al hueco</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>No hay ninguna partida en curso</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Movimientos: %1, tiempo %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Borde del tablero</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>del portapapeles</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>lo copiado no es una imagen de este equipo</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>lo copiado es texto, no una imagen</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>el programa que tiene el portapapeles no entregó su imagen</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>lo copiado no es una imagen</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>el programa que tiene el portapapeles no respondió</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>la imagen es demasiado grande (más de %1 MiB en el portapapeles)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>«%1» no es una opción; una imagen con ese nombre va después de «--».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>«%1» necesita un valor antes de «--».</translation>
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
        <translation>Uso: tavlora [IMAGEN]
     tavlora [OPCIONES-QT] -- [IMAGEN]
Un rompecabezas de imagen: la imagen se corta en 4 x 4 piezas, que usted vuelve a ordenar contra el reloj.

  --help      mostrar esta ayuda y salir
  --mute      no reproducir sonidos esta vez
  --version   mostrar la versión y salir
  --          fin de las opciones: lo que sigue es una imagen, incluso un nombre que empieza por «-»

Cualquier otro argumento es una imagen. Antes de «--», las opciones propias de Qt (como -style NOMBRE o -reverse) se pasan a Qt, para desarrolladores.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Pruebe «tavlora --help» para más información.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>«%1» no se puede abrir: su nombre no es texto UTF-8. Cambie el nombre del archivo y vuelva a indicarlo.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>la hoja de estilo «%1» se omite: no es un archivo de 1 MiB como máximo.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>no se puede escribir la respuesta: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>no hay ninguna pantalla en la que mostrar la ventana.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>el visual «%1» se omite: el servidor X no tiene ningún visual con ese número.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>No se puede cargar el cursor %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>el archivo ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>el archivo no es un cursor</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>el archivo no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>la imagen del cursor es demasiado grande (%1 x %2 píxeles; un cursor mide como máximo %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>no es un archivo sino una carpeta, una tubería, un socket o un dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>el archivo no se puede leer</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>la imagen es demasiado grande para decodificarla</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>No se puede iniciar el decodificador de imágenes %1: %2</translation>
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
        <translation>Puzle de imágenes</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Recompone contra reloj una imagen cortada en piezas deslizantes</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzle;deslizante;quince;piezas;imagen;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Recompone una imagen cortada en piezas deslizantes</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora convierte una imagen en un puzle. Elija una de sus fotos o una de las imágenes que trae el juego: se estira hasta formar un cuadrado y se corta en un tablero de cuatro por cuatro piezas, que luego se mezclan. Recomponga la imagen mientras corre el reloj.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dos tipos de juego:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Mueve: se quita una pieza, y una pieza junto a la casilla vacía se desliza a ella.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Cambia: las dieciséis piezas siguen en el tablero, y dos cualesquiera intercambian su sitio.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Menos movimientos en menos tiempo dan mejor puntuación, y cada pieza ya en su sitio suma. Las mejores puntuaciones de cada tipo de juego se guardan con el nombre de sus jugadores.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Una partida de Mueve en curso</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>La ventana al empezar</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
en Tavlora2021/08/31.Form1.%2 en la línea %3<byte value="xd"/><byte value="xd"/>Envíe una captura de pantalla de este mensaje por correo a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>El tablero ya está lleno.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>El elemento &apos;%1&apos; de la matriz de controles no existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>El objeto ya está cargado</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>El recortador de imágenes no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>La imagen es más pequeña que su cuadrícula de casillas</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>¡¡¡Enhorabuena!!! Ha completado la imagen.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>No se pueden añadir más piezas.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Tablero del puzle</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de juego</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Mueve</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Añadir archivo(s) - Use Ctrl y Mayús para elegir varios archivos</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Todos los archivos de imagen (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Puntuación %1, movimientos: %2, tiempo %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>No hay ninguna imagen cargada</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Imagen %1 cargada</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Ha conseguido un récord.<byte value="xd"/>
Escriba su nombre: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Jugador	Puntuación<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Récords: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>¿Eliminar también sus récords (hiscore.mdb) y su configuración?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora se está ejecutando desde esta carpeta. Cierre el juego y elija Reintentar.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>No puede escribir en esta carpeta. Elija una carpeta propia.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>No se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>el archivo está dañado o no es una imagen</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>no se encontró el archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>es una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>el juego no lee imágenes %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>un cuadrado de %1 píxeles no sirve de tamaño para el puzle</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>no es un archivo sino una tubería, un socket o un dispositivo</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>el archivo no se puede leer: permiso denegado</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>solo se pueden cargar imágenes de este equipo</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>está en uso por otro programa, así que no se guardó la puntuación de esta partida</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>No existe la tabla de récords &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>no tiene la tabla tblSlide con las columnas id, fldname y fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>no tiene la tabla tblSwap con las columnas id, fldname y fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>no se encontró</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>no se puede crear</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>ya existe y se deja como está</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>está en uso por otro programa; vuelva a intentarlo en un momento</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>El archivo de récords &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>no es una base de datos de récords</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>no se puede crear (no se puede crear su carpeta)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>no se puede escribir, y no hay una carpeta propia para una copia</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>fue reemplazado por otro archivo mientras el juego lo tenía abierto</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>no se puede copiar para usted: el nombre de su carpeta no está en UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>No se puede cargar la apariencia %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>el archivo ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>el archivo no es texto</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es texto UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
</TS>
