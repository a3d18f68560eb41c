// Controls with several positions: the light knob, the wiper stalk and the gear selector.
#include "tools/pictures/panel_painting.h"

namespace pictures {
namespace {

// Small lamp marks around the light knob, centred on the origin.
void positionMark(QPainter& painter, const QColor& colour) {
    for (int side : {-1, 1}) {
        painter.save();
        painter.scale(side, 1);
        QPainterPath lens(QPointF(-3, -12));
        lens.cubicTo(-20, -12, -20, 12, -3, 12);
        lens.closeSubpath();
        fill(painter, lens, colour);
        painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {-10.0, 0.0, 10.0})
            painter.drawLine(QPointF(-22, y), QPointF(-32, y * 1.5));
        painter.restore();
    }
}

void lowBeamMark(QPainter& painter, const QColor& colour) {
    QPainterPath lens(QPointF(2, -18));
    lens.cubicTo(30, -18, 30, 18, 2, 18);
    lens.closeSubpath();
    fill(painter, lens, colour);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {-14.0, -4.0, 6.0, 16.0})
        painter.drawLine(QPointF(-4, y), QPointF(-28, y + 8));
}

QImage lightKnob(int chosen) {
    return dialSwitch({textMark(QStringLiteral("OFF")), textMark(QStringLiteral("AUTO"), 24),
                       positionMark, lowBeamMark},
                      chosen);
}

QImage wiperStalk(int chosen) {
    return leverSwitch({QStringLiteral("MIST"), QStringLiteral("OFF"), QStringLiteral("INT"),
                        QStringLiteral("LO"), QStringLiteral("HI")},
                       chosen);
}

QImage gearSelector(int chosen) {
    return leverSwitch({QStringLiteral("P"), QStringLiteral("R"), QStringLiteral("N"),
                        QStringLiteral("D"), QStringLiteral("S")},
                       chosen);
}

} // namespace

std::vector<PictureSpec> stalkAndKnobPictures() {
    return {
        {QStringLiteral("knob-lights-position.jpg"), [] { return lightKnob(2); }},
        {QStringLiteral("knob-lights-low-beam.bmp"), [] { return lightKnob(3); }},
        {QStringLiteral("knob-lights-auto.jpg"), [] { return lightKnob(1); }},
        {QStringLiteral("stalk-wiper-int.jpg"), [] { return wiperStalk(2); }},
        {QStringLiteral("stalk-wiper-mist.bmp"), [] { return wiperStalk(0); }},
        {QStringLiteral("stalk-wiper-hi.jpg"), [] { return wiperStalk(4); }},
        {QStringLiteral("gear-selector-n.bmp"), [] { return gearSelector(2); }},
        {QStringLiteral("gear-selector-s.jpg"), [] { return gearSelector(4); }},
        {QStringLiteral("gear-selector-d.jpg"), [] { return gearSelector(3); }},
    };
}

} // namespace pictures
