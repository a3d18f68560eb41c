// Guide and indication signs: blue or green panels with white text and symbols.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;

QFont latinFont(int pixelSize) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// A panel with the white inner border that guide signs carry.
void panel(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(box, 10, 10);
    painter.setPen(QPen(kWhite, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(5, 5, -5, -5), 7, 7);
}

QImage guideSign(const QColor& colour, const QRectF& box, const Painting& content) {
    return paintPicture(kWidth, kHeight, kWhite, [&](QPainter& painter) {
        panel(painter, box, colour);
        content(painter);
    });
}

QImage expresswayExit() {
    return guideSign(kGreen, QRectF(14, 20, 172, 110), [](QPainter& painter) {
        drawHanzi(painter, QRectF(28, 34, 96, 52), QStringLiteral("出口"), 46, kWhite, 2);
        drawText(painter, QRectF(28, 86, 96, 30), QStringLiteral("EXIT"), latinFont(24), kWhite);
        QPainterPath line;
        line.moveTo(134, 112);
        line.lineTo(154, 70);
        fill(painter, arrowShape(line, 12, {20, 34}), kWhite);
    });
}

QImage nextExit() {
    return guideSign(kGreen, QRectF(10, 16, 180, 118), [](QPainter& painter) {
        drawHanzi(painter, QRectF(20, 28, 160, 40), QStringLiteral("下一出口"), 36, kWhite, 2);
        drawText(painter, QRectF(20, 66, 160, 22), QStringLiteral("NEXT EXIT"), latinFont(18),
                 kWhite);
        drawText(painter, QRectF(20, 88, 160, 40), QStringLiteral("18 km"), latinFont(32), kWhite);
    });
}

void fuelPump(QPainter& painter, const QRectF& box) {
    painter.fillRect(box, kWhite);
    const qreal x = box.x();
    const qreal y = box.y();
    painter.fillRect(QRectF(x + 8, y + 8, 16, 26), kGreen);
    painter.fillRect(QRectF(x + 11, y + 11, 10, 7), kWhite);
    QPainterPath hose;
    hose.moveTo(x + 24, y + 14);
    hose.lineTo(x + 31, y + 20);
    hose.lineTo(x + 31, y + 30);
    strokeLine(painter, hose, 3, kGreen);
}

QImage serviceArea() {
    return guideSign(kGreen, QRectF(10, 12, 180, 126), [](QPainter& painter) {
        drawHanzi(painter, QRectF(20, 22, 160, 42), QStringLiteral("服务区"), 38, kWhite, 2);
        drawText(painter, QRectF(20, 62, 160, 20), QStringLiteral("SERVICE AREA"), latinFont(16),
                 kWhite);
        fuelPump(painter, QRectF(36, 88, 38, 38));
        painter.fillRect(QRectF(80, 88, 38, 38), kWhite);
        drawText(painter, QRectF(80, 88, 38, 38), QStringLiteral("P"), latinFont(32), kGreen);
        drawText(painter, QRectF(120, 88, 60, 38), QStringLiteral("2 km"), latinFont(22), kWhite);
    });
}

QImage parking() {
    return guideSign(kBlue, QRectF(35, 10, 130, 130), [](QPainter& painter) {
        drawText(painter, QRectF(35, 10, 130, 130), QStringLiteral("P"), latinFont(104), kWhite);
    });
}

QImage crosswalk() {
    return guideSign(kBlue, QRectF(35, 10, 130, 130), [](QPainter& painter) {
        painter.setPen(QPen(kWhite, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(kWhite);
        painter.drawPath(triangle({{100, 28}, {50, 124}, {150, 124}}));
        for (int stripe = 0; stripe < 4; ++stripe)
            painter.fillRect(QRectF(66 + stripe * 18, 110, 10, 10), kBlack);
        drawWalker(painter, {100, 88}, 0.42, kBlack);
    });
}

QImage uTurnAllowed() {
    return guideSign(kBlue, QRectF(35, 10, 130, 130), [](QPainter& painter) {
        QPainterPath line;
        line.moveTo(122, 124);
        line.lineTo(122, 70);
        line.arcTo(QRectF(80, 48, 42, 44), 0, 180);
        line.lineTo(80, 86);
        fill(painter, arrowShape(line, 16, {22, 40}), kWhite);
    });
}

QImage laneDirections() {
    return guideSign(kBlue, QRectF(8, 22, 184, 106), [](QPainter& painter) {
        painter.setPen(QPen(kWhite, 3, Qt::DashLine));
        for (int lane = 1; lane < 4; ++lane)
            painter.drawLine(QPointF(8 + lane * 46, 34), QPointF(8 + lane * 46, 116));
        QPainterPath shapes;
        auto arrow = [&](qreal x, int turn) {
            QPainterPath line;
            line.moveTo(x, 118);
            line.lineTo(x, turn == 0 ? 52 : 78);
            if (turn != 0)
                line.quadTo(x, 64, x + turn * 14, 64);
            shapes = shapes.united(arrowShape(line, 8, {12, 22}));
        };
        arrow(36, -1);
        arrow(77, 0);
        arrow(123, 0);
        arrow(165, 0);
        arrow(162, 1);
        fill(painter, shapes, kWhite);
    });
}

} // namespace

std::vector<PictureSpec> guidePictures() {
    return {
        {QStringLiteral("guide-expressway-exit.jpg"), expresswayExit},
        {QStringLiteral("guide-next-exit.bmp"), nextExit},
        {QStringLiteral("guide-service-area.jpg"), serviceArea},
        {QStringLiteral("guide-parking.jpg"), parking},
        {QStringLiteral("guide-crosswalk.bmp"), crosswalk},
        {QStringLiteral("guide-u-turn-allowed.jpg"), uTurnAllowed},
        {QStringLiteral("guide-lane-directions.jpg"), laneDirections},
    };
}

} // namespace pictures
