#include "platform/SkinFramework.h"

#include <QFile>
#include <QStringDecoder>
#include <QWidget>

#include "platform/Failure.h"

namespace {

// A style sheet is a few kilobytes; anything near this size is not a skin.
constexpr qint64 kMaxSkinBytes = 1024 * 1024;

[[noreturn]] void refuseSkin(const QString& path, const QString& reason) {
    throw Failure(QStringLiteral("Cannot load the skin %1: %2").arg(path, reason).toStdString());
}

}  // namespace

void SkinFramework::loadSkin(const QString& path, const QString& section) {
    // A style sheet has no sections; the whole file is the skin.
    Q_UNUSED(section);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuseSkin(path, file.errorString());
    }
    const QByteArray bytes = file.read(kMaxSkinBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        refuseSkin(path, file.errorString());
    }
    if (bytes.size() > kMaxSkinBytes) {
        refuseSkin(path, QStringLiteral("the file is larger than 1 MiB"));
    }
    if (bytes.contains('\0')) {
        refuseSkin(path, QStringLiteral("the file is not text"));
    }
    // Stateless, so a character cut off at the end of the file counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        refuseSkin(path, QStringLiteral("the file is not UTF-8 text"));
    }
    styleSheet_ = std::move(text);
}

void SkinFramework::applyWindow(QWidget* window) {
    if (window == nullptr) {
        throw Failure(failures::kObjectNotSet);
    }
    window->setStyleSheet(styleSheet_);
}
