// More guide signs: green on expressways, blue on ordinary roads; route numbers in their own
// colours.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

const QRectF kWide(8, 14, 184, 122);

void line(QPainter& painter, const QRectF& box, int pixelSize, const QString& place,
          int kilometres) {
    const QString latin = QStringLiteral("%1 km").arg(kilometres);
    drawHanzi(painter, QRectF(box.x(), box.y(), box.width() * 0.55, box.height()), place, pixelSize,
              kWhite, 1.5);
    drawText(painter,
             QRectF(box.x() + box.width() * 0.55, box.y(), box.width() * 0.45, box.height()), latin,
             panelLatinFont(pixelSize), kWhite);
}

QImage emergencyBay() {
    return panelPicture(kGreen, kWhite, kWide, [](QPainter& painter) {
        // A lay-by bulging out of the right-hand edge, with a car standing in it.
        QPainterPath edge;
        edge.moveTo(70, 126);
        edge.lineTo(70, 26);
        edge.moveTo(120, 126);
        edge.lineTo(120, 104);
        edge.lineTo(144, 88);
        edge.lineTo(144, 62);
        edge.lineTo(120, 46);
        edge.lineTo(120, 26);
        strokeLine(painter, edge, 5, kWhite, Qt::FlatCap);
        for (qreal y = 28; y < 124; y += 22)
            painter.fillRect(QRectF(93, y, 4, 12), kWhite);
        drawCarTop(painter, {132, 76}, 0, kWhite, 30);
        drawHanzi(painter, QRectF(18, 100, 48, 30), QStringLiteral("SOS"), 18, kWhite, 1);
    });
}

QImage exitAdvance() {
    return panelPicture(kGreen, kWhite, kWide, [](QPainter& painter) {
        drawHanzi(painter, QRectF(20, 26, 160, 44), QStringLiteral("城东"), 40, kWhite, 2);
        line(painter, QRectF(20, 78, 160, 44), 32, QStringLiteral("出口"), 2);
    });
}

QImage placeDistances() {
    return panelPicture(kGreen, kWhite, kWide, [](QPainter& painter) {
        line(painter, QRectF(18, 26, 164, 34), 28, QStringLiteral("临河"), 15);
        line(painter, QRectF(18, 60, 164, 34), 28, QStringLiteral("南山"), 48);
        line(painter, QRectF(18, 94, 164, 34), 28, QStringLiteral("云州"), 96);
    });
}

QImage junctionAdvance() {
    return panelPicture(kBlue, kWhite, kWide, [](QPainter& painter) {
        painter.fillRect(QRectF(92, 50, 16, 80), kWhite);
        painter.fillRect(QRectF(44, 76, 112, 16), kWhite);
        fill(painter, triangle({{100, 38}, {86, 56}, {114, 56}}), kWhite);
        drawHanzi(painter, QRectF(60, 20, 80, 24), QStringLiteral("机场"), 20, kWhite, 1);
        drawHanzi(painter, QRectF(14, 72, 32, 24), QStringLiteral("西站"), 15, kWhite, 1);
        drawHanzi(painter, QRectF(156, 72, 32, 24), QStringLiteral("东湖"), 15, kWhite, 1);
        drawText(painter, QRectF(118, 104, 66, 26), QStringLiteral("300m"), panelLatinFont(20),
                 kWhite);
    });
}

// Both facilities are announced a kilometre ahead.
QImage facilityAhead(const QString& name, bool parkingMark) {
    const QString distance = QStringLiteral("1 km");
    return panelPicture(kGreen, kWhite, kWide, [=](QPainter& painter) {
        drawHanzi(painter, QRectF(20, 26, 160, 46), name, 38, kWhite, 2);
        if (parkingMark) {
            painter.fillRect(QRectF(34, 82, 40, 40), kWhite);
            drawText(painter, QRectF(34, 82, 40, 40), QStringLiteral("P"), panelLatinFont(34),
                     kGreen);
        }
        drawText(painter, QRectF(parkingMark ? 84 : 20, 80, parkingMark ? 96 : 160, 44), distance,
                 panelLatinFont(32), kWhite);
    });
}

