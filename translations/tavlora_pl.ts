<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Wiersz %1, kolumna %2: kafelek %3, wybrany</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Wiersz %1, kolumna %2: kafelek %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>na swoim miejscu</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>należy do wiersza %1, kolumny %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Wiersz %1, kolumna %2: luka</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Strzałki przechodzą między kafelkami; Spacja lub Enter zagrywa kafelek; M podaje ruchy i czas</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Kafelek wsuwa się w lukę, gdy luka jest nad nim, pod nim, przed nim lub za nim; ostatnie pole wiersza i pierwsze następnego są sąsiadami</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>Kafelek %3 przeszedł do wiersza %1, kolumny %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Nie obok luki</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Żadna gra nie trwa</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Ruchy: %1, czas %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Krawędź planszy</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>ze schowka</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>to, co skopiowano, nie jest obrazem na tym komputerze</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>to, co skopiowano, jest tekstem, a nie obrazem</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>program, który trzyma schowek, nie dostarczył obrazu</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>to, co skopiowano, nie jest obrazem</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>program, który trzyma schowek, nie odpowiedział</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>obraz jest za duży (ponad %1 MiB w schowku)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>„%1” nie jest opcją; obraz o tej nazwie podaje się po „--”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>„%1” wymaga wartości przed „--”.</translation>
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
        <translation>Użycie: tavlora [OBRAZ]
        tavlora [OPCJE-QT] -- [OBRAZ]
Układanka obrazkowa: obraz jest cięty na 4 x 4 kafelki, które układasz z powrotem na czas.

  --help      pokaż tę pomoc i zakończ
  --mute      tym razem nie odtwarzać dźwięków
  --version   pokaż wersję i zakończ
  --          koniec opcji: to, co następuje, jest obrazem, nawet nazwa zaczynająca się od „-”

Każdy inny argument jest obrazem. Przed „--” własne opcje Qt (takie jak -style NAZWA lub -reverse) trafiają do Qt, dla programistów.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Więcej: „tavlora --help”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>Nie można otworzyć „%1”: nazwa nie jest tekstem UTF-8. Zmień nazwę pliku, a potem podaj go ponownie.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>arkusz stylów „%1” zostaje pominięty: nie jest plikiem o rozmiarze najwyżej 1 MiB.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>nie można zapisać odpowiedzi: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>nie ma ekranu, na którym można pokazać okno.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>visual „%1” zostaje pominięty: serwer X nie ma visuala o tym numerze.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Nie można wczytać kursora %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>plik jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>plik nie jest kursorem</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>plik nie zawiera obrazu</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>plik jest niekompletny</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>obraz kursora jest za duży (%1 x %2 pikseli; kursor ma najwyżej %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>to nie plik, lecz folder, potok, gniazdo lub urządzenie</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>nie można odczytać pliku</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>obraz jest zbyt duży, by go zdekodować</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Nie można uruchomić dekodera obrazów %1: %2</translation>
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
        <translation>Układanka obrazkowa</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Ułóż na czas obrazek pocięty na przesuwane kafelki</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>układanka;piętnastka;przesuwanka;kafelki;obrazek;zdjęcie;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Ułóż obrazek pocięty na przesuwane kafelki</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora zamienia obrazek w układankę. Wybierz jedno ze swoich zdjęć albo jeden z obrazków dołączonych do gry: zostanie rozciągnięty do kwadratu i pocięty na planszę cztery na cztery kafelki, które następnie są mieszane. Ułóż obrazek z powrotem, zanim upłynie zbyt wiele czasu.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Dwa rodzaje gry:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Suwak: jeden kafelek zostaje wyjęty, a kafelek obok pustego pola wsuwa się na nie.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Zamień: wszystkie szesnaście kafelków zostaje na planszy, a dowolne dwa zamieniają się miejscami.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Mniej ruchów w krótszym czasie daje lepszy wynik, a każdy kafelek na swoim miejscu go powiększa. Najlepsze wyniki każdego rodzaju gry są zapisywane z imionami graczy.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Trwająca gra w trybie Suwak</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Okno po uruchomieniu</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
w Tavlora2021/08/31.Form1.%2 w wierszu %3<byte value="xd"/><byte value="xd"/>Prosimy wysłać zrzut ekranu tego komunikatu e-mailem na adres %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Plansza jest już pełna.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element &apos;%1&apos; tablicy formantów nie istnieje</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Obiekt jest już załadowany</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Nie ustawiono zmiennej obiektowej</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Narzędzie cięcia obrazka nie zawiera obrazka</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Obrazek jest mniejszy niż jego siatka pól</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Gratulacje!!! Obrazek został ułożony.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Rozpocznij grę</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Nie można dodać więcej kafelków.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Plansza układanki</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Suwak</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Wczytaj obrazek</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Dodaj plik(i) - Ctrl i Shift pozwalają zaznaczyć kilka plików</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Wszystkie pliki obrazów (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Wynik %1, ruchy: %2, czas %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Nie wczytano żadnego obrazu</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Wczytano obraz %1</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Masz nowy rekord.<byte value="xd"/>
Podaj swoje imię: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Gracz	Wynik<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Rekordy: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Usunąć również Twoje najlepsze wyniki (hiscore.mdb) i ustawienia?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora działa z tego folderu. Zamknij grę, a następnie wybierz Ponów próbę.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Nie możesz zapisywać w tym folderze. Wybierz własny folder.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Nie można wczytać obrazka %1: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>plik jest uszkodzony lub nie jest obrazkiem</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>nie znaleziono pliku</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>to folder, a nie obrazek</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>obrazek jest za duży (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>gra nie odczytuje obrazków %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>kwadrat %1 pikseli nie jest rozmiarem dla układanki</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>to nie plik, lecz potok, gniazdo lub urządzenie</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>nie można odczytać pliku: odmowa dostępu</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>można wczytać tylko obrazy z tego komputera</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>jest używany przez inny program, więc wynik tej gry nie został zapisany</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Nie ma tabeli rekordów „%1”.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>nie może zostać otwarty</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie może zostać odczytany</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>nie ma tabeli tblSlide z kolumnami id, fldname i fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>nie ma tabeli tblSwap z kolumnami id, fldname i fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>nie został znaleziony</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>nie może zostać zapisany</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>nie może zostać utworzony</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>już istnieje i pozostaje bez zmian</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>jest używany przez inny program; spróbuj ponownie za chwilę</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Plik rekordów „%1” %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>nie jest plikiem</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>nie jest bazą rekordów</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>nie może zostać utworzony (nie można utworzyć jego folderu)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>nie może zostać zapisany, a nie ma własnego folderu na kopię</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>został zastąpiony innym plikiem, gdy gra miała go otwarty</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>jest dowiązaniem do brakującego pliku</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>nie może zostać skopiowany dla Ciebie: nazwa Twojego folderu nie jest zapisana w UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Nie można wczytać skórki %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>plik jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>plik nie jest tekstem</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>plik nie jest tekstem UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Polski</translation>
    </message>
</context>
</TS>
