<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Zeile %1, Spalte %2: Teil %3, gewählt</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Zeile %1, Spalte %2: Teil %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>an seinem Platz</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>gehört in Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Zeile %1, Spalte %2: die Lücke</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Pfeiltasten wechseln zwischen den Teilen; Leertaste oder Eingabe spielt das Teil; M sagt die Züge und die Zeit</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Ein Teil rückt in die Lücke, wenn die Lücke über, unter, vor oder hinter ihm liegt; das letzte Feld einer Zeile und das erste der nächsten sind Nachbarn</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Teil %3 ist nach Zeile %1, Spalte %2 gerückt</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nicht neben der Lücke</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Es läuft kein Spiel</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Züge: %1, Zeit %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Rand des Bretts</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>aus der Zwischenablage</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>das Kopierte ist kein Bild auf diesem Computer</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>das Kopierte ist Text, kein Bild</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>das Programm, das die Zwischenablage hält, hat sein Bild nicht geliefert</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>das Kopierte ist kein Bild</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>das Programm, das die Zwischenablage hält, hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>das Bild ist zu groß (mehr als %1 MiB in der Zwischenablage)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1“ ist keine Option; ein Bild dieses Namens gehört hinter „--“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1“ braucht vor „--“ einen Wert.</translation>
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
        <translation>Verwendung: tavlora [BILD]
       tavlora [QT-OPTIONEN] -- [BILD]
Ein Bilderpuzzle: Das Bild wird in 4 x 4 Teile zerschnitten, die Sie gegen die Uhr wieder ordnen.

  --help      diese Hilfe zeigen und beenden
  --mute      in diesem Lauf keine Töne spielen
  --version   die Version zeigen und beenden
  --          Ende der Optionen: was folgt, ist ein Bild, auch ein Name, der mit &quot;-&quot; beginnt

Jedes andere Argument ist ein Bild. Vor &quot;--&quot; werden Qts eigene Optionen (etwa -style NAME oder -reverse) an Qt übergeben, für Entwickler.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Mehr mit „tavlora --help“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1“ lässt sich nicht öffnen: Sein Name ist kein UTF-8-Text. Benennen Sie die Datei um und geben Sie sie dann erneut an.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>das Stylesheet „%1“ bleibt unberücksichtigt: Es ist keine Datei von höchstens 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>die Antwort lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>es gibt keinen Bildschirm, auf dem sich das Fenster zeigen lässt.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>das Visual „%1“ bleibt unberücksichtigt: Der X-Server hat kein Visual dieser Nummer.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Der Mauszeiger %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>die Datei ist kein Mauszeiger</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>die Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>das Zeigerbild ist zu groß (%1 x %2 Pixel; ein Mauszeiger hat höchstens %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>es ist keine Datei, sondern ein Ordner, eine Pipe, ein Socket oder ein Gerät</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>das Bild ist zu groß zum Dekodieren</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Der Bild-Decoder %1 kann nicht gestartet werden: %2</translation>
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
        <translation>Bilderpuzzle</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Ein in Schiebeteile zerlegtes Bild gegen die Uhr wieder zusammensetzen</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>Puzzle;Schiebepuzzle;Fünfzehn;Teile;Bild;Foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Ein in Schiebeteile zerlegtes Bild wieder zusammensetzen</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora macht aus einem Bild ein Puzzle. Wählen Sie eines Ihrer eigenen Fotos oder eines der Bilder, die dem Spiel beiliegen: Es wird auf ein Quadrat gestreckt und in ein Feld aus vier mal vier Teilen zerlegt, die dann gemischt werden. Setzen Sie das Bild wieder zusammen, während die Uhr läuft.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Zwei Spielarten:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Schub: Ein Teil wird herausgenommen, und ein Teil neben dem leeren Feld rutscht hinein.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Tausch: Alle sechzehn Teile bleiben auf dem Feld, und zwei beliebige tauschen die Plätze.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Weniger Züge in kürzerer Zeit bringen mehr Punkte, und jedes Teil an seinem Platz zählt dazu. Die besten Ergebnisse jeder Spielart werden mit den Namen ihrer Spieler aufbewahrt.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Ein laufendes Spiel der Art Schub</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Das Fenster beim Start</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 in Zeile %3<byte value="xd"/><byte value="xd"/>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Das Spielfeld ist bereits voll.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Steuerelementfeld-Element &apos;%1&apos; ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt bereits geladen</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Der Bildzuschnitt enthält kein Bild</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Das Bild ist kleiner als sein Raster aus Feldern</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Glückwunsch!!! Sie haben das Bild zusammengesetzt.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Es können keine Teile mehr hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Puzzlebrett</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Schub</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tausch</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Datei(en) hinzufügen - mit Strg und Umschalt mehrere Dateien auswählen</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Alle Bilddateien (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Punkte %1, Züge: %2, Zeit %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Kein Bild geladen</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Bild %1 geladen</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Sie haben einen Rekord erzielt.<byte value="xd"/>
Geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Spielername	Punkte<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Bestenliste %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Auch Ihre Bestenliste (hiscore.mdb) und Ihre Einstellungen entfernen?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora läuft aus diesem Ordner. Schließen Sie das Spiel und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>In diesen Ordner können Sie nicht schreiben. Wählen Sie einen eigenen Ordner.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>die Datei ist beschädigt oder kein Bild</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>die Datei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>das ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>das Spiel liest keine %1-Bilder</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>ein Quadrat von %1 Pixeln ist keine Größe für das Puzzle</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>es ist keine Datei, sondern eine Pipe, ein Socket oder ein Gerät</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>die Datei kann nicht gelesen werden: Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>nur Bilder auf diesem Computer können geladen werden</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>wird von einem anderen Programm benutzt, daher wurden die Punkte dieses Spiels nicht gespeichert</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Es gibt keine Bestenliste „%1“.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>hat keine Tabelle tblSlide mit den Spalten id, fldname und fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>hat keine Tabelle tblSwap mit den Spalten id, fldname und fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>wurde nicht gefunden</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>ist schon vorhanden und bleibt unverändert</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>wird von einem anderen Programm benutzt; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Die Bestenlisten-Datei „%1“ %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>ist keine Bestenlisten-Datenbank</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>kann nicht angelegt werden (sein Ordner lässt sich nicht anlegen)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>kann nicht geschrieben werden, und es gibt keinen eigenen Ordner für eine Kopie</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>wurde durch eine andere Datei ersetzt, während das Spiel sie geöffnet hatte</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>ist eine Verknüpfung auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>kann nicht für Sie kopiert werden: Der Name Ihres Ordners ist kein UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Die Oberfläche %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>die Datei ist kein Text</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
</context>
</TS>
