#pragma once

#include <QColor>
#include <QDir>
#include <QString>
#include <string>

// Files that tests make for themselves.
namespace testfiles {

// A distinct colour for each of the 16 picture cells.
QColor cellColor(int cell);

// A picture of width x height whose 4 x 4 cells each hold cellColor(k).
void writeCellPicture(const QString& path, int width, int height, const char* format = "PNG");

// A 32 x 32 Windows cursor file with the given hotspot.
void writeCursorFile(const QString& path, int hotX, int hotY);

void writeBytes(const QString& path, const QByteArray& bytes);

// A path as reports name it: as the system writes paths, with backslashes on Windows.
inline std::string nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// Whether the Windows build's tests run under Wine, which names itself in ntdll.
bool runsUnderWine();

}  // namespace testfiles
