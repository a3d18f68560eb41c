// Simple traffic situations seen from above, sized to fill the question picture box.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = 209;
constexpr int kHeight = 153;
const QColor kCarRed(200, 36, 36);
const QColor kCarBlue(46, 92, 176);
const QColor kCarGrey(150, 154, 160);

void solidAlong(QPainter& painter, qreal x, const QColor& colour, qreal top = 0,
                qreal bottom = kHeight) {
    painter.fillRect(QRectF(x - 2, top, 4, bottom - top), colour);
}

void brokenAlong(QPainter& painter, qreal x, const QColor& colour, qreal top = 0) {
    const qreal bottom = kHeight;
    for (qreal y = top; y < bottom; y += 28)
        painter.fillRect(QRectF(x - 2, y, 4, std::min<qreal>(16, bottom - y)), colour);
}

void label(QPainter& painter, QPointF at, const QString& text) {
    painter.save();
    painter.setPen(QPen(kBlack, 1.5));
    painter.setBrush(kWhite);
    painter.drawEllipse(at, 9, 9);
    painter.restore();
    drawText(painter, QRectF(at.x() - 9, at.y() - 9, 18, 18), text, numberFont(15), kBlack);
}

// The path a vehicle is about to take, dashed so it does not look like a road marking.
void intendedPath(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.save();
    QPen pen(colour, 3, Qt::DashLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    QPainterPath tip;
    const qreal percent = path.percentAtLength(path.length() - 1);
    tip.moveTo(path.pointAtPercent(percent));
    tip.lineTo(path.pointAtPercent(1));
    fill(painter, arrowShape(tip, 0.1, {10, 12}), colour);
}

void truckTop(QPainter& painter, QPointF centre) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(230, 230, 225));
    painter.drawRect(QRectF(-12, -18, 24, 48));
    painter.setBrush(QColor(70, 120, 70));
    painter.drawRoundedRect(QRectF(-11, -32, 22, 13), 4, 4);
    painter.restore();
}

QImage overtaking(bool brokenCentre) {
    return paintPicture(kWidth, kHeight, kAsphalt, [brokenCentre](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 44, kHeight), kGrass);
        painter.fillRect(QRectF(165, 0, 44, kHeight), kGrass);
        solidAlong(painter, 50, kWhite);
        solidAlong(painter, 159, kWhite);
        if (brokenCentre)
            brokenAlong(painter, 104.5, kLineYellow);
        else
            solidAlong(painter, 104.5, kLineYellow);
        truckTop(painter, {132, 62});
        drawCarTop(painter, {132, 128}, 0, kCarRed);
        QPainterPath path;
        path.moveTo(128, 110);
        path.cubicTo(120, 90, 80, 96, 78, 70);
        path.lineTo(78, 34);
        intendedPath(painter, path, kWhite);
        label(painter, {152, 132}, QStringLiteral("A"));
    });
}

QImage junctionLeftTurn() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        for (const QRectF& corner : {QRectF(0, 0, 74, 46), QRectF(134, 0, 75, 46),
                                     QRectF(0, 106, 74, 47), QRectF(134, 106, 75, 47)})
            painter.fillRect(corner, kGrass);
        solidAlong(painter, 104, kLineYellow, 0, 40);
        solidAlong(painter, 104, kLineYellow, 112, kHeight);
        painter.fillRect(QRectF(104, 110, 30, 4), kWhite); // stop line
        painter.fillRect(QRectF(74, 38, 30, 4), kWhite);
        QPainterPath turn;
        turn.moveTo(119, 112);
        turn.cubicTo(119, 78, 96, 62, 40, 62);
        intendedPath(painter, turn, kWhite);
        QPainterPath straight;
        straight.moveTo(89, 40);
        straight.lineTo(89, 132);
        intendedPath(painter, straight, QColor(220, 220, 255));
        drawCarTop(painter, {119, 130}, 0, kCarRed);
        drawCarTop(painter, {89, 22}, 180, kCarBlue);
        label(painter, {144, 132}, QStringLiteral("A"));
        label(painter, {64, 22}, QStringLiteral("B"));
    });
}

