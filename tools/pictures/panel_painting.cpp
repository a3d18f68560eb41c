#include "tools/pictures/panel_painting.h"

#include <QRadialGradient>
#include <QtMath>

namespace pictures {

namespace {

const QColor kDimMark(120, 124, 130);

void glow(QPainter& painter, const QColor& colour) {
    // A faint halo, so that the symbol looks lit rather than printed.
    QRadialGradient halo(QPointF(100, 100), 90);
    QColor soft = colour;
    soft.setAlpha(40);
    halo.setColorAt(0, soft);
    halo.setColorAt(1, kPanelDark);
    painter.fillRect(QRectF(0, 0, 200, 200), halo);
}

} // namespace

QImage panelLamp(const QColor& colour, const PanelSymbol& symbol) {
    return paintSign(kPanelDark, [&](QPainter& painter) {
        glow(painter, colour);
        symbol(painter, colour);
    });
}

QImage panelButton(const PanelSymbol& symbol, bool telltaleLit) {
    return paintSign(kPanelDark, [&](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 95, 102), 4));
        painter.setBrush(kButtonFace);
        painter.drawRoundedRect(QRectF(14, 14, 172, 172), 26, 26);
        painter.save();
        symbol(painter, kButtonSymbol);
        painter.restore();
        painter.setPen(Qt::NoPen);
        painter.setBrush(telltaleLit ? kPanelAmber : QColor(40, 42, 46));
        painter.drawRoundedRect(QRectF(84, 166, 32, 8), 3, 3);
    });
}

void outlinePen(QPainter& painter, const QColor& colour, qreal width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

void panelText(QPainter& painter, const QRectF& box, const QString& text, int size,
               const QColor& colour) {
    drawText(painter, box, text, numberFont(size), colour);
}

void carSideOutline(QPainter& painter, const QRectF& box, const QColor& colour, qreal width) {
    // Body and cabin in proportion to the box; wheels sit on its bottom edge.
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    QPainterPath body;
    body.moveTo(x, y + h * 0.78);
    body.lineTo(x, y + h * 0.48);
    body.lineTo(x + w * 0.22, y + h * 0.42);
    body.lineTo(x + w * 0.34, y + h * 0.08);
    body.lineTo(x + w * 0.72, y + h * 0.08);
    body.lineTo(x + w * 0.86, y + h * 0.42);
    body.lineTo(x + w, y + h * 0.5);
    body.lineTo(x + w, y + h * 0.78);
    body.closeSubpath();
    outlinePen(painter, colour, width);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (qreal cx : {x + w * 0.22, x + w * 0.8})
        painter.drawEllipse(QPointF(cx, y + h * 0.82), h * 0.16, h * 0.16);
}

void skidTracks(QPainter& painter, qreal top, const QColor& colour) {
    for (qreal x : {70.0, 130.0}) {
        QPainterPath track;
        track.moveTo(x - 14, top + 60);
        track.cubicTo(x + 18, top + 40, x - 22, top + 22, x + 10, top);
        strokeLine(painter, track, 8, colour);
    }
}

void batteryOutline(QPainter& painter, const QRectF& box, const QColor& colour) {
    outlinePen(painter, colour, 8);
    painter.drawRect(box);
    const qreal post = box.width() * 0.18;
    painter.fillRect(QRectF(box.left() + post * 0.6, box.top() - 12, post, 12), colour);
    painter.fillRect(QRectF(box.right() - post * 1.6, box.top() - 12, post, 12), colour);
}

void thermometer(QPainter& painter, QPointF bulb, qreal height, const QColor& colour) {
    outlinePen(painter, colour, 9);
    painter.drawLine(bulb, bulb - QPointF(0, height));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(bulb, 11, 11);
    painter.setPen(QPen(colour, 5, Qt::SolidLine, Qt::FlatCap));
    for (int step = 1; step <= 3; ++step) {
        const qreal y = bulb.y() - height + step * height / 4.5;
        painter.drawLine(QPointF(bulb.x() + 8, y), QPointF(bulb.x() + 22, y));
    }
}

void roundArrow(QPainter& painter, const QRectF& circle, int startDegrees, int spanDegrees,
                const QColor& colour, qreal width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(circle, startDegrees * 16, spanDegrees * 16);
    // The head points along the arc where it ends.
    const qreal end = qDegreesToRadians(qreal(startDegrees + spanDegrees));
    const QPointF centre = circle.center();
    const qreal rx = circle.width() / 2, ry = circle.height() / 2;
    const QPointF tip(centre.x() + rx * std::cos(end), centre.y() - ry * std::sin(end));
    const qreal sign = spanDegrees > 0 ? 1 : -1;
    const QPointF along(-std::sin(end) * sign, -std::cos(end) * sign);
    const QPointF across(std::cos(end), -std::sin(end));
    const qreal head = width * 1.6;
    fill(painter, triangle({tip + along * head * 1.3, tip + across * head, tip - across * head}),
         colour);
}

void exclamation(QPainter& painter, QPointF centre, qreal height, const QColor& colour) {
    const qreal w = height * 0.2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(centre.x() - w / 2, centre.y() - height / 2, w, height * 0.66),
                            w / 3, w / 3);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + height * 0.4), w * 0.6, w * 0.6);
}

