#include "tests/support/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace testfiles {

QColor cellColor(int cell) {
    return QColor(QColor::fromHsv((cell * 22) % 360, 200, 120 + (cell % 4) * 40).rgb());
}

void writeCellPicture(const QString& path, int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int k = 0; k < 16; ++k) {
        const int x0 = (k % 4) * width / 4;
        const int y0 = (k / 4) * height / 4;
        const int x1 = (k % 4 + 1) * width / 4;
        const int y1 = (k / 4 + 1) * height / 4;
        painter.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), cellColor(k));
    }
    painter.end();
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        throw std::runtime_error("cannot write test picture: " +
                                 writer.errorString().toStdString());
    }
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void writeCursorFile(const QString& path, int hotX, int hotY) {
    // An icon file and a cursor file differ only in the type field and the hotspot fields.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(8, 2, 8, 28), Qt::black);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "ICO")) {
        throw std::runtime_error("cannot encode test cursor");
    }
    bytes[2] = 2;
    bytes[10] = static_cast<char>(hotX);
    bytes[11] = 0;
    bytes[12] = static_cast<char>(hotY);
    bytes[13] = 0;
    writeBytes(path, bytes);
}

bool runsUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace testfiles
