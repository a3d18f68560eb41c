// Signal heads in one state each: vehicle, arrow, lane, pedestrian, cycle and level-crossing
// lights. A lit lamp glows in its colour; the dark ones keep a faint trace of their symbol, as
// real lenses do in daylight.
#include "tools/pictures/sign_painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace pictures {
namespace {

const QColor kLitRed(238, 34, 30);
const QColor kLitYellow(255, 186, 0);
const QColor kLitGreen(0, 214, 120);
const QColor kDark(52, 54, 58);
const QColor kHousing(24, 24, 26);

enum class Symbol { Disc, Left, Straight, Right, Down, Cross, Walker, Standing, Cycle };
enum class Lit { Red, Yellow, Green };

QColor lampColour(Lit lit) {
    switch (lit) {
    case Lit::Red:
        return kLitRed;
    case Lit::Yellow:
        return kLitYellow;
    case Lit::Green:
        return kLitGreen;
    }
    return kLitRed;
}

void arrow(QPainter& painter, QPointF centre, qreal r, const QColor& colour, qreal angleDegrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDegrees);
    QPainterPath shaft;
    shaft.moveTo(0, r * 0.75);
    shaft.lineTo(0, -r * 0.2);
    fill(painter, arrowShape(shaft, r * 0.32, {r * 0.55, r * 0.95}), colour);
    painter.restore();
}

void standingFigure(QPainter& painter, QPointF c, qreal r, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(c.x(), c.y() - r * 0.66), r * 0.17, r * 0.17);
    painter.drawRoundedRect(QRectF(c.x() - r * 0.24, c.y() - r * 0.46, r * 0.48, r * 0.66), 3, 3);
    painter.drawRect(QRectF(c.x() - r * 0.22, c.y() + r * 0.15, r * 0.18, r * 0.66));
    painter.drawRect(QRectF(c.x() + r * 0.04, c.y() + r * 0.15, r * 0.18, r * 0.66));
}

void cycle(QPainter& painter, QPointF c, qreal r, const QColor& colour) {
    const qreal wheel = r * 0.3;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, r * 0.12));
    painter.drawEllipse(QPointF(c.x() - r * 0.42, c.y() + r * 0.25), wheel, wheel);
    painter.drawEllipse(QPointF(c.x() + r * 0.42, c.y() + r * 0.25), wheel, wheel);
    QPainterPath frame;
    frame.moveTo(c.x() - r * 0.42, c.y() + r * 0.25);
    frame.lineTo(c.x() - r * 0.12, c.y() - r * 0.2);
    frame.lineTo(c.x() + r * 0.3, c.y() - r * 0.2);
    frame.lineTo(c.x() + r * 0.42, c.y() + r * 0.25);
    frame.moveTo(c.x() - r * 0.12, c.y() - r * 0.2);
    frame.lineTo(c.x(), c.y() + r * 0.25);
    frame.lineTo(c.x() + r * 0.3, c.y() - r * 0.2);
    frame.moveTo(c.x() + r * 0.3, c.y() - r * 0.2);
    frame.lineTo(c.x() + r * 0.24, c.y() - r * 0.42);
    strokeLine(painter, frame, r * 0.12, colour);
}

void symbol(QPainter& painter, Symbol shape, QPointF c, qreal r, const QColor& colour) {
    switch (shape) {
    case Symbol::Disc:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(c, r * 0.9, r * 0.9);
        break;
    case Symbol::Left:
        arrow(painter, c, r, colour, -90);
        break;
    case Symbol::Straight:
        arrow(painter, c, r, colour, 0);
        break;
    case Symbol::Right:
        arrow(painter, c, r, colour, 90);
        break;
    case Symbol::Down:
        arrow(painter, c, r, colour, 180);
        break;
    case Symbol::Cross: {
        QPainterPath cross;
        cross.moveTo(c.x() - r * 0.55, c.y() - r * 0.55);
        cross.lineTo(c.x() + r * 0.55, c.y() + r * 0.55);
        cross.moveTo(c.x() + r * 0.55, c.y() - r * 0.55);
        cross.lineTo(c.x() - r * 0.55, c.y() + r * 0.55);
        strokeLine(painter, cross, r * 0.28, colour, Qt::FlatCap);
        break;
    }
    case Symbol::Walker:
        drawWalker(painter, QPointF(c.x() - r * 0.05, c.y() + r * 0.12), r * 0.0125, colour);
        break;
    case Symbol::Standing:
        standingFigure(painter, c, r, colour);
        break;
    case Symbol::Cycle:
        cycle(painter, c, r, colour);
        break;
    }
}