void pedestrianTop(QPainter& painter, QPointF centre, const QColor& clothes) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(clothes);
    painter.drawEllipse(centre, 10, 6);
    painter.setBrush(QColor(60, 40, 30));
    painter.drawEllipse(centre, 4.5, 4.5);
}

QImage zebraWithPedestrian() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 40, kHeight), QColor(175, 172, 165));
        painter.fillRect(QRectF(169, 0, 40, kHeight), QColor(175, 172, 165));
        solidAlong(painter, 104.5, kLineYellow, 0, 34);
        solidAlong(painter, 104.5, kLineYellow, 82, kHeight);
        for (qreal x = 44; x < 166; x += 16)
            painter.fillRect(QRectF(x, 40, 9, 36), kWhite);
        painter.fillRect(QRectF(104, 90, 65, 4), kWhite);
        pedestrianTop(painter, {118, 58}, QColor(40, 150, 200));
        QPainterPath walk;
        walk.moveTo(104, 58);
        walk.lineTo(72, 58);
        intendedPath(painter, walk, QColor(255, 230, 80));
        drawCarTop(painter, {136, 122}, 0, kCarRed);
    });
}

QImage laneChangeOverSolid() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 20, kHeight), kGrass);
        painter.fillRect(QRectF(189, 0, 20, kHeight), kGrass);
        solidAlong(painter, 26, kWhite);
        solidAlong(painter, 183, kWhite);
        painter.fillRect(QRectF(26, 12, 157, 5), kWhite); // stop line
        for (qreal x : {78.0, 131.0}) {
            solidAlong(painter, x, kWhite, 14, 110);
            brokenAlong(painter, x, kWhite, 120);
        }
        drawCarTop(painter, {157, 118}, 0, kCarGrey);
        drawCarTop(painter, {52, 48}, 0, kCarBlue);
        drawCarTop(painter, {108, 88}, -18, kCarRed);
        QPainterPath path;
        path.moveTo(112, 70);
        path.cubicTo(118, 56, 154, 54, 156, 30);
        intendedPath(painter, path, kWhite);
    });
}

QImage emergencyLane() {
    return paintPicture(kWidth, kHeight, kAsphalt, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, 14, kHeight), QColor(120, 125, 120));
        painter.fillRect(QRectF(196, 0, 13, kHeight), kGrass);
        solidAlong(painter, 20, kWhite);
        brokenAlong(painter, 66, kWhite);
        brokenAlong(painter, 112, kWhite);
        solidAlong(painter, 158, kWhite);
        const QColor queue[] = {kCarBlue, kCarGrey, QColor(230, 230, 230), kCarGrey};
        for (int row = 0; row < 4; ++row) {
            drawCarTop(painter, {43, 16.0 + row * 40}, 0, queue[row % 4]);
            drawCarTop(painter, {89, 24.0 + row * 40}, 0, queue[(row + 1) % 4]);
            drawCarTop(painter, {135, 12.0 + row * 40}, 0, queue[(row + 2) % 4]);
        }
        drawCarTop(painter, {177, 84}, 0, kCarRed);
        QPainterPath path;
        path.moveTo(177, 64);
        path.lineTo(177, 20);
        intendedPath(painter, path, kWhite);
        drawText(painter, QRectF(162, 120, 30, 30), QStringLiteral("A"), numberFont(16), kWhite);
    });
}

} // namespace

std::vector<PictureSpec> roadScenePictures() {
    return {
        {QStringLiteral("scene-overtake-broken-centre.jpg"), [] { return overtaking(true); }},
        {QStringLiteral("scene-overtake-solid-centre.bmp"), [] { return overtaking(false); }},
        {QStringLiteral("scene-junction-left-turn.jpg"), junctionLeftTurn},
        {QStringLiteral("scene-zebra-pedestrian.jpg"), zebraWithPedestrian},
        {QStringLiteral("scene-lane-change-solid.bmp"), laneChangeOverSolid},
        {QStringLiteral("scene-emergency-lane.jpg"), emergencyLane},
    };
}

} // namespace pictures
