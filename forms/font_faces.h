#pragma once

#include <QFont>
#include <QString>

// Maps the Windows face names the layout is designed with onto installed Debian faces.
void installFontSubstitutes();

// A font by family and character height in pixels, as the layout gives them.
QFont pixelFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);
