// More indication signs: one-way streets, priority over oncoming traffic and at junctions,
// turn combinations, keep left and the bus lane.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

void whiteArrow(QPainter& painter, const QPainterPath& line, qreal width = 20) {
    fill(painter, arrowShape(line, width, {width * 1.4, width * 2.6}), kWhite);
}

// One-way street: straight on a tall panel, left or right on a wide one.
QImage oneWay(int direction) {
    if (direction == 0) {
        return panelPicture(kBlue, kWhite, QRectF(58, 4, 84, 142), [](QPainter& painter) {
            QPainterPath line;
            line.moveTo(100, 134);
            line.lineTo(100, 52);
            whiteArrow(painter, line, 22);
        });
    }
    return panelPicture(kBlue, kWhite, QRectF(8, 36, 184, 78), [=](QPainter& painter) {
        QPainterPath line;
        line.moveTo(100 - direction * 70, 75);
        line.lineTo(100 + direction * 36, 75);
        whiteArrow(painter, line, 20);
    });
}

QImage priorityOverOncoming() {
    return squarePanel(kBlue, kWhite, [](QPainter& painter) {
        QPainterPath up;
        up.moveTo(124, 162);
        up.lineTo(124, 70);
        whiteArrow(painter, up, 20);
        QPainterPath down;
        down.moveTo(72, 46);
        down.lineTo(72, 120);
        fill(painter, arrowShape(down, 12, {18, 32}), kRed);
    });
}

// The wide arrow is the road that goes first; the narrow bar is the crossing road.
QImage junctionPriority() {
    return squarePanel(kBlue, kWhite, [](QPainter& painter) {
        painter.fillRect(QRectF(36, 96, 128, 12), kWhite);
        QPainterPath up;
        up.moveTo(100, 168);
        up.lineTo(100, 74);
        whiteArrow(painter, up, 26);
    });
}

void leftAndRight(QPainter& painter) {
    for (int side : {-1, 1}) {
        QPainterPath line;
        line.moveTo(100, 164);
        line.lineTo(100, 112);
        line.quadTo(100, 94, 100 + side * 18, 94);
        line.lineTo(100 + side * 34, 94);
        whiteArrow(painter, line, 18);
    }
}

void straightOrRight(QPainter& painter) {
    QPainterPath trunk;
    trunk.moveTo(82, 168);
    trunk.lineTo(82, 76);
    QPainterPath branch;
    branch.moveTo(82, 140);
    branch.quadTo(82, 112, 110, 112);
    branch.lineTo(128, 112);
    fill(painter, arrowShape(trunk, 18, {24, 46}).united(arrowShape(branch, 18, {24, 46})), kWhite);
}

void keepLeft(QPainter& painter) {
    QPainterPath line;
    line.moveTo(138, 62);
    line.lineTo(78, 122);
    whiteArrow(painter, line, 22);
}

QImage busLane() {
    return panelPicture(kBlue, kWhite, QRectF(8, 14, 184, 122), [](QPainter& painter) {
        drawBusSide(painter, QRectF(34, 30, 132, 60), {kWhite, kBlue});
        drawHanzi(painter, QRectF(30, 96, 140, 34), QStringLiteral("专用"), 30, kWhite, 1.5);
    });
}

} // namespace

std::vector<PictureSpec> indicationPictures() {
    return {
        {QStringLiteral("mandatory-one-way-straight.jpg"), [] { return oneWay(0); }},
        {QStringLiteral("mandatory-one-way-left.bmp"), [] { return oneWay(-1); }},
        {QStringLiteral("mandatory-one-way-right.jpg"), [] { return oneWay(1); }},
        {QStringLiteral("mandatory-priority-over-oncoming.jpg"), priorityOverOncoming},
        {QStringLiteral("mandatory-junction-priority.bmp"), junctionPriority},
        {QStringLiteral("mandatory-left-and-right.jpg"),
         [] { return mandatorySign(leftAndRight); }},
        {QStringLiteral("mandatory-straight-or-right.bmp"),
         [] { return mandatorySign(straightOrRight); }},
        {QStringLiteral("mandatory-keep-left.jpg"), [] { return mandatorySign(keepLeft); }},
        {QStringLiteral("mandatory-bus-lane.jpg"), busLane},
    };
}

} // namespace pictures
