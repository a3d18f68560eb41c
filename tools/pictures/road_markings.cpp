// Road markings seen from above; traffic in the right-hand lanes drives up the picture.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;
const QColor kCarRed(190, 40, 40);
const QColor kCarBlue(50, 90, 170);
const QColor kPavement(175, 172, 165);

void along(QPainter& painter, qreal x, const QColor& colour, bool broken, qreal top = 0,
           qreal bottom = kHeight, qreal width = 4) {
    if (!broken) {
        painter.fillRect(QRectF(x - width / 2, top, width, bottom - top), colour);
        return;
    }
    for (qreal y = top; y < bottom; y += 30)
        painter.fillRect(QRectF(x - width / 2, y, width, std::min<qreal>(18, bottom - y)), colour);
}

void across(QPainter& painter, qreal y, const QColor& colour, bool broken, qreal left, qreal right,
            qreal width = 5) {
    if (!broken) {
        painter.fillRect(QRectF(left, y - width / 2, right - left, width), colour);
        return;
    }
    for (qreal x = left; x < right; x += 16)
        painter.fillRect(QRectF(x, y - width / 2, std::min<qreal>(10, right - x), width), colour);
}

// A two-way road between grass verges, with white edge lines.
void twoWayRoad(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 24, kHeight), kGrass);
    painter.fillRect(QRectF(176, 0, 24, kHeight), kGrass);
    along(painter, 30, kWhite, false);
    along(painter, 170, kWhite, false);
}

void oncomingTraffic(QPainter& painter) {
    drawCarTop(painter, {64, 44}, 180, kCarBlue);
    drawCarTop(painter, {136, 112}, 0, kCarRed);
}

QImage centreLine(const Painting& lines) {
    return paintPicture(kWidth, kHeight, kAsphalt, [&](QPainter& painter) {
        twoWayRoad(painter);
        lines(painter);
        oncomingTraffic(painter);
    });
}

// Text painted on the road is stretched along the lane so that drivers can read it early.
void roadText(QPainter& painter, QPointF centre, const QString& text, int pixelSize) {
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, 1.8);
    drawHanzi(painter, QRectF(-60, -20, 120, 40), text, pixelSize, kWhite, 1.5);
    painter.restore();
}

void laneArrow(QPainter& painter, qreal x, int turn) {
    QPainterPath line;
    line.moveTo(x, 140);
    if (turn == 0) {
        line.lineTo(x, 78);
    } else {
        line.lineTo(x, 96);
        line.quadTo(x, 80, x + turn * 14, 78);
    }
    fill(painter, arrowShape(line, 7, 20, 22), kWhite);
}

QImage guideArrows() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        along(painter, 30, kWhite, false);
        along(painter, 170, kWhite, false);
        along(painter, 76, kWhite, false, 40);
        along(painter, 124, kWhite, false, 40);
        across(painter, 40, kWhite, false, 30, 170, 6);
        laneArrow(painter, 56, -1);
        laneArrow(painter, 100, 0);
        laneArrow(painter, 140, 1);
    });
}

// A minor road (bottom) meeting a major road (top); the marking sits across the right lane.
QImage minorRoadJunction(const Painting& marking) {
    return paintPicture(kWidth, kHeight, kAsphalt, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 60, 50, 90), kGrass);
        painter.fillRect(QRectF(150, 60, 50, 90), kGrass);
        across(painter, 28, kLineYellow, true, 0, kWidth, 4);
        along(painter, 100, kLineYellow, false, 76);
        marking(painter);
        drawCarTop(painter, {125, 138}, 0, kCarRed, 30);
    });
}

QImage zebraCrossing() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        twoWayRoad(painter);
        along(painter, 100, kLineYellow, false, 0, 40);
        along(painter, 100, kLineYellow, false, 90);
        for (qreal x = 36; x < 166; x += 18)
            painter.fillRect(QRectF(x, 48, 10, 36), kWhite);
        drawCarTop(painter, {136, 126}, 0, kCarRed);
    });
}

QImage crosswalkAhead() {
    return centreLine([](QPainter& painter) {
        along(painter, 100, kLineYellow, false);
        QPainterPath diamond;
        diamond.moveTo(135, 12);
        diamond.lineTo(150, 52);
        diamond.lineTo(135, 92);
        diamond.lineTo(120, 52);
        diamond.closeSubpath();
        strokeLine(painter, diamond, 4, kWhite);
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

QImage diversionLines() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 20, kHeight), kGrass);
        along(painter, 26, kWhite, false);
        along(painter, 74, kWhite, true);
        QPainterPath gore = triangle({122, 150}, {104, 0}, {170, 0});
        strokeLine(painter, gore, 4, kWhite);
        painter.save();
        painter.setClipPath(gore);
        QPainterPath chevrons;
        for (qreal y = -20; y < 170; y += 20) {
            chevrons.moveTo(90, y);
            chevrons.lineTo(130, y + 28);
            chevrons.lineTo(190, y - 14);
        }
        strokeLine(painter, chevrons, 5, kWhite, Qt::FlatCap);
        painter.restore();
        QPainterPath rampEdge;
        rampEdge.moveTo(160, 150);
        rampEdge.cubicTo(170, 90, 190, 40, 196, 0);
        strokeLine(painter, rampEdge, 4, kWhite);
        drawCarTop(painter, {50, 110}, 0, kCarRed);
        drawCarTop(painter, {142, 90}, 10, kCarBlue);
    });
}

