#pragma once

#include <QFont>
#include <QRect>

class QGroupBox;
class QLineEdit;
class QWidget;

// The window was laid out in twips; at 96 dots per inch 15 twips make one pixel.
int px(int twips);
QRect twipsRect(int left, int top, int width, int height);

QFont arialFont(double points, bool bold = true);
// The face of the clock and score boxes.
QFont sansSerifFont(double points);

// Gives `widget` its place in its parent (which has its size already), mirrored as x -> width - x -
// w when the parent lays out right to left: the window in Arabic, Hebrew or Persian.
void place(QWidget* widget, QRect geometry);

// White background, black text, as every plain control of the window.
void paintWhite(QWidget* widget);
QGroupBox* makeFrame(QWidget* parent, const QString& caption, QRect geometry);
// `font`, or where its lines are taller than `height` the same size and weight in the first face
// whose lines fit: the interface's own face, else any proportional Latin one. Windows' font mapper
// measures lines by a face's Windows ascent and descent, and where Arial and MS Sans Serif are
// missing it may fall back to a math face whose lines are several times its size, so a value box
// would hold its digits outside its own edges and show nothing.
QFont fittingFace(QFont font, int height);
// A read-only box for one centred value, in `font` or where that would not fit, in a face that
// does.
QLineEdit* makeValueBox(QGroupBox* parent, const char* text, const QFont& font);
