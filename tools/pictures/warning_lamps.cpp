// Instrument-panel lamps: the usual symbols lit in their colour on a dark panel.
#include "tools/pictures/sign_painting.h"

#include <QRadialGradient>

namespace pictures {
namespace {

const QColor kLampRed(235, 45, 35);
const QColor kLampAmber(255, 168, 0);
const QColor kLampGreen(40, 205, 90);
const QColor kLampBlue(50, 120, 255);
const QColor kPanel(22, 24, 28);

using Symbol = std::function<void(QPainter&, const QColor&)>;

QImage lamp(const QColor& colour, const Symbol& symbol) {
    return paintSign(kPanel, [&](QPainter& painter) {
        // A faint halo, so that the symbol looks lit rather than printed.
        QRadialGradient halo(QPointF(100, 100), 90);
        QColor glow = colour;
        glow.setAlpha(40);
        halo.setColorAt(0, glow);
        halo.setColorAt(1, kPanel);
        painter.fillRect(QRectF(0, 0, 200, 200), halo);
        symbol(painter, colour);
    });
}

void outlined(QPainter& painter, const QColor& colour, qreal width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

void oilCan(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({{52, 96}, {112, 96}, {126, 110}, {164, 92}, {168, 98}, {128, 136}, {52, 136}}));
    painter.drawRect(QRectF(70, 84, 22, 12));
    painter.drawEllipse(QPointF(166, 124), 6, 9);
    outlined(painter, colour, 7);
    painter.drawLine(QPointF(52, 104), QPointF(32, 96));
    painter.drawLine(QPointF(32, 96), QPointF(36, 118));
}

void coolant(QPainter& painter, const QColor& colour) {
    outlined(painter, colour, 10);
    painter.drawLine(QPointF(100, 44), QPointF(100, 118));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(100, 126), 12, 12);
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap));
    for (qreal y : {56.0, 74.0, 92.0})
        painter.drawLine(QPointF(108, y), QPointF(128, y));
    QPainterPath waves;
    for (qreal y : {150.0, 166.0}) {
        waves.moveTo(48, y);
        for (int bump = 0; bump < 4; ++bump)
            waves.quadTo(61 + bump * 26, y - 10, 74 + bump * 26, y);
    }
    strokeLine(painter, waves, 6, colour);
}

void battery(QPainter& painter, const QColor& colour) {
    outlined(painter, colour, 8);
    painter.drawRect(QRectF(46, 74, 108, 70));
    painter.fillRect(QRectF(62, 60, 20, 12), colour);
    painter.fillRect(QRectF(118, 60, 20, 12), colour);
    painter.setPen(QPen(colour, 8));
    painter.drawLine(QPointF(62, 106), QPointF(84, 106));
    painter.drawLine(QPointF(116, 106), QPointF(138, 106));
    painter.drawLine(QPointF(127, 95), QPointF(127, 117));
}

// A disc with curved brackets, shared by the brake, ABS and parking-brake lamps.
void bracketedDisc(QPainter& painter, const QColor& colour, const QString& text, int textSize) {
    outlined(painter, colour, 8);
    painter.drawEllipse(QPointF(100, 100), 40, 40);
    painter.drawArc(QRectF(44, 44, 112, 112), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(44, 44, 112, 112), 130 * 16, 100 * 16);
    drawText(painter, QRectF(60, 60, 80, 80), text, numberFont(textSize), colour);
}

void seatedPerson(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(112, 52), 13, 13);
    QPainterPath body;
    body.moveTo(116, 74);
    body.lineTo(126, 124);
    body.lineTo(86, 128);
    body.lineTo(84, 164);
    strokeLine(painter, body, 16, colour);
}

void airbag(QPainter& painter, const QColor& colour) {
    seatedPerson(painter, colour);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(64, 80), 26, 26);
    outlined(painter, colour, 6);
    painter.drawLine(QPointF(150, 60), QPointF(146, 150)); // seat back
}

void seatBelt(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(100, 50), 17, 17);
    painter.drawRoundedRect(QRectF(64, 74, 72, 96), 22, 22);
    painter.setPen(QPen(kPanel, 9, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(70, 80), QPointF(132, 150)); // the belt across the chest
    painter.setBrush(kPanel);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(120, 140, 16, 14));
}

void fuelPump(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(58, 48, 58, 110), 6, 6);
    painter.drawRect(QRectF(50, 154, 74, 12));
    painter.setBrush(kPanel);
    painter.drawRect(QRectF(68, 60, 38, 28));
    QPainterPath hose;
    hose.moveTo(116, 70);
    hose.lineTo(136, 86);
    hose.lineTo(136, 134);
    hose.quadTo(136, 144, 146, 144);
    hose.quadTo(154, 144, 154, 134);
    hose.lineTo(154, 72);
    strokeLine(painter, hose, 7, colour);
}

void doorsOpen(QPainter& painter, const QColor& colour) {
    outlined(painter, colour, 7);
    painter.drawRoundedRect(QRectF(76, 40, 48, 124), 16, 16);
    painter.drawLine(QPointF(76, 84), QPointF(46, 110));
    painter.drawLine(QPointF(124, 84), QPointF(154, 110));
    painter.drawLine(QPointF(76, 118), QPointF(50, 144));
    painter.fillRect(QRectF(84, 60, 32, 14), colour);
}

