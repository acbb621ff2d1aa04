<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Rij %1, kolom %2: stuk %3, gekozen</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Rij %1, kolom %2: stuk %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>op zijn plaats</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>hoort in rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Rij %1, kolom %2: het gat</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Pijltjestoetsen gaan van stuk naar stuk; Spatie of Enter speelt het stuk; M zegt de zetten en de tijd</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Een stuk schuift in het gat als het gat erboven, eronder, ervoor of erna ligt; het laatste vak van een rij en het eerste van de volgende zijn buren</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Stuk %3 staat nu in rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Niet naast het gat</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Er loopt geen spel</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Zetten: %1, tijd %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Rand van het bord</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>van het klembord</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>wat gekopieerd is, is geen afbeelding op deze computer</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>wat gekopieerd is, is tekst, geen afbeelding</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>het programma dat het klembord bezit, heeft zijn afbeelding niet geleverd</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>wat gekopieerd is, is geen afbeelding</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>het programma dat het klembord bezit, heeft niet geantwoord</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>de afbeelding is te groot (meer dan %1 MiB op het klembord)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>&quot;%1&quot; is geen optie; een afbeelding met die naam hoort na &quot;--&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>&quot;%1&quot; heeft vóór &quot;--&quot; een waarde nodig.</translation>
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
        <translation>Gebruik: tavlora [AFBEELDING]
         tavlora [QT-OPTIES] -- [AFBEELDING]
Een afbeeldingspuzzel: de afbeelding wordt in 4 x 4 stukjes gesneden, die u tegen de klok weer op hun plaats legt.

  --help      deze hulp tonen en stoppen
  --mute      deze keer geen geluiden afspelen
  --version   de versie tonen en stoppen
  --          einde van de opties: wat volgt is een afbeelding, ook een naam die met &quot;-&quot; begint

Elk ander argument is een afbeelding. Vóór &quot;--&quot; gaan de eigen opties van Qt (zoals -style NAAM of -reverse) naar Qt, voor ontwikkelaars.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Probeer &quot;tavlora --help&quot; voor meer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>&quot;%1&quot; kan niet worden geopend: de naam is geen UTF-8-tekst. Geef het bestand een andere naam en noem het dan opnieuw.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>het stijlblad &quot;%1&quot; wordt overgeslagen: het is geen bestand van hoogstens 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>het antwoord kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>er is geen scherm om het venster op te tonen.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>de visual &quot;%1&quot; wordt overgeslagen: de X-server heeft geen visual met dat nummer.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Kan de aanwijzer %1 niet laden: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>het bestand is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>het bestand is geen aanwijzer</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>het bestand bevat geen afbeelding</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>het bestand is afgekapt</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>de aanwijzerafbeelding is te groot (%1 x %2 pixels; een aanwijzer is hoogstens %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>het is geen bestand maar een map, een pipe, een socket of een apparaat</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>het bestand kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>de afbeelding is te groot om te decoderen</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Kan de afbeeldingsdecoder %1 niet starten: %2</translation>
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
        <translation>Afbeeldingspuzzel</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Zet tegen de klok een in schuifstukken geknipte afbeelding weer in elkaar</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzzel;schuifpuzzel;vijftien;stukken;afbeelding;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Zet een in schuifstukken geknipte afbeelding weer in elkaar</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora maakt van een afbeelding een puzzel. Kies een van uw eigen foto&apos;s of een van de afbeeldingen die bij het spel horen: die wordt tot een vierkant uitgerekt en in een bord van vier bij vier stukken geknipt, die daarna worden geschud. Zet de afbeelding weer in elkaar terwijl de klok loopt.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Twee soorten spel:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Schuif: één stuk wordt weggenomen, en een stuk naast het lege vak schuift erin.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Wissel: alle zestien stukken blijven op het bord, en twee willekeurige ruilen van plaats.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Minder zetten in minder tijd geven een betere score, en elk stuk dat al op zijn plaats ligt telt mee. De beste scores van elke soort spel worden bewaard met de namen van hun spelers.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Een spel Schuif in uitvoering</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Het venster bij de start</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 op regel %3<byte value="xd"/><byte value="xd"/>Stuur een schermafbeelding van deze melding per e-mail naar %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Het bord is al vol.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element &apos;%1&apos; van de besturingselementmatrix bestaat niet</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Object is al geladen</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objectvariabele is niet ingesteld</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>De afbeeldingsknipper bevat geen afbeelding</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>De afbeelding is kleiner dan haar raster van vakken</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gefeliciteerd!!! U hebt de afbeelding voltooid.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Er kunnen geen stukken meer worden toegevoegd.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Puzzelbord</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Speltype</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Schuif</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Wissel</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Afbeelding laden</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Bestand(en) toevoegen - Ctrl en Shift om meerdere bestanden te kiezen</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Alle afbeeldingsbestanden (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Score %1, zetten: %2, tijd %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Er is geen afbeelding geladen</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Afbeelding %1 geladen</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>U hebt een topscore.<byte value="xd"/>
Voer uw naam in: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Topscore</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Spelernaam	Score<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Topscores %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Ook uw topscores (hiscore.mdb) en uw instellingen verwijderen?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora wordt uitgevoerd vanuit deze map. Sluit het spel en kies daarna Opnieuw.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>U kunt niet schrijven in deze map. Kies een map van uzelf.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Kan de afbeelding %1 niet laden: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>het bestand is beschadigd of geen afbeelding</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>het bestand is niet gevonden</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>het is een map, geen afbeelding</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>de afbeelding is te groot (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>het spel leest geen %1-afbeeldingen</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>een vierkant van %1 pixels is geen maat voor de puzzel</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>het is geen bestand maar een pipe, een socket of een apparaat</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>het bestand kan niet worden gelezen: toegang geweigerd</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>alleen afbeeldingen op deze computer kunnen worden geladen</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Beweging</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>is in gebruik door een ander programma, dus de score van dit spel is niet opgeslagen</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Er is geen topscoretabel &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>is beschadigd</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>heeft geen tabel tblSlide met de kolommen id, fldname en fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>heeft geen tabel tblSwap met de kolommen id, fldname en fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>is niet gevonden</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kan niet worden geschreven</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>bestaat al en blijft zoals het is</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>is in gebruik door een ander programma; probeer het zo opnieuw</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Het topscorebestand &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>is geen bestand</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>is leeg</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>is geen topscoredatabase</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>kan niet worden aangemaakt (de map ervan kan niet worden aangemaakt)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>kan niet worden geschreven, en er is geen eigen map voor een kopie</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>is door een ander bestand vervangen terwijl het spel het open had</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>is een koppeling naar een ontbrekend bestand</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>kan niet voor u worden gekopieerd: de naam van uw map is geen UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Kan het thema %1 niet laden: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>het bestand is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>het bestand is geen tekst</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>het bestand is geen UTF-8-tekst</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Nederlands</translation>
    </message>
</context>
</TS>
