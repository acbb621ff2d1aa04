<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Row %1, column %2: piece %3, chosen</source>
        <translation>Ligne %1, colonne %2 : pièce %3, choisie</translation>
    </message>
    <message>
        <source>Row %1, column %2: piece %3</source>
        <translation>Ligne %1, colonne %2 : pièce %3</translation>
    </message>
    <message>
        <source>in place</source>
        <translation>à sa place</translation>
    </message>
    <message>
        <source>belongs in row %1, column %2</source>
        <translation>va en ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: the gap</source>
        <translation>Ligne %1, colonne %2 : le trou</translation>
    </message>
</context>
<context>
    <name>BoardArea</name>
    <message>
        <source>Arrow keys move between the tiles; Space or Enter plays the tile; M says the moves and the time</source>
        <translation>Les flèches passent d&apos;une pièce à l&apos;autre ; Espace ou Entrée joue la pièce ; M donne les coups et le temps</translation>
    </message>
    <message>
        <source>A tile moves into the gap when the gap is above, below, before or after it; the last cell of a row and the first of the next are neighbours</source>
        <translation>Une pièce glisse dans le trou quand le trou est au-dessus, au-dessous, avant ou après elle ; la dernière case d&apos;une ligne et la première de la suivante sont voisines</translation>
    </message>
    <message>
        <source>Piece %3 moved to row %1, column %2</source>
        <translation>La pièce %3 est passée en ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Not next to the gap</source>
        <translation>Pas à côté du trou</translation>
    </message>
    <message>
        <source>No game is running</source>
        <translation>Aucune partie en cours</translation>
    </message>
    <message>
        <source>Moves: %1, time %2</source>
        <translation>Coups : %1, temps %2</translation>
    </message>
    <message>
        <source>Edge of the board</source>
        <translation>Bord du plateau</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>from the clipboard</source>
        <translation>du presse-papiers</translation>
    </message>
    <message>
        <source>what was copied is not a picture on this computer</source>
        <translation>ce qui a été copié n&apos;est pas une image sur cet ordinateur</translation>
    </message>
    <message>
        <source>what was copied is text, not a picture</source>
        <translation>ce qui a été copié est du texte, pas une image</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not deliver its picture</source>
        <translation>le programme qui détient le presse-papiers n&apos;a pas livré son image</translation>
    </message>
    <message>
        <source>what was copied is not a picture</source>
        <translation>ce qui a été copié n&apos;est pas une image</translation>
    </message>
    <message>
        <source>the program holding the clipboard did not answer</source>
        <translation>le programme qui détient le presse-papiers n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the picture is too large (more than %1 MiB on the clipboard)</source>
        <translation>l&apos;image est trop grande (plus de %1 Mio dans le presse-papiers)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not an option; a picture of that name goes after &quot;--&quot;.</source>
        <translation>« %1 » n&apos;est pas une option ; une image de ce nom se place après « -- ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value before &quot;--&quot;.</source>
        <translation>« %1 » demande une valeur avant « -- ».</translation>
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
        <translation>Usage : tavlora [IMAGE]
        tavlora [OPTIONS-QT] -- [IMAGE]
Un puzzle d&apos;image : l&apos;image est découpée en 4 x 4 pièces, à remettre en ordre contre la montre.

  --help      afficher cette aide et quitter
  --mute      ne jouer aucun son cette fois
  --version   afficher la version et quitter
  --          fin des options : ce qui suit est une image, même un nom qui commence par « - »

