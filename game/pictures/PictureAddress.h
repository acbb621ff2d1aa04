#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "game/pictures/PictureSource.h"

// The path of the file that a file: address names on this computer (no host, or "localhost"),
// decoded; none for another computer's file or any other kind of address. An address whose path
// holds a zero byte names no file by that path: the address itself comes back, so a refusal names
// it as it was given.
std::optional<QString> localPathOf(const QUrl& url);

// The picture a command-line argument names: a path, a file: address of this computer, or an
// address elsewhere (another computer's file, http:, https:, ftp:, data:), which is refused. A file
// of exactly the argument's name is that file, whatever it looks like.
PictureSource pictureNamed(const QString& argument);
