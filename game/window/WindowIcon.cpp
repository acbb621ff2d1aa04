#include "game/window/WindowIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

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

namespace {

constexpr int kIconSides[] = {16, 32, 48, 64, 128};

// Draws each size when it is asked for and keeps none: the window system takes its copies when
// the icon is set, so the window need not hold all five pictures for as long as it runs.
class DrawnIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, drawTavloraIcon(std::min(rect.width(), rect.height())));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return side > 0 ? QPixmap::fromImage(drawTavloraIcon(side)) : QPixmap();
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kIconSides) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

    QString key() const override { return QStringLiteral("tavlora-drawn"); }
    QIconEngine* clone() const override { return new DrawnIconEngine; }
};

}  // namespace

QIcon tavloraIcon() {
    return QIcon(new DrawnIconEngine);
}
