// Buttons on the dashboard and the doors: climate, locks, stability control, parking brake.
#include "tools/pictures/panel_painting.h"

namespace pictures {
namespace {

// Warm air rising off the glass: three wavy arrows.
void heatWaves(QPainter& painter, const QColor& colour, qreal bottom, qreal top) {
    for (qreal x : {72.0, 100.0, 128.0}) {
        QPainterPath wave(QPointF(x, bottom));
        const qreal third = (bottom - top) / 3;
        wave.cubicTo(x - 10, bottom - third, x + 10, bottom - 2 * third, x, top + 12);
        fill(painter, arrowShape(wave, 6, {14, 20}), colour);
    }
}

void frontDefrost(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    QPainterPath screen(QPointF(34, 150));
    screen.quadTo(100, 130, 166, 150);
    screen.lineTo(150, 52);
    screen.quadTo(100, 40, 50, 52);
    screen.closeSubpath();
    painter.drawPath(screen);
    heatWaves(painter, colour, 134, 62);
}

void rearDefrost(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    painter.drawRoundedRect(QRectF(36, 52, 128, 96), 14, 14);
    heatWaves(painter, colour, 136, 64);
}

void recirculation(QPainter& painter, const QColor& colour) {
    carSideOutline(painter, QRectF(26, 46, 148, 104), colour, 8);
    roundArrow(painter, QRectF(72, 66, 56, 34), 200, -300, colour, 6);
}

void freshAir(QPainter& painter, const QColor& colour) {
    carSideOutline(painter, QRectF(26, 60, 148, 96), colour, 8);
    QPainterPath air(QPointF(18, 44));
    air.cubicTo(70, 20, 100, 40, 104, 96);
    fill(painter, arrowShape(air, 6, {16, 22}), colour);
}

void hazard(QPainter& painter, const QColor&) {
    outlinePen(painter, kPanelRed, 12);
    painter.drawPath(triangle({{100, 36}, {30, 154}, {170, 154}}));
    outlinePen(painter, kPanelRed, 8);
    painter.drawPath(triangle({{100, 82}, {66, 138}, {134, 138}}));
}

void startStop(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(QColor(150, 155, 162), 6));
    painter.setBrush(QColor(44, 47, 52));
    painter.drawEllipse(QPointF(100, 96), 70, 70);
    panelText(painter, QRectF(40, 38, 120, 28), QStringLiteral("ENGINE"), 22, colour);
    outlinePen(painter, colour, 6);
    painter.drawArc(QRectF(82, 70, 36, 36), 120 * 16, 300 * 16);
    painter.drawLine(QPointF(100, 64), QPointF(100, 86));
    panelText(painter, QRectF(40, 108, 120, 26), QStringLiteral("START"), 22, colour);
    panelText(painter, QRectF(40, 132, 120, 26), QStringLiteral("STOP"), 22, colour);
}

void parkingBrakeSwitch(QPainter& painter, const QColor& colour) {
    bracketedCircle(painter, colour, false);
    panelText(painter, QRectF(60, 60, 80, 80), QStringLiteral("P"), 52, colour);
}

void autoHoldButton(QPainter& painter, const QColor& colour) {
    panelText(painter, QRectF(20, 50, 160, 50), QStringLiteral("AUTO"), 44, colour);
    panelText(painter, QRectF(20, 100, 160, 50), QStringLiteral("HOLD"), 44, colour);
}

// The lamp's symbol, shrunk to leave the button's telltale clear.
void stabilityOff(QPainter& painter, const QColor& colour) {
    painter.translate(100, 90);
    painter.scale(0.78, 0.78);
    painter.translate(-100, -100);
    skiddingCar(painter, colour, true);
}

void padlock(QPainter& painter, QPointF centre, qreal size, const QColor& colour, bool open) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(centre.x() - size / 2, centre.y(), size, size * 0.8), 5, 5);
    outlinePen(painter, colour, size * 0.16);
    const QRectF shackle(centre.x() - size * 0.32, centre.y() - size * 0.5 - (open ? 12 : 0),
                         size * 0.64, size * 0.9);
    painter.drawArc(shackle, 0, 180 * 16);
    painter.drawLine(QPointF(shackle.left(), shackle.center().y()),
                     QPointF(shackle.left(), centre.y()));
    if (!open)
        painter.drawLine(QPointF(shackle.right(), shackle.center().y()),
                         QPointF(shackle.right(), centre.y()));
}

void childLock(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(64, 62), 16, 16);
    painter.drawRoundedRect(QRectF(46, 84, 36, 48), 10, 10);
    painter.drawRect(QRectF(50, 126, 11, 34));
    painter.drawRect(QRectF(67, 126, 11, 34));
    padlock(painter, QPointF(134, 100), 56, colour, false);
}

void windowLock(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    QPainterPath window(QPointF(30, 130));
    window.lineTo(30, 80);
    window.lineTo(72, 44);
    window.lineTo(170, 44);
    window.lineTo(170, 130);
    window.closeSubpath();
    painter.drawPath(window);
    painter.setPen(QPen(colour, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(72, 62), QPointF(136, 118));
    painter.drawLine(QPointF(136, 62), QPointF(72, 118));
}

void centralLock(QPainter& painter, const QColor& colour) {
    padlock(painter, QPointF(100, 94), 76, colour, false);
}

void autoStopStart(QPainter& painter, const QColor& colour) {
    roundArrow(painter, QRectF(40, 40, 120, 120), 60, 300, colour, 10);
    panelText(painter, QRectF(60, 60, 80, 80), QStringLiteral("A"), 64, colour);
}

void headlampLevel(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath lens(QPointF(96, 62));
    lens.cubicTo(150, 62, 150, 138, 96, 138);
    lens.closeSubpath();
    painter.drawPath(lens);
    painter.setPen(QPen(colour, 7, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {70.0, 100.0, 130.0})
        painter.drawLine(QPointF(86, y), QPointF(54, y + 14));
    QPainterPath up(QPointF(166, 100)), down(QPointF(166, 100));
    up.lineTo(166, 50);
    down.lineTo(166, 150);
    fill(painter, arrowShape(up, 7, {14, 22}), colour);
    fill(painter, arrowShape(down, 7, {14, 22}), colour);
}

void airConditioning(QPainter& painter, const QColor& colour) {
    panelText(painter, QRectF(20, 56, 160, 80), QStringLiteral("A/C"), 60, colour);
}

} // namespace

std::vector<PictureSpec> dashboardSwitchPictures() {
    const auto button = [](const char* name, const PanelSymbol& symbol, bool lit = false) {
        return PictureSpec{QString::fromLatin1(name),
                           [symbol, lit] { return panelButton(symbol, lit); }};
    };
    return {
        button("switch-front-defrost.jpg", frontDefrost),
        button("switch-rear-defrost.bmp", rearDefrost),
        button("switch-recirculation.jpg", recirculation),
        button("switch-fresh-air.bmp", freshAir),
        button("switch-hazard.jpg", hazard),
        button("switch-start-stop.jpg", startStop),
        button("switch-parking-brake.bmp", parkingBrakeSwitch),
        button("switch-auto-hold.jpg", autoHoldButton),
        button("switch-esp-off.jpg", stabilityOff),
        button("switch-child-lock.bmp", childLock),
        button("switch-window-lock.jpg", windowLock),
        button("switch-central-lock.bmp", centralLock),
        button("switch-auto-stop-start.jpg", autoStopStart),
        button("switch-headlamp-level.bmp", headlampLevel),
        button("switch-air-conditioning.jpg", airConditioning),
    };
}

} // namespace pictures
