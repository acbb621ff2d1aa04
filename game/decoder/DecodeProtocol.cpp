#include "game/decoder/DecodeProtocol.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QtEndian>

namespace {

// Every message starts with one of these; a version change of the program changes them.
constexpr quint32 kRequestMark = 0x54564452;  // "TVDR"
enum class Part : quint32 {
    StatedSize = 0x54560001,
    Picture = 0x54560002,
    Refusal = 0x54560003,
    Digest = 0x54560004,
};

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

struct ReadFormat {
    const char* name;
    const char* mimeType;
};
constexpr ReadFormat kReadFormats[] = {
    {"bmp", "image/bmp"},
    {"dib", "image/bmp"},
    {"gif", "image/gif"},
    {"jpeg", "image/jpeg"},
    {"jpg", "image/jpeg"},
    {"png", "image/png"},
    {"pbm", "image/x-portable-bitmap"},
    {"pgm", "image/x-portable-graymap"},
    {"ppm", "image/x-portable-pixmap"},
    {"xbm", "image/x-xbitmap"},
    {"xpm", "image/x-xpixmap"},
    {"ico", "image/vnd.microsoft.icon"},
    {"cur", "image/vnd.microsoft.icon"},
    {"tif", "image/tiff"},
    {"tiff", "image/tiff"},
    {"webp", "image/webp"},
};

template <typename Write>
QByteArray encoded(Write&& write) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    write(stream);
    return bytes;
}

}  // namespace

QByteArray encodeRequest(const DecodeRequest& request) {
    return encoded([&](QDataStream& stream) {
        stream << kRequestMark << qint32(request.side) << request.name << request.path
               << request.expectedDigest << request.bytes;
    });
}

std::optional<DecodeRequest> decodeRequest(QIODevice& input) {
    // Read field by field, exactly as QDataStream wrote them: a pipe hands its bytes over in
    // pieces, which QDataStream would take for the end, and the picture's bytes are read
    // straight into their own array, never copied.
    bool whole = true;
    const auto exactly = [&](qint64 count) {
        QByteArray bytes;
        if (!whole || count < 0) {
            whole = false;
            return bytes;
        }
        bytes.resize(count);
        qint64 got = 0;
        while (got < count) {
            const qint64 read = input.read(bytes.data() + got, count - got);
            if (read <= 0 && !(read == 0 && input.waitForReadyRead(-1))) {
                whole = false;
                return QByteArray();
            }
            got += read;
        }
        return bytes;
    };
    const auto number = [&] {
        const QByteArray bytes = exactly(4);
        return whole ? qFromBigEndian<quint32>(bytes.constData()) : 0u;
    };
    // A null array or string is written as the count 0xffffffff and no bytes.
    const auto array = [&] {
        const quint32 count = number();
        return count == 0xffffffffu ? QByteArray() : exactly(count);
    };
    const auto text = [&] {
        const QByteArray utf16 = array();
        QString result(utf16.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < result.size(); ++i) {
            result[i] = QChar(qFromBigEndian<quint16>(utf16.constData() + 2 * i));
        }
        return result;
    };
    if (number() != kRequestMark) {
        return std::nullopt;
    }
    DecodeRequest request;
    request.side = static_cast<qint32>(number());
    request.name = text();
    request.path = text();
    request.expectedDigest = array();
    request.bytes = array();
    if (!whole) {
        return std::nullopt;
    }
    return request;
}

QByteArray encodeStatedSize(int width, int height) {
    return encoded([&](QDataStream& stream) {
        stream << quint32(Part::StatedSize) << qint32(width) << qint32(height);
    });
}

QByteArray encodePicture(bool hasAlpha, int side, const QByteArray& pixels) {
    return encoded([&](QDataStream& stream) {
        stream << quint32(Part::Picture) << hasAlpha << qint32(side) << pixels;
    });
}

QByteArray encodeDigest(const QByteArray& digest) {
    return encoded([&](QDataStream& stream) { stream << quint32(Part::Digest) << digest; });
}

QByteArray contentDigest(QIODevice& content) {
    QCryptographicHash digest(QCryptographicHash::Blake2b_256);
    return digest.addData(&content) ? digest.result() : QByteArray();
}

QByteArray encodeRefusal(DecodeRefusal refusal, qint32 code, const QString& text) {
    return encoded([&](QDataStream& stream) {
        stream << quint32(Part::Refusal) << qint32(refusal) << code << text;
    });
}

DecodeReply readReply(const QByteArray& output) {
    DecodeReply reply;
    QDataStream stream(output);
    stream.setVersion(kStreamVersion);
    while (!stream.atEnd() && !reply.finished) {
        quint32 part = 0;
        stream >> part;
        if (part == quint32(Part::StatedSize)) {
            qint32 width = 0;
            qint32 height = 0;
            stream >> width >> height;
            if (stream.status() == QDataStream::Ok) {
                reply.statedWidth = width;
                reply.statedHeight = height;
            }
        } else if (part == quint32(Part::Digest)) {
            stream >> reply.digest;
        } else if (part == quint32(Part::Picture)) {
            bool hasAlpha = false;
            qint32 side = 0;
            QByteArray pixels;
            stream >> hasAlpha >> side >> pixels;
            if (stream.status() == QDataStream::Ok && side > 0 &&
                pixels.size() == qsizetype{side} * side * 4) {
                reply.finished = true;
                reply.hasAlpha = hasAlpha;
                reply.side = side;
                reply.pixels = std::move(pixels);
            }
        } else if (part == quint32(Part::Refusal)) {
            qint32 refusal = 0;
            stream >> refusal >> reply.code >> reply.text;
            if (stream.status() == QDataStream::Ok && refusal >= qint32(DecodeRefusal::Damaged) &&
                refusal <= qint32(DecodeRefusal::Changed)) {
                reply.finished = true;
                reply.refusal = static_cast<DecodeRefusal>(refusal);
            }
        }
        if (stream.status() != QDataStream::Ok) {
            break;
        }
        if (!reply.finished && part != quint32(Part::StatedSize) && part != quint32(Part::Digest)) {
            break;  // an unknown or malformed part: nothing after it can be trusted
        }
    }
    return reply;
}

bool isReadFormat(const QByteArray& format) {
    for (const ReadFormat& known : kReadFormats) {
        if (format == known.name) {
            return true;
        }
    }
    return false;
}

QStringList readMimeTypes() {
    QStringList types;
    for (const ReadFormat& known : kReadFormats) {
        const QString type = QString::fromLatin1(known.mimeType);
        if (!types.contains(type)) {
            types.append(type);
        }
    }
    return types;
}
