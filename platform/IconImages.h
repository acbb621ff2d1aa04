#pragma once

#include <QIODevice>
#include <QSize>

// Windows icon and cursor files (.ico, .cur) hold a directory of images, each a bitmap or a PNG. A
// directory entry can name no side above 256, but the image behind it may claim any size in its own
// header, and that claim is what a decoder allocates for.
inline constexpr int kMaxIconSide = 256;

// The largest width and the largest height that the images of an icon or cursor file claim in their
// own headers. Entries whose image header lies outside the file are left out; an empty size when no
// image header could be read at all.
QSize largestClaimedIconImage(QIODevice& device);
