// Warning signs about the road itself: its width, surface, junction shape and what lies ahead.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

void clipInside(QPainter& painter) {
    painter.setClipPath(triangle({{100, 32}, {21, 170}, {179, 170}}));
}

void arrow(QPainter& painter, const QLineF& tailToTip, qreal width = 12) {
    QPainterPath line;
    line.moveTo(tailToTip.p1());
    line.lineTo(tailToTip.p2());
    fill(painter, arrowShape(line, width, {width * 1.5, width * 2.6}), kBlack);
}

void danger(QPainter& painter) {
    fill(painter, triangle({{90, 72}, {110, 72}, {100, 136}}), kBlack);
    painter.fillRect(QRectF(90, 68, 20, 10), kBlack);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(100, 152), 10, 10);
}

void twoWay(QPainter& painter) {
    arrow(painter, QLineF(82, 82, 82, 150));
    arrow(painter, QLineF(118, 164, 118, 96));
}

// The road narrows on one side (left or right) or on both.
void narrowing(QPainter& painter, bool left, bool right, bool railings) {
    QPainterPath edges;
    edges.moveTo(64, 168);
    edges.lineTo(64, 134);
    edges.lineTo(left ? 86 : 64, 108);
    edges.lineTo(left ? 86 : 64, 64);
    edges.moveTo(136, 168);
    edges.lineTo(136, 134);
    edges.lineTo(right ? 114 : 136, 108);
    edges.lineTo(right ? 114 : 136, 64);
    if (railings) {
        for (qreal y : {72.0, 88.0, 104.0}) {
            edges.moveTo(86, y);
            edges.lineTo(72, y);
            edges.moveTo(114, y);
            edges.lineTo(128, y);
        }
    }
    strokeLine(painter, edges, 9, kBlack, Qt::FlatCap);
}

void unevenRoad(QPainter& painter) {
    clipInside(painter);
    QPainterPath surface;
    surface.moveTo(20, 170);
    surface.lineTo(20, 148);
    surface.lineTo(50, 148);
    surface.quadTo(68, 104, 86, 148);
    surface.lineTo(114, 148);
    surface.quadTo(132, 104, 150, 148);
    surface.lineTo(180, 148);
    surface.lineTo(180, 170);
    surface.closeSubpath();
    fill(painter, surface, kBlack);
}

void house(QPainter& painter, const QRectF& walls) {
    fill(painter,
         triangle({{walls.left() - 8, walls.top()},
                   {walls.center().x(), walls.top() - 28},
                   {walls.right() + 8, walls.top()}}),
         kBlack);
    painter.fillRect(walls, kBlack);
    painter.fillRect(QRectF(walls.center().x() - 7, walls.bottom() - 22, 14, 22), kYellow);
}

void village(QPainter& painter) {
    house(painter, QRectF(52, 126, 40, 36));
    house(painter, QRectF(104, 108, 46, 54));
}

void yJunction(QPainter& painter) {
    clipInside(painter);
    QPainterPath roads;
    roads.moveTo(100, 168);
    roads.lineTo(100, 62);
    roads.moveTo(100, 128);
    roads.lineTo(144, 84);
    strokeLine(painter, roads, 18, kBlack, Qt::FlatCap);
}

void roundaboutAhead(QPainter& painter) {
    const QRectF ring(66, 84, 68, 68);
    QPainterPath arrows;
    for (int arm = 0; arm < 3; ++arm) {
        const qreal start = 100 + arm * 120;
        QPainterPath arc;
        arc.arcMoveTo(ring, start);
        arc.arcTo(ring, start, 70);
        arrows = arrows.united(arrowShape(arc, 10, {15, 26}));
    }
    fill(painter, arrows, kBlack);
}

// Traffic may pass an obstruction on either side.
void passEitherSide(QPainter& painter) {
    painter.fillRect(QRectF(88, 86, 24, 24), kBlack);
    for (int side : {-1, 1}) {
        QPainterPath line;
        line.moveTo(100, 166);
        line.lineTo(100, 146);
        line.cubicTo(100, 130, 100 + side * 34, 132, 100 + side * 34, 110);
        line.lineTo(100 + side * 34, 96);
        fill(painter, arrowShape(line, 11, {16, 28}), kBlack);
    }
}

// A branch that leaves the road and ends in an arrester bed of loose gravel for runaway
// vehicles. The bed is drawn as a framed patch of stones so that the sign cannot be read as
// an ordinary Y junction, whose branch simply runs on.
void escapeLane(QPainter& painter) {
    clipInside(painter);
    QPainterPath road;
    road.moveTo(86, 170);
    road.lineTo(86, 66);
    strokeLine(painter, road, 18, kBlack, Qt::FlatCap);
    QPainterPath branch;
    branch.moveTo(86, 164);
    branch.cubicTo(86, 140, 122, 146, 122, 124);
    strokeLine(painter, branch, 12, kBlack, Qt::FlatCap);
    QPainterPath bed;
    bed.addRect(QRectF(109, 92, 26, 32));
    strokeLine(painter, bed, 4, kBlack, Qt::FlatCap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawEllipse(QPointF(115 + column * 7 + (row % 2) * 2, 99 + row * 8), 2.4, 2.4);
}

void tunnelLights(QPainter& painter) {
    QPainterPath portal;
    portal.addRect(QRectF(50, 82, 100, 82));
    QPainterPath opening;
    opening.moveTo(66, 164);
    opening.lineTo(66, 122);
    opening.arcTo(QRectF(66, 90, 68, 64), 180, -180);
    opening.lineTo(134, 164);
    opening.closeSubpath();
    fill(painter, portal.subtracted(opening), kBlack);
    QPainterPath lamp;
    lamp.moveTo(96, 116);
    lamp.lineTo(96, 150);
    lamp.cubicTo(72, 150, 72, 116, 96, 116);
    fill(painter, lamp, kBlack);
    QPainterPath beams;
    for (qreal y : {120.0, 133.0, 146.0}) {
        beams.moveTo(102, y);
        beams.lineTo(124, y);
    }
    strokeLine(painter, beams, 5, kBlack, Qt::FlatCap);
}

} // namespace

std::vector<PictureSpec> hazardWarningPictures() {
    return {
        {QStringLiteral("warning-danger.jpg"), [] { return warningSign(danger); }},
        {QStringLiteral("warning-two-way.bmp"), [] { return warningSign(twoWay); }},
        {QStringLiteral("warning-narrow-bridge.jpg"),
         [] {
             return warningSign([](QPainter& painter) { narrowing(painter, true, true, true); });
         }},
        {QStringLiteral("warning-left-narrows.jpg"),
         [] {
             return warningSign([](QPainter& painter) { narrowing(painter, true, false, false); });
         }},
        {QStringLiteral("warning-right-narrows.bmp"),
         [] {
             return warningSign([](QPainter& painter) { narrowing(painter, false, true, false); });
         }},
        {QStringLiteral("warning-uneven-road.jpg"), [] { return warningSign(unevenRoad); }},
        {QStringLiteral("warning-village.jpg"), [] { return warningSign(village); }},
        {QStringLiteral("warning-y-junction.bmp"), [] { return warningSign(yJunction); }},
        {QStringLiteral("warning-roundabout.jpg"), [] { return warningSign(roundaboutAhead); }},
        {QStringLiteral("warning-pass-either-side.jpg"),
         [] { return warningSign(passEitherSide); }},
        {QStringLiteral("warning-escape-lane.bmp"), [] { return warningSign(escapeLane); }},
        {QStringLiteral("warning-tunnel-lights.jpg"), [] { return warningSign(tunnelLights); }},
    };
}

} // namespace pictures
