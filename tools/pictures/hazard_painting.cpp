#include "tools/pictures/hazard_painting.h"

#include <algorithm>

namespace pictures::hazard {

QImage scene(const QColor& background, const Painting& paint) {
    return paintSign(background, paint);
}

void pedestrian(QPainter& painter, QPointF centre, const QColor& clothes, qreal scale) {
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.setPen(QPen(clothes.darker(170), 1));
    painter.setBrush(clothes);
    painter.drawEllipse(QPointF(0, 0), 11, 7);
    painter.setBrush(QColor(55, 38, 28));
    painter.drawEllipse(QPointF(0, 0), 5, 5);
    painter.restore();
}

void cyclist(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& clothes,
             bool motorised) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(kBlack, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -17), QPointF(0, 17));
    painter.drawLine(QPointF(-7, -11), QPointF(7, -11)); // handlebar
    if (motorised) {
        // The battery box under the seat tells an electric bicycle from a pedal cycle.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawRoundedRect(QRectF(-5, -2, 10, 16), 2, 2);
    }
    painter.restore();
    pedestrian(painter, centre, clothes, 0.9);
}

void truck(QPainter& painter, qreal length, QPointF centre, qreal angleDegrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(225, 225, 218));
    painter.drawRect(QRectF(-15, -length / 2 + 20, 30, length - 20));
    painter.setBrush(QColor(60, 120, 70));
    painter.drawRoundedRect(QRectF(-14, -length / 2, 28, 18), 4, 4);
    painter.setBrush(QColor(40, 50, 70));
    painter.drawRect(QRectF(-11, -length / 2 + 2, 22, 5));
    painter.restore();
}

void bus(QPainter& painter, QPointF centre, qreal angleDegrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(QColor(20, 80, 60), 1));
    painter.setBrush(QColor(40, 160, 110));
    painter.drawRoundedRect(QRectF(-15, -46, 30, 92), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 50, 70));
    painter.drawRect(QRectF(-12, -44, 24, 6));
    painter.setBrush(QColor(230, 240, 235));
    for (qreal y : {-24.0, 0.0, 24.0})
        painter.drawRect(QRectF(-6, y - 4, 12, 8)); // roof hatches
    painter.restore();
}

void sheep(QPainter& painter, QPointF centre, qreal angleDegrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(QColor(150, 150, 140), 1));
    painter.setBrush(QColor(245, 245, 235));
    painter.drawEllipse(QPointF(0, 0), 7, 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 45, 40));
    painter.drawEllipse(QPointF(0, -12), 3.5, 5);
    painter.restore();
}

void car(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& body) {
    drawCarTop(painter, centre, angleDegrees, body, 44);
}

void intendedPath(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 3.5, Qt::DashLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    QPainterPath tip;
    tip.moveTo(path.pointAtPercent(path.percentAtLength(path.length() - 1)));
    tip.lineTo(path.pointAtPercent(1));
    fill(painter, arrowShape(tip, 0.1, {12, 14}), colour);
}

void label(QPainter& painter, QPointF at, const QString& text) {
    painter.save();
    painter.setPen(QPen(kBlack, 2));
    painter.setBrush(kWhite);
    painter.drawEllipse(at, 12, 12);
    painter.restore();
    drawText(painter, QRectF(at.x() - 12, at.y() - 12, 24, 24), text, numberFont(20), kBlack);
}

void roadAlong(QPainter& painter, qreal left, qreal right, const QColor& verge) {
    painter.fillRect(QRectF(0, 0, left, kSignSize), verge);
    painter.fillRect(QRectF(right, 0, kSignSize - right, kSignSize), verge);
    painter.fillRect(QRectF(left, 0, right - left, kSignSize), kAsphalt);
}

qreal Perspective::Line::xAt(qreal y) const {
    // 0 at the horizon, 1 at the bottom
    const qreal depth = (y - view.horizon) / (kSignSize - view.horizon);
    const qreal vanish = (view.nearLeft + view.nearRight) / 2;
    return vanish + (view.nearLeft + fraction * (view.nearRight - view.nearLeft) - vanish) * depth;
}

void perspectiveRoad(QPainter& painter, const Perspective& view, const QColor& ground,
                     bool brokenCentre) {
    painter.fillRect(QRectF(0, view.horizon, kSignSize, kSignSize - view.horizon), ground);
    const qreal vanish = view.along(0.5).xAt(view.horizon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAsphalt);
    painter.drawPolygon(
        QPolygonF({QPointF(vanish - 1, view.horizon), QPointF(vanish + 1, view.horizon),
                   QPointF(view.nearRight, kSignSize), QPointF(view.nearLeft, kSignSize)}));
    for (qreal edge : {0.04, 0.96}) {
        painter.setPen(QPen(kWhite, 2.5));
        painter.drawLine(QPointF(view.along(edge).xAt(view.horizon + 2), view.horizon + 2),
                         QPointF(view.along(edge).xAt(kSignSize), kSignSize));
    }
    if (!brokenCentre) {
        painter.setPen(QPen(kLineYellow, 3));
        painter.drawLine(QPointF(vanish, view.horizon + 2),
                         QPointF(view.along(0.5).xAt(kSignSize), kSignSize));
        return;
    }
    // Dashes shorten with distance, as they do on a real road.
    for (qreal far = 0.08; far < 1; far *= 1.9) {
        const qreal top = view.horizon + (kSignSize - view.horizon) * far;
        const qreal bottom =
            std::min<qreal>(kSignSize, top + (kSignSize - view.horizon) * far * 0.45);
        QPainterPath dash;
        dash.moveTo(view.along(0.5).xAt(top), top);
        dash.lineTo(view.along(0.5).xAt(bottom), bottom);
        strokeLine(painter, dash, 1 + 3 * far, kWhite, Qt::FlatCap);
    }
}

void tailLights(QPainter& painter, QPointF centre, qreal width, const QColor& glow) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre + QPointF(-width / 2, 0), width / 7, width / 9);
    painter.drawEllipse(centre + QPointF(width / 2, 0), width / 7, width / 9);
    painter.restore();
}

} // namespace pictures::hazard
