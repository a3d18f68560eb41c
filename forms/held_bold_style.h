#pragma once

#include <QProxyStyle>

// Keeps synthetic bold as heavy at every device pixel ratio. The Chinese faces have no bold
// cut, and FreeType's emboldening, about one device pixel at the windows' small sizes, is lost
// in strokes twice as wide at a ratio of 2. Captions drawn by the style are therefore
// thickened by the ratio's extra pixels; text boxes get the same through setBoxText.
class HeldBoldStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};
