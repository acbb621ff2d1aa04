#include "platform/WindowsClipboard.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <QUrl>
#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Outcome = ClipboardContent::Outcome;

// The most formats looked at, and files taken from a list; longer lists are no honest offer.
constexpr int kMaxFormats = 256;
constexpr UINT kMaxFiles = 4096;
// How often a clipboard another program has open is tried again.
constexpr auto kOpenRetry = std::chrono::milliseconds(20);
// A bitmap file's header, put before the bitmap the clipboard holds.
constexpr qsizetype kBitmapFileHeader = 14;

struct Offered {
    QString name;
    UINT format = 0;
};

QString registeredName(UINT format) {
    wchar_t name[256];
    const int length = GetClipboardFormatNameW(format, name, 256);
    return length > 0 ? QString::fromWCharArray(name, length) : QString();
}

// The name a Windows format goes by in this program, as Qt names the same data elsewhere; empty
// for what nothing here reads. A bitmap is handed on as a bitmap file, text as UTF-8, a list of
// files as their addresses. Other registered formats keep their names, which some programs
// already give as MIME names ("image/png").
QString nameOf(UINT format) {
    switch (format) {
        case CF_DIB:
            return QStringLiteral("image/bmp");
        case CF_UNICODETEXT:
            return QStringLiteral("text/plain");
        case CF_HDROP:
            return QStringLiteral("text/uri-list");
        default:
            break;
    }
    const QString name = registeredName(format);
    if (name == QLatin1String("PNG")) {
        return QStringLiteral("image/png");
    }
    if (name == QLatin1String("JFIF")) {
        return QStringLiteral("image/jpeg");
    }
    if (name == QLatin1String("GIF")) {
        return QStringLiteral("image/gif");
    }
    return name;
}

// Another program may have the clipboard open for a moment (to copy, or to read it itself).
bool openClipboard(Clock::time_point deadline) {
    while (!OpenClipboard(nullptr)) {
        if (Clock::now() + kOpenRetry > deadline) {
            return false;
        }
        std::this_thread::sleep_for(kOpenRetry);
    }
    return true;
}

struct ClipboardCloser {
    ~ClipboardCloser() { CloseClipboard(); }
};

std::vector<Offered> offeredFormats() {
    std::vector<Offered> offered;
    UINT format = 0;
    for (int i = 0; i < kMaxFormats && (format = EnumClipboardFormats(format)) != 0; ++i) {
        const QString name = nameOf(format);
        bool known = name.isEmpty();
        for (const Offered& o : offered) {
            known = known || o.name == name;
        }
        if (!known) {
            offered.push_back({name, format});
        }
    }
    return offered;
}

ClipboardContent withOutcome(ClipboardContent content, Outcome outcome) {
    content.outcome = outcome;
    return content;
}

// Where a device-independent bitmap's pixels start: after its header, the colour masks of a
// plain header that has them, and its colour table.
qsizetype pixelsOffset(const QByteArray& dib) {
    BITMAPINFOHEADER header{};
    if (dib.size() < static_cast<qsizetype>(sizeof header)) {
        return -1;
    }
    std::memcpy(&header, dib.constData(), sizeof header);
    qsizetype offset = header.biSize;
    if (header.biSize == sizeof header && header.biCompression == BI_BITFIELDS) {
        offset += 3 * 4;
    }
    qsizetype colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) {
        colours = qsizetype{1} << header.biBitCount;
    }
    return offset + colours * 4;
}

// The bitmap as a bitmap file, as a picture's decoder reads it.
bool asBitmapFile(QByteArray& bytes) {
    const qsizetype pixels = pixelsOffset(bytes);
    if (pixels < 0 || pixels > bytes.size()) {
        return false;
    }
    QByteArray header(kBitmapFileHeader, '\0');
    const auto put32 = [&](int at, quint32 value) { std::memcpy(header.data() + at, &value, 4); };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, static_cast<quint32>(bytes.size() + kBitmapFileHeader));
    put32(10, static_cast<quint32>(pixels + kBitmapFileHeader));
    bytes.prepend(header);
    return true;
}

// The files of a copied list, as addresses one a line.
QByteArray fileAddresses(HDROP drop, qint64 maxBytes) {
    QByteArray list;
    const UINT count = std::min(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), kMaxFiles);
    for (UINT i = 0; i < count && list.size() <= maxBytes; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (DragQueryFileW(drop, i, path.data(), length + 1) == length) {
            list += QUrl::fromLocalFile(QString::fromWCharArray(path.data(), length)).toEncoded() +
                    "\r\n";
        }
    }
    return list;
}

// The chosen format's data, copied only once its size is known to be within `maxBytes`.
ClipboardContent takeData(ClipboardContent content, HANDLE data, UINT format, qint64 maxBytes) {
    const qint64 size = static_cast<qint64>(GlobalSize(data));
    const qint64 extra = format == CF_DIB ? kBitmapFileHeader : 0;
    if (size + extra > maxBytes) {
        return withOutcome(std::move(content), Outcome::TooLarge);
    }
    if (format == CF_HDROP) {
        content.bytes = fileAddresses(static_cast<HDROP>(data), maxBytes);
        return withOutcome(std::move(content), content.bytes.size() > maxBytes
                                                   ? Outcome::TooLarge
                                                   : Outcome::Delivered);
    }
    const void* locked = GlobalLock(data);
    if (locked == nullptr) {
        return withOutcome(std::move(content), Outcome::NotDelivered);
    }
    if (format == CF_UNICODETEXT) {
        const auto* text = static_cast<const wchar_t*>(locked);
        const qsizetype units = static_cast<qsizetype>(size) / 2;
        content.bytes =
            QString::fromWCharArray(text, std::find(text, text + units, L'\0') - text).toUtf8();
    } else {
        content.bytes = QByteArray(static_cast<const char*>(locked), static_cast<qsizetype>(size));
    }
    GlobalUnlock(data);
    if (format == CF_DIB && !asBitmapFile(content.bytes)) {
        content.bytes.clear();
        return withOutcome(std::move(content), Outcome::NotDelivered);
    }
    return withOutcome(std::move(content), Outcome::Delivered);
}

}  // namespace

ClipboardContent readWindowsClipboard(const ClipboardChoice& choose, Clock::time_point deadline,
                                      qint64 maxBytes, std::atomic<bool>& asking) {
    ClipboardContent content;
    if (!openClipboard(deadline)) {
        return withOutcome(std::move(content), Outcome::NoAnswer);
    }
    const ClipboardCloser closer;
    const std::vector<Offered> offered = offeredFormats();
    for (const Offered& o : offered) {
        content.formats << o.name;
    }
    if (offered.empty()) {
        return content;  // Empty
    }
    content.format = choose(content.formats);
    UINT format = 0;
    for (const Offered& o : offered) {
        format = o.name == content.format ? o.format : format;
    }
    if (format == 0) {
        return withOutcome(std::move(content), Outcome::NoneChosen);
    }
    // The system copies the owner's data into this process here, rendered first by an owner that
    // renders only when asked: the one step that waits for another program.
    asking = true;
    const HANDLE data = GetClipboardData(format);
    if (data == nullptr) {
        return withOutcome(std::move(content), Outcome::NotDelivered);
    }
    return takeData(std::move(content), data, format, maxBytes);
}

#endif
