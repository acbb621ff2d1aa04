#pragma once

#include <QCursor>
#include <QString>

// Loads a Windows cursor file (.cur) with its hotspot, which Qt's reader drops. A file that is not
// a readable cursor is a Failure naming the file.
QCursor loadCursorFile(const QString& path);
