// Hazard scenes in town, seen from above: people who step out from where the driver cannot see
// them, and the road users a turning vehicle is about to cut across.
#include "tools/pictures/hazard_painting.h"

namespace pictures {
namespace {

using namespace hazard;

void parkedRow(QPainter& painter, qreal x, std::initializer_list<qreal> ys) {
    const QColor colours[] = {kOtherWhite, kOtherGrey, kOtherBlue};
    int next = 0;
    for (qreal y : ys)
        car(painter, {x, y}, 0, colours[next++ % 3]);
}

QImage ballBetweenParkedCars() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 30, kSignSize), kGrass);
        painter.fillRect(QRectF(172, 0, 28, kSignSize), kPavement);
        lineAlong(painter, 84, kLineYellow, true, 0, kSignSize);
        lineAlong(painter, 138, kWhite, false, 0, kSignSize, 2);
        parkedRow(painter, 155, {24, 94, 168});
        painter.setPen(QPen(kWhite, 2, Qt::SolidLine, Qt::RoundCap));
        for (qreal dy : {-4.0, 0.0, 4.0})
            painter.drawLine(QPointF(158, 59 + dy), QPointF(168, 59 + dy));
        painter.setPen(QPen(QColor(120, 20, 20), 1));
        painter.setBrush(QColor(235, 60, 50));
        painter.drawEllipse(QPointF(149, 59), 7, 7);
        painter.setPen(QPen(kWhite, 2));
        painter.drawLine(QPointF(143, 59), QPointF(155, 59));
        car(painter, {111, 165}, 0, kOwnCar);
    });
}

QImage busAtStop() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 36, kSignSize), kGrass);
        painter.fillRect(QRectF(170, 0, 30, kSignSize), kPavement);
        lineAlong(painter, 84, kLineYellow, true, 0, kSignSize);
        painter.fillRect(QRectF(180, 26, 8, 14), kBlue); // the stop's sign
        bus(painter, {149, 74}, 0);
        pedestrian(painter, {186, 70}, QColor(200, 120, 40));
        pedestrian(painter, {184, 98}, QColor(90, 90, 160));
        pedestrian(painter, {130, 14}, QColor(40, 150, 200));
        QPainterPath walk;
        walk.moveTo(116, 14);
        walk.lineTo(94, 14);
        intendedPath(painter, walk, QColor(255, 230, 80));
        car(painter, {110, 166}, 0, kOwnCar);
    });
}

QImage hiddenPedestrianAtCrossing() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 26, kSignSize), kPavement);
        painter.fillRect(QRectF(182, 0, 18, kSignSize), kPavement);
        lineAlong(painter, 75, kLineYellow, false, 0, kSignSize);
        lineAlong(painter, 128, kWhite, true, 90, kSignSize);
        for (qreal x = 30; x < 180; x += 16)
            painter.fillRect(QRectF(x, 40, 9, 38), kWhite);
        lineAcross(painter, 86, kWhite, false, 75, 182);
        truck(painter, 72, {155, 128}, 0);
        pedestrian(painter, {150, 60}, QColor(230, 120, 160));
        QPainterPath walk;
        walk.moveTo(136, 60);
        walk.lineTo(112, 60);
        intendedPath(painter, walk, QColor(255, 230, 80));
        car(painter, {101, 164}, 0, kOwnCar);
    });
}

QImage schoolGate() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 44, kSignSize), kPavement);
        painter.fillRect(QRectF(162, 0, 38, kSignSize), kGrass);
        painter.fillRect(QRectF(0, 0, 30, 44), QColor(225, 200, 150)); // school building
        painter.fillRect(QRectF(0, 130, 30, 70), QColor(225, 200, 150));
        painter.fillRect(QRectF(2, 52, 34, 22), kWhite);
        drawHanzi(painter, QRectF(2, 52, 34, 22), QStringLiteral("学校"), 15, kBlack, 1);
        lineAlong(painter, 103, kLineYellow, true, 0, kSignSize);
        for (qreal x = 48; x < 160; x += 16)
            painter.fillRect(QRectF(x, 84, 9, 34), kWhite);
        for (const QPointF& child : {QPointF(16, 92), QPointF(32, 110), QPointF(22, 124)})
            pedestrian(painter, child, QColor(240, 170, 30), 0.75);
        pedestrian(painter, {70, 100}, QColor(40, 120, 220), 0.75);
        car(painter, {132, 166}, 0, kOwnCar);
    });
}

