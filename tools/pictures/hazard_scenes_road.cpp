// Hazard scenes outside town: narrow and winding roads, tunnels, water, fog and animals. The
// ones about what the driver sees ahead are drawn from the driver's seat, the others from above.
#include "tools/pictures/hazard_painting.h"

#include <cmath>

namespace pictures {
namespace {

using namespace hazard;

void tree(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 105, 50));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(75, 135, 65));
    painter.drawEllipse(centre - QPointF(radius * 0.3, radius * 0.3), radius * 0.5, radius * 0.5);
}

QImage cyclistOnNarrowRoad() {
    return scene(kGrass, [](QPainter& painter) {
        roadAlong(painter, 62, 142, kGrass);
        for (qreal y : {20.0, 90.0, 160.0}) {
            tree(painter, {36, y}, 16);
            tree(painter, {170, y + 30}, 16);
        }
        car(painter, {82, 26}, 180, kOtherWhite);
        cyclist(painter, {124, 84}, 0, QColor(240, 170, 30));
        car(painter, {118, 164}, 0, kOwnCar);
    });
}

QImage oncomingOvertaker() {
    return scene(kGrass, [](QPainter& painter) {
        roadAlong(painter, 40, 160, kGrass);
        lineAlong(painter, 100, kLineYellow, true, 0, kSignSize);
        truck(painter, 86, {70, 56}, 180);
        car(painter, {128, 62}, 180, kOtherBlue);
        QPainterPath back;
        back.moveTo(128, 88);
        back.cubicTo(128, 112, 90, 112, 78, 132);
        intendedPath(painter, back, kWhite);
        car(painter, {130, 170}, 0, kOwnCar);
    });
}

QImage blindMountainCurve() {
    return scene(QColor(130, 160, 180), [](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(125, 100, 75));
        painter.drawEllipse(QPointF(-10, 200), 150, 160);
        painter.setBrush(QColor(150, 125, 95));
        painter.drawEllipse(QPointF(-10, 210), 110, 120);
        for (const QPointF& at : {QPointF(20, 110), QPointF(50, 130), QPointF(30, 160),
                                  QPointF(75, 160), QPointF(60, 190), QPointF(10, 190)})
            tree(painter, at, 12);
        QPainterPath road;
        road.moveTo(138, 210);
        road.lineTo(138, 132);
        road.cubicTo(138, 62, 100, 42, -10, 42);
        strokeLine(painter, road, 72, QColor(200, 200, 195), Qt::FlatCap); // guard rail and kerb
        strokeLine(painter, road, 64, kAsphalt, Qt::FlatCap);
        strokeLine(painter, road, 3, kLineYellow, Qt::FlatCap);
        car(painter, {28, 58}, 90, kOtherWhite);
        car(painter, {154, 174}, 0, kOwnCar);
    });
}

QImage tunnelEntrance() {
    return scene(kSky, [](QPainter& painter) {
        const Perspective view{110, -120, 320};
        perspectiveRoad(painter, view, kGrass, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(80, 130, 70));
        painter.drawPolygon(QPolygonF({QPointF(0, 40), QPointF(60, 14), QPointF(130, 22),
                                       QPointF(200, 6), QPointF(200, 132), QPointF(0, 132)}));
        painter.setBrush(QColor(185, 185, 178));
        painter.drawRect(QRectF(24, 52, 152, 80));
        QPainterPath opening;
        opening.moveTo(44, 132);
        opening.lineTo(44, 100);
        opening.cubicTo(44, 56, 156, 56, 156, 100);
        opening.lineTo(156, 132);
        opening.closeSubpath();
        painter.fillPath(opening, QColor(14, 14, 20));
        for (qreal x : {62.0, 82.0, 118.0, 138.0})
            painter.fillRect(QRectF(x - 2, 80 + std::abs(x - 100) * 0.3, 4, 2),
                             QColor(255, 210, 120, 160));
        tailLights(painter, {100, 118}, 14);
    });
}

QImage floodedUnderpass() {
    return scene(kSky, [](QPainter& painter) {
        QPainterPath ground;
        ground.moveTo(0, 122);
        ground.lineTo(36, 122);
        ground.cubicTo(56, 122, 56, 172, 80, 172);
        ground.lineTo(120, 172);
        ground.cubicTo(144, 172, 144, 122, 164, 122);
        ground.lineTo(200, 122);
        ground.lineTo(200, 200);
        ground.lineTo(0, 200);
        ground.closeSubpath();
        painter.fillPath(ground, QColor(120, 100, 80));
        strokeLine(painter, ground, 5, kAsphalt, Qt::FlatCap);
        painter.fillRect(QRectF(54, 60, 10, 80), QColor(160, 160, 155)); // piers
        painter.fillRect(QRectF(136, 60, 10, 80), QColor(160, 160, 155));
        painter.fillRect(QRectF(20, 40, 160, 22), QColor(110, 110, 110));
        painter.fillRect(QRectF(20, 34, 160, 4), QColor(70, 70, 70));
        painter.fillRect(QRectF(50, 136, 100, 37), QColor(70, 110, 170, 210)); // standing water
        painter.fillRect(QRectF(98, 110, 6, 63), kWhite);                      // depth gauge
        for (qreal y = 114; y < 172; y += 12)
            painter.fillRect(QRectF(98, y, 6, 6), kRed);
        drawCarSide(painter, QRectF(0, 92, 46, 34), {kOwnCar, QColor(40, 50, 70)});
    });
}

