#include "game/window/WindowIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

QImage drawTavloraIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, side, side);
    sky.setColorAt(0.0, QColor(255, 196, 80));
    sky.setColorAt(0.55, QColor(230, 90, 70));
    sky.setColorAt(1.0, QColor(60, 70, 160));

    const double cell = side / 4.0;
    const double gap = side / 32.0;
    for (int k = 0; k < 15; ++k) {
        const QRectF tile((k % 4) * cell + gap / 2, (k / 4) * cell + gap / 2, cell - gap,
                          cell - gap);
        painter.fillRect(tile, sky);
    }
    // The empty cell, outlined.
    painter.setPen(QPen(QColor(60, 70, 160), side / 48.0));
    painter.drawRect(QRectF(3 * cell + gap, 3 * cell + gap, cell - 2 * gap, cell - 2 * gap));
    return image;
}

QIcon tavloraIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(drawTavloraIcon(side)));
    }
    return icon;
}
