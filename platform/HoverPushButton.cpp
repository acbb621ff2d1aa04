#include "platform/HoverPushButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

HoverPushButton::HoverPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Without tracking Qt reports moves only while a mouse button is held.
    setMouseTracking(true);
}

void HoverPushButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
    // A plain button ignores moves made without a pressed button, and Qt would then hand them on
    // to the parent, whose own hover handling would undo what this move just set up.
    event->accept();
}

void HoverPushButton::mouseReleaseEvent(QMouseEvent* event) {
    clickingByMouse_ = true;
    QPushButton::mouseReleaseEvent(event);
    clickingByMouse_ = false;
}

void HoverPushButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog Qt's buttons ignore Enter; the window's buttons take it as Space.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
