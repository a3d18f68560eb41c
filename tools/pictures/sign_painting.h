#pragma once

// Shapes and colours shared by the question pictures. Signs are designed on a 200 x 200 canvas
// and written at 150 x 150, because the question screen shows pictures unscaled in a box only
// 153 pixels high.

#include "tools/pictures/picture_catalog.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>
#include <vector>

namespace pictures {

// Sign colours close to the printed ones, so that a red ring still reads as red after JPEG.
inline const QColor kRed(204, 20, 30);
inline const QColor kYellow(252, 198, 0);
inline const QColor kBlue(0, 82, 164);
inline const QColor kGreen(0, 122, 72);
inline const QColor kBlack(20, 20, 20);
inline const QColor kWhite(255, 255, 255);
inline const QColor kAsphalt(88, 90, 94);
inline const QColor kLineYellow(240, 190, 20);
inline const QColor kGrass(110, 150, 80);

using Painting = std::function<void(QPainter&)>;

constexpr int kSignSize = 200;   // design units
constexpr int kSignPixels = 150; // written size

// Pictures are drawn once at their display size and once at twice it, for screens of device
// pixel ratio 2. Drawing code always works in display pixels (or design units): the scale is
// applied underneath it.
void setPictureScale(int scale);
int pictureScale();

// An antialiased picture of the given size, times the picture scale, filled with the
// background.
QImage paintPicture(int width, int height, const QColor& background, const Painting& paint);
// A square picture painted in design units.
QImage paintSign(const QColor& background, const Painting& paint);

// Prohibition sign: white disc, red ring, black symbol; the diagonal bar is painted over the
// symbol, as on the real sign.
QImage prohibitionSign(const Painting& symbol, bool diagonalBar);
QImage warningSign(const Painting& symbol);
QImage mandatorySign(const Painting& symbol);

// The same symbol seen in a mirror, for the left/right pairs.
Painting mirrored(const Painting& symbol);

// An arrow's head: how far it reaches beyond the line's end, and how wide its base is.
struct ArrowHead {
    qreal length;
    qreal width;
};
// An arrow that follows the centre line and ends in a head beyond its last point.
QPainterPath arrowShape(const QPainterPath& centreLine, qreal width, ArrowHead head);
QPainterPath triangle(const QPolygonF& corners);

void fill(QPainter& painter, const QPainterPath& path, const QColor& colour);
void strokeLine(QPainter& painter, const QPainterPath& path, qreal width, const QColor& colour,
                Qt::PenCapStyle cap = Qt::RoundCap);

// Digits and Latin letters in a narrow bold face, like the numbers on signs.
QFont numberFont(int pixelSize);
// Chinese characters on signs and panels.
QFont hanziFont(int pixelSize, bool bold = true);
void drawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour);
// The Sungti face has no bold cut, so its outline is thickened with a pen of the same colour;
// the ink, not the font's line box, is centred in the box.
void drawHanzi(QPainter& painter, const QRectF& box, const QString& text, int pixelSize,
               const QColor& colour, qreal weight = 3);

// Pictograms used by several sign families.
void drawWalker(QPainter& painter, QPointF hip, qreal scale, const QColor& colour);
// A vehicle's paint and the colour its windows show.
struct VehicleColours {
    QColor body;
    QColor glass;
};
void drawCarSide(QPainter& painter, const QRectF& box, const VehicleColours& colours);
void drawCarRear(QPainter& painter, const QRectF& box, const VehicleColours& colours);
void drawBicycle(QPainter& painter, QPointF centre, qreal scale, const QColor& colour);
void drawHorn(QPainter& painter, QPointF centre, qreal scale, const QColor& colour);
// A car seen from above, nose pointing along angleDegrees (0 = up the picture).
void drawCarTop(QPainter& painter, QPointF centre, qreal angleDegrees, const QColor& body,
                qreal length = 34);

// Road markings are drawn from above on a 200 x 150 picture; traffic in the right-hand lanes
// drives up the picture.
constexpr int kMarkingWidth = 200;
constexpr int kMarkingHeight = 150;
inline const QColor kCarRed(190, 40, 40);
inline const QColor kCarBlue(50, 90, 170);
inline const QColor kPavement(175, 172, 165);

// A line along the road at x, or across it at y; broken lines are dashed at the usual rhythm.
void lineAlong(QPainter& painter, qreal x, const QColor& colour, bool broken, qreal top = 0,
               qreal bottom = kMarkingHeight, qreal width = 4);
void lineAcross(QPainter& painter, qreal y, const QColor& colour, bool broken, qreal left,
                qreal right, qreal width = 5);
// A two-way road between grass verges, with white edge lines.
void twoWayRoad(QPainter& painter);
void roadText(QPainter& painter, QPointF centre, const QString& text, int pixelSize);

// The picture groups, one per source file.
std::vector<PictureSpec> prohibitionPictures();
std::vector<PictureSpec> restrictionPictures();
std::vector<PictureSpec> warningPictures();
std::vector<PictureSpec> mandatoryPictures();
std::vector<PictureSpec> guidePictures();
std::vector<PictureSpec> roadMarkingPictures();
std::vector<PictureSpec> junctionMarkingPictures();
std::vector<PictureSpec> warningLampPictures();
std::vector<PictureSpec> roadScenePictures();
std::vector<PictureSpec> driverAidLampPictures();
std::vector<PictureSpec> bodyAndEngineLampPictures();
std::vector<PictureSpec> newEnergyLampPictures();
std::vector<PictureSpec> dashboardSwitchPictures();
std::vector<PictureSpec> stalkAndKnobPictures();
std::vector<PictureSpec> policeGesturePictures();
std::vector<PictureSpec> signalLightPictures();
std::vector<PictureSpec> laneMarkingPictures();
std::vector<PictureSpec> controlMarkingPictures();
std::vector<PictureSpec> hazardTownPictures();
std::vector<PictureSpec> hazardRoadPictures();

} // namespace pictures
