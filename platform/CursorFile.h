#pragma once

#include <QCursor>
#include <QString>

// Loads a Windows cursor file (.cur) with its hotspot, which Qt's reader drops. A file that is not
// a readable cursor is a Failure naming the file. A file holding the cursor at several sizes shows
// it at its first image's size, drawn from the image that suits a screen of `pixelRatio` device
// pixels a pixel (the smallest at least that much larger, else the largest).
QCursor loadCursorFile(const QString& path, qreal pixelRatio = 1.0);
