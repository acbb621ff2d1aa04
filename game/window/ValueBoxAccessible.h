#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Screen readers see each of the Moves, Timer and Score boxes (read-only line edits marked with
// the "valueBox" property) as a plain text whose name and value are the box's whole text and whose
// description is its frame's caption (readers say the frame's caption on their way in). It has no
// text to select or to follow character by character, so a reader says the caption and the value
// once when the box is reached, and a running clock does not make it speak every second; a reader
// that asks for the value gets the current one.
QAccessibleInterface* valueBoxAccessibleFactory(const QString& className, QObject* object);
