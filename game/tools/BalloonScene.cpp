// Hot-air balloons over a valley: sky, sun and clouds above, mountains, hills, a lake, fields and a
// village below. Every balloon differs in size and colours, so each cell holds something of its
// own.

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <iterator>
#include <vector>

#include "game/tools/SceneCanvas.h"
#include "game/tools/StockPictures.h"

namespace {

struct Balloon {
    QPointF centre;
    double radius;
    std::vector<QColor> stripes;
};

void drawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 520);
    sky.setColorAt(0, QColor(38, 86, 168));
    sky.setColorAt(0.55, QColor(112, 172, 226));
    sky.setColorAt(1, QColor(255, 204, 150));
    painter.fillRect(QRectF(0, 0, 800, 560), sky);
}

void drawSun(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient glow(centre, radius * 3);
    glow.setColorAt(0, QColor(255, 250, 210, 200));
    glow.setColorAt(0.3, QColor(255, 230, 150, 90));
    glow.setColorAt(1, QColor(255, 220, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 3, radius * 3);
    painter.setBrush(QColor(255, 244, 180));
    painter.drawEllipse(centre, radius, radius);
}

void drawCloud(QPainter& painter, QPointF centre, double scale) {
    QPainterPath cloud;
    const double puffs[][3] = {{-60, 8, 34}, {-25, -14, 42}, {22, -20, 48},
                               {62, 0, 34},  {0, 12, 40},    {-36, 16, 30}};
    for (const auto& puff : puffs) {
        cloud.addEllipse(centre + QPointF(puff[0], puff[1]) * scale, puff[2] * scale,
                         puff[2] * scale * 0.8);
    }
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    QLinearGradient shade(0, centre.y() - 50 * scale, 0, centre.y() + 40 * scale);
    shade.setColorAt(0, QColor(255, 255, 255, 245));
    shade.setColorAt(1, QColor(214, 222, 238, 235));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(cloud);
}

void drawBirds(QPainter& painter, const std::vector<QPointF>& birds) {
    painter.setPen(QPen(QColor(40, 40, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& bird : birds) {
        QPainterPath wings;
        wings.moveTo(bird + QPointF(-12, -4));
        wings.quadTo(bird + QPointF(-6, -10), bird);
        wings.quadTo(bird + QPointF(6, -10), bird + QPointF(12, -4));
        painter.drawPath(wings);
    }
}

void drawMountains(QPainter& painter) {
    const QPointF ridge[] = {{0, 420},   {80, 372},  {150, 410}, {260, 330}, {350, 420}, {440, 385},
                             {520, 430}, {640, 318}, {720, 392}, {800, 360}, {800, 560}, {0, 560}};
    QLinearGradient haze(0, 320, 0, 520);
    haze.setColorAt(0, QColor(104, 100, 168));
    haze.setColorAt(1, QColor(160, 150, 196));
    painter.setPen(Qt::NoPen);
    painter.setBrush(haze);
    painter.drawPolygon(ridge, static_cast<int>(std::size(ridge)));

    painter.setBrush(QColor(250, 250, 255));
    const QPointF snowLeft[] = {{260, 330}, {291, 356}, {272, 350},
                                {258, 362}, {244, 349}, {232, 351}};
    const QPointF snowRight[] = {{640, 318}, {676, 351}, {655, 344},
                                 {640, 357}, {626, 343}, {606, 352}};
    painter.drawPolygon(snowLeft, 6);
    painter.drawPolygon(snowRight, 6);
}

void drawHills(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    QPainterPath back;
    back.moveTo(0, 480);
    back.cubicTo(120, 430, 260, 450, 420, 520);
    back.cubicTo(520, 560, 640, 440, 800, 470);
    back.lineTo(800, 800);
    back.lineTo(0, 800);
    painter.setBrush(QColor(78, 146, 74));
    painter.drawPath(back);

    QPainterPath front;
    front.moveTo(0, 560);
    front.cubicTo(200, 520, 330, 560, 470, 600);
    front.cubicTo(600, 640, 700, 560, 800, 580);
    front.lineTo(800, 800);
    front.lineTo(0, 800);
    QLinearGradient meadow(0, 540, 0, 800);
    meadow.setColorAt(0, QColor(136, 190, 78));
    meadow.setColorAt(1, QColor(92, 150, 60));
    painter.setBrush(meadow);
    painter.drawPath(front);
}

void drawLake(QPainter& painter) {
    const QRectF water(470, 612, 310, 92);
    QLinearGradient blue(0, water.top(), 0, water.bottom());
    blue.setColorAt(0, QColor(70, 140, 210));
    blue.setColorAt(1, QColor(40, 96, 170));
    painter.setPen(QPen(QColor(220, 200, 140), 5));
    painter.setBrush(blue);
    painter.drawEllipse(water);
    // The sun's light on the water.
    painter.setPen(QPen(QColor(255, 240, 190, 200), 4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double y = 630 + k * 16;
        painter.drawLine(QPointF(590 + k * 6, y), QPointF(650 - k * 4, y));
    }
    // A sailing boat.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 70, 40));
    const QPointF hull[] = {{690, 662}, {748, 662}, {738, 674}, {700, 674}};
    painter.drawPolygon(hull, 4);
    painter.setBrush(QColor(250, 250, 250));
    const QPointF sail[] = {{720, 600}, {720, 658}, {686, 658}};
    painter.drawPolygon(sail, 3);
    painter.setBrush(QColor(230, 70, 60));
    const QPointF jib[] = {{724, 612}, {724, 658}, {748, 658}};
    painter.drawPolygon(jib, 3);
}

void drawFields(QPainter& painter) {
    // Strips of crops running towards a point beyond the hills.
    const QColor crops[] = {QColor(240, 208, 60), QColor(150, 112, 196), QColor(96, 164, 70),
                            QColor(214, 146, 70), QColor(176, 206, 92),  QColor(232, 120, 150),
                            QColor(240, 208, 60), QColor(120, 180, 110)};
    const QPointF vanishing(420, 520);
    painter.setPen(QPen(QColor(80, 110, 50, 120), 2));
    painter.save();
    painter.setClipRect(QRectF(0, 716, 800, 84));
    for (int k = 0; k < 8; ++k) {
        const QPointF strip[] = {vanishing, {-400 + k * 200.0, 800}, {-200 + k * 200.0, 800}};
        painter.setBrush(crops[k]);
        painter.drawPolygon(strip, 3);
    }
    painter.restore();
    painter.setPen(QPen(QColor(110, 84, 50), 4));
    painter.drawLine(QPointF(0, 716), QPointF(800, 716));
}

void drawWindmill(QPainter& painter, QPointF hub) {
    painter.setPen(QPen(QColor(70, 50, 40), 2));
    painter.setBrush(QColor(232, 222, 200));
    const QPointF tower[] = {hub + QPointF(-12, -6), hub + QPointF(12, -6), hub + QPointF(22, 78),
                             hub + QPointF(-22, 78)};
    painter.drawPolygon(tower, 4);
    painter.setBrush(QColor(160, 60, 50));
    painter.drawRect(QRectF(hub.x() - 7, hub.y() + 54, 14, 24));
    painter.setBrush(QColor(250, 246, 236));
    for (int k = 0; k < 4; ++k) {
        painter.save();
        painter.translate(hub);
        painter.rotate(20 + k * 90);
        painter.drawRect(QRectF(4, -7, 62, 14));
        painter.restore();
    }
    painter.setBrush(QColor(70, 50, 40));
    painter.drawEllipse(hub, 5, 5);
}

void drawHouse(QPainter& painter, QRectF walls, QColor wall, QColor roof) {
    painter.setPen(QPen(QColor(60, 40, 30), 2));
    painter.setBrush(wall);
    painter.drawRect(walls);
    const QPointF top[] = {walls.topLeft() + QPointF(-8, 0), walls.topRight() + QPointF(8, 0),
                           QPointF(walls.center().x(), walls.top() - walls.width() * 0.55)};
    painter.setBrush(roof);
    painter.drawPolygon(top, 3);
    painter.setBrush(QColor(255, 236, 150));
    painter.drawRect(QRectF(walls.left() + walls.width() * 0.2, walls.top() + 10, 10, 10));
    painter.setBrush(QColor(100, 60, 40));
    painter.drawRect(
        QRectF(walls.right() - walls.width() * 0.38, walls.bottom() - 20, walls.width() * 0.2, 20));
}

void drawTree(QPainter& painter, QPointF base, double size, QColor leaves) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(100, 66, 40));
    painter.drawRect(QRectF(base.x() - size * 0.1, base.y() - size * 0.6, size * 0.2, size * 0.6));
    painter.setBrush(leaves);
    painter.drawEllipse(QPointF(base.x(), base.y() - size), size * 0.5, size * 0.6);
    painter.setBrush(leaves.lighter(125));
    painter.drawEllipse(QPointF(base.x() - size * 0.15, base.y() - size * 1.15), size * 0.2,
                        size * 0.18);
}

void drawVillage(QPainter& painter) {
    drawTree(painter, {30, 650}, 60, QColor(40, 110, 50));
    drawHouse(painter, {60, 610, 70, 50}, QColor(250, 236, 200), QColor(196, 60, 44));
    drawHouse(painter, {150, 626, 60, 44}, QColor(170, 210, 240), QColor(120, 70, 50));
    // The church, its tower and clock.
    painter.setPen(QPen(QColor(60, 40, 30), 2));
    painter.setBrush(QColor(236, 226, 210));
    painter.drawRect(QRectF(232, 540, 34, 120));
    const QPointF spire[] = {{226, 540}, {272, 540}, {249, 480}};
    painter.setBrush(QColor(70, 90, 120));
    painter.drawPolygon(spire, 3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(249, 566), 10, 10);
    painter.drawLine(QPointF(249, 566), QPointF(249, 559));
    painter.drawLine(QPointF(249, 566), QPointF(255, 566));
    drawHouse(painter, {266, 612, 80, 54}, QColor(250, 200, 120), QColor(170, 50, 40));
    drawHouse(painter, {366, 636, 56, 40}, QColor(240, 160, 170), QColor(90, 60, 110));
    drawTree(painter, {440, 690}, 50, QColor(60, 130, 40));
    drawTree(painter, {200, 700}, 40, QColor(90, 150, 50));
    drawTree(painter, {120, 708}, 46, QColor(50, 120, 60));
}

QPainterPath envelope(QPointF c, double r) {
    QPainterPath path;
    path.moveTo(c + QPointF(-0.28 * r, 1.35 * r));
    path.cubicTo(c + QPointF(-0.45 * r, 1.1 * r), c + QPointF(-r, 0.6 * r), c + QPointF(-r, 0));
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
    path.cubicTo(c + QPointF(r, 0.6 * r), c + QPointF(0.45 * r, 1.1 * r),
                 c + QPointF(0.28 * r, 1.35 * r));
    path.closeSubpath();
    return path;
}

void drawBalloon(QPainter& painter, const Balloon& balloon) {
    const QPointF c = balloon.centre;
    const double r = balloon.radius;
    // The basket and its ropes.
    painter.setPen(QPen(QColor(70, 50, 30), std::max(1.5, r / 30)));
    painter.drawLine(c + QPointF(-0.26 * r, 1.35 * r), c + QPointF(-0.16 * r, 1.6 * r));
    painter.drawLine(c + QPointF(0.26 * r, 1.35 * r), c + QPointF(0.16 * r, 1.6 * r));
    painter.setBrush(QColor(150, 100, 50));
    painter.drawRoundedRect(QRectF(c.x() - 0.17 * r, c.y() + 1.58 * r, 0.34 * r, 0.26 * r), 3, 3);

    const QPainterPath shape = envelope(c, r);
    painter.save();
    painter.setClipPath(shape);
    painter.setPen(Qt::NoPen);
    // Gores seen from the side: nested ellipses through the crown and the mouth.
    const double halfWidths[] = {1.05, 0.92, 0.71, 0.38};
    for (int k = 0; k < 4; ++k) {
        const double a = halfWidths[k] * r;
        painter.setBrush(balloon.stripes[k % balloon.stripes.size()]);
        painter.drawEllipse(QRectF(c.x() - a, c.y() - r, 2 * a, 2.4 * r));
    }
    QRadialGradient light(c + QPointF(-0.35 * r, -0.4 * r), 1.7 * r);
    light.setColorAt(0, QColor(255, 255, 255, 110));
    light.setColorAt(0.45, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 30, 110));
    painter.setBrush(light);
    painter.drawPath(shape);
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0, 90), std::max(1.0, r / 40)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

}  // namespace

