// Mandatory signs: blue disc, white symbol.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr qreal kArrowWidth = 20;
constexpr qreal kHeadLength = 28;
constexpr qreal kHeadWidth = 52;

void straight(QPainter& painter) {
    QPainterPath line;
    line.moveTo(100, 166);
    line.lineTo(100, 72);
    fill(painter, arrowShape(line, kArrowWidth, {kHeadLength, kHeadWidth}), kWhite);
}

void turnLeft(QPainter& painter) {
    QPainterPath line;
    line.moveTo(116, 166);
    line.lineTo(116, 104);
    line.quadTo(116, 84, 96, 84);
    line.lineTo(74, 84);
    fill(painter, arrowShape(line, kArrowWidth, {kHeadLength, kHeadWidth}), kWhite);
}

void straightOrLeft(QPainter& painter) {
    QPainterPath trunk;
    trunk.moveTo(118, 168);
    trunk.lineTo(118, 76);
    QPainterPath branch;
    branch.moveTo(118, 140);
    branch.quadTo(118, 112, 90, 112);
    branch.lineTo(72, 112);
    fill(painter, arrowShape(trunk, 18, {24, 46}).united(arrowShape(branch, 18, {24, 46})), kWhite);
}

void keepRight(QPainter& painter) {
    QPainterPath line;
    line.moveTo(62, 62);
    line.lineTo(122, 122);
    fill(painter, arrowShape(line, kArrowWidth + 2, {kHeadLength + 4, kHeadWidth + 4}), kWhite);
}

void roundabout(QPainter& painter) {
    const QRectF ring(56, 56, 88, 88);
    QPainterPath arrows;
    for (int arm = 0; arm < 3; ++arm) {
        // Traffic goes round anticlockwise, which is a positive sweep in Qt.
        const qreal start = 100 + arm * 120;
        QPainterPath arc;
        arc.arcMoveTo(ring, start);
        arc.arcTo(ring, start, 72);
        arrows = arrows.united(arrowShape(arc, 14, {20, 36}));
    }
    fill(painter, arrows, kWhite);
}

QImage minimumSpeed() {
    return mandatorySign([](QPainter& painter) {
        drawText(painter, QRectF(20, 50, 160, 100), QStringLiteral("50"), numberFont(100), kWhite);
    });
}

} // namespace

std::vector<PictureSpec> mandatoryPictures() {
    return {
        {QStringLiteral("mandatory-straight.jpg"), [] { return mandatorySign(straight); }},
        {QStringLiteral("mandatory-turn-left.bmp"), [] { return mandatorySign(turnLeft); }},
        {QStringLiteral("mandatory-turn-right.jpg"),
         [] { return mandatorySign(mirrored(turnLeft)); }},
        {QStringLiteral("mandatory-straight-or-left.jpg"),
         [] { return mandatorySign(straightOrLeft); }},
        {QStringLiteral("mandatory-keep-right.bmp"), [] { return mandatorySign(keepRight); }},
        {QStringLiteral("mandatory-roundabout.jpg"), [] { return mandatorySign(roundabout); }},
        {QStringLiteral("mandatory-motor-vehicles.jpg"),
         [] {
             return mandatorySign([](QPainter& painter) {
                 drawCarSide(painter, QRectF(36, 64, 128, 68), {kWhite, kBlue});
             });
         }},
        {QStringLiteral("mandatory-non-motor-vehicles.bmp"),
         [] {
             return mandatorySign([](QPainter& painter) {
                 drawBicycle(painter, {100, 100}, 1.1, kWhite);
             });
         }},
        {QStringLiteral("mandatory-minimum-speed-50.jpg"), minimumSpeed},
        {QStringLiteral("mandatory-honk.jpg"),
         [] {
             return mandatorySign([](QPainter& painter) {
                 drawHorn(painter, {100, 100}, 1.3, kWhite);
             });
         }},
        {QStringLiteral("mandatory-walk.bmp"),
         [] {
             return mandatorySign([](QPainter& painter) {
                 drawWalker(painter, {94, 112}, 1.0, kWhite);
             });
         }},
    };
}

} // namespace pictures
