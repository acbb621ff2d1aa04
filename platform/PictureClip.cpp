#include "platform/PictureClip.h"

#include "platform/Failure.h"

namespace {
constexpr const char* kInvalidPropertyValue =
    TAVLORA_TRANSLATABLE("Failure", "Invalid property value");
}

void PictureClip::setPicture(const QPixmap& picture) {
    picture_ = picture;
    cells_.clear();
}

void PictureClip::setRows(Int16 rows) {
    if (rows < 1) {
        throw Failure(kInvalidPropertyValue);
    }
    rows_ = rows;
    cells_.clear();
}

void PictureClip::setCols(Int16 cols) {
    if (cols < 1) {
        throw Failure(kInvalidPropertyValue);
    }
    cols_ = cols;
    cells_.clear();
}

QPixmap PictureClip::GraphicCell(Int16 k) {
    if (picture_.isNull()) {
        throw Failure(TAVLORA_TRANSLATABLE("Failure", "The picture clipper holds no picture"));
    }
    const int rows = rows_.value();
    const int cols = cols_.value();
    // Widened, because 200 x 200 cells is a valid grid whose count no 16-bit number holds.
    const long long count = static_cast<long long>(rows) * cols;
    if (k < 0 || k.value() >= count) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    if (cells_.empty()) {
        cutCells();
    }
    return cells_[static_cast<std::size_t>(k.value())];
}

void PictureClip::cutCells() {
    const int rows = rows_.value();
    const int cols = cols_.value();
    const int cellWidth = picture_.width() / cols;
    const int cellHeight = picture_.height() / rows;
    // The remainder columns and rows at the right and bottom edges belong to no cell.
    if (cellWidth < 1 || cellHeight < 1) {
        throw Failure(
            TAVLORA_TRANSLATABLE("Failure", "The picture is smaller than its grid of cells"));
    }
    std::vector<QPixmap> cells;
    cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            cells.push_back(
                picture_.copy(col * cellWidth, row * cellHeight, cellWidth, cellHeight));
        }
    }
    cells_ = std::move(cells);
}
