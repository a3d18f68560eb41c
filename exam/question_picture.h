#pragma once

#include <QDir>
#include <QPixmap>
#include <QSize>
#include <QString>

// The question panel shows a picture a few hundred pixels wide; one whose header claims more than
// this on a side is not a question picture, and decoding it would take gigabytes.
inline constexpr int kMaxPictureSide = 4096;

// Loads a question picture by its extension (jpg, jpeg, bmp, ico, png, gif). Throws
// std::runtime_error when the file is missing, unreadable or of a format we cannot show.
// On a screen of device pixel ratio above 1, a twin drawn at twice the size ("name@2x.jpg")
// is taken where there is one, so that the picture keeps its size and stays sharp.
QPixmap loadQuestionPicture(const QString& path);

// The picture file to show at this device pixel ratio: path itself, or its "@2x" twin.
QString pictureForRatio(const QString& path, qreal devicePixelRatio);

// The file a question's picture path (TP, "/pic/x.jpg") names below `folder`. Throws
// std::runtime_error, in Chinese, for a path that leads out of that folder ("..", a symlink).
QString questionPicturePath(const QDir& folder, const QString& tp);

// The picture's size as its header gives it, without decoding it; invalid when unreadable.
QSize pictureHeaderSize(const QString& path);
