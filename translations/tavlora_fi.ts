<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Rivi %1, sarake %2: pala %3, valittu</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Rivi %1, sarake %2: pala %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>paikallaan</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>kuuluu riville %1, sarakkeeseen %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Rivi %1, sarake %2: aukko</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Nuolinäppäimet siirtyvät palojen välillä; Välilyönti tai Enter pelaa palan; M kertoo siirrot ja ajan</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Pala liukuu aukkoon, kun aukko on sen ylä- tai alapuolella tai ennen tai jälkeen sitä; rivin viimeinen ruutu ja seuraavan rivin ensimmäinen ovat naapureita</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Pala %3 siirtyi riville %1, sarakkeeseen %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Ei aukon vieressä</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Peli ei ole käynnissä</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Siirrot: %1, aika %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Laudan reuna</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>leikepöydältä</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>kopioitu sisältö ei ole kuva tällä tietokoneella</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>kopioitu sisältö on tekstiä, ei kuva</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>leikepöytää hallitseva ohjelma ei luovuttanut kuvaansa</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>kopioitu sisältö ei ole kuva</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>leikepöytää hallitseva ohjelma ei vastannut</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>kuva on liian suuri (leikepöydällä yli %1 MiB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>”%1” ei ole valitsin; sen nimisen kuvan paikka on ”--”:n jälkeen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>”%1” tarvitsee arvon ennen ”--”:ta.</translation>
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
        <translation>Käyttö: tavlora [KUVA]
        tavlora [QT-VALITSIMET] -- [KUVA]
Kuvapalapeli: kuva leikataan 4 x 4 palaan, jotka järjestät takaisin kelloa vastaan.

  --help      näytä tämä ohje ja lopeta
  --mute      älä soita ääniä tällä kertaa
  --version   näytä versio ja lopeta
  --          valitsimien loppu: seuraava on kuva, vaikka sen nimi alkaisi merkillä ”-”

Muut argumentit ovat kuvia. Ennen ”--”:ta Qt:n omat valitsimet (kuten -style NIMI tai -reverse) välitetään Qt:lle, kehittäjiä varten.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Lisätietoja: ”tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>Kohdetta ”%1” ei voi avata: sen nimi ei ole UTF-8-tekstiä. Nimeä tiedosto uudelleen ja anna se sitten uudestaan.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>tyylitiedosto ”%1” jätetään pois: se ei ole enintään 1 MiB:n tiedosto.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>vastausta ei voi kirjoittaa: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>ei ole näyttöä, jolla ikkunan voisi näyttää.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>visual ”%1” jätetään pois: X-palvelimella ei ole sen numeroista visualia.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Osoitinta %1 ei voi ladata: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>tiedosto on suurempi kuin 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>tiedosto ei ole osoitin</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>tiedostossa ei ole kuvaa</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>tiedosto on katkennut</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>osoittimen kuva on liian suuri (%1 x %2 pikseliä; osoitin on enintään %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>se ei ole tiedosto vaan kansio, putki, pistoke tai laite</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>tiedostoa ei voi lukea</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>kuva on liian suuri purettavaksi</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Kuvan purkajaa %1 ei voi käynnistää: %2</translation>
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
        <translation>Kuvapalapeli</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Kokoa liukupaloiksi leikattu kuva takaisin kelloa vastaan</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>palapeli;liukupeli;15-peli;palat;kuva;valokuva;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Kokoa liukupaloiksi leikattu kuva takaisin</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora tekee kuvasta palapelin. Valitse jokin omista valokuvistasi tai jokin pelin mukana tulevista kuvista: se venytetään neliöksi ja leikataan neljä kertaa neljä palan pelilaudaksi, jonka palat sitten sekoitetaan. Kokoa kuva takaisin kellon käydessä.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Kaksi pelityyppiä:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Liuku: yksi pala otetaan pois, ja tyhjän ruudun vieressä oleva pala liukuu siihen.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Vaihto: kaikki kuusitoista palaa pysyvät laudalla, ja mitkä tahansa kaksi vaihtavat paikkaa.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Vähemmän siirtoja lyhyemmässä ajassa antaa paremmat pisteet, ja jokainen jo paikallaan oleva pala lisää niitä. Kunkin pelityypin parhaat tulokset säilytetään pelaajiensa nimien kanssa.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Liuku-peli käynnissä</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Ikkuna käynnistettäessä</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
kohteessa Tavlora2021/08/31.Form1.%2 rivillä %3<byte value="xd"/><byte value="xd"/>Lähetä kuvakaappaus tästä viestistä sähköpostitse osoitteeseen %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Sovellusvirhe</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Lauta on jo täynnä.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Ohjausobjektitaulukon elementtiä &apos;%1&apos; ei ole</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekti on jo ladattu</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alaindeksi alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektimuuttujaa ei ole asetettu</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Jako nollalla</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Virheellinen ominaisuuden arvo</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Kuvan leikkaajassa ei ole kuvaa</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Kuva on pienempi kuin sen ruudukko</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Tuntematon virhe</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Muisti loppui</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Onneksi olkoon!!! Kokosit kuvan.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Aloita peli</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Lopeta peli</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Paloja ei voi lisätä enempää.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Kuvan esikatselu</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Pelityyppi</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Liuku</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Siirrot</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Lataa kuva</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Lisää tiedostoja - valitse useita Ctrl- ja Vaihto-näppäimillä</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Kaikki kuvatiedostot (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Pisteet %1, siirrot: %2, aika %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Kuvaa ei ole ladattu</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Kuva %1 ladattu</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Teit ennätyksen.<byte value="xd"/>
Kirjoita nimesi: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Ennätys</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Pelaajan nimi	Pisteet<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Ennätykset: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Poistetaanko myös parhaat tuloksesi (hiscore.mdb) ja asetuksesi?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora on käynnissä tästä kansiosta. Sulje peli ja valitse sitten Yritä uudelleen.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Et voi kirjoittaa tähän kansioon. Valitse oma kansiosi.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Kuvaa %1 ei voi ladata: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>tiedosto on vioittunut tai ei ole kuva</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>tiedostoa ei löytynyt</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>se on kansio, ei kuva</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>kuva on liian suuri (%1 x %2 pikseliä)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>peli ei lue %1-kuvia</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 pikselin neliö ei sovi palapelin kooksi</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>se ei ole tiedosto vaan putki, pistoke tai laite</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>tiedostoa ei voi lukea: lupa evätty</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>vain tämän tietokoneen kuvia voi ladata</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Liike</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ääni</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>on toisen ohjelman käytössä, joten tämän pelin pisteitä ei tallennettu</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Ennätystaulukkoa ”%1” ei ole.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ei avaudu</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ei ole luettavissa</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>on vioittunut</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>ei sisällä taulukkoa tblSlide sarakkeineen id, fldname ja fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>ei sisällä taulukkoa tblSwap sarakkeineen id, fldname ja fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>ei löytynyt</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ei ole kirjoitettavissa</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>ei ole luotavissa</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>on jo olemassa, eikä siihen kosketa</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>on toisen ohjelman käytössä; yritä hetken päästä uudelleen</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Ennätystiedosto ”%1” %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ei ole tiedosto</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>on tyhjä</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>ei ole ennätystietokanta</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>ei ole luotavissa (sen kansiota ei voi tehdä)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>ei ole kirjoitettavissa, eikä sinulla ole omaa kansiota kopiota varten</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>korvattiin toisella tiedostolla, kun peli piti sitä auki</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>on linkki puuttuvaan tiedostoon</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>ei ole kopioitavissa sinulle: kansiosi nimi ei ole UTF-8:aa</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Teemaa %1 ei voi ladata: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>tiedosto on suurempi kuin 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>tiedosto ei ole tekstiä</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>tiedosto ei ole UTF-8-tekstiä</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Suomi</translation>
    </message>
</context>
</TS>
