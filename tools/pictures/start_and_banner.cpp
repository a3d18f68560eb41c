// The start picture (a motorway interchange seen from the air) and the title banner.
#include "tools/pictures/picture_catalog.h"
#include "tools/pictures/sign_painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdint>

namespace {

using namespace pictures;

const QColor kSkyBlue(166, 202, 240);
const QColor kRoad(104, 106, 110);

// The interchange is laid out on a 1000 x 1000 ground plan; a perspective transform tilts it
// away from the viewer so that the far side shrinks towards the horizon.
constexpr qreal kPlan = 1000;

// A fixed sequence, so that every build draws the same trees and cars.
class Dice {
public:
    qreal next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return qreal(state_ >> 33) / qreal(1ULL << 31);
    }

private:
    std::uint64_t state_ = 20260101;
};

QPainterPath straight(const QLineF& line) {
    QPainterPath path;
    path.moveTo(line.p1());
    path.lineTo(line.p2());
    return path;
}

void carriageway(QPainter& painter, QPointF from, QPointF to, qreal width, int lanes) {
    strokeLine(painter, straight({from, to}), width + 4, QColor(230, 230, 225), Qt::FlatCap);
    strokeLine(painter, straight({from, to}), width, kRoad, Qt::FlatCap);
    QPen dashes(kWhite, 1.2, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({8, 10});
    painter.setPen(dashes);
    const QLineF line(from, to);
    const QLineF normal = line.normalVector().unitVector();
    const QPointF unit = normal.p2() - normal.p1();
    for (int lane = 1; lane < lanes; ++lane)
        painter.drawLine(line.translated(unit * width * (qreal(lane) / lanes - 0.5)));
}

void groundPlan(QPainter& painter) {
    painter.fillRect(QRectF(-600, -600, kPlan + 1200, kPlan + 1200), QColor(104, 140, 78));
    Dice dice;
    for (int field = 0; field < 60; ++field) {
        const QColor tone = QColor(90 + int(dice.next() * 50), 130 + int(dice.next() * 40),
                                   60 + int(dice.next() * 30));
        painter.fillRect(QRectF(-400 + dice.next() * 1800, -300 + dice.next() * 1500,
                                80 + dice.next() * 160, 60 + dice.next() * 120),
                         tone);
    }
    // Ramps first: the motorways run over their ends. Each quadrant has a loop for the
    // left turn and an outer slip road for the right turn, the classic cloverleaf.
    QPainterPath ramps;
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const qreal sx = quadrant % 2 == 0 ? 1 : -1;
        const qreal sy = quadrant < 2 ? 1 : -1;
        const QPointF centre(500 + sx * 112, 500 + sy * 112);
        const QRectF box(centre.x() - 82, centre.y() - 82, 164, 164);
        const qreal start = sx > 0 ? (sy > 0 ? 90 : 180) : (sy > 0 ? 0 : 270);
        ramps.arcMoveTo(box, start);
        ramps.arcTo(box, start, 270);
        ramps.moveTo(500 + sx * 420, 500 + sy * 34);
        ramps.cubicTo(500 + sx * 250, 500 + sy * 40, 500 + sx * 40, 500 + sy * 250, 500 + sx * 34,
                      500 + sy * 420);
    }
    strokeLine(painter, ramps, 18, QColor(230, 230, 225), Qt::FlatCap);
    strokeLine(painter, ramps, 15, kRoad, Qt::FlatCap);

    carriageway(painter, {-600, 478}, {1600, 478}, 42, 3);
    carriageway(painter, {1600, 522}, {-600, 522}, 42, 3);
    // The crossing motorway is on a bridge: its shadow falls on the road below.
    painter.fillRect(QRectF(470, 448, 100, 104), QColor(0, 0, 0, 80));
    carriageway(painter, {478, 1600}, {478, -600}, 42, 3);
    carriageway(painter, {522, -600}, {522, 1600}, 42, 3);
    for (qreal x : {454.0, 546.0})
        painter.fillRect(QRectF(x - 3, 446, 6, 108), QColor(240, 240, 235)); // parapets

    for (int tree = 0; tree < 260; ++tree) {
        const QPointF at(-300 + dice.next() * 1600, -300 + dice.next() * 1500);
        if (std::abs(at.x() - 500) < 240 && std::abs(at.y() - 500) < 240)
            continue;
        if (std::abs(at.x() - 500) < 60 || std::abs(at.y() - 500) < 60)
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 80 + int(dice.next() * 30), 40));
        painter.drawEllipse(at, 7, 7);
    }
    const QColor paints[] = {QColor(200, 40, 40), QColor(240, 240, 240), QColor(40, 70, 150),
                             QColor(30, 30, 30), QColor(220, 190, 40)};
    for (int car = 0; car < 40; ++car) {
        const int lane = int(dice.next() * 6);
        const qreal along = -300 + dice.next() * 1600;
        const qreal across = 464 + lane * 14 + (lane >= 3 ? 2 : 0) - 6;
        const bool crossing = car % 2 == 0;
        const qreal angle = crossing ? (lane < 3 ? 180 : 0) : (lane < 3 ? 90 : -90);
        const QPointF at = crossing ? QPointF(across + 6, along) : QPointF(along, across + 6);
        drawCarTop(painter, at, angle, paints[car % 5], 14);
    }
}

} // namespace

