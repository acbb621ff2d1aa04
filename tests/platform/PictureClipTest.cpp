#include "platform/PictureClip.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <string>

#include "platform/Failure.h"

namespace {

QColor cellColour(int k) {
    return QColor::fromHsv((k * 23) % 360, 200, 100 + (k * 7) % 150);
}

// A picture whose cells are plain blocks of distinct colours; `spare` extra pixels at the right
// and bottom edges (fewer than a cell count) lie outside every cell.
QPixmap colouredGrid(int rows, int cols, int cellWidth, int cellHeight, int spare = 0) {
    QImage image(cols * cellWidth + spare, rows * cellHeight + spare, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int k = 0; k < rows * cols; ++k) {
        painter.fillRect((k % cols) * cellWidth, (k / cols) * cellHeight, cellWidth, cellHeight,
                         cellColour(k));
    }
    painter.end();
    return QPixmap::fromImage(image);
}

// True when every pixel of the cell has colour `expected`.
bool isPlain(const QPixmap& cell, const QColor& expected) {
    const QImage image = cell.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != expected.rgb()) {
                return false;
            }
        }
    }
    return true;
}

std::string failureOf(PictureClip& clip, int k) {
    try {
        clip.GraphicCell(k);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return "(no failure)";
}

TEST(PictureClip, CellsAreNumberedRowMajorWithEqualSizes) {
    PictureClip clip;
    clip.setPicture(colouredGrid(3, 4, 30, 20, 2));
    clip.setRows(3);
    clip.setCols(4);
    for (int k = 0; k < 12; ++k) {
        const QPixmap cell = clip.GraphicCell(k);
        EXPECT_EQ(cell.size(), QSize(30, 20)) << "cell " << k;
        EXPECT_TRUE(isPlain(cell, cellColour(k))) << "cell " << k;
    }
}

TEST(PictureClip, CellsAreCutOnceAndRecutAfterAnyChange) {
    PictureClip clip;
    clip.setPicture(colouredGrid(2, 2, 10, 10));
    clip.setRows(2);
    clip.setCols(2);
    const QPixmap first = clip.GraphicCell(3);
    EXPECT_EQ(clip.GraphicCell(3).cacheKey(), first.cacheKey());

    clip.setCols(1);
    EXPECT_EQ(clip.GraphicCell(1).size(), QSize(20, 10));
    EXPECT_EQ(failureOf(clip, 2), "Subscript out of range");

    clip.setCols(2);
    clip.setRows(1);
    EXPECT_EQ(clip.GraphicCell(1).size(), QSize(10, 20));

    clip.setRows(2);
    clip.setPicture(colouredGrid(2, 2, 5, 5));
    EXPECT_EQ(clip.GraphicCell(3).size(), QSize(5, 5));
    EXPECT_NE(clip.GraphicCell(3).cacheKey(), first.cacheKey());
}

TEST(PictureClip, BadRequestsFailWithTheirDescriptions) {
    PictureClip clip;
    EXPECT_EQ(failureOf(clip, 0), "The picture clipper holds no picture");

    clip.setPicture(colouredGrid(4, 4, 10, 10));
    clip.setRows(4);
    clip.setCols(4);
    EXPECT_EQ(failureOf(clip, -1), "Subscript out of range");
    EXPECT_EQ(failureOf(clip, 16), "Subscript out of range");

    EXPECT_THROW(clip.setRows(0), Failure);
    EXPECT_THROW(clip.setCols(-3), Failure);
    EXPECT_EQ(clip.Rows(), 4);
    EXPECT_EQ(clip.Cols(), 4);

    // A picture narrower than its grid has no pixels to give each cell.
    clip.setPicture(colouredGrid(1, 3, 1, 1));
    EXPECT_THROW(clip.GraphicCell(0), Failure);
}

}  // namespace
