#pragma once

// Road users and road pieces for the hazard scenes. A scene is designed on the 200 x 200 sign
// canvas; seen from above, traffic in the right-hand lanes drives up the picture and the
// learner's own car is always the red one.

#include "tools/pictures/sign_painting.h"

namespace pictures::hazard {

inline const QColor kOwnCar(200, 36, 36);
inline const QColor kOtherBlue(46, 92, 176);
inline const QColor kOtherGrey(150, 154, 160);
inline const QColor kOtherWhite(235, 235, 232);
inline const QColor kDirt(150, 120, 80);
inline const QColor kSky(150, 200, 240);

QImage scene(const QColor& background, const Painting& paint);

// Seen from above.
void pedestrian(QPainter& painter, QPointF centre, const QColor& clothes, qreal scale = 1);
void cyclist(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& clothes,
             bool motorised = false);
// A truck of the given length, placed as the other road users are.
void truck(QPainter& painter, qreal length, QPointF centre, qreal angleDegrees);
void bus(QPainter& painter, QPointF centre, qreal angleDegrees);
void sheep(QPainter& painter, QPointF centre, qreal angleDegrees);
// A car of the usual size.
void car(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& body);

// The way a road user is about to go, dashed so that it does not read as a road marking.
void intendedPath(QPainter& painter, const QPainterPath& path, const QColor& colour);
void label(QPainter& painter, QPointF at, const QString& text);
// A straight road across the whole picture height between x = left and x = right.
void roadAlong(QPainter& painter, qreal left, qreal right, const QColor& verge);

// Seen from the driver's seat: a straight road running to a vanishing point on the horizon.
struct Perspective {
    qreal horizon;
    qreal nearLeft;
    qreal nearRight;
    // A line running to the vanishing point, a fraction of the way across the road.
    struct Line {
        const Perspective& view;
        qreal fraction; // 0 = left edge, 1 = right edge
        qreal xAt(qreal y) const;
    };
    Line along(qreal fraction) const { return {*this, fraction}; }
};
void perspectiveRoad(QPainter& painter, const Perspective& view, const QColor& ground,
                     bool brokenCentre);
inline const QColor kTailLight(255, 40, 30);
void tailLights(QPainter& painter, QPointF centre, qreal width, const QColor& glow = kTailLight);

} // namespace pictures::hazard