QImage doorOpensAhead() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 30, kSignSize), kGrass);
        painter.fillRect(QRectF(174, 0, 26, kSignSize), kPavement);
        lineAlong(painter, 84, kLineYellow, true, 0, kSignSize);
        car(painter, {155, 16}, 0, kOtherGrey);
        car(painter, {155, 76}, 0, kOtherBlue);
        painter.save(); // the driver's door, swung out into the lane
        painter.translate(144, 66);
        painter.rotate(58);
        painter.setPen(QPen(kBlack, 1.5));
        painter.setBrush(kOtherBlue);
        painter.drawRect(QRectF(-3, 0, 6, 20));
        painter.restore();
        pedestrian(painter, {136, 78}, QColor(60, 60, 60), 0.85);
        car(painter, {112, 162}, 0, kOwnCar);
    });
}

void junctionBlocks(QPainter& painter) {
    for (const QRectF& block : {QRectF(0, 0, 40, 40), QRectF(160, 0, 40, 40),
                                QRectF(0, 120, 40, 80), QRectF(160, 120, 40, 80)})
        painter.fillRect(block, kPavement);
    lineAlong(painter, 90, kLineYellow, false, 122, kSignSize);
    lineAlong(painter, 135, kWhite, false, 122, kSignSize, 2.5);
    lineAcross(painter, 123, kWhite, false, 90, 160);
}

QImage ebikeBesideRightTurn() {
    return scene(kAsphalt, [](QPainter& painter) {
        junctionBlocks(painter);
        QPainterPath turn;
        turn.moveTo(112, 142);
        turn.cubicTo(112, 110, 140, 100, 186, 100);
        intendedPath(painter, turn, kWhite);
        car(painter, {112, 166}, 0, kOwnCar);
        cyclist(painter, {148, 140}, 0, QColor(240, 170, 30), true);
        QPainterPath ahead;
        ahead.moveTo(148, 118);
        ahead.lineTo(148, 62);
        intendedPath(painter, ahead, QColor(255, 230, 80));
    });
}

QImage truckTurningRight() {
    return scene(kAsphalt, [](QPainter& painter) {
        junctionBlocks(painter);
        // Between the paths of the front and the rear inner wheels: the ground the trailer
        // sweeps although the cab has already passed it.
        QPainterPath swept;
        swept.moveTo(136, 112);
        swept.cubicTo(150, 100, 170, 96, 200, 96);
        swept.lineTo(200, 118);
        swept.cubicTo(176, 118, 160, 130, 150, 176);
        swept.closeSubpath();
        painter.fillPath(swept, QColor(230, 40, 40, 110));
        truck(painter, 86, {118, 148}, 22);
        cyclist(painter, {150, 150}, 0, QColor(40, 150, 200));
        label(painter, {176, 150}, QStringLiteral("A"));
    });
}

QImage tailgatedOnTwoLanes() {
    return scene(kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 30, kSignSize), kGrass);
        painter.fillRect(QRectF(170, 0, 30, kSignSize), kGrass);
        lineAlong(painter, 34, kWhite, false, 0, kSignSize);
        lineAlong(painter, 166, kWhite, false, 0, kSignSize);
        lineAlong(painter, 100, kWhite, true, 0, kSignSize);
        car(painter, {133, 12}, 0, kOtherGrey);
        car(painter, {133, 92}, 0, kOwnCar);
        car(painter, {133, 140}, 0, kOtherBlue);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 250, 200, 150)); // its headlamps, almost on our bumper
        painter.drawEllipse(QPointF(126, 117), 4, 3);
        painter.drawEllipse(QPointF(140, 117), 4, 3);
    });
}

} // namespace

std::vector<PictureSpec> hazardTownPictures() {
    return {
        {QStringLiteral("hazard-ball-parked-cars.jpg"), ballBetweenParkedCars},
        {QStringLiteral("hazard-bus-stop.bmp"), busAtStop},
        {QStringLiteral("hazard-crossing-hidden.jpg"), hiddenPedestrianAtCrossing},
        {QStringLiteral("hazard-school-gate.bmp"), schoolGate},
        {QStringLiteral("hazard-door-opening.jpg"), doorOpensAhead},
        {QStringLiteral("hazard-ebike-right-turn.bmp"), ebikeBesideRightTurn},
        {QStringLiteral("hazard-truck-right-turn.jpg"), truckTurningRight},
        {QStringLiteral("hazard-tailgater.jpg"), tailgatedOnTwoLanes},
    };
}

} // namespace pictures
