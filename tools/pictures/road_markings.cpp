// Lines along the road: centre lines, lane lines, kerb lines, arrows and diversion areas.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = kMarkingWidth;
constexpr int kHeight = kMarkingHeight;

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

void laneArrow(QPainter& painter, qreal x, int turn) {
    QPainterPath line;
    line.moveTo(x, 140);
    if (turn == 0) {
        line.lineTo(x, 78);
    } else {
        line.lineTo(x, 96);
        line.quadTo(x, 80, x + turn * 14, 78);
    }
    fill(painter, arrowShape(line, 7, {20, 22}), kWhite);
}

QImage guideArrows() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        lineAlong(painter, 30, kWhite, false);
        lineAlong(painter, 170, kWhite, false);
        lineAlong(painter, 76, kWhite, false, 40);
        lineAlong(painter, 124, kWhite, false, 40);
        lineAcross(painter, 40, kWhite, false, 30, 170, 6);
        laneArrow(painter, 56, -1);
        laneArrow(painter, 100, 0);
        laneArrow(painter, 140, 1);
    });
}

QImage diversionLines() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 20, kHeight), kGrass);
        lineAlong(painter, 26, kWhite, false);
        lineAlong(painter, 74, kWhite, true);
        QPainterPath gore = triangle({{122, 150}, {104, 0}, {170, 0}});
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
        lineAlong(painter, 30, kWhite, false);
        lineAlong(painter, 100, kLineYellow, true);
        lineAlong(painter, 160, kLineYellow, broken, 0, kHeight, 5);
        drawCarTop(painter, {130, 76}, 0, kCarRed);
    });
}

QImage busLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(176, 0, 24, kHeight), kPavement);
        lineAlong(painter, 10, kWhite, true);
        lineAlong(painter, 90, kLineYellow, true, 0, kHeight, 5);
        lineAlong(painter, 172, kWhite, false);
        roadText(painter, {131, 84}, QStringLiteral("公交专用"), 17);
        drawCarTop(painter, {50, 70}, 0, kCarBlue);
    });
}

} // namespace

std::vector<PictureSpec> roadMarkingPictures() {
    return {
        {QStringLiteral("marking-yellow-broken-centre.jpg"),
         [] { return centreLine([](QPainter& p) { lineAlong(p, 100, kLineYellow, true); }); }},
        {QStringLiteral("marking-yellow-solid-centre.bmp"),
         [] { return centreLine([](QPainter& p) { lineAlong(p, 100, kLineYellow, false); }); }},
        {QStringLiteral("marking-double-yellow-solid.jpg"),
         [] {
             return centreLine([](QPainter& p) {
                 lineAlong(p, 96, kLineYellow, false);
                 lineAlong(p, 104, kLineYellow, false);
             });
         }},
        {QStringLiteral("marking-yellow-solid-broken.jpg"),
         [] {
             return centreLine([](QPainter& p) {
                 lineAlong(p, 96, kLineYellow, false);
                 lineAlong(p, 104, kLineYellow, true);
             });
         }},
        {QStringLiteral("marking-white-lane-lines.bmp"),
         [] {
             return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& p) {
                 lineAlong(p, 20, kWhite, false);
                 lineAlong(p, 180, kWhite, false);
                 lineAlong(p, 73, kWhite, true);
                 lineAlong(p, 127, kWhite, true);
                 drawCarTop(p, {46, 100}, 0, kCarBlue);
                 drawCarTop(p, {154, 50}, 0, kCarRed);
             });
         }},
        {QStringLiteral("marking-guide-arrows.jpg"), guideArrows},
        {QStringLiteral("marking-diversion-lines.jpg"), diversionLines},
        {QStringLiteral("marking-kerb-yellow-solid.bmp"), [] { return kerbLine(false); }},
        {QStringLiteral("marking-kerb-yellow-broken.jpg"), [] { return kerbLine(true); }},
        {QStringLiteral("marking-bus-lane.bmp"), busLane},
    };
}

} // namespace pictures
