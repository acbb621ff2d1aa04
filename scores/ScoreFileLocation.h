#pragma once

#include <QString>

// Which high-score file a player's game opens, for the entry and the list alike.
//
// While the player can write in the program folder, the file beside the program is the one. When
// they cannot, or the folder belongs to the system (below), each player keeps a copy of their own
// in `ownFolder`, made from the file beside the program the first time it is needed and never
// replaced afterwards: the same answer the system gives a program installed where its users cannot
// write.
//
// On Unix a program folder belongs to the system when the install rules put their mark in it
// (kInstalledMarkName) and it is owned by root: a package or a `sudo cmake --install`. The game
// then never writes there, root included, so the package's files stay as installed and every new
// player starts from the shipped file. The build folder and an install into a folder of the
// player's own keep the file beside the program.
QString scoreFileInUse(const QString& programFolderFile, const QString& ownFolder);
// As above, with the player's data folder (playerScoreFolder); a player without one is told so.
QString scoreFileInUse(const QString& programFolderFile);

// The player's data folder for the game: on Unix $XDG_DATA_HOME/Tavlora when that is an absolute
// path (a relative one is ignored, as the XDG rules ask), else $HOME/.local/share/Tavlora; on
// Windows the system's own place for application data. Empty when there is no home folder. Fails,
// naming `programFolderFile`, when the folder's name is not UTF-8: the game could not name it
// byte for byte and would write somewhere else.
QString playerScoreFolder(const QString& programFolderFile);

// Put in the program folder by the install rules on Unix; the build folder has none.
inline constexpr const char* kInstalledMarkName = "/installed";

// The player's copy in `ownFolder`, made first when there is none. The program folder's file is
// checked before it is copied (a damaged one is refused), only read, and the copy appears under its
// name at once and whole, so two games starting together never see half a file. Without a file in
// the program folder the copy starts empty. Failures name the file and what went wrong; nothing is
// left behind then, and scratch files that a game killed while copying left are cleared away.
QString playerScoreFile(const QString& programFolderFile, const QString& ownFolder);
