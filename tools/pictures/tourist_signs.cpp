// Tourist signs: brown panels with white text and symbols.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

QImage symbolSign(const Painting& symbol) {
    return squarePanel(kBrown, kWhite, symbol);
}

void tent(QPainter& painter) {
    QPainterPath shape = triangle({{100, 46}, {36, 150}, {164, 150}});
    shape = shape.subtracted(triangle({{100, 92}, {80, 150}, {120, 150}}));
    fill(painter, shape, kWhite);
    painter.fillRect(QRectF(26, 150, 148, 8), kWhite);
}

void cableway(QPainter& painter) {
    QPainterPath cable;
    cable.moveTo(24, 70);
    cable.lineTo(176, 40);
    strokeLine(painter, cable, 5, kWhite, Qt::FlatCap);
    QPainterPath hanger;
    hanger.moveTo(100, 55);
    hanger.lineTo(100, 86);
    strokeLine(painter, hanger, 6, kWhite, Qt::FlatCap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawRoundedRect(QRectF(62, 86, 76, 62), 12, 12);
    painter.setBrush(kBrown);
    painter.drawRect(QRectF(72, 96, 24, 22));
    painter.drawRect(QRectF(104, 96, 24, 22));
}

void rowingBoat(QPainter& painter) {
    QPainterPath hull;
    hull.moveTo(30, 112);
    hull.lineTo(170, 112);
    hull.quadTo(150, 140, 120, 140);
    hull.lineTo(70, 140);
    hull.quadTo(46, 140, 30, 112);
    fill(painter, hull, kWhite);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(104, 62), 11, 11);
    QPainterPath body;
    body.moveTo(100, 78);
    body.lineTo(92, 108);
    body.moveTo(98, 86);
    body.lineTo(130, 96);
    strokeLine(painter, body, 10, kWhite);
    QPainterPath oar;
    oar.moveTo(150, 80);
    oar.lineTo(110, 156);
    strokeLine(painter, oar, 5, kWhite);
    QPainterPath waves;
    waves.moveTo(28, 166);
    for (qreal x = 28; x < 168; x += 28) {
        waves.quadTo(x + 7, 158, x + 14, 166);
        waves.quadTo(x + 21, 174, x + 28, 166);
    }
    strokeLine(painter, waves, 4, kWhite);
}

void swimmer(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(62, 92), 13, 13);
    QPainterPath body;
    body.moveTo(80, 102);
    body.lineTo(150, 112);
    body.moveTo(84, 100);
    body.quadTo(110, 58, 140, 76);
    strokeLine(painter, body, 12, kWhite);
    QPainterPath waves;
    for (int row = 0; row < 2; ++row) {
        const qreal y = 134 + row * 20;
        waves.moveTo(28, y);
        for (qreal x = 28; x < 168; x += 28) {
            waves.quadTo(x + 7, y - 8, x + 14, y);
            waves.quadTo(x + 21, y + 8, x + 28, y);
        }
    }
    strokeLine(painter, waves, 5, kWhite);
}

void binoculars(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawRoundedRect(QRectF(46, 64, 42, 82), 14, 14);
    painter.drawRoundedRect(QRectF(112, 64, 42, 82), 14, 14);
    painter.drawRect(QRectF(84, 84, 32, 22));
    painter.setBrush(kBrown);
    painter.drawEllipse(QPointF(67, 126), 12, 12);
    painter.drawEllipse(QPointF(133, 126), 12, 12);
}

void hiker(QPainter& painter) {
    drawWalker(painter, {92, 114}, 0.9, kWhite);
    QPainterPath stick;
    stick.moveTo(120, 96);
    stick.lineTo(136, 160);
    strokeLine(painter, stick, 5, kWhite);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawRoundedRect(QRectF(70, 46, 20, 30), 6, 6); // rucksack
}

QImage information() {
    return symbolSign([](QPainter& painter) {
        drawText(painter, QRectF(20, 20, 160, 160), QStringLiteral("?"), panelLatinFont(140),
                 kWhite);
    });
}

QImage direction() {
    return panelPicture(kBrown, kWhite, QRectF(8, 20, 184, 110), [](QPainter& painter) {
        drawHanzi(painter, QRectF(58, 40, 126, 70), QStringLiteral("云湖景区"), 30, kWhite, 1.5);
        QPainterPath line;
        line.moveTo(64, 75);
        line.lineTo(40, 75);
        fill(painter, arrowShape(line, 12, {18, 34}), kWhite);
    });
}

QImage distance() {
    return panelPicture(kBrown, kWhite, QRectF(8, 20, 184, 110), [](QPainter& painter) {
        drawHanzi(painter, QRectF(20, 34, 160, 44), QStringLiteral("云湖景区"), 34, kWhite, 1.5);
        drawText(painter, QRectF(20, 80, 160, 40), QStringLiteral("12 km"), panelLatinFont(34),
                 kWhite);
    });
}

} // namespace

std::vector<PictureSpec> touristPictures() {
    return {
        {QStringLiteral("tourist-direction.jpg"), direction},
        {QStringLiteral("tourist-distance.bmp"), distance},
        {QStringLiteral("tourist-information.jpg"), information},
        {QStringLiteral("tourist-campsite.jpg"), [] { return symbolSign(tent); }},
        {QStringLiteral("tourist-cableway.bmp"), [] { return symbolSign(cableway); }},
        {QStringLiteral("tourist-boating.jpg"), [] { return symbolSign(rowingBoat); }},
        {QStringLiteral("tourist-swimming.jpg"), [] { return symbolSign(swimmer); }},
        {QStringLiteral("tourist-viewpoint.jpg"), [] { return symbolSign(binoculars); }},
        {QStringLiteral("tourist-hiking.bmp"), [] { return symbolSign(hiker); }},
    };
}

} // namespace pictures
