// Markings painted on the lane itself (prohibitions, speed limits, arrows, the small grid at a
// gate) and two situations that need lights and markings together.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = kMarkingWidth;
constexpr int kHeight = kMarkingHeight;

// One lane seen from above between a broken line and the edge line.
QImage singleLane(const Painting& mark) {
    return paintPicture(kWidth, kHeight, kAsphalt, [&](QPainter& painter) {
        painter.fillRect(QRectF(170, 0, 30, kHeight), kGrass);
        lineAlong(painter, 164, kWhite, false);
        lineAlong(painter, 52, kWhite, true);
        lineAlong(painter, 8, kLineYellow, false);
        mark(painter);
    });
}

QPainterPath uTurnLine(qreal x, qreal bottom) {
    QPainterPath line;
    line.moveTo(x, bottom);
    line.lineTo(x, 60);
    line.cubicTo(x, 26, x - 40, 26, x - 40, 60);
    line.lineTo(x - 40, 76);
    return line;
}

QImage noUTurn() {
    return singleLane([](QPainter& painter) {
        fill(painter, arrowShape(uTurnLine(128, 140), 8, {18, 24}), kLineYellow);
        QPainterPath cross;
        cross.moveTo(84, 34);
        cross.lineTo(144, 104);
        cross.moveTo(144, 34);
        cross.lineTo(84, 104);
        strokeLine(painter, cross, 7, kLineYellow, Qt::FlatCap);
    });
}

QImage leftAndUTurnArrow() {
    return singleLane([](QPainter& painter) {
        QPainterPath uTurn;
        uTurn.moveTo(128, 144);
        uTurn.lineTo(128, 50);
        uTurn.cubicTo(128, 18, 92, 18, 92, 46);
        fill(painter, arrowShape(uTurn, 8, {18, 22}), kWhite);
        QPainterPath left;
        left.moveTo(128, 120);
        left.lineTo(128, 112);
        left.quadTo(128, 98, 108, 98);
        fill(painter, arrowShape(left, 8, {18, 22}), kWhite);
        drawCarTop(painter, {30, 110}, 180, kCarBlue);
    });
}

QImage roadSpeedLimit() {
    return singleLane([](QPainter& painter) {
        painter.save();
        painter.translate(108, 76);
        painter.scale(1.0, 2.0);
        drawText(painter, QRectF(-40, -24, 80, 48), QStringLiteral("60"), numberFont(46),
                 kLineYellow);
        painter.restore();
        drawCarTop(painter, {108, 142}, 0, kCarRed, 26);
    });
}

// The arrow that bends towards the neighbouring lane where the lane ends ahead.
QImage mergeArrow() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(184, 0, 16, kHeight), kGrass);
        lineAlong(painter, 12, kLineYellow, false);
        lineAlong(painter, 98, kWhite, true);
        QPainterPath edge;
        edge.moveTo(178, kHeight);
        edge.lineTo(178, 60);
        edge.lineTo(104, 0);
        strokeLine(painter, edge, 4, kWhite, Qt::FlatCap);
        QPainterPath bend;
        bend.moveTo(142, 144);
        bend.lineTo(142, 110);
        bend.quadTo(142, 86, 112, 66);
        fill(painter, arrowShape(bend, 8, {20, 24}), kWhite);
        drawCarTop(painter, {56, 80}, 0, kCarBlue);
    });
}

QImage simpleGrid() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, kWidth, 34), kPavement);
        painter.fillRect(QRectF(60, 0, 80, 34), QColor(130, 130, 130));
        painter.fillRect(QRectF(52, 0, 8, 34), QColor(150, 60, 50));
        painter.fillRect(QRectF(140, 0, 8, 34), QColor(150, 60, 50));
        painter.fillRect(QRectF(60, 14, 80, 4), QColor(230, 230, 230)); // gate bar
        lineAcross(painter, 36, kWhite, false, 0, kWidth, 4);
        lineAlong(painter, 100, kLineYellow, true, 112, kHeight);
        const QRectF box(60, 44, 80, 54);
        painter.setPen(QPen(kLineYellow, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        drawCarTop(painter, {150, 126}, 270, kCarRed);
    });
}

QImage whiteSolidBroken() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 20, kHeight), kGrass);
        painter.fillRect(QRectF(180, 0, 20, kHeight), kGrass);
        lineAlong(painter, 26, kWhite, false);
        lineAlong(painter, 174, kWhite, false);
        lineAlong(painter, 96, kWhite, false);
        lineAlong(painter, 104, kWhite, true);
        drawCarTop(painter, {60, 60}, 0, kCarBlue);
        drawCarTop(painter, {140, 104}, 0, kCarRed);
    });
}

