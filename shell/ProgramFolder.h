#pragma once

#include <QString>

// The folder that holds the running program; its data files are found there by fixed names.
QString programFolder();
// Lets tests point the program at a temporary folder; an empty path restores the real one.
void setProgramFolderOverride(const QString& folder);

// The program folder followed directly by `relativeName` (which starts with '/').
QString programFolderPath(const QString& relativeName);

// True when the file's last-change time can be read. Never fails, never shows anything.
bool fileExists(const QString& path);

inline constexpr const char* kHandCursorName = "/HAND-M.CUR";
inline constexpr const char* kSkinFileName = "/x/o.cjs";
inline constexpr const char* kScoreFileName = "/hiscore.mdb";
// The game's catalogues, one tavlora_<language>.qm per language.
inline constexpr const char* kCatalogueFolderName = "/translations";
