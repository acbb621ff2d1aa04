<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Redak %1, stupac %2: pločica %3, odabrana</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Redak %1, stupac %2: pločica %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>na svojem mjestu</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>pripada u redak %1, stupac %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Redak %1, stupac %2: praznina</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Strelice se kreću među pločicama; Razmaknica ili Enter igra pločicu; M kaže poteze i vrijeme</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Pločica klizi u prazninu kad je praznina iznad, ispod, prije ili poslije nje; zadnje polje retka i prvo polje sljedećeg su susjedi</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Pločica %3 pomaknuta je u redak %1, stupac %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nije uz prazninu</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Nijedna igra nije u tijeku</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Potezi: %1, vrijeme %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Rub ploče</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>iz međuspremnika</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>kopirani sadržaj nije slika na ovom računalu</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>kopirani sadržaj je tekst, a ne slika</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>program koji drži međuspremnik nije predao svoju sliku</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>kopirani sadržaj nije slika</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>program koji drži međuspremnik nije odgovorio</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>slika je prevelika (više od %1 MiB u međuspremniku)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1” nije opcija; slika tog imena navodi se iza „--”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1” treba vrijednost prije „--”.</translation>
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
        <translation>Upotreba: tavlora [SLIKA]
          tavlora [QT-OPCIJE] -- [SLIKA]
Slikovna slagalica: slika se reže na 4 x 4 pločice koje protiv sata vraćate na mjesto.

  --help      prikaži ovu pomoć i izađi
  --mute      ovaj put ne reproduciraj zvukove
  --version   prikaži verziju i izađi
  --          kraj opcija: ono što slijedi je slika, čak i ime koje počinje s „-”

Svaki drugi argument je slika. Prije „--” Qt-ove vlastite opcije (poput -style IME ili -reverse) predaju se Qt-u, za razvojne programere.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Više uz „tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>„%1” se ne može otvoriti: njegovo ime nije UTF-8 tekst. Preimenujte datoteku, a zatim je ponovno navedite.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>list stilova „%1” izostavlja se: nije datoteka od najviše 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>odgovor se ne može zapisati: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>nema zaslona na kojem bi se prozor prikazao.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>vizual „%1” izostavlja se: X poslužitelj nema vizual s tim brojem.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Pokazivač %1 ne može se učitati: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>datoteka je veća od 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>datoteka nije pokazivač</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>datoteka ne sadrži sliku</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>datoteka je skraćena</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>slika pokazivača je prevelika (%1 x %2 piksela; pokazivač ima najviše %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>to nije datoteka nego mapa, cijev, utičnica ili uređaj</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>datoteka se ne može pročitati</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>slika je prevelika za dekodiranje</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Dekoder slika %1 ne može se pokrenuti: %2</translation>
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
        <translation>Slikovna slagalica</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Složite protiv sata sliku izrezanu na pomične pločice</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>slagalica;puzzle;pomična;petnaest;pločice;slika;fotografija;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Složite sliku izrezanu na pomične pločice</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora od slike napravi slagalicu. Odaberite jednu od svojih fotografija ili jednu od slika koje dolaze uz igru: ona se razvuče u kvadrat i izreže u ploču od četiri puta četiri pločice, koje se zatim promiješaju. Ponovno složite sliku dok sat teče.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dvije vrste igre:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Klizi: jedna pločica se izvadi, a pločica pokraj praznog polja klizne u njega.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Izmjena: svih šesnaest pločica ostaje na ploči, a bilo koje dvije zamijene mjesta.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Manje poteza za kraće vrijeme daje bolji rezultat, a svaka pločica koja je već na svojem mjestu dodaje mu. Najbolji rezultati svake vrste igre čuvaju se s imenima igrača.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Igra „Klizi” u tijeku</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Prozor pri pokretanju</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
u Tavlora2021/08/31.Form1.%2 u retku %3<byte value="xd"/><byte value="xd"/>Pošaljite snimku zaslona ove poruke e-poštom na %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Pogreška aplikacije</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Ploča je već puna.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element polja kontrola &apos;%1&apos; ne postoji</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt je već učitan</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Preljev</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks izvan raspona</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Varijabla objekta nije postavljena</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dijeljenje s nulom</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nevaljana vrijednost svojstva</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Rezač slike ne sadrži sliku</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Slika je manja od svoje mreže polja</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata pogreška</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedovoljno memorije</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Čestitamo!!! Složili ste sliku.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Pokreni igru</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Završi igru</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Ne mogu se dodati nove pločice.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Ploča slagalice</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Pregled slike</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Vrsta igre</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Klizi</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Izmjena</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Potezi</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Bodovi</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Učitaj sliku</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najbolji rezultati</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Dodaj datoteke - više datoteka odaberite s Ctrl i Shift</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Sve slikovne datoteke (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Bodovi %1, potezi: %2, vrijeme %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nije učitana nijedna slika</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Slika %1 učitana</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Postigli ste rekord.<byte value="xd"/>
Unesite svoje ime: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ime igrača	Bodovi<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Najbolji rezultati: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Ukloniti i vaše najbolje rezultate (hiscore.mdb) i postavke?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora je pokrenuta iz ove mape. Zatvorite igru, a zatim odaberite Pokušaj ponovo.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Ne možete pisati u ovu mapu. Odaberite vlastitu mapu.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Slika %1 ne može se učitati: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>datoteka je oštećena ili nije slika</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>datoteka nije pronađena</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>to je mapa, a ne slika</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>slika je prevelika (%1 x %2 piksela)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>igra ne čita slike %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>kvadrat od %1 piksela nije veličina za slagalicu</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>to nije datoteka nego cijev, utičnica ili uređaj</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>datoteka se ne može pročitati: pristup odbijen</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>mogu se učitati samo slike na ovom računalu</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Pokret</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>je u upotrebi u drugom programu, pa rezultat ove igre nije spremljen</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Ne postoji tablica najboljih rezultata „%1”.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne može se otvoriti</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne može se pročitati</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>je oštećena</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>nema tablicu tblSlide sa stupcima id, fldname i fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>nema tablicu tblSwap sa stupcima id, fldname i fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>nije pronađena</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ne može se zapisati</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>ne može se stvoriti</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>već postoji i ostaje nepromijenjena</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>je u upotrebi u drugom programu; pokušajte ponovno za trenutak</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Datoteka najboljih rezultata „%1” %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>nije datoteka</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>je prazna</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>nije baza podataka najboljih rezultata</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>ne može se stvoriti (njezina mapa ne može se napraviti)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>ne može se zapisati, a nema vaše vlastite mape za kopiju</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>zamijenjena je drugom datotekom dok ju je igra držala otvorenom</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>je poveznica na datoteku koja ne postoji</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>ne može se kopirati za vas: ime vaše mape nije UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Izgled %1 ne može se učitati: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>datoteka je veća od 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>datoteka nije tekst</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>datoteka nije UTF-8 tekst</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Hrvatski</translation>
    </message>
</context>
</TS>
