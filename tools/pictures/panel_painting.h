#pragma once

// The instrument panel and its controls: lamps lit in their colour on a dark panel, and the
// buttons and levers around the driver, drawn on the same 200-unit canvas as the signs.

#include "tools/pictures/sign_painting.h"

#include <QStringList>

namespace pictures {

// Lamp colours as they glow through a panel; red means stop, amber a fault, green and blue
// that something is switched on.
inline const QColor kPanelRed(235, 45, 35);
inline const QColor kPanelAmber(255, 168, 0);
inline const QColor kPanelGreen(40, 205, 90);
inline const QColor kPanelBlue(50, 120, 255);
inline const QColor kPanelDark(22, 24, 28);
inline const QColor kButtonFace(58, 62, 68);
inline const QColor kButtonSymbol(235, 238, 240);

using PanelSymbol = std::function<void(QPainter&, const QColor&)>;

// A lamp of the instrument cluster.
QImage panelLamp(const QColor& colour, const PanelSymbol& symbol);
// A push button on the dashboard with a white symbol; a lit button shows its amber telltale.
QImage panelButton(const PanelSymbol& symbol, bool telltaleLit = false);

// A round pen for outline symbols, no fill.
void outlinePen(QPainter& painter, const QColor& colour, qreal width);
// Text centred in a box in the narrow face used on panels.
void panelText(QPainter& painter, const QRectF& box, const QString& text, int size,
               const QColor& colour);

// Shared pictograms.
void carSideOutline(QPainter& painter, const QRectF& box, const QColor& colour, qreal width);
void skidTracks(QPainter& painter, qreal top, const QColor& colour);
void batteryOutline(QPainter& painter, const QRectF& box, const QColor& colour);
void thermometer(QPainter& painter, QPointF bulb, qreal height, const QColor& colour);
void roundArrow(QPainter& painter, const QRectF& circle, int startDegrees, int spanDegrees,
                const QColor& colour, qreal width);
void exclamation(QPainter& painter, QPointF centre, qreal height, const QColor& colour);
// The stability-control car, seen from behind, its tracks snaking away; with "OFF" below.
void skiddingCar(QPainter& painter, const QColor& colour, bool off);
// A disc between two curved brackets, as on the brake lamps; dashed brackets for worn pads.
void bracketedCircle(QPainter& painter, const QColor& colour, bool dashed);

// A mark drawn centred on the origin within about 44 units, e.g. a word or a small lamp symbol.
PanelSymbol textMark(const QString& text, int size = 26);
// A rotary knob seen from the driver's seat: the marks round its upper half, the pointer and
// the brighter mark at the chosen position.
QImage dialSwitch(const std::vector<PanelSymbol>& marks, int chosen);
// A lever moving along a gate of labels, top to bottom; the lever stands at the chosen one.
QImage leverSwitch(const QStringList& labels, int chosen);

} // namespace pictures
