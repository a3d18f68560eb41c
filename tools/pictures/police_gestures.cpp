// The eight command gestures of a traffic officer, seen from the front as a driver meets him.
// An arm that reaches towards the viewer is drawn short, ending in an open glove; an arm that
// swings is drawn faintly where it starts and solid where it ends, with a dashed arrow between.
#include "tools/pictures/sign_painting.h"

#include <QLinearGradient>

namespace pictures {
namespace {

const QColor kUniform(28, 40, 72);
const QColor kVest(196, 230, 40);
const QColor kReflective(200, 200, 205);
const QColor kSkin(236, 196, 160);
const QColor kGlove(255, 255, 255);
const QColor kOutline(40, 40, 40);
const QColor kMotion(200, 30, 30);

// Shoulders of the officer: his right is on the viewer's left.
const QPointF kRightShoulder(82, 78);
const QPointF kLeftShoulder(118, 78);

struct Arm {
    QPointF hand;
    bool palmOpen = false; // an open glove facing the driver, as in "palm forward"
};

void drawGlove(QPainter& painter, QPointF at, bool open) {
    painter.setPen(QPen(kOutline, 1.5));
    painter.setBrush(kGlove);
    if (open) {
        painter.drawRoundedRect(QRectF(at.x() - 8, at.y() - 10, 16, 20), 6, 6);
        painter.drawLine(QPointF(at.x() - 3, at.y() - 9), QPointF(at.x() - 3, at.y() - 2));
        painter.drawLine(QPointF(at.x() + 2, at.y() - 9), QPointF(at.x() + 2, at.y() - 2));
    } else {
        painter.drawEllipse(at, 7, 7);
    }
}

void drawArm(QPainter& painter, QPointF shoulder, const Arm& arm, int alpha = 255) {
    QColor sleeve = kUniform;
    sleeve.setAlpha(alpha);
    QPainterPath path;
    path.moveTo(shoulder);
    path.lineTo(arm.hand);
    strokeLine(painter, path, 13, sleeve);
    painter.save();
    painter.setOpacity(alpha / 255.0);
    drawGlove(painter, arm.hand, arm.palmOpen);
    painter.restore();
}

void drawBody(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(196, 222, 240));
    sky.setColorAt(1, QColor(230, 238, 244));
    painter.fillRect(QRectF(0, 0, 200, 200), sky);
    painter.fillRect(QRectF(0, 176, 200, 24), QColor(150, 150, 150));
    painter.setPen(Qt::NoPen);
    // Legs and shoes.
    painter.setBrush(kUniform);
    painter.drawRect(QRectF(84, 128, 14, 56));
    painter.drawRect(QRectF(102, 128, 14, 56));
    painter.setBrush(kBlack);
    painter.drawRoundedRect(QRectF(80, 182, 20, 8), 3, 3);
    painter.drawRoundedRect(QRectF(100, 182, 20, 8), 3, 3);
    // Torso with the reflective vest over the uniform.
    QPainterPath torso;
    torso.moveTo(78, 74);
    torso.lineTo(122, 74);
    torso.lineTo(118, 132);
    torso.lineTo(82, 132);
    torso.closeSubpath();
    fill(painter, torso, kUniform);
    QPainterPath vest;
    vest.moveTo(82, 78);
    vest.lineTo(94, 78);
    vest.lineTo(100, 92);
    vest.lineTo(106, 78);
    vest.lineTo(118, 78);
    vest.lineTo(116, 126);
    vest.lineTo(84, 126);
    vest.closeSubpath();
    fill(painter, vest, kVest);
    painter.fillRect(QRectF(84, 104, 32, 4), kReflective);
    painter.fillRect(QRectF(84, 114, 32, 4), kReflective);
    painter.fillRect(QRectF(82, 124, 36, 5), kWhite); // belt
    // Head and cap: white crown, black visor, badge.
    painter.setBrush(kSkin);
    painter.drawRect(QRectF(95, 62, 10, 12));
    painter.drawEllipse(QPointF(100, 54), 12, 13);
    painter.setBrush(kBlack);
    painter.drawEllipse(QPointF(95, 55), 1.6, 1.6);
    painter.drawEllipse(QPointF(105, 55), 1.6, 1.6);
    painter.setBrush(kWhite);
    painter.setPen(QPen(kOutline, 1.2));
    painter.drawEllipse(QRectF(82, 30, 36, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kUniform);
    painter.drawRect(QRectF(87, 38, 26, 7));
    painter.setBrush(kBlack);
    painter.drawChord(QRectF(86, 40, 28, 10), 180 * 16, 180 * 16);
    painter.setBrush(kYellow);
    painter.drawEllipse(QPointF(100, 38), 3.5, 3.5);
}

// A dashed arrow for the way an arm swings.
void motionArrow(QPainter& painter, const QPainterPath& path) {
    painter.save();
    painter.setPen(QPen(kMotion, 3, Qt::DashLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
    QPainterPath tip;
    tip.moveTo(path.pointAtPercent(path.percentAtLength(path.length() - 1)));
    tip.lineTo(path.pointAtPercent(1));
    fill(painter, arrowShape(tip, 0.1, {10, 12}), kMotion);
}

// Repeated small beats of a hand, drawn as two short arcs beside it.
void beats(QPainter& painter, QPointF hand, qreal direction) {
    for (qreal offset : {12.0, 22.0}) {
        QPainterPath arc;
        arc.moveTo(hand.x() - 10, hand.y() + direction * offset);
        arc.quadTo(hand.x(), hand.y() + direction * (offset + 6), hand.x() + 10,
                   hand.y() + direction * offset);
        strokeLine(painter, arc, 2.5, kMotion);
    }
}

QImage officer(const std::function<void(QPainter&)>& arms) {
    return paintSign(kWhite, [&](QPainter& painter) {
        drawBody(painter);
        arms(painter);
    });
}

const Arm kRightHanging{{76, 126}};
const Arm kLeftHanging{{124, 126}};
const Arm kLeftRaised{{154, 40}, true};

QImage stopGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kRightShoulder, kRightHanging);
        drawArm(p, kLeftShoulder, kLeftRaised);
    });
}

