// Warning signs: yellow triangle, black border, black symbol.
#include "tools/pictures/sign_painting.h"

namespace pictures {
namespace {

constexpr qreal kRoadWidth = 18;

// Symbols that reach the border are cut off by it, as on the printed sign.
void clipInside(QPainter& painter) {
    painter.setClipPath(triangle({{100, 32}, {21, 170}, {179, 170}}));
}

void sharpLeftCurve(QPainter& painter) {
    QPainterPath line;
    line.moveTo(114, 164);
    line.lineTo(114, 122);
    line.cubicTo(114, 100, 102, 88, 80, 88);
    fill(painter, arrowShape(line, kRoadWidth, {22, 42}), kBlack);
}

void reverseCurves(QPainter& painter) {
    QPainterPath line;
    line.moveTo(112, 164);
    line.lineTo(112, 146);
    line.cubicTo(112, 128, 86, 130, 86, 112);
    line.cubicTo(86, 98, 106, 96, 106, 84);
    fill(painter, arrowShape(line, kRoadWidth, {20, 40}), kBlack);
}

void windingRoad(QPainter& painter) {
    QPainterPath line;
    line.moveTo(100, 166);
    qreal y = 166;
    for (int bend = 0; bend < 4; ++bend) {
        const qreal side = bend % 2 == 0 ? -26 : 26;
        line.quadTo(100 + side, y - 11, 100, y - 22);
        y -= 22;
    }
    fill(painter, arrowShape(line, 12, {18, 34}), kBlack);
}

void slope(QPainter& painter, bool downhill) {
    clipInside(painter);
    const qreal high = 106;
    const qreal low = 150;
    QPainterPath ground;
    ground.moveTo(20, downhill ? high : low);
    ground.lineTo(180, downhill ? low : high);
    ground.lineTo(180, 180);
    ground.lineTo(20, 180);
    ground.closeSubpath();
    fill(painter, ground, kBlack);
    painter.translate(100, 128);
    painter.rotate(downhill ? 15.4 : -15.4);
    drawCarSide(painter, QRectF(-34, -40, 68, 36), {kBlack, kYellow});
}

void children(QPainter& painter) {
    drawWalker(painter, {78, 136}, 0.62, kBlack);
    drawWalker(painter, {122, 142}, 0.52, kBlack);
}

void pedestrians(QPainter& painter) {
    drawWalker(painter, {98, 120}, 0.72, kBlack);
    for (int stripe = 0; stripe < 5; ++stripe) {
        const qreal x = 58 + stripe * 18;
        painter.fillRect(QRectF(x, 154, 11, 9), kBlack);
    }
}

void slipperyRoad(QPainter& painter) {
    drawCarRear(painter, QRectF(72, 70, 56, 44), {kBlack, kYellow});
    QPainterPath tracks;
    for (qreal x : {80.0, 120.0}) {
        tracks.moveTo(x, 118);
        tracks.cubicTo(x - 22, 132, x + 22, 146, x - 6, 162);
    }
    strokeLine(painter, tracks, 6, kBlack);
}

void fallingRocks(QPainter& painter) {
    clipInside(painter);
    fill(
        painter,
        [] {
            QPainterPath cliff;
            cliff.moveTo(20, 60);
            cliff.lineTo(66, 60);
            cliff.lineTo(76, 84);
            cliff.lineTo(68, 104);
            cliff.lineTo(82, 126);
            cliff.lineTo(74, 146);
            cliff.lineTo(86, 170);
            cliff.lineTo(20, 170);
            cliff.closeSubpath();
            return cliff;
        }(),
        kBlack);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawPolygon(QPolygonF({{100, 92}, {114, 88}, {118, 100}, {104, 106}}));
    painter.drawPolygon(QPolygonF({{112, 120}, {130, 116}, {134, 132}, {116, 136}}));
    painter.drawPolygon(QPolygonF({{100, 146}, {118, 144}, {120, 160}, {98, 160}}));
}

void crosswind(QPainter& painter) {
    painter.fillRect(QRectF(62, 70, 7, 96), kBlack);
    QPainterPath sock;
    sock.moveTo(68, 74);
    sock.lineTo(148, 90);
    sock.lineTo(148, 100);
    sock.lineTo(68, 108);
    sock.closeSubpath();
    painter.setClipPath(sock);
    painter.fillRect(QRectF(68, 60, 80, 60), kBlack);
    // The sock's bands, so it reads as a windsock and not as a flag.
    painter.fillRect(QRectF(92, 60, 5, 60), kYellow);
    painter.fillRect(QRectF(118, 60, 5, 60), kYellow);
}

void locomotive(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRect(QRectF(54, 112, 64, 26));                         // boiler
    painter.drawRect(QRectF(116, 96, 32, 42));                         // cab
    painter.drawRect(QRectF(112, 90, 40, 8));                          // cab roof
    painter.drawRect(QRectF(62, 94, 12, 20));                          // chimney
    painter.drawRect(QRectF(48, 138, 104, 8));                         // frame
    painter.drawPolygon(QPolygonF({{54, 146}, {40, 160}, {54, 160}})); // cow-catcher
    for (qreal x : {70.0, 96.0, 130.0})
        painter.drawEllipse(QPointF(x, 152), 10, 10);
    painter.setBrush(kYellow);
    painter.drawRect(QRectF(124, 104, 16, 12));
}

void gatedCrossing(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    for (int post = 0; post < 7; ++post) {
        const qreal x = 50 + post * 16;
        painter.drawPolygon(
            QPolygonF({{x, 160}, {x, 104}, {x + 4, 96}, {x + 8, 104}, {x + 8, 160}}));
    }
    painter.drawRect(QRectF(44, 114, 112, 8));
    painter.drawRect(QRectF(44, 140, 112, 8));
}

void roadNarrows(QPainter& painter) {
    QPainterPath edges;
    edges.moveTo(66, 168);
    edges.lineTo(66, 134);
    edges.lineTo(86, 108);
    edges.lineTo(86, 62);
    edges.moveTo(134, 168);
    edges.lineTo(134, 134);
    edges.lineTo(114, 108);
    edges.lineTo(114, 62);
    strokeLine(painter, edges, 10, kBlack, Qt::FlatCap);
}

void junction(QPainter& painter, bool crossroads) {
    clipInside(painter);
    QPainterPath roads;
    roads.moveTo(100, 168);
    roads.lineTo(100, crossroads ? 62 : 96);
    roads.moveTo(crossroads ? 52 : 46, crossroads ? 124 : 96);
    roads.lineTo(crossroads ? 148 : 154, crossroads ? 124 : 96);
    strokeLine(painter, roads, 22, kBlack, Qt::FlatCap);
}

void roadWorks(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(80, 86), 10, 10);
    painter.drawChord(QRectF(104, 140, 62, 44), 0, 180 * 16); // heap of earth
    QPainterPath body;
    body.moveTo(84, 100);
    body.lineTo(94, 128);
    strokeLine(painter, body, 15, kBlack);
    QPainterPath limbs;
    limbs.moveTo(76, 162);
    limbs.lineTo(82, 144);
    limbs.lineTo(94, 128);
    limbs.lineTo(106, 146);
    limbs.lineTo(106, 162);
    limbs.moveTo(88, 106);
    limbs.lineTo(110, 120);
    strokeLine(painter, limbs, 9, kBlack);
    QPainterPath shovel;
    shovel.moveTo(96, 100);
    shovel.lineTo(126, 146);
    strokeLine(painter, shovel, 5, kBlack);
    painter.drawPolygon(QPolygonF({{122, 142}, {134, 136}, {142, 152}, {130, 158}}));
}

void tunnel(QPainter& painter) {
    QPainterPath portal;
    portal.addRect(QRectF(48, 82, 104, 82));
    QPainterPath opening;
    opening.moveTo(70, 164);
    opening.lineTo(70, 124);
    opening.arcTo(QRectF(70, 94, 60, 60), 180, -180);
    opening.lineTo(130, 164);
    opening.closeSubpath();
    fill(painter, portal.subtracted(opening), kBlack);
}

void livestock(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRoundedRect(QRectF(56, 104, 76, 34), 10, 10);
    for (qreal x : {60.0, 74.0, 112.0, 124.0})
        painter.drawRect(QRectF(x, 130, 7, 32));
    painter.drawPolygon(QPolygonF({{124, 108}, {140, 96}, {154, 100}, {152, 118}, {130, 124}}));
    QPainterPath extras;
    extras.moveTo(140, 98);
    extras.lineTo(134, 86); // horn
    extras.moveTo(58, 110);
    extras.quadTo(46, 124, 50, 142); // tail
    strokeLine(painter, extras, 4, kBlack);
}

void trafficLights(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRoundedRect(QRectF(80, 62, 40, 104), 8, 8);
    const QColor lamps[] = {kRed, kYellow, QColor(0, 160, 80)};
    for (int index = 0; index < 3; ++index) {
        painter.setBrush(lamps[index]);
        painter.drawEllipse(QPointF(100, 80 + index * 34), 12, 12);
    }
}

} // namespace

