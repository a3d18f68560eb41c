// Warning signs about the terrain beside and under the road: cliffs, embankments, fords, humps
// and dips, and disabled people using the road.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

void clipInside(QPainter& painter) {
    painter.setClipPath(triangle({{100, 32}, {21, 170}, {179, 170}}));
}

// Waves along a level line, from its left end to its right end.
void waves(QPainter& painter, const QLineF& level, qreal width = 5) {
    const qreal left = level.x1();
    const qreal right = level.x2();
    const qreal y = level.y1();
    QPainterPath line;
    line.moveTo(left, y);
    for (qreal x = left; x < right; x += 20) {
        line.quadTo(x + 5, y - 6, x + 10, y);
        line.quadTo(x + 15, y + 6, x + 20, y);
    }
    strokeLine(painter, line, width, kBlack);
}

void wheelchairUser(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(92, 72), 10, 10);
    QPainterPath body;
    body.moveTo(90, 88);
    body.lineTo(90, 122);
    body.lineTo(122, 122);
    body.lineTo(134, 154);
    body.moveTo(90, 100);
    body.lineTo(112, 104);
    strokeLine(painter, body, 10, kBlack);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, 7));
    painter.drawEllipse(QPointF(92, 138), 24, 24);
}

// A mountainside on the left and a drop on the right, with stones falling off the edge.
void cliffRoad(QPainter& painter) {
    clipInside(painter);
    QPainterPath mountain;
    mountain.moveTo(20, 170);
    mountain.lineTo(20, 110);
    mountain.lineTo(54, 62);
    mountain.lineTo(86, 126);
    mountain.lineTo(118, 126);
    mountain.lineTo(118, 170);
    mountain.closeSubpath();
    fill(painter, mountain, kBlack);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(134, 140), 6, 5);
    painter.drawEllipse(QPointF(146, 158), 5, 4);
}

void embankment(QPainter& painter) {
    clipInside(painter);
    fill(painter, triangle({{74, 104}, {44, 170}, {74, 170}}).united([] {
        QPainterPath bank;
        bank.addRect(QRectF(74, 104, 44, 66));
        return bank;
    }()),
         kBlack);
    fill(painter, triangle({{118, 104}, {118, 170}, {148, 170}}), kBlack);
    waves(painter, QLineF(124, 120, 184, 120));
    waves(painter, QLineF(134, 140, 184, 140));
    waves(painter, QLineF(16, 150, 60, 150));
}

void ford(QPainter& painter) {
    drawCarSide(painter, QRectF(56, 90, 88, 46), {kBlack, kYellow});
    painter.fillRect(QRectF(40, 130, 120, 14), kYellow);
    waves(painter, QLineF(40, 136, 160, 136), 6);
    waves(painter, QLineF(50, 156, 150, 156), 6);
}

void humpBridge(QPainter& painter) {
    clipInside(painter);
    QPainterPath deck;
    deck.moveTo(20, 148);
    deck.lineTo(50, 148);
    deck.cubicTo(76, 148, 78, 96, 100, 96);
    deck.cubicTo(122, 96, 124, 148, 150, 148);
    deck.lineTo(180, 148);
    strokeLine(painter, deck, 12, kBlack, Qt::FlatCap);
    QPainterPath arch;
    arch.moveTo(70, 170);
    arch.cubicTo(76, 120, 124, 120, 130, 170);
    strokeLine(painter, arch, 7, kBlack, Qt::FlatCap);
    waves(painter, QLineF(76, 162, 124, 162), 4);
}

// A single rise (up) or dip (down) in an otherwise level road.
void bump(QPainter& painter, bool up) {
    clipInside(painter);
    QPainterPath surface;
    surface.moveTo(20, 170);
    surface.lineTo(20, 136);
    surface.lineTo(64, 136);
    surface.quadTo(100, up ? 72 : 200, 136, 136);
    surface.lineTo(180, 136);
    surface.lineTo(180, 170);
    surface.closeSubpath();
    fill(painter, surface, kBlack);
}

void motorcycle(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kBlack, 11));
    painter.drawEllipse(QPointF(58, 126), 20, 20);
    painter.drawEllipse(QPointF(142, 126), 20, 20);
    QPainterPath frame;
    frame.moveTo(58, 126);
    frame.lineTo(84, 104);
    frame.moveTo(124, 100);
    frame.lineTo(142, 126);
    frame.moveTo(124, 100);
    frame.lineTo(116, 70);
    frame.lineTo(102, 70);
    strokeLine(painter, frame, 8, kBlack);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRoundedRect(QRectF(66, 84, 40, 14), 6, 6);  // seat
    painter.drawRoundedRect(QRectF(100, 84, 28, 20), 8, 8); // tank
    painter.drawRoundedRect(QRectF(80, 98, 40, 30), 6, 6);  // engine
}

} // namespace

std::vector<PictureSpec> roadsideWarningPictures() {
    return {
        {QStringLiteral("warning-disabled.jpg"), [] { return warningSign(wheelchairUser); }},
        {QStringLiteral("warning-cliff-road.jpg"), [] { return warningSign(cliffRoad); }},
        {QStringLiteral("warning-embankment.bmp"), [] { return warningSign(embankment); }},
        {QStringLiteral("warning-ford.jpg"), [] { return warningSign(ford); }},
        {QStringLiteral("warning-hump-bridge.jpg"), [] { return warningSign(humpBridge); }},
        {QStringLiteral("warning-high-hump.bmp"),
         [] { return warningSign([](QPainter& painter) { bump(painter, true); }); }},
        {QStringLiteral("warning-dip.jpg"),
         [] { return warningSign([](QPainter& painter) { bump(painter, false); }); }},
        {QStringLiteral("sign-no-motorcycles.jpg"),
         [] { return prohibitionSign(motorcycle, true); }},
    };
}

} // namespace pictures
