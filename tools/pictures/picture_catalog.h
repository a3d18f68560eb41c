#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// A question picture: the file name the bank sources refer to (its extension decides
// JPEG or BMP) and the code that draws it.
struct PictureSpec {
    QString fileName;
    std::function<QImage()> draw;
};

std::vector<PictureSpec> questionPictures();

QImage drawStartPicture(); // 800 x 600
QImage drawBanner();       // 797 x 75
