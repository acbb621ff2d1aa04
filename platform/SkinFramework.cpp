#include "platform/SkinFramework.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QStringDecoder>
#include <QWidget>
#include <algorithm>

#include "platform/Failure.h"

namespace {

// A style sheet is a few kilobytes; anything near this size is not a skin.
constexpr qint64 kMaxSkinBytes = 1024 * 1024;

[[noreturn]] void refuseSkin(const QString& path, const QString& reason) {
    throw Failure(QCoreApplication::translate("SkinFile", "Cannot load the skin %1: %2")
                      .arg(QDir::toNativeSeparators(path), reason)
                      .toStdString());
}

// Keeps a fixed-size window at its size, and every control in it within that size, whatever size a
// style sheet gives them (min-width: 99999px, for the window itself or its controls). Qt's styles
// paint a control's whole face into one image and the window is painted whole into its backing
// store, so either would take up to gigabytes, and in a window of fixed size none of it beyond the
// window would show. Controls made later, and sizes a style sheet sets again on a change of
// state, are held the same way.
class ControlSizeLimit : public QObject {
public:
    explicit ControlSizeLimit(QWidget* window) : QObject(window), limit_(window->maximumSize()) {
        setObjectName(kName);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            watch(control);
        }
        window->installEventFilter(this);
        holdWithinLimit(window);
    }

    static constexpr const char* kName = "tavlora-control-size-limit";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) {
            if (auto* control = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) {
                watch(control);
            }
        } else if (event->type() == QEvent::Resize) {
            holdWithinLimit(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    void watch(QWidget* control) {
        control->installEventFilter(this);
        holdWithinLimit(control);
    }

    void holdWithinLimit(QWidget* control) const {
        if (control->width() <= limit_.width() && control->height() <= limit_.height()) {
            return;
        }
        control->setMinimumSize(control->minimumSize().boundedTo(limit_));
        control->resize(control->size().boundedTo(limit_));
    }

    QSize limit_;
};

}  // namespace

void SkinFramework::loadSkin(const QString& path, const QString& section) {
    // A style sheet has no sections; the whole file is the skin.
    Q_UNUSED(section);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuseSkin(path, file.errorString());
    }
    // No more than the file holds, as for the cursor: see readCursorBytes.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), kMaxSkinBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        refuseSkin(path, file.errorString());
    }
    if (bytes.size() > kMaxSkinBytes) {
        refuseSkin(path, QCoreApplication::translate("SkinFile", "the file is larger than 1 MiB"));
    }
    if (bytes.contains('\0')) {
        refuseSkin(path, QCoreApplication::translate("SkinFile", "the file is not text"));
    }
    // Stateless, so a character cut off at the end of the file counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        refuseSkin(path, QCoreApplication::translate("SkinFile", "the file is not UTF-8 text"));
    }
    styleSheet_ = std::move(text);
}

void SkinFramework::applyWindow(QWidget* window) {
    if (window == nullptr) {
        throw Failure(failures::kObjectNotSet);
    }
    window->setStyleSheet(styleSheet_);
    const bool fixedSize = window->minimumSize() == window->maximumSize();
    if (fixedSize && window->findChild<QObject*>(ControlSizeLimit::kName,
                                                 Qt::FindDirectChildrenOnly) == nullptr) {
        new ControlSizeLimit(window);
    }
}