// The stability-control car: seen from behind and above, with its tracks snaking away.
void skiddingCar(QPainter& painter, const QColor& colour, bool off) {
    painter.save();
    if (off)
        painter.translate(0, -18);
    QPainterPath body;
    body.moveTo(56, 104);
    body.lineTo(66, 62);
    body.lineTo(134, 62);
    body.lineTo(144, 104);
    body.closeSubpath();
    outlinePen(painter, colour, 8);
    painter.drawPath(body);
    painter.drawLine(QPointF(48, 84), QPointF(60, 84));
    painter.drawLine(QPointF(140, 84), QPointF(152, 84));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(56, 104, 16, 12));
    painter.drawRect(QRectF(128, 104, 16, 12));
    skidTracks(painter, 116, colour);
    painter.restore();
    if (off)
        panelText(painter, QRectF(40, 150, 120, 40), QStringLiteral("OFF"), 36, colour);
}

void bracketedCircle(QPainter& painter, const QColor& colour, bool dashed) {
    outlinePen(painter, colour, 8);
    painter.drawEllipse(QPointF(100, 100), 40, 40);
    if (dashed) {
        for (int start : {-50, -10, 30, 130, 170, 210})
            painter.drawArc(QRectF(44, 44, 112, 112), start * 16, 24 * 16);
    } else {
        painter.drawArc(QRectF(44, 44, 112, 112), -50 * 16, 100 * 16);
        painter.drawArc(QRectF(44, 44, 112, 112), 130 * 16, 100 * 16);
    }
}

PanelSymbol textMark(const QString& text, int size) {
    return [text, size](QPainter& painter, const QColor& colour) {
        panelText(painter, QRectF(-40, -22, 80, 44), text, size, colour);
    };
}

QImage dialSwitch(const std::vector<PanelSymbol>& marks, int chosen) {
    return paintSign(kPanelDark, [&](QPainter& painter) {
        const QPointF centre(100, 128);
        const int count = int(marks.size());
        const auto angleOf = [&](int index) {
            return qDegreesToRadians(160.0 - 140.0 * index / std::max(1, count - 1));
        };
        for (int index = 0; index < count; ++index) {
            const qreal angle = angleOf(index);
            painter.save();
            painter.translate(centre + QPointF(std::cos(angle), -std::sin(angle)) * 80);
            painter.scale(0.8, 0.8);
            marks[index](painter, index == chosen ? kButtonSymbol : kDimMark);
            painter.restore();
        }
        painter.setPen(QPen(QColor(90, 95, 102), 4));
        painter.setBrush(kButtonFace);
        painter.drawEllipse(centre, 46, 46);
        const qreal angle = angleOf(chosen);
        const QPointF towards(std::cos(angle), -std::sin(angle));
        painter.setPen(QPen(kPanelAmber, 9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + towards * 14, centre + towards * 40);
    });
}

QImage leverSwitch(const QStringList& labels, int chosen) {
    return paintSign(kPanelDark, [&](QPainter& painter) {
        const int count = int(labels.size());
        const qreal step = 150.0 / count;
        const auto rowY = [&](int index) { return 25 + step * (index + 0.5); };
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(36, 38, 42));
        painter.drawRoundedRect(QRectF(118, 20, 70, 160), 10, 10);
        for (int index = 0; index < count; ++index)
            panelText(painter, QRectF(120, rowY(index) - step / 2, 66, step), labels[index],
                      index == chosen ? 30 : 24, index == chosen ? kPanelAmber : kDimMark);
        const QPointF pivot(22, 100), tip(112, rowY(chosen));
        painter.setPen(QPen(kButtonFace, 18, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pivot, tip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kButtonSymbol);
        painter.drawEllipse(tip, 9, 9);
    });
}

} // namespace pictures
