#pragma once

// Small readers for the fixed-layout headers of picture and cursor files, which the loaders inspect
// before handing a file to a decoder.

#include <QByteArray>
#include <QIODevice>
#include <QtGlobal>

// Up to `count` bytes from `offset` of a random-access device; fewer where the device ends first.
inline QByteArray headerBytesAt(QIODevice& device, qint64 offset, qint64 count) {
    if (offset < 0 || !device.seek(offset)) {
        return {};
    }
    return device.read(count);
}

// Unsigned integers inside `bytes`; the caller checks that `at` leaves room for them.
inline quint32 byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint8>(bytes[at]);
}

inline quint32 u16LittleEndianAt(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

inline quint32 u32LittleEndianAt(const QByteArray& bytes, qsizetype at) {
    return u16LittleEndianAt(bytes, at) | u16LittleEndianAt(bytes, at + 2) << 16;
}

inline quint32 u32BigEndianAt(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) << 24 | byteAt(bytes, at + 1) << 16 | byteAt(bytes, at + 2) << 8 |
           byteAt(bytes, at + 3);
}
