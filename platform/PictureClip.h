#pragma once

#include <QPixmap>
#include <vector>

#include "platform/Int16.h"

// Cuts a picture into Rows x Cols equal cells, numbered row-major from 0. The cells are cut once
// per picture and grid, so a redraw only hands out pixmaps that share their data.
class PictureClip {
public:
    void setPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    void setRows(Int16 rows);
    Int16 Rows() const { return rows_; }
    void setCols(Int16 cols);
    Int16 Cols() const { return cols_; }

    // Cell k; a Failure when there is no picture or k lies outside the grid.
    QPixmap GraphicCell(Int16 k);

private:
    void cutCells();

    QPixmap picture_;
    Int16 rows_ = 1;
    Int16 cols_ = 1;
    std::vector<QPixmap> cells_;  // empty until first asked after a change
};
