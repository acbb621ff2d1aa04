#pragma once

#include <QString>

// The URI SQLite opens `path` by (with QSQLITE_OPEN_URI), before its query: the path
// percent-encoded, so that '#' or '?' in a folder's name cannot cut it short. A network path
// (\\server\share\..., which Qt writes //server/share/...) keeps its two leading slashes inside
// the path, "file:////server/share/...": QUrl would make the server the URI's authority, which
// SQLite refuses. A Windows drive path becomes "file:///C:/...", which SQLite takes as C:/...
QString sqliteFileUri(const QString& path);
