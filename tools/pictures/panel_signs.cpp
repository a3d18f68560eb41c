#include "tools/pictures/panel_signs.h"

namespace pictures {

// Wide panels share the guide signs' 200 x 150 picture.
constexpr int kPanelWidth = 200;
constexpr int kPanelHeight = 150;

void borderedPanel(QPainter& painter, const QRectF& box, const PanelColours& colours) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ground);
    painter.drawRoundedRect(box, 10, 10);
    painter.setPen(QPen(colours.border, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(5, 5, -5, -5), 7, 7);
    painter.restore();
}

QImage panelPicture(const QColor& colour, const QColor& border, const QRectF& box,
                    const Painting& content) {
    return paintPicture(kPanelWidth, kPanelHeight, kWhite, [&](QPainter& painter) {
        borderedPanel(painter, box, {colour, border});
        content(painter);
    });
}

QImage squarePanel(const QColor& colour, const QColor& border, const Painting& content) {
    return paintSign(kWhite, [&](QPainter& painter) {
        borderedPanel(painter, QRectF(10, 10, 180, 180), {colour, border});
        content(painter);
    });
}

QFont panelLatinFont(int pixelSize) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void drawBusSide(QPainter& painter, const QRectF& box, const VehicleColours& colours) {
    const qreal x = box.x();
    const qreal y = box.y();
    const qreal w = box.width();
    const qreal h = box.height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.body);
    painter.drawRoundedRect(QRectF(x, y, w, h * 0.8), h * 0.1, h * 0.1);
    painter.setBrush(colours.glass);
    for (int pane = 0; pane < 4; ++pane)
        painter.drawRect(QRectF(x + w * (0.06 + pane * 0.2), y + h * 0.12, w * 0.15, h * 0.3));
    painter.drawRect(QRectF(x + w * 0.86, y + h * 0.12, w * 0.1, h * 0.5)); // door
    for (qreal wheel : {0.2, 0.78}) {
        painter.setBrush(colours.body);
        painter.drawEllipse(QPointF(x + w * wheel, y + h * 0.8), h * 0.2, h * 0.2);
        painter.setBrush(colours.glass);
        painter.drawEllipse(QPointF(x + w * wheel, y + h * 0.8), h * 0.07, h * 0.07);
    }
    painter.restore();
}

void drawCatalogPicture(QPainter& painter, const QRectF& box, const QString& fileName) {
    for (const PictureSpec& spec : questionPictures()) {
        if (spec.fileName == fileName) {
            painter.drawImage(box, spec.draw());
            return;
        }
    }
    // A missing name is a typing error in this folder; make it impossible to overlook.
    painter.fillRect(box, Qt::magenta);
}

} // namespace pictures
