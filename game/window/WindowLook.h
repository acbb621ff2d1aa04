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
// `font`, or where its lines or its digits' bounds are taller than `height` the same size and
// weight in the first face that fits: the interface's own face, else any proportional Latin one.
// Where Arial and MS Sans Serif are missing, Windows may fall back to a math face whose digits, as
// GDI measures them, are taller than a value box: the box centred them outside its own edges and
// showed nothing.
QFont fittingFace(QFont font, int height);
// A read-only box for one centred value, in `font` or where that would not fit, in a face that
// does.
QLineEdit* makeValueBox(QGroupBox* parent, const char* text, const QFont& font);