std::vector<PictureSpec> warningPictures() {
    return {
        {QStringLiteral("warning-sharp-left-curve.jpg"),
         [] { return warningSign(sharpLeftCurve); }},
        {QStringLiteral("warning-sharp-right-curve.bmp"),
         [] { return warningSign(mirrored(sharpLeftCurve)); }},
        {QStringLiteral("warning-reverse-curves.jpg"), [] { return warningSign(reverseCurves); }},
        {QStringLiteral("warning-winding-road.jpg"), [] { return warningSign(windingRoad); }},
        {QStringLiteral("warning-steep-descent.jpg"),
         [] { return warningSign([](QPainter& painter) { slope(painter, true); }); }},
        {QStringLiteral("warning-steep-ascent.bmp"),
         [] { return warningSign([](QPainter& painter) { slope(painter, false); }); }},
        {QStringLiteral("warning-children.jpg"), [] { return warningSign(children); }},
        {QStringLiteral("warning-pedestrians.jpg"), [] { return warningSign(pedestrians); }},
        {QStringLiteral("warning-slippery-road.bmp"), [] { return warningSign(slipperyRoad); }},
        {QStringLiteral("warning-falling-rocks.jpg"), [] { return warningSign(fallingRocks); }},
        {QStringLiteral("warning-crosswind.jpg"), [] { return warningSign(crosswind); }},
        {QStringLiteral("warning-railway-no-gate.bmp"), [] { return warningSign(locomotive); }},
        {QStringLiteral("warning-railway-gate.jpg"), [] { return warningSign(gatedCrossing); }},
        {QStringLiteral("warning-road-narrows.jpg"), [] { return warningSign(roadNarrows); }},
        {QStringLiteral("warning-t-junction.bmp"),
         [] { return warningSign([](QPainter& painter) { junction(painter, false); }); }},
        {QStringLiteral("warning-crossroads.jpg"),
         [] { return warningSign([](QPainter& painter) { junction(painter, true); }); }},
        {QStringLiteral("warning-road-works.jpg"), [] { return warningSign(roadWorks); }},
        {QStringLiteral("warning-tunnel.bmp"), [] { return warningSign(tunnel); }},
        {QStringLiteral("warning-livestock.jpg"), [] { return warningSign(livestock); }},
        {QStringLiteral("warning-traffic-lights.jpg"), [] { return warningSign(trafficLights); }},
        {QStringLiteral("warning-slow-down.bmp"),
         [] {
             return warningSign([](QPainter& painter) {
                 drawHanzi(painter, QRectF(60, 88, 80, 70), QStringLiteral("慢"), 64, kBlack, 4);
             });
         }},
    };
}

} // namespace pictures
