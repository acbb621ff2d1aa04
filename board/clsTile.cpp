#include "board/clsTile.h"

clsTile::clsTile(Int16 imageIndex, bool isEmpty)
    : imageIndex_(imageIndex), emptyFlag_(toStoredBool(isEmpty)) {}
