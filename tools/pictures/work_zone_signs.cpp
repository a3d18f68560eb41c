// Work-zone signs: orange panels with black text or lane diagrams, and the barriers, cones and
// vehicle boards set out around road works.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

const QRectF kPanel(8, 12, 184, 126);
const QColor kSky(214, 226, 236);

QImage textPanel(const QString& words, int pixelSize, const QString& distance) {
    return panelPicture(kOrange, kBlack, kPanel, [=](QPainter& painter) {
        drawHanzi(painter, QRectF(18, 28, 164, 52), words, pixelSize, kBlack, 2);
        drawText(painter, QRectF(18, 82, 164, 44), distance, panelLatinFont(38), kBlack);
    });
}

void upArrow(QPainter& painter, const QLineF& baseToTip) {
    QPainterPath line;
    line.moveTo(baseToTip.p1());
    line.lineTo(baseToTip.p2());
    fill(painter, arrowShape(line, 9, {12, 22}), kBlack);
}

// A short barrier across a closed lane, striped so that it reads on orange.
void laneBarrier(QPainter& painter, qreal centreX, qreal y) {
    const QRectF bar(centreX - 17, y, 34, 12);
    painter.fillRect(bar, kWhite);
    painter.save();
    painter.setClipRect(bar);
    for (qreal x = bar.left() - 12; x < bar.right(); x += 12)
        fill(painter, triangle({{x, y + 12}, {x + 6, y}, {x + 12, y + 12}}), kBlack);
    painter.restore();
    painter.setPen(QPen(kBlack, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
}

// Three lanes seen from the driver's seat; the closed lane (0 left, 1 middle, 2 right) ends at a
// barrier, the others carry on.
QImage laneClosed(int closed) {
    return panelPicture(kOrange, kBlack, kPanel, [=](QPainter& painter) {
        painter.fillRect(QRectF(44, 24, 4, 84), kBlack);
        painter.fillRect(QRectF(152, 24, 4, 84), kBlack);
        for (qreal x : {82.0, 118.0})
            for (qreal y = 24; y < 108; y += 22)
                painter.fillRect(QRectF(x - 2, y, 4, 12), kBlack);
        for (int lane = 0; lane < 3; ++lane) {
            const qreal x = 64 + lane * 36;
            if (lane == closed) {
                laneBarrier(painter, x, 44);
                upArrow(painter, QLineF(x, 104, x, 70));
            } else {
                upArrow(painter, QLineF(x, 104, x, 36));
            }
        }
        drawText(painter, QRectF(18, 108, 164, 26), QStringLiteral("300m"), panelLatinFont(24),
                 kBlack);
    });
}

QImage lanesReduce() {
    return panelPicture(kOrange, kBlack, kPanel, [](QPainter& painter) {
        QPainterPath edges;
        edges.moveTo(46, 124);
        edges.lineTo(46, 86);
        edges.lineTo(98, 50);
        edges.lineTo(98, 24);
        edges.moveTo(152, 124);
        edges.lineTo(152, 24);
        strokeLine(painter, edges, 5, kBlack, Qt::FlatCap);
        for (qreal y = 88; y < 124; y += 20)
            painter.fillRect(QRectF(96, y, 4, 12), kBlack);
        QPainterPath merging;
        merging.moveTo(70, 124);
        merging.lineTo(70, 100);
        merging.quadTo(70, 84, 96, 70);
        fill(painter, arrowShape(merging, 9, {12, 22}), kBlack);
        upArrow(painter, QLineF(126, 124, 126, 36));
    });
}

// The road swings into the neighbouring lane past works in the lane ahead.
QImage detour(bool toLeft) {
    return panelPicture(kOrange, kBlack, kPanel, [=](QPainter& painter) {
        if (!toLeft) {
            painter.translate(kSignSize, 0);
            painter.scale(-1, 1);
        }
        QPainterPath line;
        line.moveTo(128, 126);
        line.lineTo(128, 96);
        line.cubicTo(128, 74, 72, 80, 72, 58);
        line.lineTo(72, 44);
        fill(painter, arrowShape(line, 14, {18, 32}), kBlack);
        laneBarrier(painter, 128, 40);
    });
}

QImage barrier() {
    return paintSign(kSky, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 150, 200, 50), kAsphalt);
        for (qreal x : {40.0, 150.0})
            painter.fillRect(QRectF(x, 80, 10, 86), kBlack);
        const QRectF board(16, 76, 168, 44);
        painter.fillRect(board, kWhite);
        painter.save();
        painter.setClipRect(board);
        for (qreal x = board.left() - 44; x < board.right(); x += 32) {
            QPolygonF stripe({{x, board.bottom()},
                              {x + 44, board.top()},
                              {x + 60, board.top()},
                              {x + 16, board.bottom()}});
            painter.setPen(Qt::NoPen);
            painter.setBrush(kRed);
            painter.drawPolygon(stripe);
        }
        painter.restore();
        painter.setPen(QPen(kBlack, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(board);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        painter.drawEllipse(QPointF(45, 62), 12, 12);
        painter.drawEllipse(QPointF(155, 62), 12, 12);
    });
}

QImage cone() {
    return paintSign(kSky, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 130, 200, 70), kAsphalt);
        const QColor coneOrange(240, 90, 20);
        painter.fillRect(QRectF(50, 164, 100, 14), coneOrange);
        QPainterPath body = triangle({{100, 22}, {62, 166}, {138, 166}});
        fill(painter, body, coneOrange);
        painter.save();
        painter.setClipPath(body);
        painter.fillRect(QRectF(40, 64, 120, 18), kWhite);
        painter.fillRect(QRectF(40, 108, 120, 18), kWhite);
        painter.restore();
    });
}

