#pragma once

#include <QPixmap>
#include <QString>

// Loads a question picture by its extension (jpg, jpeg, bmp, ico, png, gif). Throws
// std::runtime_error when the file is missing, unreadable or of a format we cannot show.
// On a screen of device pixel ratio above 1, a twin drawn at twice the size ("name@2x.jpg")
// is taken where there is one, so that the picture keeps its size and stays sharp.
QPixmap loadQuestionPicture(const QString& path);

// The picture file to show at this device pixel ratio: path itself, or its "@2x" twin.
QString pictureForRatio(const QString& path, qreal devicePixelRatio);
