#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// The pictures the game ships to play with at once, drawn by our own code. Each is drawn on an
// 800 x 800 canvas and scaled to `side`, so the 4 x 4 cells are the canvas's 200-pixel squares.
QImage drawNumberedBoard(int side);
QImage drawBalloonScene(int side);
QImage drawReefScene(int side);

struct StockPicture {
    QString fileName;
    std::function<QImage(int side)> draw;
};

// Every stock picture under the name it has in the program folder's pictures/. The names end in
// .jpg because "Load Picture" lists only its own formats (.bmp .dib .gif .jpeg .jpg).
const std::vector<StockPicture>& stockPictures();

inline constexpr int kStockPictureSide = 800;
