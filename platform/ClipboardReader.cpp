#include "platform/ClipboardReader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <mutex>
#include <utility>

#ifdef TAVLORA_X11_CLIPBOARD
#include "platform/WaylandClipboard.h"
#include "platform/X11Clipboard.h"
#endif
#ifdef _WIN32
#include "platform/WindowsClipboard.h"
#endif

ClipboardContent readPlatformClipboard(const ClipboardChoice& choose, qint64 maxBytes) {
    using Outcome = ClipboardContent::Outcome;
    ClipboardContent content;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || (content.formats = mime->formats()).isEmpty()) {
        return content;
    }
    content.format = choose(content.formats);
    if (content.format.isEmpty()) {
        content.outcome = Outcome::NoneChosen;
        return content;
    }
    content.bytes = mime->data(content.format);
    // A picture this program put on the clipboard itself is held decoded, not as bytes.
    if (content.bytes.isEmpty() && content.format == QLatin1String("application/x-qt-image")) {
        content.image = qvariant_cast<QImage>(mime->imageData());
    }
    content.outcome = content.bytes.size() > maxBytes ? Outcome::TooLarge : Outcome::Delivered;
    if (content.outcome == Outcome::TooLarge) {
        content.bytes.clear();
    }
    return content;
}

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool onWindows() {
    return QGuiApplication::platformName() == QLatin1String("windows");
}

// Under X and Wayland the clipboard is read on a connection of our own, on Windows from the
// system's clipboard on a thread of our own; elsewhere the platform's own clipboard answers at
// once.
bool readsOnItsOwnConnection() {
#if defined(TAVLORA_X11_CLIPBOARD)
    return QGuiApplication::platformName() == QLatin1String("xcb") || onWayland();
#elif defined(_WIN32)
    return onWindows();
#else
    return false;
#endif
}

}  // namespace

struct ClipboardReader::Lifeline {
    std::mutex mutex;
    ClipboardReader* reader = nullptr;
};

ClipboardReader::ClipboardReader(QObject* parent)
    : QObject(parent), lifeline_(std::make_shared<Lifeline>()) {
    lifeline_->reader = this;
}

ClipboardReader::~ClipboardReader() {
    {
        const std::lock_guard lock(lifeline_->mutex);
        lifeline_->reader = nullptr;
    }
    if (worker_.joinable()) {
        *cancelled_ = true;
        worker_.join();
    }
}

void ClipboardReader::read(ClipboardChoice choose, std::chrono::milliseconds wait, qint64 maxBytes,
                           Done done) {
    if (busy_) {
        return;
    }
    busy_ = true;
    done_ = std::move(done);
    // What this program copied itself is at hand; asked for through the compositor (or, on
    // Windows, the system), it would wait for the window's own thread.
    if (!readsOnItsOwnConnection() ||
        ((onWayland() || onWindows()) && QGuiApplication::clipboard()->ownsClipboard())) {
        const ClipboardContent content = readPlatformClipboard(choose, maxBytes);
        QMetaObject::invokeMethod(
            this, [this, content] { finish(content); }, Qt::QueuedConnection);
        return;
    }
#ifdef TAVLORA_X11_CLIPBOARD
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    worker_ = std::thread([this, choose = std::move(choose), deadline, maxBytes,
                           wayland = onWayland(), display = qgetenv("DISPLAY"),
                           cancelled = cancelled_] {
        ClipboardContent content =
            wayland ? readWaylandClipboard(choose, deadline, maxBytes, *cancelled)
                    : readX11Clipboard(display, choose, deadline, maxBytes, *cancelled);
        QMetaObject::invokeMethod(
            this, [this, content = std::move(content)] { finish(content); }, Qt::QueuedConnection);
    });
#else
    readOnItsOwnThread(std::move(choose), wait, maxBytes);
#endif
}

void ClipboardReader::readOnItsOwnThread(ClipboardChoice choose, std::chrono::milliseconds wait,
                                         qint64 maxBytes) {
#ifdef _WIN32
    using Outcome = ClipboardContent::Outcome;
    const unsigned reading = ++reading_;
    auto asking = std::make_shared<std::atomic<bool>>(false);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::thread([lifeline = lifeline_, reading, asking, choose = std::move(choose), deadline,
                 maxBytes] {
        ClipboardContent content = readWindowsClipboard(choose, deadline, maxBytes, *asking);
        const std::lock_guard lock(lifeline->mutex);
        if (ClipboardReader* reader = lifeline->reader) {
            QMetaObject::invokeMethod(
                reader,
                [reader, reading, content = std::move(content)] {
                    reader->arrived(reading, content);
                },
                Qt::QueuedConnection);
        }
    }).detach();
    QTimer::singleShot(wait, Qt::PreciseTimer, this, [this, reading, asking] {
        ClipboardContent late;
        late.outcome = *asking ? Outcome::NotDelivered : Outcome::NoAnswer;
        arrived(reading, late);
    });
#else
    (void)choose;
    (void)wait;
    (void)maxBytes;
#endif
}

void ClipboardReader::arrived(unsigned reading, const ClipboardContent& content) {
    if (busy_ && reading == reading_) {
        finish(content);
    }
}

void ClipboardReader::finish(const ClipboardContent& content) {
    if (worker_.joinable()) {
        worker_.join();  // it has nothing left to do but end
    }
    busy_ = false;
    Done done = std::move(done_);
    done_ = nullptr;
    if (done) {
        done(content);
    }
}
