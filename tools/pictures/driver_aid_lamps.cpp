// Lamps of the driving aids and of the lights that show what is switched on.
#include "tools/pictures/panel_painting.h"

#include <QtMath>

namespace pictures {
namespace {

void autoHold(QPainter& painter, const QColor& colour) {
    bracketedCircle(painter, colour, false);
    panelText(painter, QRectF(60, 60, 80, 80), QStringLiteral("A"), 56, colour);
}

void parkingBrakeFault(QPainter& painter, const QColor& colour) {
    painter.translate(-18, 0);
    bracketedCircle(painter, colour, false);
    panelText(painter, QRectF(60, 60, 80, 80), QStringLiteral("P"), 52, colour);
    exclamation(painter, QPointF(182, 100), 56, colour);
}

void cruise(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    painter.drawArc(QRectF(50, 50, 110, 110), -30 * 16, 240 * 16);
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap));
    for (int tick = 0; tick < 5; ++tick) {
        const qreal angle = qDegreesToRadians(200.0 - tick * 55.0);
        const QPointF dir(std::cos(angle), -std::sin(angle));
        painter.drawLine(QPointF(105, 105) + dir * 42, QPointF(105, 105) + dir * 52);
    }
    painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(105, 105), QPointF(132, 74));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(105, 105), 9, 9);
    // The set speed being held: an arrow pointing into the dial from below left.
    QPainterPath shaft(QPointF(26, 168));
    shaft.lineTo(60, 136);
    fill(painter, arrowShape(shaft, 8, {20, 26}), colour);
}

void laneKeeping(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 7);
    painter.drawRoundedRect(QRectF(74, 70, 52, 44), 8, 8);
    painter.drawLine(QPointF(82, 70), QPointF(88, 54));
    painter.drawLine(QPointF(118, 70), QPointF(112, 54));
    painter.drawLine(QPointF(88, 54), QPointF(112, 54));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(76, 114, 12, 12));
    painter.drawRect(QRectF(112, 114, 12, 12));
    painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::FlatCap));
    for (int side : {-1, 1}) {
        for (int dash = 0; dash < 3; ++dash) {
            const qreal t0 = dash / 3.0, t1 = t0 + 0.2;
            const QPointF top(100 + side * 44, 40), bottom(100 + side * 84, 176);
            painter.drawLine(top + (bottom - top) * t0, top + (bottom - top) * t1);
        }
    }
}

void hillDescent(QPainter& painter, const QColor& colour) {
    fill(painter, triangle({{30, 170}, {170, 170}, {30, 96}}), colour);
    painter.save();
    painter.translate(94, 128);
    painter.rotate(28);
    carSideOutline(painter, QRectF(-44, -42, 88, 42), colour, 7);
    painter.restore();
    QPainterPath shaft(QPointF(152, 40));
    shaft.lineTo(152, 104);
    fill(painter, arrowShape(shaft, 9, {18, 28}), colour);
}

void steeringFault(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 9);
    painter.drawEllipse(QPointF(86, 100), 50, 50);
    painter.drawEllipse(QPointF(86, 100), 12, 12);
    painter.drawLine(QPointF(38, 92), QPointF(74, 98));
    painter.drawLine(QPointF(134, 92), QPointF(98, 98));
    painter.drawLine(QPointF(86, 112), QPointF(86, 148));
    exclamation(painter, QPointF(166, 100), 62, colour);
}

void snowflake(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(colour, 9, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(100, 100);
    for (int arm = 0; arm < 6; ++arm) {
        const qreal angle = qDegreesToRadians(90.0 + arm * 60.0);
        const QPointF dir(std::cos(angle), -std::sin(angle));
        const QPointF side(-dir.y(), dir.x());
        painter.drawLine(centre, centre + dir * 66);
        const QPointF fork = centre + dir * 40;
        painter.drawLine(fork, fork + dir * 16 + side * 16);
        painter.drawLine(fork, fork + dir * 16 - side * 16);
    }
}

// Two small lamps back to back, each with three short rays: the position lamps.
void positionLamps(QPainter& painter, const QColor& colour) {
    for (int side : {-1, 1}) {
        painter.save();
        painter.translate(100, 100);
        painter.scale(side, 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        QPainterPath lens;
        lens.moveTo(-8, -30);
        lens.cubicTo(-46, -30, -46, 30, -8, 30);
        lens.closeSubpath();
        painter.drawPath(lens);
        painter.setPen(QPen(colour, 7, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {-26.0, 0.0, 26.0})
            painter.drawLine(QPointF(-52, y), QPointF(-80, y * 1.5));
        painter.restore();
    }
}

void leftArrow(QPainter& painter, const QColor& colour) {
    fill(painter, triangle({{28, 100}, {92, 52}, {92, 148}}), colour);
    painter.fillRect(QRectF(90, 80, 82, 40), colour);
}

} // namespace

std::vector<PictureSpec> driverAidLampPictures() {
    const auto lamp = [](const char* name, const QColor& colour, const PanelSymbol& symbol) {
        return PictureSpec{QString::fromLatin1(name),
                           [colour, symbol] { return panelLamp(colour, symbol); }};
    };
    return {
        lamp("lamp-esp-active.jpg", kPanelAmber,
             [](QPainter& p, const QColor& c) { skiddingCar(p, c, false); }),
        lamp("lamp-esp-off.bmp", kPanelAmber,
             [](QPainter& p, const QColor& c) { skiddingCar(p, c, true); }),
        lamp("lamp-auto-hold.jpg", kPanelGreen, autoHold),
        lamp("lamp-epb-fault.jpg", kPanelAmber, parkingBrakeFault),
        lamp("lamp-brake-pads.bmp", kPanelAmber,
             [](QPainter& p, const QColor& c) { bracketedCircle(p, c, true); }),
        lamp("lamp-cruise.jpg", kPanelGreen, cruise),
        lamp("lamp-lane-keeping.bmp", kPanelGreen, laneKeeping),
        lamp("lamp-hill-descent.jpg", kPanelGreen, hillDescent),
        lamp("lamp-steering-fault.jpg", kPanelAmber, steeringFault),
        lamp("lamp-frost.bmp", kPanelAmber, snowflake),
        lamp("lamp-position-lamps.jpg", kPanelGreen, positionLamps),
        lamp("lamp-turn-left.bmp", kPanelGreen, leftArrow),
    };
}

} // namespace pictures
