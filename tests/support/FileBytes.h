#pragma once

// Byte-level writers for the picture and cursor files that tests and the fuzz seeds build by hand,
// where a real encoder would never write the header or the damage wanted.

#include <QByteArray>
#include <QtGlobal>

inline void appendU16LittleEndian(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>((value >> 8) & 0xff));
}

inline void appendU32LittleEndian(QByteArray& bytes, quint32 value) {
    appendU16LittleEndian(bytes, static_cast<int>(value & 0xffff));
    appendU16LittleEndian(bytes, static_cast<int>(value >> 16));
}

inline void appendU32BigEndian(QByteArray& bytes, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xff));
    }
}

// The CRC-32 that PNG chunks carry.
inline quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffU;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ 0xedb88320U : crc >> 1;
        }
    }
    return ~crc;
}

inline QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    QByteArray chunk;
    appendU32BigEndian(chunk, static_cast<quint32>(data.size()));
    chunk += type + data;
    appendU32BigEndian(chunk, crc32(type + data));
    return chunk;
}