Tout autre argument est une image. Avant « -- », les options propres à Qt (comme -style NOM ou -reverse) sont passées à Qt, pour les développeurs.
</translation>
    </message>
    <message>
        <source>Try &quot;tavlora --help&quot; for more.</source>
        <translation>Essayez « tavlora --help » pour en savoir plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its name is not UTF-8 text. Rename the file, then name it again.</source>
        <translation>« %1 » ne peut pas être ouvert : son nom n&apos;est pas du texte UTF-8. Renommez le fichier, puis indiquez-le à nouveau.</translation>
    </message>
    <message>
        <source>the style sheet &quot;%1&quot; is left out: it is not a file of at most 1 MiB.</source>
        <translation>la feuille de style « %1 » est ignorée : ce n&apos;est pas un fichier d&apos;au plus 1 Mio.</translation>
    </message>
    <message>
        <source>cannot write the answer: %1</source>
        <translation>impossible d&apos;écrire la réponse : %1</translation>
    </message>
    <message>
        <source>there is no screen to show the window on.</source>
        <translation>il n&apos;y a aucun écran où afficher la fenêtre.</translation>
    </message>
    <message>
        <source>the visual &quot;%1&quot; is left out: the X server has no visual of that number.</source>
        <translation>le visual « %1 » est ignoré : le serveur X n&apos;a aucun visual de ce numéro.</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>Cannot load the cursor %1: %2</source>
        <translation>Impossible de charger le curseur %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>le fichier dépasse 1 Mio</translation>
    </message>
    <message>
        <source>the file is not a cursor</source>
        <translation>le fichier n&apos;est pas un curseur</translation>
    </message>
    <message>
        <source>the file holds no image</source>
        <translation>le fichier ne contient aucune image</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>the cursor image is too large (%1 x %2 pixels; a cursor is at most %3 x %3)</source>
        <translation>l&apos;image du curseur est trop grande (%1 x %2 pixels ; un curseur fait au plus %3 x %3)</translation>
    </message>
    <message>
        <source>it is not a file but a folder, a pipe, a socket or a device</source>
        <translation>ce n&apos;est pas un fichier mais un dossier, un tube, un socket ou un périphérique</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>DecoderReport</name>
    <message>
        <source>the picture is too large to decode</source>
        <translation>l&apos;image est trop grande pour être décodée</translation>
    </message>
    <message>
        <source>Cannot start the picture decoder %1: %2</source>
        <translation>Impossible de démarrer le décodeur d&apos;images %1 : %2</translation>
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
        <translation>Puzzle d&apos;images</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together against the clock</source>
        <translation>Reconstituer contre la montre une image découpée en pièces coulissantes</translation>
    </message>
    <message>
        <source>puzzle;sliding;fifteen;tiles;picture;photo;</source>
        <translation>puzzle;taquin;quinze;pièces;image;photo;</translation>
    </message>
    <message>
        <source>Put a picture cut into sliding tiles back together</source>
        <translation>Reconstituer une image découpée en pièces coulissantes</translation>
    </message>
    <message>
        <source>Tavlora turns a picture into a puzzle. Choose one of your own photos or one of the pictures that come with the game: it is stretched to a square and cut into a board of four by four tiles, which are then shuffled. Put the picture back together while the clock runs.</source>
        <translation>Tavlora fait d&apos;une image un puzzle. Choisissez une de vos photos ou une des images fournies avec le jeu : elle est étirée en carré et découpée en un plateau de quatre sur quatre pièces, qui sont ensuite mélangées. Reconstituez l&apos;image pendant que l&apos;horloge tourne.</translation>
    </message>
    <message>
        <source>Two kinds of game:</source>
        <translation>Deux types de jeu :</translation>
    </message>
    <message>
        <source>Slide: one tile is taken out, and a tile next to the empty cell slides into it.</source>
        <translation>Glisse : une pièce est retirée, et une pièce voisine de la case vide y glisse.</translation>
    </message>
    <message>
        <source>Swap: all sixteen tiles stay on the board, and any two of them change places.</source>
        <translation>Change : les seize pièces restent sur le plateau, et deux d&apos;entre elles quelconques échangent leurs places.</translation>
    </message>
    <message>
        <source>Fewer moves in less time give a better score, and every tile already in its own cell adds to it. The best scores of each kind of game are kept with the names of their players.</source>
        <translation>Moins de coups en moins de temps donnent un meilleur score, et chaque pièce déjà à sa place y ajoute. Les meilleurs scores de chaque type de jeu sont gardés avec le nom de leurs joueurs.</translation>
    </message>
    <message>
        <source>A Slide game in progress</source>
        <translation>Une partie de Glisse en cours</translation>
    </message>
    <message>
        <source>The window at start</source>
        <translation>La fenêtre au démarrage</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1<byte value="xd"/>
in Tavlora2021/08/31.Form1.%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
dans Tavlora2021/08/31.Form1.%2 à la ligne %3<byte value="xd"/><byte value="xd"/>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Board is already full.</source>
        <translation>Le plateau est déjà plein.</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;élément &apos;%1&apos; du groupe de contrôles n&apos;existe pas</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objet déjà chargé</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>The picture clipper holds no picture</source>
        <translation>Le découpeur d&apos;image ne contient aucune image</translation>
    </message>
    <message>
        <source>The picture is smaller than its grid of cells</source>
        <translation>L&apos;image est plus petite que sa grille de cases</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Congratulation!!! You had form the image.</source>
        <translation>Félicitations !!! Vous avez reconstitué l&apos;image.</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Cannot add more tiles.</source>
        <translation>Impossible d&apos;ajouter d&apos;autres pièces.</translation>
    </message>
    <message>
        <source>Puzzle board</source>
        <translation>Plateau du puzzle</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de jeu</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Glisse</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Add File(s) - Use Ctrl &amp; Shift to select multiple files</source>
        <translation>Ajouter des fichiers - Ctrl et Maj pour en choisir plusieurs</translation>
    </message>
    <message>
        <source>All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</source>
        <translation>Tous les fichiers image (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)</translation>
    </message>
    <message>
        <source>Score %1, moves: %2, time %3</source>
        <translation>Score %1, coups : %2, temps %3</translation>
    </message>
    <message>
        <source>No picture is loaded</source>
        <translation>Aucune image chargée</translation>
    </message>
    <message>
        <source>Picture %1 loaded</source>
        <translation>Image %1 chargée</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <source>You&apos;ve got high score.<byte value="xd"/>
