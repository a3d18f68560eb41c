// Lane markings that change how a lane is used: tidal and variable lanes, deceleration lines,
// guide lines through a junction, the distance check and the straight-ahead waiting area.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = kMarkingWidth;
constexpr int kHeight = kMarkingHeight;

// Grass of the same width on both sides of the road.
void verges(QPainter& painter, qreal width) {
    const qreal left = width;
    const qreal right = kWidth - width;
    painter.fillRect(QRectF(0, 0, left, kHeight), kGrass);
    painter.fillRect(QRectF(right, 0, kWidth - right, kHeight), kGrass);
    lineAlong(painter, left + 4, kWhite, false);
    lineAlong(painter, right - 4, kWhite, false);
}

void straightArrow(QPainter& painter, const QLineF& baseToTip) {
    QPainterPath line;
    line.moveTo(baseToTip.p1());
    line.lineTo(baseToTip.p2());
    fill(painter, arrowShape(line, 6, {16, 18}), kWhite);
}

// Four lanes; the third from the left is tidal, bounded by double yellow broken lines.
QImage tidalLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        verges(painter, 8);
        lineAlong(painter, 56, kWhite, true);
        for (qreal x : {97.0, 103.0, 141.0, 147.0})
            lineAlong(painter, x, kLineYellow, true, 0, kHeight, 3);
        drawCarTop(painter, {34, 50}, 180, kCarBlue);
        drawCarTop(painter, {78, 104}, 180, kCarBlue);
        drawCarTop(painter, {122, 60}, 0, kCarRed);
        drawCarTop(painter, {166, 112}, 0, kCarRed);
    });
}

// The lane lines of a variable lane are white zigzags; the lane carries no fixed arrow.
QImage variableGuideLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        verges(painter, 14);
        lineAcross(painter, 24, kWhite, false, 18, 182, 6);
        lineAlong(painter, 74, kWhite, false, 24);
        QPainterPath zigzag;
        for (qreal x : {76.0, 126.0}) {
            zigzag.moveTo(x, 24);
            bool out = true;
            for (qreal y = 36; y <= kHeight + 12; y += 12, out = !out)
                zigzag.lineTo(x + (out ? 8 : 0), y);
        }
        strokeLine(painter, zigzag, 3, kWhite, Qt::FlatCap);
        lineAlong(painter, 134, kWhite, false, 24);
        QPainterPath left;
        left.moveTo(44, 140);
        left.lineTo(44, 92);
        left.quadTo(44, 78, 30, 76);
        fill(painter, arrowShape(left, 6, {14, 18}), kWhite);
        straightArrow(painter, QLineF(160, 140, 160, 84));
        drawCarTop(painter, {104, 100}, 0, kCarRed);
    });
}

// Diamond blocks along both edges of a lane: the longitudinal deceleration marking.
QImage longitudinalDeceleration() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        verges(painter, 40);
        lineAlong(painter, 100, kWhite, true);
        for (qreal edge : {48.0, 92.0, 108.0, 152.0}) {
            const qreal inward = edge < 100 ? (edge < 70 ? 1 : -1) : (edge < 130 ? 1 : -1);
            for (qreal y = 4; y < kHeight; y += 24) {
                QPainterPath block;
                block.moveTo(edge, y);
                block.lineTo(edge + inward * 7, y + 6);
                block.lineTo(edge + inward * 7, y + 18);
                block.lineTo(edge, y + 12);
                block.closeSubpath();
                fill(painter, block, kWhite);
            }
        }
        drawCarTop(painter, {130, 96}, 0, kCarRed);
    });
}

// Groups of white broken lines across the lanes, closer together towards the hazard.
QImage transverseDeceleration() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        verges(painter, 30);
        lineAlong(painter, 100, kLineYellow, false);
        qreal y = 140;
        for (qreal gap : {34.0, 28.0, 22.0, 18.0, 14.0}) {
            for (int line = 0; line < 3; ++line)
                lineAcross(painter, y - line * 5, kWhite, true, 104, 164, 3);
            y -= gap;
        }
        drawCarTop(painter, {134, 132}, 0, kCarRed, 26);
    });
}

