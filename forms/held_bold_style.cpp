#include "forms/held_bold_style.h"

#include "forms/font_faces.h"

#include <QPainter>

void HeldBoldStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                 const QPalette& palette, bool enabled, const QString& text,
                                 QPalette::ColorRole textRole) const {
    const qreal spread =
        syntheticBoldSpread(painter->font(), painter->device()->devicePixelRatioF());
    if (spread <= 0) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    // The text again, shifted right and down by the spread: strokes widen both ways, as
    // FreeType widens them at a ratio of 1.
    for (const QPointF shift :
         {QPointF(0, 0), QPointF(spread, 0), QPointF(0, spread), QPointF(spread, spread)}) {
        painter->save();
        painter->translate(shift);
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        painter->restore();
    }
}
