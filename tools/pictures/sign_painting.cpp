#include "tools/pictures/sign_painting.h"

#include <QPainterPathStroker>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {
int currentScale = 1;
} // namespace

void setPictureScale(int scale) {
    currentScale = scale;
}

int pictureScale() {
    return currentScale;
}

QImage paintPicture(int width, int height, const QColor& background, const Painting& paint) {
    QImage image(width * currentScale, height * currentScale, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(currentScale, currentScale);
    paint(painter);
    return image;
}

QImage paintSign(const QColor& background, const Painting& paint) {
    return paintPicture(kSignPixels, kSignPixels, background, [&](QPainter& painter) {
        painter.scale(qreal(kSignPixels) / kSignSize, qreal(kSignPixels) / kSignSize);
        paint(painter);
    });
}

QImage prohibitionSign(const Painting& symbol, bool diagonalBar) {
    return paintSign(kWhite, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRed);
        painter.drawEllipse(QPointF(100, 100), 92, 92);
        painter.setBrush(kWhite);
        painter.drawEllipse(QPointF(100, 100), 74, 74);
        painter.save();
        symbol(painter);
        painter.restore();
        if (diagonalBar) {
            const qreal reach = 74 * M_SQRT1_2;
            painter.setPen(QPen(kRed, 15, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(100 - reach, 100 - reach), QPointF(100 + reach, 100 + reach));
        }
    });
}

QImage warningSign(const Painting& symbol) {
    return paintSign(kWhite, [&](QPainter& painter) {
        const QPainterPath outline = triangle({{100, 25}, {14, 174}, {186, 174}});
        // The thin yellow margin outside the black border is part of the design.
        painter.setPen(QPen(kYellow, 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(kYellow);
        painter.drawPath(outline);
        painter.setPen(QPen(kBlack, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
        painter.save();
        symbol(painter);
        painter.restore();
    });
}

QImage mandatorySign(const Painting& symbol) {
    return paintSign(kWhite, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBlue);
        painter.drawEllipse(QPointF(100, 100), 92, 92);
        painter.save();
        symbol(painter);
        painter.restore();
    });
}

Painting mirrored(const Painting& symbol) {
    return [symbol](QPainter& painter) {
        painter.translate(kSignSize, 0);
        painter.scale(-1, 1);
        symbol(painter);
    };
}

QPainterPath triangle(const QPolygonF& corners) {
    QPainterPath path;
    path.moveTo(corners.at(0));
    path.lineTo(corners.at(1));
    path.lineTo(corners.at(2));
    path.closeSubpath();
    return path;
}

QPainterPath arrowShape(const QPainterPath& centreLine, qreal width, ArrowHead head) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPointF end = centreLine.pointAtPercent(1.0);
    // angleAtPercent counts counter-clockwise with y pointing up; the picture's y points down.
    const qreal radians = qDegreesToRadians(centreLine.angleAtPercent(1.0));
    const QPointF ahead(std::cos(radians), -std::sin(radians));
    const QPointF side(-ahead.y(), ahead.x());
    const QPainterPath tip = triangle(
        {end + ahead * head.length, end + side * (head.width / 2), end - side * (head.width / 2)});
    return stroker.createStroke(centreLine).united(tip);
}

void fill(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.fillPath(path, colour);
}

void strokeLine(QPainter& painter, const QPainterPath& path, qreal width, const QColor& colour,
                Qt::PenCapStyle cap) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

QFont numberFont(int pixelSize) {
    QFont font(QStringLiteral("Nimbus Sans Narrow"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QFont hanziFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("AR PL SungtiL GB"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void drawHanzi(QPainter& painter, const QRectF& box, const QString& text, int pixelSize,
               const QColor& colour, qreal weight) {
    QPainterPath path;
    path.addText(0, 0, hanziFont(pixelSize, false), text);
    path.translate(box.center() - path.boundingRect().center());
    painter.save();
    painter.setPen(QPen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void lineAlong(QPainter& painter, qreal x, const QColor& colour, bool broken, qreal top,
               qreal bottom, qreal width) {
    if (!broken) {
        painter.fillRect(QRectF(x - width / 2, top, width, bottom - top), colour);
        return;
    }
    for (qreal y = top; y < bottom; y += 30)
        painter.fillRect(QRectF(x - width / 2, y, width, std::min<qreal>(18, bottom - y)), colour);
}

void lineAcross(QPainter& painter, qreal y, const QColor& colour, bool broken, qreal left,
                qreal right, qreal width) {
    if (!broken) {
        painter.fillRect(QRectF(left, y - width / 2, right - left, width), colour);
        return;
    }
    for (qreal x = left; x < right; x += 16)
        painter.fillRect(QRectF(x, y - width / 2, std::min<qreal>(10, right - x), width), colour);
}

void twoWayRoad(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 24, kMarkingHeight), kGrass);
    painter.fillRect(QRectF(176, 0, 24, kMarkingHeight), kGrass);
    lineAlong(painter, 30, kWhite, false);
    lineAlong(painter, 170, kWhite, false);
}

// Text painted on the road is stretched along the lane so that drivers can read it early.
void roadText(QPainter& painter, QPointF centre, const QString& text, int pixelSize) {
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, 1.8);
    drawHanzi(painter, QRectF(-60, -20, 120, 40), text, pixelSize, kWhite, 1.5);
    painter.restore();
}

} // namespace pictures