// White broken lines that lead a left turn across a wide junction.
QImage junctionGuideLines() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        for (const QRectF& corner : {QRectF(0, 0, 60, 34), QRectF(140, 0, 60, 34),
                                     QRectF(0, 116, 60, 34), QRectF(140, 116, 60, 34)})
            painter.fillRect(corner, kGrass);
        lineAlong(painter, 100, kLineYellow, false, 116);
        lineAlong(painter, 100, kLineYellow, false, 0, 34);
        lineAcross(painter, 116, kWhite, false, 100, 140, 5);
        painter.save();
        painter.setPen(QPen(kWhite, 3, Qt::CustomDashLine, Qt::FlatCap));
        QPen pen = painter.pen();
        pen.setDashPattern({4, 3});
        painter.setPen(pen);
        QPainterPath inner;
        inner.moveTo(102, 114);
        inner.cubicTo(102, 92, 90, 76, 60, 76);
        QPainterPath outer;
        outer.moveTo(120, 114);
        outer.cubicTo(120, 76, 96, 58, 60, 58);
        painter.drawPath(inner);
        painter.drawPath(outer);
        painter.restore();
        drawCarTop(painter, {111, 134}, 0, kCarRed, 28);
        drawCarTop(painter, {80, 18}, 180, kCarBlue, 28);
    });
}

// Thick white bars across the lanes at fixed intervals on an expressway.
QImage distanceCheck() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 20, kHeight), kGrass);
        painter.fillRect(QRectF(176, 0, 24, kHeight), kGrass);
        lineAlong(painter, 26, kLineYellow, false);
        lineAlong(painter, 96, kWhite, true);
        lineAlong(painter, 170, kWhite, false);
        for (qreal y : {20.0, 66.0, 112.0})
            lineAcross(painter, y, kWhite, false, 30, 166, 7);
        drawCarTop(painter, {62, 130}, 0, kCarRed);
        drawCarTop(painter, {62, 44}, 0, kCarBlue);
    });
}

// A box beyond the stop line of the straight lanes, entered while the left turn runs.
QImage straightWaitingArea() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 10, kHeight), kGrass);
        painter.fillRect(QRectF(190, 0, 10, kHeight), kGrass);
        lineAlong(painter, 60, kLineYellow, false, 92);
        lineAlong(painter, 104, kWhite, false, 92);
        lineAlong(painter, 146, kWhite, false, 92);
        lineAcross(painter, 92, kWhite, false, 60, 190, 5);
        painter.save();
        painter.setPen(QPen(kWhite, 3, Qt::DashLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(106, 30, 80, 58));
        painter.restore();
        painter.save();
        painter.translate(146, 59);
        drawHanzi(painter, QRectF(-40, -12, 80, 24), QStringLiteral("直行待行区"), 13, kWhite, 0.8);
        painter.restore();
        QPainterPath left;
        left.moveTo(82, 146);
        left.lineTo(82, 124);
        left.quadTo(82, 112, 70, 110);
        fill(painter, arrowShape(left, 6, {12, 16}), kWhite);
        straightArrow(painter, QLineF(125, 146, 125, 112));
        straightArrow(painter, QLineF(168, 146, 168, 112));
        drawCarTop(painter, {125, 136}, 0, kCarRed, 26);
    });
}

} // namespace

std::vector<PictureSpec> laneMarkingPictures() {
    return {
        {QStringLiteral("marking-tidal-lane.jpg"), tidalLane},
        {QStringLiteral("marking-variable-guide-lane.jpg"), variableGuideLane},
        {QStringLiteral("marking-longitudinal-deceleration.jpg"), longitudinalDeceleration},
        {QStringLiteral("marking-transverse-deceleration.bmp"), transverseDeceleration},
        {QStringLiteral("marking-junction-guide-lines.jpg"), junctionGuideLines},
        {QStringLiteral("marking-distance-check.jpg"), distanceCheck},
        {QStringLiteral("marking-straight-waiting-area.jpg"), straightWaitingArea},
    };
}

} // namespace pictures