// A work vehicle's rear board: an arrow of lamps tells traffic which side to pass.
QImage mobileWorks() {
    return paintSign(kSky, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 160, 200, 40), kAsphalt);
        drawCarRear(painter, QRectF(34, 100, 132, 80), {QColor(230, 230, 230), kAsphalt});
        const QRectF board(30, 20, 140, 84);
        painter.fillRect(board, kBlack);
        painter.setPen(QPen(kOrange, 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(board.adjusted(3, 3, -3, -3));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        for (qreal x = 64; x <= 150; x += 14)
            painter.drawEllipse(QPointF(x, 62), 5, 5);
        for (int step = 1; step <= 3; ++step) {
            painter.drawEllipse(QPointF(52 + step * 12, 62 - step * 11), 5, 5);
            painter.drawEllipse(QPointF(52 + step * 12, 62 + step * 11), 5, 5);
        }
        painter.drawEllipse(QPointF(52, 62), 5, 5);
    });
}

} // namespace

std::vector<PictureSpec> workZonePictures() {
    return {
        {QStringLiteral("work-ahead.jpg"),
         [] { return textPanel(QStringLiteral("前方施工"), 36, QStringLiteral("500m")); }},
        {QStringLiteral("work-road-closed.bmp"),
         [] { return textPanel(QStringLiteral("前方道路封闭"), 27, QStringLiteral("1km")); }},
        {QStringLiteral("work-left-lane-closed.jpg"), [] { return laneClosed(0); }},
        {QStringLiteral("work-right-lane-closed.jpg"), [] { return laneClosed(2); }},
        {QStringLiteral("work-middle-lane-closed.bmp"), [] { return laneClosed(1); }},
        {QStringLiteral("work-lanes-reduce.jpg"), lanesReduce},
        {QStringLiteral("work-detour-left.jpg"), [] { return detour(true); }},
        {QStringLiteral("work-detour-right.bmp"), [] { return detour(false); }},
        {QStringLiteral("work-barrier.jpg"), barrier},
        {QStringLiteral("work-cone.jpg"), cone},
        {QStringLiteral("work-mobile.bmp"), mobileWorks},
    };
}

} // namespace pictures
