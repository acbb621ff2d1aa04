#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "game/pictures/PictureSource.h"
#include "platform/ClipboardReader.h"

// The one format of a clipboard's offer that a player pasting into the game means as a picture,
// best first: picture data (PNG, then the other formats the loader reads, then any other), a
// copied file, a copied file name as text; empty when nothing offered can be one.
QString clipboardPictureFormat(const QStringList& formats);

// The picture one reading of the clipboard brought: data as it arrived, or the file it names.
// None for an empty clipboard; a Failure in the loader's wording when what was copied is no
// picture, or the program holding the clipboard did not deliver it.
std::optional<PictureSource> clipboardPicture(const ClipboardContent& content);
