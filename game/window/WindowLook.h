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
// A read-only box for one centred value.
QLineEdit* makeValueBox(QGroupBox* parent, const char* text, const QFont& font);
