#include "game/window/WindowWatch.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "game/pictures/PictureSource.h"
#include "platform/HoverPushButton.h"

PictureDropTarget::PictureDropTarget(QWidget* window, std::function<bool()> welcome,
                                     std::function<void(const QString&)> dropped)
    : QObject(window), welcome_(std::move(welcome)), dropped_(std::move(dropped)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    const auto path = localFileIn(drag->mimeData());
    if (!path || !welcome_() || QFileInfo(*path).isDir()) {
        drag->ignore();
        return true;
    }
    drag->acceptProposedAction();
    if (type == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, file = *path] { dropped_(file); });
    }
    return true;
}

PixelRatioWatch::PixelRatioWatch(QWidget* window, std::function<void(qreal)> changed)
    : QObject(window),
      window_(window),
      changed_(std::move(changed)),
      seen_(window->devicePixelRatioF()) {
    window->installEventFilter(this);
}

bool PixelRatioWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Paint) {
        const qreal ratio = window_->devicePixelRatioF();
        if (ratio != seen_) {
            seen_ = ratio;
            QTimer::singleShot(0, this, [this, ratio] { changed_(ratio); });
        }
    }
    return false;
}

PointerWatch::PointerWatch(QWidget* window, std::initializer_list<QWidget*> frames,
                           std::initializer_list<HoverPushButton*> buttons,
                           std::function<std::optional<QCursor>()> hand)
    : QObject(window), window_(window) {
    window->installEventFilter(this);
    for (QWidget* frame : frames) {
        frame->installEventFilter(this);
    }
    for (HoverPushButton* button : buttons) {
        connect(button, &HoverPushButton::mouseMoved, this, [this, hand] {
            const std::optional<QCursor> cursor = hand();
            window_->setCursor(cursor ? *cursor : QCursor(Qt::ArrowCursor));
        });
    }
}

bool PointerWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        window_->setCursor(Qt::ArrowCursor);
    }
    return false;
}

namespace {

constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

OneSizeWatch::OneSizeWatch(QWidget* window, QSize size)
    : QObject(window), window_(window), size_(size) {
    window->installEventFilter(this);
}

bool OneSizeWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            // The window's own signal comes as soon as a state is asked for, before the window
            // system answers; the window has it once it is shown.
            if (!heard_ && window_->windowHandle() != nullptr) {
                heard_ = true;
                connect(window_->windowHandle(), &QWindow::windowStateChanged, this,
                        &OneSizeWatch::freeForMaximize);
            }
            break;
        case QEvent::WindowStateChange:
            giveBackGrownState();
            break;
        case QEvent::Resize:
            fixWhenOwn();
            break;
        default:
            break;
    }
    return false;
}

void OneSizeWatch::freeForMaximize(Qt::WindowState state) {
    if (state == Qt::WindowMaximized && window_->maximumSize() == window_->minimumSize()) {
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void OneSizeWatch::giveBackGrownState() {
    if (window_->windowState() & kGrown) {
        QMetaObject::invokeMethod(
            window_, [this] { window_->setWindowState(window_->windowState() & ~kGrown); },
            Qt::QueuedConnection);
    } else {
        fixWhenOwn();
    }
}

void OneSizeWatch::fixWhenOwn() {
    if (window_->windowState() & kGrown) {
        return;
    }
    if (window_->size() == size_) {
        if (window_->maximumSize() != size_) {
            window_->setFixedSize(size_);
        }
    } else if (window_->maximumSize() == size_) {
        // Back from full screen a compositor may hand the window a size of its own (Mutter 48
        // gives the size without Qt's title bar, which shrinks the window by it); a floating
        // window may answer with its own size, which it takes back.
        QMetaObject::invokeMethod(
            window_,
            [this] {
                if (!(window_->windowState() & kGrown) && window_->size() != size_ &&
                    window_->maximumSize() == size_) {
                    window_->resize(size_);
                }
            },
            Qt::QueuedConnection);
    }
}
