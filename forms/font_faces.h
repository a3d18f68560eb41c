#pragma once

#include <QFont>
#include <QString>

// Maps the Windows face names the layout is designed with onto installed Debian faces.
void installFontSubstitutes();

// A font by family and character height in pixels, as the layout gives them.
QFont pixelFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);

// How far, in logical pixels, bold text in this font must be thickened beyond what FreeType
// gives at this device pixel ratio to look as bold as at a ratio of 1: nothing for regular
// text, for faces with a bold cut, or at a ratio of 1.
qreal syntheticBoldSpread(const QFont& font, qreal devicePixelRatio);