QImage nonMotorLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(182, 0, 18, kHeight), kPavement);
        lineAlong(painter, 10, kLineYellow, false);
        lineAlong(painter, 74, kWhite, true);
        lineAlong(painter, 138, kWhite, false);
        lineAlong(painter, 180, kWhite, false);
        drawBicycle(painter, {159, 74}, 0.3, kWhite);
        drawCarTop(painter, {106, 100}, 0, kCarRed);
        drawCarTop(painter, {42, 44}, 0, kCarBlue);
    });
}

// Lane lights on a gantry over three lanes: the middle one is closed.
QImage laneLightsGantry() {
    return paintPicture(kWidth, kHeight, QColor(170, 206, 234), [](QPainter& painter) {
        painter.fillRect(QRectF(0, 70, kWidth, 80), kAsphalt);
        painter.fillRect(QRectF(0, 18, kWidth, 8), QColor(110, 112, 118));
        for (qreal x : {66.0, 134.0})
            lineAlong(painter, x, kWhite, true, 74, kHeight);
        const qreal centres[] = {33, 100, 167};
        for (int lane = 0; lane < 3; ++lane) {
            const QRectF panel(centres[lane] - 22, 26, 44, 40);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(20, 20, 22));
            painter.drawRoundedRect(panel, 4, 4);
            const QPointF c = panel.center();
            if (lane == 1) {
                QPainterPath cross;
                cross.moveTo(c + QPointF(-12, -12));
                cross.lineTo(c + QPointF(12, 12));
                cross.moveTo(c + QPointF(12, -12));
                cross.lineTo(c + QPointF(-12, 12));
                strokeLine(painter, cross, 6, QColor(238, 34, 30), Qt::FlatCap);
            } else {
                QPainterPath down;
                down.moveTo(c.x(), c.y() - 14);
                down.lineTo(c.x(), c.y() + 2);
                fill(painter, arrowShape(down, 6, {12, 16}), QColor(0, 214, 120));
            }
        }
        drawCarTop(painter, {33, 124}, 0, kCarBlue, 28);
        drawCarTop(painter, {100, 130}, 0, kCarRed, 28);
    });
}

// A red light, a car waiting to turn right and a pedestrian on the crossing it would cut.
QImage redLightRightTurn() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(150, 0, 50, 30), kGrass);
        painter.fillRect(QRectF(150, 110, 50, 40), kGrass);
        painter.fillRect(QRectF(0, 110, 40, 40), kGrass);
        lineAlong(painter, 95, kLineYellow, false, 110);
        for (qreal y = 36; y < 104; y += 14)
            painter.fillRect(QRectF(156, y, 36, 8), kWhite);
        lineAcross(painter, 110, kWhite, false, 96, 150, 5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 150, 200));
        painter.drawEllipse(QPointF(174, 62), 6, 9);
        painter.setBrush(QColor(60, 40, 30));
        painter.drawEllipse(QPointF(174, 62), 4, 4);
        painter.setBrush(QColor(20, 20, 22));
        painter.drawRoundedRect(QRectF(10, 8, 24, 60), 5, 5);
        painter.setBrush(QColor(238, 34, 30));
        painter.drawEllipse(QPointF(22, 22), 8, 8);
        painter.setBrush(QColor(60, 60, 64));
        painter.drawEllipse(QPointF(22, 40), 8, 8);
        painter.drawEllipse(QPointF(22, 58), 6, 6);
        drawCarTop(painter, {136, 132}, 0, kCarRed, 30);
        painter.save();
        QPen pen(kWhite, 3, Qt::DashLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(136, 112);
        path.quadTo(138, 70, 190, 66);
        painter.drawPath(path);
        painter.restore();
    });
}

} // namespace

std::vector<PictureSpec> controlMarkingPictures() {
    return {
        {QStringLiteral("marking-no-u-turn.jpg"), noUTurn},
        {QStringLiteral("marking-left-and-u-turn-arrow.bmp"), leftAndUTurnArrow},
        {QStringLiteral("marking-road-speed-limit.jpg"), roadSpeedLimit},
        {QStringLiteral("marking-merge-arrow.jpg"), mergeArrow},
        {QStringLiteral("marking-simple-grid.jpg"), simpleGrid},
        {QStringLiteral("marking-white-solid-broken.bmp"), whiteSolidBroken},
        {QStringLiteral("marking-non-motor-lane.jpg"), nonMotorLane},
        {QStringLiteral("light-lane-gantry.jpg"), laneLightsGantry},
        {QStringLiteral("scene-red-light-right-turn.jpg"), redLightRightTurn},
    };
}

} // namespace pictures