// One lens: black face, the symbol lit with a soft glow or dark.
void lens(QPainter& painter, QPointF c, qreal r, Symbol shape, const QColor* lit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 8, 8));
    painter.drawEllipse(c, r, r);
    if (lit) {
        QRadialGradient glow(c, r * 1.6);
        QColor halo = *lit;
        halo.setAlpha(90);
        glow.setColorAt(0.55, halo);
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(glow);
        painter.drawEllipse(c, r * 1.6, r * 1.6);
        painter.setBrush(QColor(8, 8, 8));
        painter.drawEllipse(c, r, r);
    }
    symbol(painter, shape, c, r, lit ? *lit : kDark);
}

// A vertical head of red, yellow and green lenses (or red over green), one of them lit.
struct Head {
    qreal x;
    Symbol shape;
    Lit lit;
    int lenses = 3;
    Symbol redShape = shape; // pedestrian heads show a different figure on each lens
};

void head(QPainter& painter, const Head& h, qreal r) {
    const qreal step = r * 2 + 12;
    const qreal height = step * h.lenses + 6;
    const qreal top = (200 - height) / 2;
    painter.setPen(QPen(QColor(70, 70, 74), 2));
    painter.setBrush(kHousing);
    painter.drawRoundedRect(QRectF(h.x - r - 10, top, 2 * r + 20, height), 10, 10);
    const Lit order3[] = {Lit::Red, Lit::Yellow, Lit::Green};
    const Lit order2[] = {Lit::Red, Lit::Green};
    for (int i = 0; i < h.lenses; ++i) {
        const Lit which = h.lenses == 3 ? order3[i] : order2[i];
        const QColor colour = lampColour(which);
        const Symbol shape = which == Lit::Red ? h.redShape : h.shape;
        lens(painter, QPointF(h.x, top + 3 + r + 6 + i * step), r, shape,
             which == h.lit ? &colour : nullptr);
    }
}

void sky(QPainter& painter) {
    QLinearGradient gradient(0, 0, 0, 200);
    gradient.setColorAt(0, QColor(150, 196, 232));
    gradient.setColorAt(1, QColor(214, 232, 246));
    painter.fillRect(QRectF(0, 0, 200, 200), gradient);
}

QImage heads(const std::vector<Head>& all) {
    return paintSign(kWhite, [all](QPainter& painter) {
        sky(painter);
        const qreal r = all.size() > 1 ? 22 : all.front().lenses == 3 ? 24 : 30;
        for (const Head& h : all)
            head(painter, h, r);
    });
}

QImage flashingYellow() {
    return paintSign(kWhite, [](QPainter& painter) {
        sky(painter);
        painter.fillRect(QRectF(96, 130, 8, 70), QColor(90, 90, 95));
        painter.setPen(QPen(QColor(70, 70, 74), 2));
        painter.setBrush(kHousing);
        painter.drawRoundedRect(QRectF(62, 58, 76, 76), 12, 12);
        lens(painter, QPointF(100, 96), 30, Symbol::Disc, &kLitYellow);
        // Rays for a lamp that keeps flashing.
        for (int i = 0; i < 8; ++i) {
            painter.save();
            painter.translate(100, 96);
            painter.rotate(i * 45 + 22.5);
            painter.fillRect(QRectF(-3, -78, 6, 18), kLitYellow);
            painter.restore();
        }
    });
}

