#include "tools/pictures/picture_catalog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kSkyBlue(166, 202, 240);

QImage prohibitionSign(const std::function<void(QPainter&)>& symbol) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 20, 30));
    painter.drawEllipse(QPointF(100, 100), 90, 90);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(100, 100), 72, 72);
    symbol(painter);
    return image;
}

} // namespace

std::vector<PictureSpec> questionPictures() {
    return {
        {QStringLiteral("sign-no-entry-vehicles.jpg"),
         [] { return prohibitionSign([](QPainter&) {}); }},
    };
}

QImage drawStartPicture() {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0.0, kSkyBlue);
    sky.setColorAt(0.45, QColor(120, 150, 170));
    sky.setColorAt(1.0, QColor(70, 90, 80));
    painter.fillRect(image.rect(), sky);
    return image;
}

QImage drawBanner() {
    QImage image(797, 75, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 797, 0);
    gradient.setColorAt(0.0, QColor(128, 128, 128));
    gradient.setColorAt(1.0, QColor(40, 90, 200));
    painter.fillRect(image.rect(), gradient);
    return image;
}