// A headlamp with its beam: the lens's flat side faces the road ahead.
void headlamp(QPainter& painter, const QColor& colour, qreal slope, bool fog, bool rear) {
    if (rear) {
        painter.translate(200, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath lens;
    lens.moveTo(104, 62);
    lens.cubicTo(170, 62, 170, 138, 104, 138);
    lens.closeSubpath();
    painter.drawPath(lens);
    painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
    for (int beam = 0; beam < 5; ++beam) {
        const qreal y = 68 + beam * 16;
        painter.drawLine(QPointF(92, y), QPointF(44, y + slope));
    }
    if (fog) {
        QPainterPath wave;
        wave.moveTo(70, 52);
        wave.cubicTo(56, 82, 84, 112, 68, 150);
        strokeLine(painter, wave, 6, colour);
    }
}

void turnIndicators(QPainter& painter, const QColor& colour) {
    for (int side : {-1, 1}) {
        const qreal tip = 100 + side * 84;
        const qreal base = 100 + side * 50;
        fill(painter, triangle({{tip, 100}, {base, 70}, {base, 130}}), colour);
        painter.fillRect(QRectF(side < 0 ? base : 100 + side * 16, 88, 34, 24), colour);
    }
}

void engine(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({{52, 86},   {66, 86},   {66, 74},   {86, 74},  {86, 66},   {74, 66},
                   {74, 56},   {116, 56},  {116, 66},  {104, 66}, {104, 74},  {132, 74},
                   {144, 88},  {156, 88},  {156, 74},  {166, 74}, {166, 136}, {156, 136},
                   {156, 122}, {144, 122}, {128, 144}, {76, 144}, {66, 130},  {52, 130}}));
    painter.fillRect(QRectF(34, 100, 18, 8), colour);
    painter.fillRect(QRectF(34, 82, 8, 44), colour);
}

void tyrePressure(QPainter& painter, const QColor& colour) {
    QPainterPath tyre;
    tyre.moveTo(58, 56);
    tyre.cubicTo(34, 96, 44, 146, 70, 146);
    tyre.lineTo(130, 146);
    tyre.cubicTo(156, 146, 166, 96, 142, 56);
    strokeLine(painter, tyre, 9, colour);
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap));
    for (qreal x : {72.0, 90.0, 108.0, 126.0})
        painter.drawLine(QPointF(x, 150), QPointF(x, 162));
    painter.fillRect(QRectF(95, 68, 10, 44), colour);
    painter.fillRect(QRectF(95, 120, 10, 10), colour);
}

} // namespace

std::vector<PictureSpec> warningLampPictures() {
    return {
        {QStringLiteral("lamp-oil-pressure.jpg"), [] { return lamp(kLampRed, oilCan); }},
        {QStringLiteral("lamp-coolant-temperature.bmp"), [] { return lamp(kLampRed, coolant); }},
        {QStringLiteral("lamp-battery.jpg"), [] { return lamp(kLampRed, battery); }},
        {QStringLiteral("lamp-brake-system.jpg"),
         [] {
             return lamp(kLampRed, [](QPainter& p, const QColor& c) {
                 bracketedDisc(p, c, QStringLiteral("!"), 64);
             });
         }},
        {QStringLiteral("lamp-abs.bmp"),
         [] {
             return lamp(kLampAmber, [](QPainter& p, const QColor& c) {
                 bracketedDisc(p, c, QStringLiteral("ABS"), 32);
             });
         }},
        {QStringLiteral("lamp-parking-brake.jpg"),
         [] {
             return lamp(kLampRed, [](QPainter& p, const QColor& c) {
                 bracketedDisc(p, c, QStringLiteral("P"), 56);
             });
         }},
        {QStringLiteral("lamp-airbag.jpg"), [] { return lamp(kLampRed, airbag); }},
        {QStringLiteral("lamp-seat-belt.bmp"), [] { return lamp(kLampRed, seatBelt); }},
        {QStringLiteral("lamp-low-fuel.jpg"), [] { return lamp(kLampAmber, fuelPump); }},
        {QStringLiteral("lamp-door-open.jpg"), [] { return lamp(kLampRed, doorsOpen); }},
        {QStringLiteral("lamp-high-beam.bmp"),
         [] {
             return lamp(kLampBlue,
                         [](QPainter& p, const QColor& c) { headlamp(p, c, 0, false, false); });
         }},
        {QStringLiteral("lamp-low-beam.jpg"),
         [] {
             return lamp(kLampGreen,
                         [](QPainter& p, const QColor& c) { headlamp(p, c, 16, false, false); });
         }},
        {QStringLiteral("lamp-front-fog.jpg"),
         [] {
             return lamp(kLampGreen,
                         [](QPainter& p, const QColor& c) { headlamp(p, c, 16, true, false); });
         }},
        {QStringLiteral("lamp-rear-fog.bmp"),
         [] {
             return lamp(kLampAmber,
                         [](QPainter& p, const QColor& c) { headlamp(p, c, 0, true, true); });
         }},
        {QStringLiteral("lamp-turn-indicators.jpg"),
         [] { return lamp(kLampGreen, turnIndicators); }},
        {QStringLiteral("lamp-engine-check.jpg"), [] { return lamp(kLampAmber, engine); }},
        {QStringLiteral("lamp-tyre-pressure.bmp"), [] { return lamp(kLampAmber, tyrePressure); }},
    };
}

} // namespace pictures
