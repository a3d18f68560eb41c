// More prohibition signs: yielding to oncoming traffic, zone speed limits, axle loads, turn
// combinations and the ends of restrictions.
#include "tools/pictures/panel_signs.h"

#include <QtMath>

namespace pictures {
namespace {

void arrowPath(QPainter& painter, const QPainterPath& line, const QColor& colour,
               qreal width = 16) {
    fill(painter, arrowShape(line, width, {width * 1.4, width * 2.6}), colour);
}

// The red arrow is the direction that gives way.
void oncomingFirst(QPainter& painter) {
    QPainterPath down;
    down.moveTo(76, 52);
    down.lineTo(76, 128);
    arrowPath(painter, down, kBlack);
    QPainterPath up;
    up.moveTo(124, 150);
    up.lineTo(124, 74);
    arrowPath(painter, up, kRed);
}

void leftAndRight(QPainter& painter, const QColor& colour) {
    for (int side : {-1, 1}) {
        QPainterPath line;
        line.moveTo(100, 156);
        line.lineTo(100, 110);
        line.quadTo(100, 94, 100 + side * 18, 94);
        line.lineTo(100 + side * 34, 94);
        arrowPath(painter, line, colour);
    }
}

void straightAndLeft(QPainter& painter) {
    QPainterPath trunk;
    trunk.moveTo(116, 158);
    trunk.lineTo(116, 74);
    QPainterPath branch;
    branch.moveTo(116, 136);
    branch.quadTo(116, 110, 90, 110);
    branch.lineTo(72, 110);
    fill(painter, arrowShape(trunk, 16, {22, 42}).united(arrowShape(branch, 16, {22, 42})), kBlack);
}

void axleLoad(QPainter& painter) {
    painter.fillRect(QRectF(62, 54, 16, 40), kBlack);
    painter.fillRect(QRectF(122, 54, 16, 40), kBlack);
    painter.fillRect(QRectF(76, 70, 48, 8), kBlack);
    drawText(painter, QRectF(30, 96, 140, 60), QStringLiteral("10t"), numberFont(64), kBlack);
}

void bus(QPainter& painter) {
    drawBusSide(painter, QRectF(34, 70, 132, 62), {kBlack, kWhite});
}

// A zone sign: the limit on a white panel under the word for the zone, or the same panel
// greyed and crossed when the zone ends.
QImage zoneLimit(bool ends) {
    return panelPicture(
        kWhite, ends ? QColor(90, 90, 90) : kBlack, QRectF(42, 4, 116, 142),
        [=](QPainter& painter) {
            const QColor ink = ends ? QColor(110, 110, 110) : kBlack;
            drawHanzi(painter, QRectF(50, 14, 100, 34), QStringLiteral("区域"), 28, ink, 1.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ends ? QColor(150, 150, 150) : kRed);
            painter.drawEllipse(QPointF(100, 96), 42, 42);
            painter.setBrush(kWhite);
            painter.drawEllipse(QPointF(100, 96), 33, 33);
            drawText(painter, QRectF(60, 66, 80, 60), QStringLiteral("30"), numberFont(48), ink);
            if (ends) {
                painter.save();
                painter.setClipRect(QRectF(47, 9, 106, 132));
                painter.setPen(QPen(kBlack, 3, Qt::SolidLine, Qt::FlatCap));
                for (int offset = -30; offset <= 30; offset += 10)
                    painter.drawLine(QPointF(150 + offset, 20 + offset),
                                     QPointF(50 + offset, 136 + offset));
                painter.restore();
            }
        });
}

QImage endOfNoOvertaking() {
    return paintSign(kWhite, [](QPainter& painter) {
        painter.setPen(QPen(kBlack, 6));
        painter.setBrush(kWhite);
        painter.drawEllipse(QPointF(100, 100), 88, 88);
        const QColor grey(130, 130, 130);
        drawCarRear(painter, QRectF(42, 78, 54, 50), {grey, kWhite});
        drawCarRear(painter, QRectF(104, 78, 54, 50), {grey, kWhite});
        QPainterPath disc;
        disc.addEllipse(QPointF(100, 100), 85, 85);
        painter.setClipPath(disc);
        painter.setPen(QPen(kBlack, 4, Qt::SolidLine, Qt::FlatCap));
        for (int offset = -24; offset <= 24; offset += 12)
            painter.drawLine(QPointF(180 + offset, 20 + offset),
                             QPointF(20 + offset, 180 + offset));
    });
}

} // namespace

std::vector<PictureSpec> moreProhibitionPictures() {
    return {
        {QStringLiteral("sign-yield-to-oncoming.jpg"),
         [] { return prohibitionSign(oncomingFirst, false); }},
        {QStringLiteral("sign-zone-speed-limit.jpg"), [] { return zoneLimit(false); }},
        {QStringLiteral("sign-zone-speed-limit-end.bmp"), [] { return zoneLimit(true); }},
        {QStringLiteral("sign-axle-load-limit.jpg"),
         [] { return prohibitionSign(axleLoad, false); }},
        {QStringLiteral("sign-no-left-or-right-turn.jpg"),
         [] {
             return prohibitionSign([](QPainter& painter) { leftAndRight(painter, kBlack); }, true);
         }},
        {QStringLiteral("sign-no-straight-or-left.bmp"),
         [] { return prohibitionSign(straightAndLeft, true); }},
        {QStringLiteral("sign-end-no-overtaking.jpg"), endOfNoOvertaking},
        {QStringLiteral("sign-no-buses.jpg"), [] { return prohibitionSign(bus, true); }},
    };
}

} // namespace pictures
