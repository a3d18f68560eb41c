// Lamps for the body (lids left open, washer fluid) and for the engine and driveline.
#include "tools/pictures/panel_painting.h"

#include <QtMath>

namespace pictures {
namespace {

// A car in profile, long bonnet to the left and short boot to the right, with one lid open.
void carWithLidOpen(QPainter& painter, const QColor& colour, bool bonnet) {
    outlinePen(painter, colour, 8);
    QPainterPath body(QPointF(74, 98));
    body.lineTo(96, 62);
    body.lineTo(140, 62);
    body.lineTo(158, 94);
    if (bonnet)
        body.lineTo(180, 96);
    else
        body.moveTo(180, 96);
    body.lineTo(180, 132);
    body.lineTo(22, 132);
    body.lineTo(22, 106);
    if (!bonnet)
        body.lineTo(74, 98);
    painter.drawPath(body);
    // The lid swung up about its hinge by the glass.
    if (bonnet)
        painter.drawLine(QPointF(74, 98), QPointF(34, 54));
    else
        painter.drawLine(QPointF(158, 94), QPointF(186, 58));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (qreal x : {54.0, 150.0})
        painter.drawEllipse(QPointF(x, 138), 16, 16);
}

void washer(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    QPainterPath screen;
    screen.moveTo(36, 150);
    screen.quadTo(100, 130, 164, 150);
    screen.lineTo(150, 66);
    screen.quadTo(100, 54, 50, 66);
    screen.closeSubpath();
    painter.drawPath(screen);
    // The jet rises from the nozzle and falls back on the glass.
    painter.setPen(QPen(colour, 6, Qt::DotLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        QPainterPath jet(QPointF(100, 146));
        jet.quadTo(100 + side * 20, 72, 100 + side * 42, 104);
        painter.drawPath(jet);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(92, 150, 16, 18));
}

void glowPlug(QPainter& painter, const QColor& colour) {
    QPainterPath coil(QPointF(24, 100));
    coil.lineTo(44, 100);
    for (int turn = 0; turn < 5; ++turn) {
        const qreal x = 44 + turn * 24;
        coil.cubicTo(x + 30, 50, x + 30, 150, x + 12, 126);
        coil.cubicTo(x - 4, 104, x + 10, 76, x + 24, 100);
    }
    coil.lineTo(176, 100);
    strokeLine(painter, coil, 8, colour);
}

void particleFilter(QPainter& painter, const QColor& colour) {
    outlinePen(painter, colour, 8);
    painter.drawRoundedRect(QRectF(52, 62, 96, 76), 16, 16);
    painter.drawLine(QPointF(20, 100), QPointF(52, 100));
    painter.drawLine(QPointF(148, 100), QPointF(180, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            painter.drawEllipse(QPointF(70 + col * 20 + (row % 2) * 8, 80 + row * 20), 5, 5);
}

void gearboxFault(QPainter& painter, const QColor& colour) {
    const QPointF centre(84, 100);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath teeth;
    for (int tooth = 0; tooth < 10; ++tooth) {
        const qreal angle = qDegreesToRadians(tooth * 36.0);
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF side(-dir.y(), dir.x());
        QPolygonF block({centre + dir * 40 + side * 9, centre + dir * 62 + side * 7,
                         centre + dir * 62 - side * 7, centre + dir * 40 - side * 9});
        teeth.addPolygon(block);
        teeth.closeSubpath();
    }
    painter.drawPath(teeth);
    outlinePen(painter, colour, 14);
    painter.drawEllipse(centre, 38, 38);
    exclamation(painter, centre, 44, colour);
}

// Two axles' worth of wheels joined through a locked differential.
void differentialLock(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(22, 56, 22, 88), 6, 6);
    painter.drawRoundedRect(QRectF(156, 56, 22, 88), 6, 6);
    painter.fillRect(QRectF(44, 94, 112, 12), colour);
    outlinePen(painter, colour, 8);
    painter.drawEllipse(QPointF(100, 100), 28, 28);
    painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(84, 84), QPointF(116, 116));
    painter.drawLine(QPointF(116, 84), QPointF(84, 116));
}

} // namespace

std::vector<PictureSpec> bodyAndEngineLampPictures() {
    const auto lamp = [](const char* name, const QColor& colour, const PanelSymbol& symbol) {
        return PictureSpec{QString::fromLatin1(name),
                           [colour, symbol] { return panelLamp(colour, symbol); }};
    };
    return {
        lamp("lamp-bonnet-open.jpg", kPanelRed,
             [](QPainter& p, const QColor& c) { carWithLidOpen(p, c, true); }),
        lamp("lamp-boot-open.bmp", kPanelRed,
             [](QPainter& p, const QColor& c) { carWithLidOpen(p, c, false); }),
        lamp("lamp-washer-fluid.jpg", kPanelAmber, washer),
        lamp("lamp-glow-plug.jpg", kPanelAmber, glowPlug),
        lamp("lamp-particle-filter.bmp", kPanelAmber, particleFilter),
        lamp("lamp-gearbox-fault.jpg", kPanelAmber, gearboxFault),
        lamp("lamp-diff-lock.bmp", kPanelAmber, differentialLock),
    };
}

} // namespace pictures
