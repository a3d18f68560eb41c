// Prohibition signs that carry a number or a character: limits, stop and yield.
#include "tools/pictures/sign_painting.h"

#include <QtMath>

#include <cmath>

namespace pictures {
namespace {

Painting number(const QString& text, int pixelSize) {
    return [text, pixelSize](QPainter& painter) {
        drawText(painter, QRectF(20, 50, 160, 100), text, numberFont(pixelSize), kBlack);
    };
}

// Small solid triangles that point at the limited dimension.
void pointers(QPainter& painter, bool vertical) {
    painter.save();
    if (!vertical) {
        painter.translate(100, 100);
        painter.rotate(-90);
        painter.translate(-100, -100);
    }
    fill(painter, triangle({{84, 32}, {116, 32}, {100, 52}}), kBlack);
    fill(painter, triangle({{84, 168}, {116, 168}, {100, 148}}), kBlack);
    painter.restore();
}

QImage endOfSpeedLimit() {
    return paintSign(kWhite, [](QPainter& painter) {
        painter.setPen(QPen(kBlack, 6));
        painter.setBrush(kWhite);
        painter.drawEllipse(QPointF(100, 100), 88, 88);
        drawText(painter, QRectF(20, 50, 160, 100), QStringLiteral("40"), numberFont(96),
                 QColor(70, 70, 70));
        painter.setClipPath([] {
            QPainterPath disc;
            disc.addEllipse(QPointF(100, 100), 85, 85);
            return disc;
        }());
        painter.setPen(QPen(kBlack, 4, Qt::SolidLine, Qt::FlatCap));
        for (int offset = -24; offset <= 24; offset += 12)
            painter.drawLine(QPointF(180 + offset, 20 + offset),
                             QPointF(20 + offset, 180 + offset));
    });
}

QPainterPath octagon(QPointF centre, qreal radius) {
    QPainterPath path;
    for (int corner = 0; corner < 8; ++corner) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * corner);
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (corner == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QImage stopSign() {
    return paintSign(kWhite, [](QPainter& painter) {
        fill(painter, octagon({100, 100}, 96), kRed);
        painter.setPen(QPen(kWhite, 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(octagon({100, 100}, 88));
        drawHanzi(painter, QRectF(20, 20, 160, 160), QStringLiteral("停"), 104, kWhite, 5);
    });
}

QImage yieldSign() {
    return paintSign(kWhite, [](QPainter& painter) {
        painter.setPen(QPen(kRed, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(kWhite);
        painter.drawPath(triangle({{18, 30}, {182, 30}, {100, 172}}));
        drawHanzi(painter, QRectF(50, 40, 100, 80), QStringLiteral("让"), 62, kBlack, 4);
    });
}

} // namespace

std::vector<PictureSpec> restrictionPictures() {
    return {
        {QStringLiteral("sign-speed-limit-40.jpg"),
         [] { return prohibitionSign(number(QStringLiteral("40"), 96), false); }},
        {QStringLiteral("sign-speed-limit-60.bmp"),
         [] { return prohibitionSign(number(QStringLiteral("60"), 96), false); }},
        {QStringLiteral("sign-end-speed-limit.jpg"), endOfSpeedLimit},
        {QStringLiteral("sign-height-limit.jpg"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     pointers(painter, true);
                     number(QStringLiteral("3.5m"), 60)(painter);
                 },
                 false);
         }},
        {QStringLiteral("sign-width-limit.bmp"),
         [] {
             return prohibitionSign(
                 [](QPainter& painter) {
                     pointers(painter, false);
                     number(QStringLiteral("3m"), 64)(painter);
                 },
                 false);
         }},
        {QStringLiteral("sign-weight-limit.jpg"),
         [] { return prohibitionSign(number(QStringLiteral("10t"), 80), false); }},
        {QStringLiteral("sign-stop.jpg"), stopSign},
        {QStringLiteral("sign-yield.bmp"), yieldSign},
    };
}

} // namespace pictures