QImage kerbLine(bool broken) {
    return paintPicture(kWidth, kHeight, kAsphalt, [broken](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 24, kHeight), kGrass);
        painter.fillRect(QRectF(166, 0, 34, kHeight), kPavement);
        painter.fillRect(QRectF(164, 0, 4, kHeight), QColor(210, 208, 200));
        along(painter, 30, kWhite, false);
        along(painter, 100, kLineYellow, true);
        along(painter, 160, kLineYellow, broken, 0, kHeight, 5);
        drawCarTop(painter, {130, 76}, 0, kCarRed);
    });
}

QImage leftTurnWaiting() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 12, 10), kGrass);
        painter.fillRect(QRectF(0, 90, 8, 60), kGrass);
        painter.fillRect(QRectF(196, 90, 4, 60), kGrass);
        along(painter, 78, kLineYellow, false, 90);
        along(painter, 84, kLineYellow, false, 90);
        along(painter, 140, kWhite, false, 90);
        across(painter, 90, kWhite, false, 84, 196, 5);
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
        fill(painter, arrowShape(arrow, 6, 14, 18), kWhite);
        QPainterPath straight;
        straight.moveTo(168, 148);
        straight.lineTo(168, 120);
        fill(painter, arrowShape(straight, 6, 16, 18), kWhite);
    });
}

QImage busLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(176, 0, 24, kHeight), kPavement);
        along(painter, 10, kWhite, true);
        along(painter, 90, kLineYellow, true, 0, kHeight, 5);
        along(painter, 172, kWhite, false);
        roadText(painter, {131, 84}, QStringLiteral("公交专用"), 17);
        drawCarTop(painter, {50, 70}, 0, kCarBlue);
    });
}

} // namespace

std::vector<PictureSpec> roadMarkingPictures() {
    return {
        {QStringLiteral("marking-yellow-broken-centre.jpg"),
         [] { return centreLine([](QPainter& p) { along(p, 100, kLineYellow, true); }); }},
        {QStringLiteral("marking-yellow-solid-centre.bmp"),
         [] { return centreLine([](QPainter& p) { along(p, 100, kLineYellow, false); }); }},
        {QStringLiteral("marking-double-yellow-solid.jpg"),
         [] {
             return centreLine([](QPainter& p) {
                 along(p, 96, kLineYellow, false);
                 along(p, 104, kLineYellow, false);
             });
         }},
        {QStringLiteral("marking-yellow-solid-broken.jpg"),
         [] {
             return centreLine([](QPainter& p) {
                 along(p, 96, kLineYellow, false);
                 along(p, 104, kLineYellow, true);
             });
         }},
        {QStringLiteral("marking-white-lane-lines.bmp"),
         [] {
             return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& p) {
                 along(p, 20, kWhite, false);
                 along(p, 180, kWhite, false);
                 along(p, 73, kWhite, true);
                 along(p, 127, kWhite, true);
                 drawCarTop(p, {46, 100}, 0, kCarBlue);
                 drawCarTop(p, {154, 50}, 0, kCarRed);
             });
         }},
        {QStringLiteral("marking-guide-arrows.jpg"), guideArrows},
        {QStringLiteral("marking-stop-line.jpg"),
         [] {
             return minorRoadJunction(
                 [](QPainter& p) { across(p, 70, kWhite, false, 102, 150, 6); });
         }},
        {QStringLiteral("marking-stop-yield-line.bmp"),
         [] {
             return minorRoadJunction([](QPainter& p) {
                 across(p, 66, kWhite, false, 102, 150, 4);
                 across(p, 74, kWhite, false, 102, 150, 4);
                 roadText(p, {125, 96}, QStringLiteral("停"), 18);
             });
         }},
        {QStringLiteral("marking-yield-line.jpg"),
         [] {
             return minorRoadJunction([](QPainter& p) {
                 across(p, 66, kWhite, true, 102, 150, 4);
                 across(p, 74, kWhite, true, 102, 150, 4);
                 strokeLine(p, triangle({113, 84}, {137, 84}, {125, 108}), 3, kWhite);
             });
         }},
        {QStringLiteral("marking-zebra-crossing.jpg"), zebraCrossing},
        {QStringLiteral("marking-crosswalk-ahead.bmp"), crosswalkAhead},
        {QStringLiteral("marking-yellow-grid.jpg"), yellowGrid},
        {QStringLiteral("marking-diversion-lines.jpg"), diversionLines},
        {QStringLiteral("marking-kerb-yellow-solid.bmp"), [] { return kerbLine(false); }},
        {QStringLiteral("marking-kerb-yellow-broken.jpg"), [] { return kerbLine(true); }},
        {QStringLiteral("marking-left-turn-waiting.jpg"), leftTurnWaiting},
        {QStringLiteral("marking-bus-lane.bmp"), busLane},
    };
}

} // namespace pictures
