// Markings at junctions and crossings: stop and yield lines, crossings, boxes and waiting areas.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = kMarkingWidth;
constexpr int kHeight = kMarkingHeight;

// A minor road (bottom) meeting a major road (top); the marking sits across the right lane.
QImage minorRoadJunction(const Painting& marking) {
    return paintPicture(kWidth, kHeight, kAsphalt, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 60, 50, 90), kGrass);
        painter.fillRect(QRectF(150, 60, 50, 90), kGrass);
        lineAcross(painter, 28, kLineYellow, true, 0, kWidth, 4);
        lineAlong(painter, 100, kLineYellow, false, 76);
        marking(painter);
        drawCarTop(painter, {125, 138}, 0, kCarRed, 30);
    });
}

QImage zebraCrossing() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        twoWayRoad(painter);
        lineAlong(painter, 100, kLineYellow, false, 0, 40);
        lineAlong(painter, 100, kLineYellow, false, 90);
        for (qreal x = 36; x < 166; x += 18)
            painter.fillRect(QRectF(x, 48, 10, 36), kWhite);
        drawCarTop(painter, {136, 126}, 0, kCarRed);
    });
}

QImage crosswalkAhead() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        twoWayRoad(painter);
        lineAlong(painter, 100, kLineYellow, false);
        QPainterPath diamond;
        diamond.moveTo(135, 12);
        diamond.lineTo(150, 52);
        diamond.lineTo(135, 92);
        diamond.lineTo(120, 52);
        diamond.closeSubpath();
        strokeLine(painter, diamond, 4, kWhite);
        drawCarTop(painter, {136, 124}, 0, kCarRed);
    });
}

QImage yellowGrid() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        twoWayRoad(painter);
        const QRectF box(34, 40, 132, 70);
        painter.setPen(QPen(kLineYellow, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setClipRect(box);
        painter.setPen(QPen(kLineYellow, 3));
        for (qreal offset = -160; offset < 200; offset += 22) {
            painter.drawLine(QPointF(box.left() + offset, box.top()),
                             QPointF(box.left() + offset + 80, box.bottom() + 10));
            painter.drawLine(QPointF(box.left() + offset + 80, box.top()),
                             QPointF(box.left() + offset, box.bottom() + 10));
        }
    });
}

QImage leftTurnWaiting() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 12, 10), kGrass);
        painter.fillRect(QRectF(0, 90, 8, 60), kGrass);
        painter.fillRect(QRectF(196, 90, 4, 60), kGrass);
        lineAlong(painter, 78, kLineYellow, false, 90);
        lineAlong(painter, 84, kLineYellow, false, 90);
        lineAlong(painter, 140, kWhite, false, 90);
        lineAcross(painter, 90, kWhite, false, 84, 196, 5);
        // The waiting area reaches into the junction along the path of the turn.
        QPainterPath area;
        area.moveTo(86, 86);
        area.cubicTo(84, 56, 70, 38, 44, 26);
        area.moveTo(138, 86);
        area.cubicTo(136, 46, 112, 20, 76, 8);
        painter.setPen(QPen(kWhite, 3, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(area);
        painter.drawLine(QPointF(44, 26), QPointF(76, 8));
        painter.save();
        painter.translate(106, 52);
        painter.rotate(-38);
        drawHanzi(painter, QRectF(-36, -9, 72, 18), QStringLiteral("左弯待转区"), 13, kWhite, 0.8);
        painter.restore();
        QPainterPath arrow;
        arrow.moveTo(118, 148);
        arrow.lineTo(118, 128);
        arrow.quadTo(118, 118, 106, 116);
        fill(painter, arrowShape(arrow, 6, {14, 18}), kWhite);
        QPainterPath straight;
        straight.moveTo(168, 148);
        straight.lineTo(168, 120);
        fill(painter, arrowShape(straight, 6, {16, 18}), kWhite);
    });
}

} // namespace

std::vector<PictureSpec> junctionMarkingPictures() {
    return {
        {QStringLiteral("marking-stop-line.jpg"),
         [] {
             return minorRoadJunction(
                 [](QPainter& p) { lineAcross(p, 70, kWhite, false, 102, 150, 6); });
         }},
        {QStringLiteral("marking-stop-yield-line.bmp"),
         [] {
             return minorRoadJunction([](QPainter& p) {
                 lineAcross(p, 66, kWhite, false, 102, 150, 4);
                 lineAcross(p, 74, kWhite, false, 102, 150, 4);
                 roadText(p, {125, 96}, QStringLiteral("停"), 18);
             });
         }},
        {QStringLiteral("marking-yield-line.jpg"),
         [] {
             return minorRoadJunction([](QPainter& p) {
                 lineAcross(p, 66, kWhite, true, 102, 150, 4);
                 lineAcross(p, 74, kWhite, true, 102, 150, 4);
                 strokeLine(p, triangle({{113, 84}, {137, 84}, {125, 108}}), 3, kWhite);
             });
         }},
        {QStringLiteral("marking-zebra-crossing.jpg"), zebraCrossing},
        {QStringLiteral("marking-crosswalk-ahead.bmp"), crosswalkAhead},
        {QStringLiteral("marking-yellow-grid.jpg"), yellowGrid},
        {QStringLiteral("marking-left-turn-waiting.jpg"), leftTurnWaiting},
    };
}

} // namespace pictures