QImage drawBalloonScene(int side) {
    SceneCanvas canvas(side);
    QPainter& painter = canvas.painter();
    drawSky(painter);
    drawSun(painter, {585, 300}, 46);
    drawCloud(painter, {560, 92}, 1.0);
    drawCloud(painter, {260, 330}, 0.8);
    drawCloud(painter, {730, 236}, 0.7);
    drawCloud(painter, {70, 40}, 0.6);
    drawBirds(painter, {{250, 190}, {276, 176}, {292, 200}, {470, 40}});
    drawMountains(painter);
    drawHills(painter);
    drawWindmill(painter, {716, 500});
    drawLake(painter);
    drawFields(painter);
    drawVillage(painter);

    const Balloon balloons[] = {
        {{150, 180}, 92, {QColor(222, 40, 40), QColor(252, 204, 44)}},
        {{445, 250}, 62, {QColor(40, 92, 204), QColor(244, 244, 244)}},
        {{690, 100}, 48, {QColor(40, 160, 80), QColor(252, 142, 30)}},
        {{340, 80}, 34, {QColor(132, 60, 172), QColor(244, 132, 184)}},
        {{560, 470},
         42,
         {QColor(230, 50, 50), QColor(250, 160, 30), QColor(250, 230, 60), QColor(60, 170, 80)}},
        {{92, 470}, 28, {QColor(20, 152, 152), QColor(242, 192, 60)}},
    };
    for (const Balloon& balloon : balloons) {
        drawBalloon(painter, balloon);
    }
    return canvas.finish();
}
