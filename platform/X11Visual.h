#pragma once

#include <QByteArray>
#include <optional>

// Whether the X server on `display` (the DISPLAY variable's when empty) offers a visual of this id
// on any of its screens; nothing when no X server answers. Qt's X platform takes -visual ID on
// trust and ends with a segmentation fault when the server has no such visual (checked on Qt
// 6.4.2; X11Visual.AVisualTheServerLacksIsLeftOutAndTheGameStarts notices a change).
std::optional<bool> x11HasVisual(const QByteArray& display, quint32 id);