Enter your name: </source>
        <translation>Vous avez battu un record.<byte value="xd"/>
Entrez votre nom : </translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Player Name	Score<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Nom du joueur	Score<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 high scores</source>
        <translation>Records : %1</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Also remove your high scores (hiscore.mdb) and your settings?</source>
        <translation>Supprimer aussi vos meilleurs scores (hiscore.mdb) et vos réglages ?</translation>
    </message>
    <message>
        <source>Tavlora is running from this folder. Close the game, then choose Retry.</source>
        <translation>Tavlora est en cours d&apos;exécution depuis ce dossier. Fermez le jeu, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>You cannot write to this folder. Choose a folder of your own.</source>
        <translation>Vous ne pouvez pas écrire dans ce dossier. Choisissez un dossier à vous.</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Impossible de charger l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>the file is damaged or is not a picture</source>
        <translation>le fichier est endommagé ou n&apos;est pas une image</translation>
    </message>
    <message>
        <source>the file was not found</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>it is a folder, not a picture</source>
        <translation>c&apos;est un dossier, pas une image</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l&apos;image est trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the game does not read %1 pictures</source>
        <translation>le jeu ne lit pas les images %1</translation>
    </message>
    <message>
        <source>a square of %1 pixels is not a size for the puzzle</source>
        <translation>un carré de %1 pixels n&apos;est pas une taille pour le puzzle</translation>
    </message>
    <message>
        <source>it is not a file but a pipe, a socket or a device</source>
        <translation>ce n&apos;est pas un fichier mais un tube, un socket ou un périphérique</translation>
    </message>
    <message>
        <source>the file cannot be read: permission denied</source>
        <translation>le fichier ne peut pas être lu : permission refusée</translation>
    </message>
</context>
<context>
    <name>PictureSource</name>
    <message>
        <source>only pictures on this computer can be loaded</source>
        <translation>seules les images de cet ordinateur peuvent être chargées</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Motion</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>is in use by another program, so this game&apos;s score was not stored</source>
        <translation>est utilisé par un autre programme, le score de cette partie n&apos;a donc pas été enregistré</translation>
    </message>
    <message>
        <source>There is no high-score table &quot;%1&quot;.</source>
        <translation>Il n&apos;existe pas de table des records « %1 ».</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>has no table tblSlide with the columns id, fldname and fldscore</source>
        <translation>n&apos;a pas de table tblSlide avec les colonnes id, fldname et fldscore</translation>
    </message>
    <message>
        <source>has no table tblSwap with the columns id, fldname and fldscore</source>
        <translation>n&apos;a pas de table tblSwap avec les colonnes id, fldname et fldscore</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ne peut pas être modifié</translation>
    </message>
    <message>
        <source>cannot be created</source>
        <translation>ne peut pas être créé</translation>
    </message>
    <message>
        <source>already exists and is left as it is</source>
        <translation>existe déjà et reste tel quel</translation>
    </message>
    <message>
        <source>is in use by another program; try again in a moment</source>
        <translation>est utilisé par un autre programme ; réessayez dans un instant</translation>
    </message>
    <message>
        <source>The high-score file &quot;%1&quot; %2.</source>
        <translation>Le fichier des records « %1 » %2.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>is not a high-score database</source>
        <translation>n&apos;est pas une base de records</translation>
    </message>
    <message>
        <source>cannot be created (its folder cannot be made)</source>
        <translation>ne peut pas être créé (son dossier ne peut pas être créé)</translation>
    </message>
    <message>
        <source>cannot be written, and there is no folder of your own for a copy</source>
        <translation>ne peut pas être écrit, et il n&apos;y a pas de dossier à vous pour une copie</translation>
    </message>
    <message>
        <source>was replaced by another file while the game had it open</source>
        <translation>a été remplacé par un autre fichier pendant que le jeu l&apos;avait ouvert</translation>
    </message>
    <message>
        <source>is a link to a missing file</source>
        <translation>est un lien vers un fichier absent</translation>
    </message>
    <message>
        <source>cannot be copied for you: the name of your folder is not UTF-8</source>
        <translation>ne peut pas être copié pour vous : le nom de votre dossier n&apos;est pas en UTF-8</translation>
    </message>
</context>
<context>
    <name>SkinFile</name>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Impossible de charger l&apos;habillage %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>le fichier dépasse 1 Mio</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>le fichier n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n&apos;est pas du texte UTF-8</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
</context>
</TS>
