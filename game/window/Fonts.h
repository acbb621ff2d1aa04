#pragma once

// The window asks for Windows faces: "Arial", and "MS Sans Serif" for the clock and score. A
// machine without them gets whatever fontconfig offers instead, and on a bare Debian that is a
// monospaced face for "MS Sans Serif" and for Qt's default "Sans Serif" (the message boxes and
// the file dialog). This names proportional stand-ins for each, tried in order; a machine that has
// the face itself keeps it. Call once, after the application object exists and before any window.
void substituteMissingFonts();
