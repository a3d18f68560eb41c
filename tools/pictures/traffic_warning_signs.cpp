// Warning signs about other traffic: cyclists, merging and queuing vehicles, tidal lanes and
// places where crashes cluster.
#include "tools/pictures/panel_signs.h"

#include <QtMath>

#include <cmath>

namespace pictures {
namespace {

void clipInside(QPainter& painter) {
    painter.setClipPath(triangle({{100, 32}, {21, 170}, {179, 170}}));
}

void cyclist(QPainter& painter) {
    drawBicycle(painter, {100, 138}, 0.82, kBlack);
}

void crash(QPainter& painter) {
    for (int side : {-1, 1}) {
        painter.save();
        painter.translate(100 + side * 34, 150);
        painter.scale(side, 1);
        painter.rotate(14);
        drawCarSide(painter, QRectF(-34, -30, 60, 30), {kBlack, kYellow});
        painter.restore();
    }
    QPainterPath star;
    for (int point = 0; point < 16; ++point) {
        const qreal angle = qDegreesToRadians(point * 22.5);
        const qreal radius = point % 2 == 0 ? 22 : 9;
        const QPointF at(100 + radius * std::sin(angle), 100 - radius * std::cos(angle));
        if (point == 0)
            star.moveTo(at);
        else
            star.lineTo(at);
    }
    star.closeSubpath();
    fill(painter, star, kBlack);
}

// Another road joins the main road from the left.
void mergeFromLeft(QPainter& painter) {
    clipInside(painter);
    QPainterPath main;
    main.moveTo(114, 170);
    main.lineTo(114, 60);
    strokeLine(painter, main, 18, kBlack, Qt::FlatCap);
    QPainterPath side;
    side.moveTo(60, 170);
    side.lineTo(60, 150);
    side.cubicTo(60, 126, 110, 124, 110, 98);
    strokeLine(painter, side, 12, kBlack, Qt::FlatCap);
}

// Lanes whose direction changes with the time of day.
void tidalLanes(QPainter& painter) {
    QPainterPath lines;
    lines.moveTo(62, 166);
    lines.lineTo(62, 100);
    lines.moveTo(138, 166);
    lines.lineTo(138, 100);
    strokeLine(painter, lines, 4, kBlack, Qt::FlatCap);
    for (qreal x : {87.0, 113.0})
        for (qreal y = 100; y < 166; y += 18)
            painter.fillRect(QRectF(x - 1.5, y, 3, 10), kBlack);
    QPainterPath down;
    down.moveTo(75, 98);
    down.lineTo(75, 150);
    QPainterPath up;
    up.moveTo(125, 166);
    up.lineTo(125, 114);
    QPainterPath both;
    both.moveTo(100, 134);
    both.lineTo(100, 110);
    QPainterPath bothDown;
    bothDown.moveTo(100, 134);
    bothDown.lineTo(100, 152);
    fill(painter,
         arrowShape(down, 7, {11, 18})
             .united(arrowShape(up, 7, {11, 18}))
             .united(arrowShape(both, 7, {11, 18}))
             .united(arrowShape(bothDown, 7, {11, 18})),
         kBlack);
}

void keepDistance(QPainter& painter) {
    drawCarSide(painter, QRectF(36, 128, 52, 30), {kBlack, kYellow});
    drawCarSide(painter, QRectF(112, 128, 52, 30), {kBlack, kYellow});
    for (bool left : {true, false}) {
        QPainterPath line;
        line.moveTo(100, 108);
        line.lineTo(left ? 76 : 124, 108);
        fill(painter, arrowShape(line, 6, {12, 18}), kBlack);
    }
}

// Cars standing one behind another, the nearest largest.
void queue(QPainter& painter) {
    const QRectF cars[] = {{86, 68, 28, 22}, {76, 90, 48, 34}, {62, 118, 76, 48}};
    for (const QRectF& car : cars) {
        drawCarRear(painter, car.adjusted(-3, -3, 3, 3), {kYellow, kYellow});
        drawCarRear(painter, car, {kBlack, kYellow});
    }
}

} // namespace

std::vector<PictureSpec> trafficWarningPictures() {
    return {
        {QStringLiteral("warning-non-motor.jpg"), [] { return warningSign(cyclist); }},
        {QStringLiteral("warning-accident-zone.bmp"), [] { return warningSign(crash); }},
        {QStringLiteral("warning-merge-left.jpg"), [] { return warningSign(mergeFromLeft); }},
        {QStringLiteral("warning-merge-right.jpg"),
         [] { return warningSign(mirrored(mergeFromLeft)); }},
        {QStringLiteral("warning-tidal-lanes.bmp"), [] { return warningSign(tidalLanes); }},
        {QStringLiteral("warning-keep-distance.jpg"), [] { return warningSign(keepDistance); }},
        {QStringLiteral("warning-queue.jpg"), [] { return warningSign(queue); }},
    };
}

} // namespace pictures
