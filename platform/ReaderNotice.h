#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

// Tells screen readers a short text at once, with nothing shown and the focus left where it is: a
// refusal or a confirmation that has no box of its own. Qt 6.8 and later send it as an
// announcement; older Qt has none, so there an invisible notification object of `window` shows
// with the text as its name, which readers speak as it appears. Nothing happens while no screen
// reader listens.
void tellScreenReaders(QWidget* window, const QString& text);

// The notification object's accessible face, for QAccessible::installFactory.
QAccessibleInterface* readerNoticeFactory(const QString& className, QObject* object);