QImage drawStartPicture() {
    return paintPicture(800, 600, kSkyBlue, [](QPainter& painter) {
        QTransform tilt;
        const QPolygonF plan(
            {QPointF(0, 0), QPointF(kPlan, 0), QPointF(kPlan, kPlan), QPointF(0, kPlan)});
        const QPolygonF view(
            {QPointF(60, 130), QPointF(740, 130), QPointF(1260, 760), QPointF(-460, 760)});
        QTransform::quadToQuad(plan, view, tilt);
        QTransform turn;
        turn.translate(500, 500);
        turn.rotate(28);
        turn.translate(-500, -500);
        painter.save();
        painter.setClipRect(QRectF(0, 100, 800, 500));
        painter.setTransform(turn * tilt, true);
        groundPlan(painter);
        painter.restore();
        // Haze thickens towards the horizon and the picture melts into the sky above it.
        QLinearGradient haze(0, 0, 0, 320);
        haze.setColorAt(0.0, kSkyBlue);
        haze.setColorAt(0.38, kSkyBlue);
        QColor clear = kSkyBlue;
        clear.setAlpha(0);
        haze.setColorAt(1.0, clear);
        painter.fillRect(QRectF(0, 0, 800, 320), haze);
    });
}

QImage drawBanner() {
    return paintPicture(797, 75, kWhite, [](QPainter& painter) {
        QLinearGradient gradient(0, 0, 797, 0);
        gradient.setColorAt(0.0, QColor(150, 150, 150));
        gradient.setColorAt(0.45, QColor(100, 120, 160));
        gradient.setColorAt(1.0, QColor(20, 70, 190));
        painter.fillRect(QRectF(0, 0, 797, 75), gradient);
        QFont title(QStringLiteral("Nimbus Sans"));
        title.setPixelSize(46);
        title.setBold(true);
        title.setItalic(true);
        title.setLetterSpacing(QFont::AbsoluteSpacing, 10);
        painter.setFont(title);
        painter.setPen(QColor(40, 40, 60, 140));
        painter.drawText(QRectF(24, 6, 320, 64), Qt::AlignVCenter, QStringLiteral("Xundral"));
        painter.setPen(kWhite);
        painter.drawText(QRectF(21, 3, 320, 64), Qt::AlignVCenter, QStringLiteral("Xundral"));
        QFont subtitle = hanziFont(26, false);
        subtitle.setFamily(QStringLiteral("AR PL KaitiM GB"));
        subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 6);
        painter.setFont(subtitle);
        painter.setPen(QColor(255, 255, 255, 235));
        painter.drawText(QRectF(300, 0, 480, 75), Qt::AlignVCenter | Qt::AlignRight,
                         QStringLiteral("驾驶员理论考试模拟系统"));
        painter.fillRect(QRectF(300, 58, 480, 2), QColor(255, 255, 255, 120));
    });
}
