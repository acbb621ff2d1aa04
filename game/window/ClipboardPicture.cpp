#include "game/window/ClipboardPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QMimeData>
#include <QUrl>

#include "game/pictures/PictureLoader.h"

namespace {

const QString kQtImage = QStringLiteral("application/x-qt-image");
const QString kFileList = QStringLiteral("text/uri-list");
const QString kCopiedFiles = QStringLiteral("x-special/gnome-copied-files");
// Text, under its MIME names and its older X names.
const QStringList kTextFormats = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "STRING",
                                  "TEXT"};

QString clipboardName() {
    return QCoreApplication::translate("ClipboardPicture", "from the clipboard");
}

[[noreturn]] void refuse(const char* reason) {
    refusePicture(clipboardName(), QCoreApplication::translate("ClipboardPicture", reason));
}

bool isPictureData(const QString& format) {
    return format.startsWith(QLatin1String("image/")) || format == kQtImage;
}

// The first local file of a list of addresses, one a line.
std::optional<PictureSource> copiedFile(const QByteArray& addresses) {
    QMimeData list;
    list.setData(kFileList, addresses);
    if (const auto path = localFileIn(&list)) {
        return PictureSource::file(*path);
    }
    refuse(
        QT_TRANSLATE_NOOP("ClipboardPicture", "what was copied is not a picture on this computer"));
}

// A file manager's copied files: "copy" or "cut", then one address a line.
std::optional<PictureSource> managerCopiedFile(const QByteArray& bytes) {
    const qsizetype firstLineEnd = bytes.indexOf('\n');
    return copiedFile(firstLineEnd < 0 ? QByteArray() : bytes.mid(firstLineEnd + 1));
}

// A file name copied as text (from a terminal, a file manager's "copy path"): one absolute path,
// "~/" path or file address on its first line, perhaps in quotes. Any other text is no picture.
std::optional<PictureSource> namedFile(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes).trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (text.size() > 1 && (text.front() == '\'' || text.front() == '"') &&
        text.back() == text.front()) {
        text = text.mid(1, text.size() - 2);
    }
    if (text.startsWith(QLatin1String("file:"))) {
        return copiedFile(text.toUtf8());
    }
    if (text.startsWith(QLatin1String("~/"))) {
        text = QDir::homePath() + text.mid(1);
    }
    // An absolute path as the system writes it: "/…" here, "C:\…" or "C:/…" on Windows.
    if (QDir::isAbsolutePath(text)) {
        return PictureSource::file(text);
    }
    refuse(QT_TRANSLATE_NOOP("ClipboardPicture", "what was copied is text, not a picture"));
}

std::optional<PictureSource> deliveredPicture(const ClipboardContent& content) {
    if (isPictureData(content.format)) {
        if (!content.bytes.isEmpty()) {
            return PictureSource::data(content.bytes, clipboardName());
        }
        if (!content.image.isNull()) {
            return PictureSource::image(content.image, clipboardName());
        }
        refuse(QT_TRANSLATE_NOOP("ClipboardPicture",
                                 "the program holding the clipboard did not deliver its picture"));
    }
    if (content.format == kFileList) {
        return copiedFile(content.bytes);
    }
    if (content.format == kCopiedFiles) {
        return managerCopiedFile(content.bytes);
    }
    return namedFile(content.bytes);
}

}  // namespace

QString clipboardPictureFormat(const QStringList& formats) {
    QStringList pictures;
    for (const QString& format : formats) {
        if (format.startsWith(QLatin1String("image/"))) {
            pictures << format;
        }
    }
    pictures.sort();
    const QStringList read = puzzlePictureMimeTypes();
    QStringList best = {QStringLiteral("image/png")};
    for (const QString& format : pictures) {
        if (read.contains(format)) {
            best << format;
        }
    }
    best << kQtImage << pictures << kFileList << kCopiedFiles << kTextFormats;
    for (const QString& format : best) {
        if (formats.contains(format)) {
            return format;
        }
    }
    return {};
}

std::optional<PictureSource> clipboardPicture(const ClipboardContent& content) {
    using Outcome = ClipboardContent::Outcome;
    switch (content.outcome) {
        case Outcome::Empty:
            return std::nullopt;
        case Outcome::Delivered:
            return deliveredPicture(content);
        case Outcome::NoneChosen:
            refuse(QT_TRANSLATE_NOOP("ClipboardPicture", "what was copied is not a picture"));
        case Outcome::NoAnswer:
            refuse(QT_TRANSLATE_NOOP("ClipboardPicture",
                                     "the program holding the clipboard did not answer"));
        case Outcome::NotDelivered:
            refuse(
                QT_TRANSLATE_NOOP("ClipboardPicture",
                                  "the program holding the clipboard did not deliver its picture"));
        case Outcome::TooLarge:
            refusePicture(clipboardName(),
                          QCoreApplication::translate(
                              "ClipboardPicture",
                              "the picture is too large (more than %1 MiB on the clipboard)")
                              .arg(kMaxHeldPictureBytes >> 20));
    }
    return std::nullopt;
}
