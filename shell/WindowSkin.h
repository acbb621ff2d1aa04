#pragma once

class QWidget;
class SkinFramework;

// When the program folder holds the skin file (a plain file, not a folder), turns the window and
// its option buttons, check boxes, frames and labels to the platform's button-face colour, then has
// `skin` load the file and apply it to the window. Without the file nothing changes and `skin` is
// never called. Failures (an unreadable or non-text skin) pass to the caller.
void applyWindowSkin(QWidget& window, SkinFramework& skin);
