// Prohibition signs that forbid a movement or a kind of road user.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr qreal kArrowWidth = 18;
constexpr qreal kHeadLength = 24;
constexpr qreal kHeadWidth = 46;

void leftTurnArrow(QPainter& painter) {
    QPainterPath line;
    line.moveTo(112, 152);
    line.lineTo(112, 100);
    line.quadTo(112, 82, 94, 82);
    line.lineTo(74, 82);
    fill(painter, arrowShape(line, kArrowWidth, {kHeadLength, kHeadWidth}), kBlack);
}

void straightArrow(QPainter& painter) {
    QPainterPath line;
    line.moveTo(100, 156);
    line.lineTo(100, 76);
    fill(painter, arrowShape(line, kArrowWidth, {kHeadLength, kHeadWidth}), kBlack);
}

void uTurnArrow(QPainter& painter) {
    QPainterPath line;
    line.moveTo(122, 154);
    line.lineTo(122, 94);
    line.arcTo(QRectF(80, 72, 42, 44), 0, 180);
    line.lineTo(80, 106);
    fill(painter, arrowShape(line, kArrowWidth, {kHeadLength, kHeadWidth}), kBlack);
}

void twoCars(QPainter& painter) {
    drawCarRear(painter, QRectF(42, 78, 54, 50), {kRed, kWhite});
    drawCarRear(painter, QRectF(104, 78, 54, 50), {kBlack, kWhite});
}

void truckSide(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRect(QRectF(36, 70, 84, 50)); // cargo box
    painter.drawPolygon(QPolygonF({QPointF(124, 80), QPointF(150, 80), QPointF(164, 102),
                                   QPointF(164, 122), QPointF(124, 122)}));
    painter.drawRect(QRectF(36, 118, 128, 8));
    painter.setBrush(kWhite);
    painter.drawPolygon(
        QPolygonF({QPointF(136, 86), QPointF(148, 86), QPointF(157, 101), QPointF(136, 101)}));
    for (qreal x : {56.0, 84.0, 146.0}) {
        painter.setBrush(kBlack);
        painter.drawEllipse(QPointF(x, 130), 12, 12);
        painter.setBrush(kWhite);
        painter.drawEllipse(QPointF(x, 130), 4, 4);
    }
}

void blueField(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawEllipse(QPointF(100, 100), 74, 74);
}

void parkingCross(QPainter& painter) {
    blueField(painter);
    const qreal reach = 74 * M_SQRT1_2;
    painter.setPen(QPen(kRed, 15, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(100 + reach, 100 - reach), QPointF(100 - reach, 100 + reach));
}

QImage noEntry() {
    return paintSign(kWhite, [](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRed);
        painter.drawEllipse(QPointF(100, 100), 92, 92);
        painter.setBrush(kWhite);
        painter.drawRect(QRectF(34, 86, 132, 28));
    });
}

} // namespace

std::vector<PictureSpec> prohibitionPictures() {
    return {
        {QStringLiteral("sign-no-left-turn.jpg"),
         [] { return prohibitionSign(leftTurnArrow, true); }},
        {QStringLiteral("sign-no-right-turn.bmp"),
         [] { return prohibitionSign(mirrored(leftTurnArrow), true); }},
        {QStringLiteral("sign-no-straight.jpg"),
         [] { return prohibitionSign(straightArrow, true); }},
        {QStringLiteral("sign-no-u-turn.jpg"), [] { return prohibitionSign(uTurnArrow, true); }},
        {QStringLiteral("sign-no-overtaking.bmp"), [] { return prohibitionSign(twoCars, false); }},
        {QStringLiteral("sign-no-motor-vehicles.jpg"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     drawCarSide(painter, QRectF(40, 66, 120, 64), {kBlack, kWhite});
                 },
                 true);
         }},
        {QStringLiteral("sign-no-trucks.jpg"), [] { return prohibitionSign(truckSide, true); }},
        {QStringLiteral("sign-no-non-motor-vehicles.bmp"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     drawBicycle(painter, {100, 104}, 1.0, kBlack);
                 },
                 true);
         }},
        {QStringLiteral("sign-no-pedestrians.jpg"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     drawWalker(painter, {94, 110}, 0.95, kBlack);
                 },
                 true);
         }},
        {QStringLiteral("sign-no-honking.jpg"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     drawHorn(painter, {104, 100}, 1.15, kBlack);
                 },
                 true);
         }},
        {QStringLiteral("sign-no-entry.bmp"), noEntry},
        {QStringLiteral("sign-road-closed.jpg"),
         [] { return prohibitionSign([](QPainter&) {}, false); }},
        {QStringLiteral("sign-no-parking.jpg"), [] { return prohibitionSign(parkingCross, true); }},
        {QStringLiteral("sign-no-long-parking.bmp"),
         [] { return prohibitionSign(blueField, true); }},
    };
}

} // namespace pictures
