#include "platform/HeldKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace {

// The same physical key, even when the modifiers change what it types between press and release.
int keyOf(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? static_cast<int>(event.nativeScanCode()) | 0x40000000
                                       : event.key();
}

bool isModifier(int key) {
    return (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock) || key == Qt::Key_AltGr;
}

}  // namespace

void HeldKeyGuard::install() {
    static QPointer<HeldKeyGuard> installed;
    if (installed.isNull() && qApp != nullptr) {
        installed = new HeldKeyGuard(qApp);
        qApp->installEventFilter(installed);
    }
}

std::vector<HeldKeyGuard::HeldKey>::iterator HeldKeyGuard::find(int key) {
    return std::find_if(held_.begin(), held_.end(),
                        [key](const HeldKey& h) { return h.key == key; });
}

bool HeldKeyGuard::isStale(const QKeyEvent& event) {
    const int key = keyOf(event);
    QWidget* box = QApplication::activeModalWidget();
    auto held = find(key);
    const bool release = event.type() == QEvent::KeyRelease;
    if (!release && !event.isAutoRepeat()) {
        if (held != held_.end() && held->released && held->releasedAt == event.timestamp()) {
            return true;  // a repeat in disguise, for the shortcut check and the press alike
        }
        // A fresh press: this key now belongs to whatever has the keys.
        if (held == held_.end()) {
            held_.push_back({key, box, box});
        } else {
            *held = {key, box, box};
        }
        return false;
    }
    if (held == held_.end()) {
        return false;
    }
    const bool sameBox = held->box == box && (box == nullptr || !held->boxAlive.isNull());
    if (release && !event.isAutoRepeat()) {
        if (sameBox) {
            held_.erase(held);
        } else {
            held->released = true;
            held->releasedAt = event.timestamp();
        }
    }
    return !sameBox;
}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType()) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isModifier(key.key()) || !isStale(key)) {
        return false;
    }
    // Claiming the override keeps a shortcut from firing; the press that follows is dropped.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
    }
    return true;
}
