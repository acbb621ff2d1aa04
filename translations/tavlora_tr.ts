<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Satır %1, sütun %2: parça %3, seçili</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Satır %1, sütun %2: parça %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>yerinde</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>yeri: satır %1, sütun %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Satır %1, sütun %2: boşluk</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Ok tuşları parçalar arasında gezinir; Boşluk ya da Giriş parçayı oynar; M hamleleri ve süreyi söyler</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Boşluk bir parçanın üstünde, altında, önünde ya da arkasındaysa parça boşluğa kayar; bir satırın son hücresi ile sonraki satırın ilk hücresi komşudur</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>%3. parça satır %1, sütun %2 konumuna gitti</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Boşluğun yanında değil</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Süren bir oyun yok</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Hamleler: %1, süre %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Tahtanın kenarı</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>panodan</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>kopyalanan şey bu bilgisayarda bir resim değil</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>kopyalanan şey resim değil, metin</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>panoyu tutan program resmini teslim etmedi</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>kopyalanan şey bir resim değil</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>panoyu tutan program yanıt vermedi</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>resim çok büyük (panoda %1 MiB&apos;tan fazla)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>“%1” bir seçenek değil; bu adda bir resim “--” işaretinden sonra gelir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>“%1” için “--” işaretinden önce bir değer gerekir.</translation>
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
        <translation>Kullanım: tavlora [RESİM]
          tavlora [QT-SEÇENEKLERİ] -- [RESİM]
Bir resim yapbozu: resim 4 x 4 parçaya kesilir, siz de bu parçaları zamana karşı yeniden sıraya dizersiniz.

  --help      bu yardımı göster ve çık
  --mute      bu sefer ses çalma
  --version   sürümü göster ve çık
  --          seçeneklerin sonu: ardından gelen, adı “-” ile başlasa bile bir resimdir

Diğer her argüman bir resimdir. “--” işaretinden önce Qt&apos;nin kendi seçenekleri (-style AD ya da -reverse gibi) geliştiriciler için Qt&apos;ye iletilir.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Daha fazlası için “tavlora --help” yazın.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>“%1” açılamıyor: adı UTF-8 metni değil. Dosyayı yeniden adlandırın, sonra yeniden belirtin.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>“%1” biçem sayfası atlandı: en çok 1 MiB boyutunda bir dosya değil.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>yanıt yazılamıyor: %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>pencerenin gösterileceği bir ekran yok.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>“%1” görseli atlandı: X sunucusunda bu numarada bir görsel yok.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>%1 imleci yüklenemiyor: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>dosya 1 MiB&apos;tan büyük</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>dosya bir imleç değil</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>dosyada resim yok</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>dosya kesik</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>imleç resmi çok büyük (%1 x %2 piksel; bir imleç en çok %3 x %3 olur)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>bu bir dosya değil; bir klasör, boru, soket ya da aygıt</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>dosya okunamıyor</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>resim çözülemeyecek kadar büyük</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>%1 resim çözücüsü başlatılamıyor: %2</translation>
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
        <translation>Resim Yapbozu</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Kayan parçalara bölünmüş bir resmi zamana karşı yeniden birleştirin</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>yapboz;bulmaca;kaydırmalı;on beş;parçalar;resim;fotoğraf;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Kayan parçalara bölünmüş bir resmi yeniden birleştirin</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora bir resmi yapboza dönüştürür. Kendi fotoğraflarınızdan birini ya da oyunla gelen resimlerden birini seçin: resim bir kareye uzatılır ve dörde dört parçalık bir tahtaya kesilir, sonra parçalar karıştırılır. Saat işlerken resmi yeniden birleştirin.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>İki oyun türü:</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Kaydır: bir parça çıkarılır ve boş hücrenin yanındaki bir parça onun içine kayar.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Takas: on altı parçanın hepsi tahtada kalır ve herhangi ikisi yer değiştirir.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Daha kısa sürede daha az hamle daha iyi puan getirir ve zaten kendi hücresinde olan her parça puana eklenir. Her oyun türünün en iyi puanları, oyuncularının adlarıyla saklanır.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Süren bir Kaydır oyunu</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>Başlangıçtaki pencere</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
Tavlora2021/08/31.Form1.%2 içinde, satır %3<byte value="xd"/><byte value="xd"/>Lütfen bu iletinin ekran görüntüsünü %4 adresine e-postayla gönderin</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Uygulama Hatası</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Tahta zaten dolu.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>&apos;%1&apos; denetim dizisi öğesi yok</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Nesne zaten yüklü</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alt simge aralık dışında</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Nesne değişkeni ayarlanmamış</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Sıfıra bölme</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Geçersiz özellik değeri</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Resim kesicide resim yok</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>Resim, hücre ızgarasından küçük</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Bellek yetersiz</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Tebrikler!!! Resmi tamamladınız.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Oyunu Başlat</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Oyunu Bitir</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Daha fazla parça eklenemez.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Yapboz tahtası</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Resim Önizleme</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Oyun Türü</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Kaydır</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Takas</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Hamleler</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Resim Yükle</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>En Yüksek Puanlar</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Dosya Ekle - birden çok dosya seçmek için Ctrl ve Shift kullanın</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Tüm Resim Dosyaları (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Puan %1, hamleler: %2, süre %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Yüklü resim yok</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Resim yüklendi: %1</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Yüksek puan yaptınız.<byte value="xd"/>
Adınızı girin: </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Yüksek Puan</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Oyuncu Adı	Puan<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>En yüksek puanlar: %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>En yüksek puanlarınız (hiscore.mdb) ve ayarlarınız da kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora bu klasörden çalışıyor. Oyunu kapatın, ardından Yeniden Dene&apos;yi seçin.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Bu klasöre yazamazsınız. Kendinize ait bir klasör seçin.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>%1 resmi yüklenemiyor: %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>dosya bozuk ya da bir resim değil</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>dosya bulunamadı</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>bu bir klasör, resim değil</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>resim çok büyük (%1 x %2 piksel)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>oyun %1 resimlerini okumaz</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>%1 piksellik bir kare yapboz için uygun bir boyut değil</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>bu bir dosya değil; bir boru, soket ya da aygıt</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>dosya okunamıyor: erişim reddedildi</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>yalnızca bu bilgisayardaki resimler yüklenebilir</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Hareket</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>başka bir program tarafından kullanılıyor, bu yüzden bu oyunun puanı kaydedilmedi</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>“%1” adında bir yüksek puan tablosu yok.</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>açılamıyor</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>bozuk</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>id, fldname ve fldscore sütunlarıyla bir tblSlide tablosu içermiyor</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>id, fldname ve fldscore sütunlarıyla bir tblSwap tablosu içermiyor</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>bulunamadı</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>yazılamıyor</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>oluşturulamıyor</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>zaten var ve olduğu gibi bırakıldı</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>başka bir program tarafından kullanılıyor; birazdan yeniden deneyin</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>“%1” yüksek puan dosyası %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>bir dosya değil</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>bir yüksek puan veritabanı değil</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>oluşturulamıyor (klasörü oluşturulamıyor)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>yazılamıyor ve kopya için size ait bir klasör yok</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>oyun onu açık tutarken başka bir dosyayla değiştirildi</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>eksik bir dosyaya bağlantı</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>sizin için kopyalanamıyor: klasörünüzün adı UTF-8 değil</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>%1 görünümü yüklenemiyor: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>dosya 1 MiB&apos;tan büyük</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>dosya metin değil</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>dosya UTF-8 metni değil</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Türkçe</translation>
    </message>
</context>
</TS>
