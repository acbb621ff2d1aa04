<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Række %1, kolonne %2: brik %3, valgt</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Række %1, kolonne %2: brik %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>på sin plads</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>hører til i række %1, kolonne %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Række %1, kolonne %2: hullet</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Piletasterne flytter mellem brikkerne; Mellemrum eller Enter spiller brikken; M siger trækkene og tiden</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>En brik glider ind i hullet, når hullet er over, under, før eller efter den; det sidste felt i en række og det første i den næste er naboer</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Brik %3 flyttede til række %1, kolonne %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Ikke ved siden af hullet</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Intet spil er i gang</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Træk: %1, tid %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Kanten af brættet</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>fra udklipsholderen</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>det kopierede er ikke et billede på denne computer</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>det kopierede er tekst, ikke et billede</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>programmet, der har udklipsholderen, leverede ikke sit billede</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>det kopierede er ikke et billede</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>programmet, der har udklipsholderen, svarede ikke</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>billedet er for stort (mere end %1 MiB i udklipsholderen)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>»%1« er ikke en indstilling; et billede med det navn skal stå efter »--«.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>»%1« skal have en værdi før »--«.</translation>
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
        <translation>Brug: tavlora [BILLEDE]
      tavlora [QT-INDSTILLINGER] -- [BILLEDE]
Et billedpuslespil: billedet skæres i 4 x 4 brikker, som du sætter i orden igen mod uret.

  --help      vis denne hjælp og afslut
  --mute      afspil ingen lyde denne gang
  --version   vis versionen og afslut
  --          slut på indstillingerne: det følgende er et billede, selv et navn, der begynder med »-«

Alle andre argumenter er billeder. Før »--« gives Qt&apos;s egne indstillinger (som -style NAVN eller -reverse) videre til Qt, for udviklere.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Se mere med »tavlora --help«.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>»%1« kan ikke åbnes: navnet er ikke UTF-8-tekst. Omdøb filen, og angiv den så igen.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>typografiarket »%1« udelades: det er ikke en fil på højst 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>kan ikke skrive svaret: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>der er ingen skærm at vise vinduet på.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>visualet »%1« udelades: X-serveren har intet visual med det nummer.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Kan ikke indlæse markøren %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>filen er større end 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>filen er ikke en markør</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>filen indeholder intet billede</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>filen er afkortet</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>markørbilledet er for stort (%1 x %2 pixels; en markør er højst %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>det er ikke en fil, men en mappe, et rør, en sokkel eller en enhed</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>filen kan ikke læses</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>billedet er for stort til at blive afkodet</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Kan ikke starte billedafkoderen %1: %2</translation>
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
        <translation>Billedpuslespil</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Saml et billede skåret i skydebrikker igen mod uret</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puslespil;skydespil;femtenspil;brikker;billede;foto;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Saml et billede skåret i skydebrikker igen</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora gør et billede til et puslespil. Vælg et af dine egne fotos eller et af de billeder, der følger med spillet: det strækkes til et kvadrat og skæres i en plade på fire gange fire brikker, som derefter blandes. Saml billedet igen, mens uret går.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>To slags spil:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Skub: én brik tages ud, og en brik ved siden af det tomme felt glider ind i det.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Byt: alle seksten brikker bliver på pladen, og to vilkårlige af dem bytter plads.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Færre træk på kortere tid giver flere point, og hver brik, der allerede er på sin plads, lægger til. De bedste resultater i hver slags spil gemmes med spillernes navne.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Et spil Skub i gang</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Vinduet ved start</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
i Tavlora2021/08/31.Form1.%2 i linje %3<byte value="xd"/><byte value="xd"/>Send venligst et skærmbillede af denne meddelelse med e-mail til %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programfejl</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Pladen er allerede fuld.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element &apos;%1&apos; i kontrolmatrix findes ikke</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objektet er allerede indlæst</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overløb</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks uden for område</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariabel er ikke angivet</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division med nul</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ugyldig egenskabsværdi</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Billedbeskæreren indeholder intet billede</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Billedet er mindre end sit gitter af felter</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Ikke mere hukommelse</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Tillykke!!! Du har samlet billedet.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spil</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Afslut spil</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Der kan ikke tilføjes flere brikker.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Puslespilsplade</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spiltype</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Skub</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Byt</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Træk</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekorder</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Tilføj fil(er) - brug Ctrl og Skift til at vælge flere filer</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Alle billedfiler (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Point %1, træk: %2, tid %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Der er ikke indlæst noget billede</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Billedet %1 er indlæst</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Du har sat rekord.<byte value="xd"/>
Indtast dit navn: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Spillernavn	Point<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Rekorder: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Fjern også dine rekorder (hiscore.mdb) og dine indstillinger?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora kører fra denne mappe. Luk spillet, og vælg derefter Prøv igen.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Du kan ikke skrive i denne mappe. Vælg en af dine egne mapper.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Kan ikke indlæse billedet %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>filen er beskadiget eller er ikke et billede</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>filen blev ikke fundet</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>det er en mappe, ikke et billede</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>billedet er for stort (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>spillet læser ikke %1-billeder</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>et kvadrat på %1 pixels er ikke en størrelse til puslespillet</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>det er ikke en fil, men et rør, en sokkel eller en enhed</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>filen kan ikke læses: adgang nægtet</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>kun billeder på denne computer kan indlæses</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Bevægelse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Lyd</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>bruges af et andet program, så dette spils point blev ikke gemt</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Der er ingen rekordtabel »%1«.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan ikke åbnes</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan ikke læses</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>er beskadiget</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>har ingen tabel tblSlide med kolonnerne id, fldname og fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>har ingen tabel tblSwap med kolonnerne id, fldname og fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>blev ikke fundet</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kan ikke skrives</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>kan ikke oprettes</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>findes allerede og bliver som den er</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>bruges af et andet program; prøv igen om lidt</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Rekordfilen »%1« %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>er ikke en fil</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>er tom</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>er ikke en rekorddatabase</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>kan ikke oprettes (dens mappe kan ikke laves)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>kan ikke skrives, og du har ingen egen mappe til en kopi</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>blev erstattet af en anden fil, mens spillet havde den åben</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>er et link til en manglende fil</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>kan ikke kopieres til dig: navnet på din mappe er ikke UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Kan ikke indlæse temaet %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>filen er større end 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>filen er ikke tekst</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>filen er ikke UTF-8-tekst</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Dansk</translation>
    </message>
</context>
</TS>