QImage mergingFromRamp() {
    return scene(kGrass, [](QPainter& painter) {
        painter.fillRect(QRectF(40, 0, 102, kSignSize), kAsphalt);
        QPainterPath acceleration;
        acceleration.moveTo(142, 10);
        acceleration.lineTo(184, 70);
        acceleration.lineTo(184, 200);
        acceleration.lineTo(142, 200);
        acceleration.closeSubpath();
        painter.fillPath(acceleration, kAsphalt);
        lineAlong(painter, 44, kLineYellow, false, 0, kSignSize);
        lineAlong(painter, 92, kWhite, true, 0, kSignSize);
        lineAlong(painter, 142, kWhite, true, 20, 150);
        lineAlong(painter, 142, kWhite, false, 150, kSignSize);
        car(painter, {118, 150}, 0, kOwnCar);
        car(painter, {66, 40}, 0, kOtherGrey);
        car(painter, {164, 112}, -6, kOtherBlue);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 160, 0));
        painter.drawEllipse(QPointF(154, 92), 3.5, 3.5); // its left indicator
        QPainterPath merge;
        merge.moveTo(162, 86);
        merge.cubicTo(160, 60, 122, 56, 120, 24);
        intendedPath(painter, merge, kWhite);
    });
}

QImage expresswayFog() {
    return scene(QColor(200, 202, 204), [](QPainter& painter) {
        perspectiveRoad(painter, Perspective{78, -40, 240}, QColor(120, 130, 110), true);
        for (qreal fraction : {1.02, 1.1}) // guard rail posts
            for (qreal y = 100; y < 200; y += 22)
                painter.fillRect(QRectF(Perspective{78, -40, 240}.along(fraction).xAt(y), y - 8,
                                        2 + (y - 78) / 30, 8 + (y - 78) / 12),
                                 QColor(210, 210, 205));
        QLinearGradient haze(0, 78, 0, 200);
        haze.setColorAt(0, QColor(215, 217, 219, 255));
        haze.setColorAt(0.45, QColor(215, 217, 219, 235));
        haze.setColorAt(1, QColor(215, 217, 219, 90));
        painter.fillRect(QRectF(0, 0, kSignSize, kSignSize), haze);
        tailLights(painter, {112, 112}, 22, QColor(255, 40, 30, 120)); // dimmed by the fog
    });
}

QImage sheepOnRuralRoad() {
    return scene(kGrass, [](QPainter& painter) {
        roadAlong(painter, 52, 148, kGrass);
        const QPointF flock[] = {{40, 64},  {64, 52},  {76, 78},  {96, 60}, {112, 84},
                                 {124, 56}, {140, 74}, {158, 62}, {30, 86}};
        qreal turn = -100;
        for (const QPointF& at : flock)
            sheep(painter, at, turn += 7);
        pedestrian(painter, {176, 70}, QColor(70, 90, 140));
        car(painter, {122, 168}, 0, kOwnCar);
    });
}

QImage grainDryingOnRoad() {
    return scene(kGrass, [](QPainter& painter) {
        roadAlong(painter, 52, 148, kGrass);
        painter.fillRect(QRectF(100, 24, 48, 96), QColor(226, 186, 70));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(196, 150, 40));
        for (int i = 0; i < 60; ++i) // grain heaped unevenly
            painter.drawEllipse(QPointF(102 + (i * 37) % 46, 26 + (i * 53) % 92), 2, 1.5);
        pedestrian(painter, {168, 74}, QColor(170, 60, 60));
        car(painter, {76, 22}, 180, kOtherWhite);
        car(painter, {122, 168}, 0, kOwnCar);
    });
}

} // namespace

std::vector<PictureSpec> hazardRoadPictures() {
    return {
        {QStringLiteral("hazard-cyclist-narrow-road.jpg"), cyclistOnNarrowRoad},
        {QStringLiteral("hazard-oncoming-overtaker.jpg"), oncomingOvertaker},
        {QStringLiteral("hazard-mountain-curve.jpg"), blindMountainCurve},
        {QStringLiteral("hazard-tunnel-entrance.jpg"), tunnelEntrance},
        {QStringLiteral("hazard-flooded-underpass.bmp"), floodedUnderpass},
        {QStringLiteral("hazard-merging-ramp.bmp"), mergingFromRamp},
        {QStringLiteral("hazard-expressway-fog.jpg"), expresswayFog},
        {QStringLiteral("hazard-sheep-rural-road.jpg"), sheepOnRuralRoad},
        {QStringLiteral("hazard-grain-on-road.bmp"), grainDryingOnRoad},
    };
}

} // namespace pictures