QImage emergencyPhone() {
    return squarePanel(kGreen, kWhite, [](QPainter& painter) {
        QPainterPath handset;
        handset.moveTo(58, 70);
        handset.cubicTo(70, 40, 130, 40, 142, 70);
        strokeLine(painter, handset, 16, kWhite, Qt::FlatCap);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWhite);
        painter.drawRoundedRect(QRectF(44, 64, 32, 20), 6, 6);
        painter.drawRoundedRect(QRectF(124, 64, 32, 20), 6, 6);
        painter.drawRoundedRect(QRectF(54, 100, 92, 64), 10, 10);
        painter.setBrush(kGreen);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                painter.drawEllipse(QPointF(80 + column * 20, 116 + row * 16), 5, 5);
    });
}

QImage routeNumber(const QColor& colour, const QColor& ink, const QString& number) {
    return panelPicture(colour, ink, QRectF(14, 34, 172, 82), [=](QPainter& painter) {
        drawText(painter, QRectF(14, 34, 172, 82), number, panelLatinFont(56), ink);
    });
}

QImage fuel() {
    return squarePanel(kBlue, kWhite, [](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWhite);
        painter.drawRoundedRect(QRectF(58, 44, 60, 112), 6, 6);
        painter.drawRect(QRectF(48, 152, 80, 10));
        painter.setBrush(kBlue);
        painter.drawRect(QRectF(68, 56, 40, 30));
        QPainterPath hose;
        hose.moveTo(118, 70);
        hose.lineTo(140, 84);
        hose.lineTo(140, 136);
        hose.quadTo(140, 148, 128, 144);
        strokeLine(painter, hose, 7, kWhite);
    });
}

QImage footbridge() {
    return squarePanel(kBlue, kWhite, [](QPainter& painter) {
        QPainterPath bridge;
        bridge.moveTo(24, 160);
        for (int step = 0; step < 4; ++step) {
            bridge.lineTo(36 + step * 12, 160 - step * 12);
            bridge.lineTo(36 + step * 12, 148 - step * 12);
        }
        bridge.lineTo(128, 112);
        for (int step = 0; step < 4; ++step) {
            bridge.lineTo(128 + step * 12, 124 + step * 12);
            bridge.lineTo(140 + step * 12, 124 + step * 12);
        }
        bridge.lineTo(176, 160);
        bridge.closeSubpath();
        fill(painter, bridge, kWhite);
        drawWalker(painter, {98, 80}, 0.66, kWhite);
    });
}

} // namespace

std::vector<PictureSpec> roadGuidePictures() {
    return {
        {QStringLiteral("guide-emergency-bay.jpg"), emergencyBay},
        {QStringLiteral("guide-exit-advance.bmp"), exitAdvance},
        {QStringLiteral("guide-place-distances.jpg"), placeDistances},
        {QStringLiteral("guide-junction-advance.jpg"), junctionAdvance},
        {QStringLiteral("guide-parking-area.bmp"),
         [] { return facilityAhead(QStringLiteral("停车区"), true); }},
        {QStringLiteral("guide-toll-station.jpg"),
         [] { return facilityAhead(QStringLiteral("收费站"), false); }},
        {QStringLiteral("guide-emergency-phone.jpg"), emergencyPhone},
        {QStringLiteral("guide-route-national.jpg"),
         [] { return routeNumber(kRed, kWhite, QStringLiteral("G107")); }},
        {QStringLiteral("guide-route-provincial.bmp"),
         [] { return routeNumber(kYellow, kBlack, QStringLiteral("S203")); }},
        {QStringLiteral("guide-fuel.jpg"), fuel},
        {QStringLiteral("guide-footbridge.bmp"), footbridge},
    };
}

} // namespace pictures