QImage laneSignal(Symbol shape, const QColor& colour) {
    return paintSign(kWhite, [shape, colour](QPainter& painter) {
        sky(painter);
        painter.fillRect(QRectF(0, 30, 200, 14), QColor(110, 112, 118)); // gantry
        painter.setPen(QPen(QColor(70, 70, 74), 2));
        painter.setBrush(kHousing);
        painter.drawRoundedRect(QRectF(46, 44, 108, 108), 8, 8);
        lens(painter, QPointF(100, 98), 46, shape, &colour);
        painter.fillRect(QRectF(0, 176, 200, 24), kAsphalt);
        for (qreal x : {40.0, 160.0})
            painter.fillRect(QRectF(x - 2, 176, 4, 24), kWhite);
    });
}

QImage railwayLights() {
    return paintSign(kWhite, [](QPainter& painter) {
        sky(painter);
        for (qreal y = 90; y < 200; y += 24) {
            painter.fillRect(QRectF(94, y, 12, 12), kWhite);
            painter.fillRect(QRectF(94, y + 12, 12, 12), kRed);
        }
        painter.setPen(QPen(QColor(70, 70, 74), 2));
        painter.setBrush(kHousing);
        painter.drawRoundedRect(QRectF(22, 56, 156, 68), 30, 30);
        lens(painter, QPointF(56, 90), 26, Symbol::Disc, &kLitRed);
        lens(painter, QPointF(144, 90), 26, Symbol::Disc, nullptr);
        QPainterPath swap;
        swap.moveTo(70, 36);
        swap.quadTo(100, 18, 130, 36);
        strokeLine(painter, swap, 3, kBlack);
        fill(painter, triangle({{136, 40}, {122, 38}, {132, 28}}), kBlack);
    });
}

} // namespace

std::vector<PictureSpec> signalLightPictures() {
    using S = Symbol;
    return {
        {QStringLiteral("light-red.jpg"),
         [] {
             return heads({{100, S::Disc, Lit::Red}});
         }},
        {QStringLiteral("light-yellow.bmp"),
         [] {
             return heads({{100, S::Disc, Lit::Yellow}});
         }},
        {QStringLiteral("light-green.jpg"),
         [] {
             return heads({{100, S::Disc, Lit::Green}});
         }},
        {QStringLiteral("light-flashing-yellow.jpg"), flashingYellow},
        {QStringLiteral("light-left-red-straight-green.jpg"),
         [] {
             return heads({{58, S::Left, Lit::Red}, {142, S::Straight, Lit::Green}});
         }},
        {QStringLiteral("light-left-green-straight-red.bmp"),
         [] {
             return heads({{58, S::Left, Lit::Green}, {142, S::Straight, Lit::Red}});
         }},
        {QStringLiteral("light-green-right-red.jpg"),
         [] {
             return heads({{58, S::Disc, Lit::Green}, {142, S::Right, Lit::Red}});
         }},
        {QStringLiteral("light-red-right-green.jpg"),
         [] {
             return heads({{58, S::Disc, Lit::Red}, {142, S::Right, Lit::Green}});
         }},
        {QStringLiteral("light-left-red-green.jpg"),
         [] {
             return heads({{58, S::Left, Lit::Red}, {142, S::Disc, Lit::Green}});
         }},
        {QStringLiteral("light-lane-green-arrow.jpg"),
         [] { return laneSignal(S::Down, kLitGreen); }},
        {QStringLiteral("light-lane-red-cross.bmp"), [] { return laneSignal(S::Cross, kLitRed); }},
        {QStringLiteral("light-pedestrian-green.jpg"),
         [] {
             return heads({{100, S::Walker, Lit::Green, 2, S::Standing}});
         }},
        {QStringLiteral("light-pedestrian-red.jpg"),
         [] {
             return heads({{100, S::Walker, Lit::Red, 2, S::Standing}});
         }},
        {QStringLiteral("light-cycle-red.jpg"),
         [] {
             return heads({{100, S::Cycle, Lit::Red}});
         }},
        {QStringLiteral("light-cycle-green.bmp"),
         [] {
             return heads({{100, S::Cycle, Lit::Green}});
         }},
        {QStringLiteral("light-railway-crossing.jpg"), railwayLights},
    };
}

} // namespace pictures
