#pragma once

#include <cstdint>

#include "platform/Int16.h"

// One piece of the puzzle: which picture cell it shows, and whether it is the tile left out in
// "Slide". Tiles are shared objects that travel between the board's cells.
class clsTile {
public:
    clsTile() = default;
    clsTile(Int16 imageIndex, bool isEmpty);

    bool isEmpty() const { return emptyFlag_ != 0; }
    void setIsEmpty(bool empty) { emptyFlag_ = toStoredBool(empty); }
    Int16 imageIndex() const { return imageIndex_; }
    void setImageIndex(Int16 index) { imageIndex_ = index; }

private:
    Int16 imageIndex_ = 0;
    std::int16_t emptyFlag_ = 0;
};
