// Pictograms that several sign families share.
#include "tools/pictures/sign_painting.h"

namespace pictures {

void drawWalker(QPainter& painter, QPointF hip, qreal scale, const QColor& colour) {
    painter.save();
    painter.translate(hip);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(6, -64), 11, 11);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(5, -46);
    strokeLine(painter, body, 15, colour);
    QPainterPath limbs;
    limbs.moveTo(-17, -18); // back hand, swinging behind
    limbs.lineTo(-8, -32);
    limbs.lineTo(4, -44);
    limbs.lineTo(16, -30);
    limbs.lineTo(26, -18); // front hand
    limbs.moveTo(-22, 40); // back foot
    limbs.lineTo(-10, 18);
    limbs.lineTo(0, 0);
    limbs.lineTo(14, 18);
    limbs.lineTo(26, 40); // front foot
    strokeLine(painter, limbs, 9, colour);
    painter.restore();
}

void drawCarSide(QPainter& painter, const QRectF& box, const VehicleColours& colours) {
    const qreal x = box.x();
    const qreal y = box.y();
    const qreal w = box.width();
    const qreal h = box.height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.body);
    QPainterPath shape;
    shape.moveTo(x, y + h * 0.78);
    shape.lineTo(x, y + h * 0.48);
    shape.lineTo(x + w * 0.18, y + h * 0.42);
    shape.lineTo(x + w * 0.30, y + h * 0.08);
    shape.lineTo(x + w * 0.68, y + h * 0.08);
    shape.lineTo(x + w * 0.82, y + h * 0.42);
    shape.lineTo(x + w, y + h * 0.50);
    shape.lineTo(x + w, y + h * 0.78);
    shape.closeSubpath();
    painter.drawPath(shape);
    painter.setBrush(colours.glass);
    painter.drawPolygon(
        QPolygonF({QPointF(x + w * 0.24, y + h * 0.40), QPointF(x + w * 0.33, y + h * 0.17),
                   QPointF(x + w * 0.47, y + h * 0.17), QPointF(x + w * 0.47, y + h * 0.40)}));
    painter.drawPolygon(
        QPolygonF({QPointF(x + w * 0.52, y + h * 0.40), QPointF(x + w * 0.52, y + h * 0.17),
                   QPointF(x + w * 0.65, y + h * 0.17), QPointF(x + w * 0.75, y + h * 0.40)}));
    const qreal radius = h * 0.17;
    for (qreal wheel : {0.22, 0.78}) {
        painter.setBrush(colours.body);
        painter.drawEllipse(QPointF(x + w * wheel, y + h * 0.80), radius + 3, radius + 3);
        painter.setBrush(colours.glass);
        painter.drawEllipse(QPointF(x + w * wheel, y + h * 0.80), radius * 0.35, radius * 0.35);
    }
    painter.restore();
}

void drawCarRear(QPainter& painter, const QRectF& box, const VehicleColours& colours) {
    const qreal x = box.x();
    const qreal y = box.y();
    const qreal w = box.width();
    const qreal h = box.height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.body);
    painter.drawRoundedRect(QRectF(x + w * 0.08, y + h * 0.82, w * 0.2, h * 0.18), 3, 3);
    painter.drawRoundedRect(QRectF(x + w * 0.72, y + h * 0.82, w * 0.2, h * 0.18), 3, 3);
    painter.drawPolygon(
        QPolygonF({QPointF(x + w * 0.2, y), QPointF(x + w * 0.8, y),
                   QPointF(x + w * 0.92, y + h * 0.45), QPointF(x + w * 0.08, y + h * 0.45)}));
    painter.drawRoundedRect(QRectF(x, y + h * 0.4, w, h * 0.46), 6, 6);
    painter.setBrush(colours.glass);
    painter.drawPolygon(
        QPolygonF({QPointF(x + w * 0.27, y + h * 0.1), QPointF(x + w * 0.73, y + h * 0.1),
                   QPointF(x + w * 0.82, y + h * 0.38), QPointF(x + w * 0.18, y + h * 0.38)}));
    painter.restore();
}

void drawBicycle(QPainter& painter, QPointF centre, qreal scale, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 6));
    painter.drawEllipse(QPointF(-34, 14), 22, 22);
    painter.drawEllipse(QPointF(34, 14), 22, 22);
    QPainterPath frame;
    frame.moveTo(-34, 14);
    frame.lineTo(-2, 14);
    frame.lineTo(-14, -16);
    frame.lineTo(-34, 14);
    frame.moveTo(-2, 14);
    frame.lineTo(24, -14);
    frame.lineTo(-14, -16);
    frame.moveTo(34, 14);
    frame.lineTo(20, -26);
    frame.lineTo(10, -28); // handlebar
    frame.moveTo(-22, -20);
    frame.lineTo(-8, -20); // saddle
    strokeLine(painter, frame, 6, colour);
    painter.restore();
}

void drawHorn(QPainter& painter, QPointF centre, qreal scale, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(-46, -9, 12, 18));
    painter.drawPolygon(
        QPolygonF({QPointF(-36, -6), QPointF(8, -8), QPointF(36, -32), QPointF(40, -32),
                   QPointF(40, 32), QPointF(36, 32), QPointF(8, 8), QPointF(-36, 6)}));
    painter.restore();
}

void drawCarTop(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& body,
                qreal length) {
    const qreal width = length * 0.5;
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(body.darker(160), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(-width / 2, -length / 2, width, length), width * 0.3,
                            width * 0.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 50, 70));
    painter.drawRect(QRectF(-width * 0.38, -length * 0.24, width * 0.76, length * 0.16));
    painter.drawRect(QRectF(-width * 0.36, length * 0.22, width * 0.72, length * 0.1));
    painter.restore();
}

} // namespace pictures
