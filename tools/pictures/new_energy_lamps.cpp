// Lamps of electric and plug-in hybrid cars: traction battery, drive motor, charging, READY.
#include "tools/pictures/panel_painting.h"

namespace pictures {
namespace {

const QRectF kBatteryBox(40, 70, 120, 80);

void ready(QPainter& painter, const QColor& colour) {
    panelText(painter, QRectF(10, 60, 180, 80), QStringLiteral("READY"), 50, colour);
}

void batteryFault(QPainter& painter, const QColor& colour) {
    batteryOutline(painter, kBatteryBox, colour);
    exclamation(painter, QPointF(100, 110), 54, colour);
}

void batteryHot(QPainter& painter, const QColor& colour) {
    batteryOutline(painter, kBatteryBox, colour);
    thermometer(painter, QPointF(92, 132), 48, colour);
}

void batteryLow(QPainter& painter, const QColor& colour) {
    batteryOutline(painter, kBatteryBox, colour);
    painter.fillRect(QRectF(52, 82, 20, 56), colour); // one bar of four left
}

// A zigzag bolt running to an earth sign: current leaking from the high-voltage system.
void insulationFault(QPainter& painter, const QColor& colour) {
    QPainterPath bolt;
    bolt.addPolygon(
        QPolygonF({{112, 24}, {66, 98}, {96, 98}, {78, 150}, {132, 74}, {102, 74}, {120, 24}}));
    bolt.closeSubpath();
    fill(painter, bolt, colour);
    painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(100, 150), QPointF(100, 158));
    painter.drawLine(QPointF(62, 160), QPointF(138, 160));
    painter.drawLine(QPointF(76, 174), QPointF(124, 174));
    painter.drawLine(QPointF(90, 188), QPointF(110, 188));
}

// An electric motor: ribbed housing with its shaft to the right.
void motor(QPainter& painter, const QColor& colour, QPointF offset) {
    painter.save();
    painter.translate(offset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(30, 66, 84, 68), 10, 10);
    painter.fillRect(QRectF(114, 92, 26, 16), colour);
    painter.fillRect(QRectF(40, 134, 64, 12), colour);
    painter.setPen(QPen(kPanelDark, 6, Qt::SolidLine, Qt::FlatCap));
    for (qreal x : {50.0, 66.0, 82.0, 98.0})
        painter.drawLine(QPointF(x, 76), QPointF(x, 124));
    painter.restore();
}

void motorHot(QPainter& painter, const QColor& colour) {
    motor(painter, colour, {-14, 0});
    thermometer(painter, QPointF(156, 142), 80, colour);
}

void motorFault(QPainter& painter, const QColor& colour) {
    motor(painter, colour, {-14, 0});
    exclamation(painter, QPointF(162, 100), 64, colour);
}

void chargingPlug(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(40, 70, 70, 60), 12, 12);
    painter.fillRect(QRectF(110, 80, 30, 10), colour);
    painter.fillRect(QRectF(110, 110, 30, 10), colour);
    QPainterPath cable(QPointF(40, 100));
    cable.cubicTo(10, 100, 20, 160, 60, 162);
    cable.lineTo(150, 162);
    strokeLine(painter, cable, 9, colour);
}

// A tortoise in profile: the car drives on with its power cut back.
void tortoise(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath shell(QPointF(36, 122));
    shell.cubicTo(40, 50, 140, 50, 148, 122);
    shell.closeSubpath();
    painter.drawPath(shell);
    painter.drawEllipse(QPointF(166, 108), 16, 13);
    painter.fillRect(QRectF(140, 108, 22, 12), colour);
    for (qreal x : {50.0, 112.0})
        painter.drawRoundedRect(QRectF(x, 118, 20, 30), 6, 6);
    fill(painter, triangle({{36, 112}, {16, 124}, {38, 122}}), colour);
    painter.setPen(QPen(kPanelDark, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(66, 76), QPointF(80, 118));
    painter.drawLine(QPointF(118, 76), QPointF(104, 118));
    painter.drawLine(QPointF(52, 98), QPointF(134, 98));
}

} // namespace

std::vector<PictureSpec> newEnergyLampPictures() {
    const auto lamp = [](const char* name, const QColor& colour, const PanelSymbol& symbol) {
        return PictureSpec{QString::fromLatin1(name),
                           [colour, symbol] { return panelLamp(colour, symbol); }};
    };
    return {
        lamp("lamp-ready.jpg", kPanelGreen, ready),
        lamp("lamp-traction-battery-fault.jpg", kPanelRed, batteryFault),
        lamp("lamp-traction-battery-hot.bmp", kPanelRed, batteryHot),
        lamp("lamp-traction-battery-low.jpg", kPanelAmber, batteryLow),
        lamp("lamp-insulation-fault.bmp", kPanelRed, insulationFault),
        lamp("lamp-drive-motor-hot.jpg", kPanelRed, motorHot),
        lamp("lamp-drive-motor-fault.bmp", kPanelAmber, motorFault),
        lamp("lamp-charging-cable.jpg", kPanelRed, chargingPlug),
        lamp("lamp-power-limited.bmp", kPanelAmber, tortoise),
    };
}

} // namespace pictures
