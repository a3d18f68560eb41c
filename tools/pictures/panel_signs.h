#pragma once

// Rectangular signs (work-zone, tourist, notice, auxiliary and more guide panels) share a
// bordered panel; an auxiliary panel hangs under a main sign that is drawn elsewhere.

#include "tools/pictures/sign_painting.h"

namespace pictures {

inline const QColor kBrown(120, 66, 28);
inline const QColor kOrange(246, 136, 30);

struct PanelColours {
    QColor ground;
    QColor border;
};
// A rounded panel with a border line inside its edge.
void borderedPanel(QPainter& painter, const QRectF& box, const PanelColours& colours);
// A 200 x 150 picture holding one bordered panel and what is painted on it.
QImage panelPicture(const QColor& colour, const QColor& border, const QRectF& box,
                    const Painting& content);
// A square picture holding one bordered panel.
QImage squarePanel(const QColor& colour, const QColor& border, const Painting& content);
// Latin letters and digits in the face guide signs use.
QFont panelLatinFont(int pixelSize);
// A bus seen from the side, facing right, with windows in the background colour.
void drawBusSide(QPainter& painter, const QRectF& box, const VehicleColours& colours);
// Another question picture from the catalogue, scaled into the box.
void drawCatalogPicture(QPainter& painter, const QRectF& box, const QString& fileName);

std::vector<PictureSpec> workZonePictures();
std::vector<PictureSpec> touristPictures();
std::vector<PictureSpec> auxiliaryPictures();
std::vector<PictureSpec> noticePictures();
std::vector<PictureSpec> hazardWarningPictures();
std::vector<PictureSpec> trafficWarningPictures();
std::vector<PictureSpec> roadsideWarningPictures();
std::vector<PictureSpec> moreProhibitionPictures();
std::vector<PictureSpec> indicationPictures();
std::vector<PictureSpec> roadGuidePictures();

} // namespace pictures
