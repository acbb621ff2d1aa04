#pragma once

#include <QString>

// Which high-score file a player's game opens, for the entry and the list alike.
//
// While the player can write in the program folder, the file beside the program is the one. When
// they cannot (a system-wide install), each player keeps a copy of their own in `ownFolder`, made
// from the file beside the program the first time it is needed and never replaced afterwards: the
// same answer the system gives a program installed where its users cannot write.
QString scoreFileInUse(const QString& programFolderFile, const QString& ownFolder);
// As above, with the player's data folder (~/.local/share/Tavlora on Linux).
QString scoreFileInUse(const QString& programFolderFile);
QString playerScoreFolder();

// The player's copy in `ownFolder`, made first when there is none. The program folder's file is
// checked before it is copied (a damaged one is refused), only read, and the copy appears under its
// name at once and whole, so two games starting together never see half a file. Failures name the
// file and what went wrong; nothing is left behind then.
QString playerScoreFile(const QString& programFolderFile, const QString& ownFolder);
