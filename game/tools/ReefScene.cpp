// A coral reef: light falling through the water, fish of many kinds and colours, corals, weed and
// sand. The fish and corals are spread so that each cell holds a creature of its own.

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <vector>

#include "game/tools/SceneCanvas.h"
#include "game/tools/StockPictures.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A band across a fish's body, at `from` to `to` along it (0 the tail, 1 the nose).
struct Band {
    double from;
    double to;
    QColor colour;
};

struct Fish {
    QPointF centre;
    double length;
    double height;  // as a share of the length
    bool facingLeft;
    QColor body;
    QColor fins;
    std::vector<Band> bands;
};

void drawWater(QPainter& painter) {
    QLinearGradient water(0, 0, 0, 800);
    water.setColorAt(0, QColor(84, 206, 222));
    water.setColorAt(0.45, QColor(24, 120, 186));
    water.setColorAt(1, QColor(12, 46, 104));
    painter.fillRect(QRectF(0, 0, 800, 800), water);

    // Light falling in from the surface.
    painter.setPen(Qt::NoPen);
    for (double x : {90.0, 250.0, 430.0, 600.0, 740.0}) {
        QLinearGradient ray(0, 0, 0, 680);
        ray.setColorAt(0, QColor(255, 255, 255, 70));
        ray.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(ray);
        const QPointF beam[] = {{x - 22, 0}, {x + 22, 0}, {x + 90, 680}, {x - 10, 680}};
        painter.drawPolygon(beam, 4);
    }
    QPainterPath surface;
    surface.moveTo(0, 18);
    for (int k = 0; k < 8; ++k) {
        surface.quadTo(k * 100 + 25, 6 + (k % 2) * 8, k * 100 + 50, 18);
        surface.quadTo(k * 100 + 75, 30, k * 100 + 100, 18);
    }
    painter.setPen(QPen(QColor(230, 255, 255, 160), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(surface);
}

void drawSand(QPainter& painter) {
    QPainterPath floor;
    floor.moveTo(0, 690);
    floor.cubicTo(200, 650, 380, 700, 560, 670);
    floor.cubicTo(680, 650, 740, 672, 800, 660);
    floor.lineTo(800, 800);
    floor.lineTo(0, 800);
    QLinearGradient sand(0, 650, 0, 800);
    sand.setColorAt(0, QColor(236, 208, 148));
    sand.setColorAt(1, QColor(196, 164, 108));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sand);
    painter.drawPath(floor);
    SceneRandom random(2024);
    painter.setBrush(QColor(160, 130, 84, 150));
    for (int k = 0; k < 160; ++k) {
        painter.drawEllipse(QPointF(random.between(0, 800), random.between(700, 800)), 2, 1.5);
    }
}

void drawWeed(QPainter& painter, double x, double top, QColor colour) {
    painter.setPen(QPen(colour, 14, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath strand;
    strand.moveTo(x, 720);
    const double step = (720 - top) / 4;
    for (int k = 0; k < 4; ++k) {
        const double sway = (k % 2 == 0) ? 26 : -26;
        strand.quadTo(x + sway, 720 - step * (k + 0.5), x, 720 - step * (k + 1));
    }
    painter.drawPath(strand);
    painter.setPen(QPen(colour.lighter(140), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strand);
}

void drawBranch(QPainter& painter, QPointF from, double angle, double length, int depth) {
    const QPointF to = from + QPointF(std::cos(angle), -std::sin(angle)) * length;
    painter.setPen(QPen(QColor(236, 96, 70), 4 + depth * 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    if (depth > 0) {
        drawBranch(painter, to, angle + 0.45, length * 0.72, depth - 1);
        drawBranch(painter, to, angle - 0.4, length * 0.72, depth - 1);
    }
}

void drawFanCoral(QPainter& painter, QPointF base) {
    painter.setPen(QPen(QColor(120, 40, 140), 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base + QPointF(0, -70), base + QPointF(0, 10));
    painter.setPen(QPen(QColor(170, 70, 190), 3));
    painter.setBrush(QColor(190, 90, 210, 200));
    const QRectF fan(base.x() - 90, base.y() - 170, 180, 200);
    painter.drawPie(fan, 20 * 16, 140 * 16);
    painter.setPen(QPen(QColor(110, 30, 130), 2));
    for (int k = 0; k <= 8; ++k) {
        const double angle = (20 + k * 17.5) * kPi / 180;
        painter.drawLine(fan.center(),
                         fan.center() + QPointF(90 * std::cos(angle), -100 * std::sin(angle)));
    }
    for (double r : {0.45, 0.7, 0.9}) {
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(
            QRectF(fan.center().x() - 90 * r, fan.center().y() - 100 * r, 180 * r, 200 * r),
            20 * 16, 140 * 16);
    }
}

void drawBrainCoral(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(QColor(150, 160, 40), 3));
    painter.setBrush(QColor(214, 222, 96));
    painter.drawChord(QRectF(centre.x() - 70, centre.y() - 56, 140, 112), 0, 180 * 16);
    painter.setBrush(Qt::NoBrush);
    for (int k = 1; k < 4; ++k) {
        painter.drawArc(
            QRectF(centre.x() - 70 + k * 16, centre.y() - 56 + k * 14, 140 - k * 32, 112 - k * 28),
            0, 180 * 16);
    }
}

void drawAnemone(QPainter& painter, QPointF base) {
    painter.setPen(QPen(QColor(250, 130, 180), 9, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 11; ++k) {
        const double angle = (20 + k * 14) * kPi / 180;
        QPainterPath tentacle;
        tentacle.moveTo(base);
        const QPointF tip = base + QPointF(std::cos(angle) * 70, -std::sin(angle) * 80);
        tentacle.quadTo(base + QPointF(std::cos(angle) * 30 + 14, -std::sin(angle) * 50), tip);
        painter.drawPath(tentacle);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 60, 110));
    painter.drawEllipse(base, 34, 16);
}

void drawStarfish(QPainter& painter, QPointF centre, double radius) {
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double angle = -kPi / 2 + k * kPi / 5;
        const double r = (k % 2 == 0) ? radius : radius * 0.42;
        star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    painter.setPen(QPen(QColor(190, 80, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(250, 140, 40));
    painter.drawPolygon(star);
}

void drawRock(QPainter& painter, QRectF box) {
    painter.setPen(Qt::NoPen);
    QRadialGradient stone(box.center() - QPointF(box.width() / 5, box.height() / 4), box.width());
    stone.setColorAt(0, QColor(130, 120, 140));
    stone.setColorAt(1, QColor(60, 56, 76));
    painter.setBrush(stone);
    painter.drawEllipse(box);
}

QPainterPath fishBody(double length, double height) {
    const double h = length * height;
    QPainterPath body;
    body.moveTo(0.5 * length, 0);
    body.cubicTo(0.45 * length, -0.55 * h, -0.15 * length, -0.55 * h, -0.5 * length, -0.08 * h);
    body.lineTo(-0.5 * length, 0.08 * h);
    body.cubicTo(-0.15 * length, 0.55 * h, 0.45 * length, 0.55 * h, 0.5 * length, 0);
    return body;
}

void drawFish(QPainter& painter, const Fish& fish) {
    const double l = fish.length;
    const double h = l * fish.height;
    painter.save();
    painter.translate(fish.centre);
    if (fish.facingLeft) {
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(fish.fins.darker(140), 2));
    painter.setBrush(fish.fins);
    const QPointF tail[] = {
        {-0.46 * l, 0}, {-0.74 * l, -0.42 * h}, {-0.64 * l, 0}, {-0.74 * l, 0.42 * h}};
    painter.drawPolygon(tail, 4);
    const QPointF dorsal[] = {{0.2 * l, -0.42 * h}, {-0.1 * l, -0.72 * h}, {-0.32 * l, -0.3 * h}};
    painter.drawPolygon(dorsal, 3);

    const QPainterPath body = fishBody(l, fish.height);
    painter.setPen(QPen(fish.body.darker(150), 2));
    painter.setBrush(fish.body);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    for (const Band& band : fish.bands) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(band.colour);
        painter.drawRect(QRectF((band.from - 0.5) * l, -h, (band.to - band.from) * l, 2 * h));
    }
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0.3 * l, -0.1 * h), 0.06 * l, 0.06 * l);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0.32 * l, -0.1 * h), 0.03 * l, 0.03 * l);
    painter.restore();
}

void drawJellyfish(QPainter& painter, QPointF centre, double size) {
    painter.setPen(QPen(QColor(250, 170, 220, 200), 4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < 6; ++k) {
        const double x = centre.x() - size * 0.6 + k * size * 0.24;
        QPainterPath trail;
        trail.moveTo(x, centre.y());
        trail.cubicTo(x - 14, centre.y() + size * 0.6, x + 14, centre.y() + size, x - 4,
                      centre.y() + size * 1.5);
        painter.drawPath(trail);
    }
    QRadialGradient bell(centre - QPointF(0, size * 0.3), size);
    bell.setColorAt(0, QColor(255, 220, 245, 230));
    bell.setColorAt(1, QColor(236, 110, 190, 210));
    painter.setPen(QPen(QColor(200, 80, 160), 3));
    painter.setBrush(bell);
    painter.drawChord(
        QRectF(centre.x() - size * 0.75, centre.y() - size * 0.7, size * 1.5, size * 1.4), 0,
        180 * 16);
}

void drawTurtle(QPainter& painter, QPointF centre, double size) {
    painter.save();
    painter.translate(centre);
    painter.rotate(-12);
    painter.setPen(QPen(QColor(60, 80, 40), 3));
    painter.setBrush(QColor(150, 176, 96));
    painter.drawEllipse(QPointF(size * 0.75, 0), size * 0.24, size * 0.18);
    for (double x : {0.35, -0.4}) {
        for (double y : {-1.0, 1.0}) {
            painter.drawEllipse(QPointF(x * size, y * size * 0.42), size * 0.3, size * 0.12);
        }
    }
    painter.setBrush(QColor(140, 96, 50));
    painter.drawEllipse(QPointF(0, 0), size * 0.6, size * 0.42);
    painter.setPen(QPen(QColor(90, 60, 30), 3));
    painter.setBrush(QColor(176, 130, 70));
    painter.drawEllipse(QPointF(0, 0), size * 0.26, size * 0.18);
    for (int k = 0; k < 6; ++k) {
        const double angle = k * kPi / 3;
        painter.drawLine(QPointF(std::cos(angle) * size * 0.26, std::sin(angle) * size * 0.18),
                         QPointF(std::cos(angle) * size * 0.56, std::sin(angle) * size * 0.38));
    }
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size * 0.85, -size * 0.05), size * 0.03, size * 0.03);
    painter.restore();
}

void drawBubbles(QPainter& painter, QPointF from, int count, std::uint32_t seed) {
    SceneRandom random(seed);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(QColor(255, 255, 255, 50));
    QPointF at = from;
    for (int k = 0; k < count; ++k) {
        const double r = random.between(4, 11);
        painter.drawEllipse(at, r, r);
        at += QPointF(random.between(-14, 14), -random.between(26, 46));
    }
}

void drawSchool(QPainter& painter) {
    SceneRandom random(7);
    for (int k = 0; k < 11; ++k) {
        const QPointF at(630 + random.between(0, 150), 60 + random.between(0, 110));
        drawFish(painter, {at, 38, 0.36, true, QColor(186, 206, 230), QColor(140, 170, 210), {}});
    }
}

}  // namespace

QImage drawReefScene(int side) {
    SceneCanvas canvas(side);
    QPainter& painter = canvas.painter();
    drawWater(painter);
    drawWeed(painter, 40, 420, QColor(40, 150, 70));
    drawWeed(painter, 330, 560, QColor(90, 170, 60));
    drawWeed(painter, 770, 460, QColor(30, 130, 90));
    drawSand(painter);
    drawRock(painter, {20, 650, 170, 100});
    drawRock(painter, {640, 640, 150, 90});
    painter.setBrush(Qt::NoBrush);
    drawBranch(painter, {210, 720}, kPi / 2, 70, 4);
    drawFanCoral(painter, {540, 720});
    drawBrainCoral(painter, {420, 740});
    drawAnemone(painter, {700, 700});
    drawStarfish(painter, {110, 760}, 34);
    drawStarfish(painter, {610, 770}, 22);

    drawJellyfish(painter, {110, 120}, 62);
    drawTurtle(painter, {380, 110}, 110);
    drawSchool(painter);
    drawBubbles(painter, {70, 640}, 9, 11);
    drawBubbles(painter, {470, 560}, 6, 5);

    const QColor black(20, 20, 30);
    const QColor white(250, 250, 250);
    const Fish fish[] = {
        {{570, 220},
         130,
         0.8,
         true,
         QColor(252, 220, 30),
         QColor(250, 200, 20),
         {{0.04, 0.08, white}}},
        {{250, 300},
         140,
         0.52,
         false,
         QColor(40, 80, 210),
         QColor(250, 210, 40),
         {{0.3, 0.42, black}, {0.0, 0.06, QColor(250, 210, 40)}}},
        {{440, 440},
         120,
         0.9,
         false,
         QColor(226, 230, 236),
         QColor(240, 210, 70),
         {{0.3, 0.38, black}, {0.58, 0.66, black}, {0.8, 0.86, black}}},
        {{680, 420},
         110,
         0.5,
         true,
         QColor(150, 60, 200),
         QColor(250, 210, 40),
         {{0.0, 0.5, QColor(252, 212, 40)}}},
        {{690, 580},
         90,
         0.5,
         true,
         QColor(250, 120, 20),
         QColor(250, 130, 30),
         {{0.12, 0.2, white}, {0.45, 0.55, white}, {0.74, 0.82, white}}},
        {{150, 490},
         100,
         0.6,
         false,
         QColor(226, 56, 60),
         QColor(240, 90, 90),
         {{0.2, 0.26, white}, {0.5, 0.56, white}}},
    };
    for (const Fish& f : fish) {
        drawFish(painter, f);
    }
    return canvas.finish();
}
