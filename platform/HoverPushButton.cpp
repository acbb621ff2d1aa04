#include "platform/HoverPushButton.h"

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