QImage straightGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kLeftShoulder, {{168, 78}, true});
        drawArm(p, kRightShoulder, {{32, 78}, true}, 90);
        drawArm(p, kRightShoulder, {{88, 94}, true});
        QPainterPath swing;
        swing.moveTo(34, 96);
        swing.quadTo(50, 116, 76, 104);
        motionArrow(p, swing);
    });
}

// The left turn: the right arm stops traffic ahead while the left swings across to the right
// front. The right turn is the same seen in a mirror.
void leftTurnArms(QPainter& p) {
    drawArm(p, kRightShoulder, {{70, 90}, true});
    drawArm(p, kLeftShoulder, {{138, 122}}, 90);
    drawArm(p, kLeftShoulder, {{94, 110}});
    QPainterPath swing;
    swing.moveTo(148, 136);
    swing.quadTo(130, 160, 96, 128);
    motionArrow(p, swing);
}

QImage leftTurnGesture() {
    return officer(leftTurnArms);
}

QImage rightTurnGesture() {
    return officer([](QPainter& p) {
        p.save();
        p.translate(200, 0);
        p.scale(-1, 1);
        leftTurnArms(p);
        p.restore();
    });
}

QImage leftTurnWaitGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kRightShoulder, kRightHanging);
        const Arm low{{146, 116}};
        drawArm(p, kLeftShoulder, low);
        beats(p, low.hand + QPointF(6, 0), 1);
    });
}

QImage laneChangeGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kLeftShoulder, kLeftHanging);
        drawArm(p, kRightShoulder, {{78, 92}});
        QPainterPath swing;
        swing.moveTo(66, 100);
        swing.quadTo(100, 88, 140, 98);
        motionArrow(p, swing);
    });
}

QImage slowDownGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kLeftShoulder, kLeftHanging);
        const Arm out{{40, 84}};
        drawArm(p, kRightShoulder, out);
        beats(p, out.hand, 1);
    });
}

QImage pullOverGesture() {
    return officer([](QPainter& p) {
        drawArm(p, kLeftShoulder, kLeftRaised);
        drawArm(p, kRightShoulder, {{80, 104}});
        QPainterPath swing;
        swing.moveTo(64, 116);
        swing.quadTo(96, 142, 128, 140);
        motionArrow(p, swing);
    });
}

} // namespace

std::vector<PictureSpec> policeGesturePictures() {
    return {
        {QStringLiteral("police-stop.jpg"), stopGesture},
        {QStringLiteral("police-straight.jpg"), straightGesture},
        {QStringLiteral("police-left-turn.jpg"), leftTurnGesture},
        {QStringLiteral("police-left-turn-wait.bmp"), leftTurnWaitGesture},
        {QStringLiteral("police-right-turn.jpg"), rightTurnGesture},
        {QStringLiteral("police-lane-change.bmp"), laneChangeGesture},
        {QStringLiteral("police-slow-down.jpg"), slowDownGesture},
        {QStringLiteral("police-pull-over.jpg"), pullOverGesture},
    };
}

} // namespace pictures
