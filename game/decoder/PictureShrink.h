#pragma once

#include <QImage>
#include <QImageIOHandler>

// The picture stretched to `side` x `side`, as 32-bit RGB (premultiplied ARGB where it has
// transparency). A picture that is large and in another format is converted and scaled a tile at a
// time, so no 32-bit copy of all of it is ever held beside it.
QImage squarePicture(QImage decoded, int side);

// The picture as the file's orientation tag says it is to be shown: mirrored or flipped first,
// then turned a quarter clockwise, as QImageReader's own transformation does.
QImage orientedPicture(const QImage& picture, QImageIOHandler::Transformations orientation);
