// Auxiliary signs: a white panel with a black border under a main sign, narrowing when, for whom
// or where the main sign applies, or saying why it stands there.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

const QRectF kMainSign(52, 2, 96, 96);
const QRectF kPanel(14, 108, 172, 76);

QImage underSign(const QString& mainSign, const Painting& panelContent) {
    return paintSign(kWhite, [=](QPainter& painter) {
        // The post between the two, as they are mounted.
        painter.fillRect(QRectF(96, 96, 8, 14), QColor(120, 120, 120));
        drawCatalogPicture(painter, kMainSign, mainSign);
        borderedPanel(painter, kPanel, {kWhite, kBlack});
        panelContent(painter);
    });
}

Painting words(const QString& text, int pixelSize) {
    return [=](QPainter& painter) {
        drawHanzi(painter, kPanel.adjusted(10, 8, -10, -8), text, pixelSize, kBlack, 1.5);
    };
}

Painting figures(const QString& text, int pixelSize) {
    return [=](QPainter& painter) {
        drawText(painter, kPanel.adjusted(8, 6, -8, -6), text, numberFont(pixelSize), kBlack);
    };
}

void bothSides(QPainter& painter) {
    drawText(painter, QRectF(64, 120, 72, 52), QStringLiteral("50m"), numberFont(38), kBlack);
    for (bool left : {true, false}) {
        QPainterPath line;
        line.moveTo(left ? 66 : 134, 146);
        line.lineTo(left ? 42 : 158, 146);
        fill(painter, arrowShape(line, 6, {14, 22}), kBlack);
    }
}

void ahead(QPainter& painter) {
    QPainterPath line;
    line.moveTo(48, 172);
    line.lineTo(48, 134);
    fill(painter, arrowShape(line, 7, {14, 24}), kBlack);
    drawText(painter, QRectF(66, 116, 112, 60), QStringLiteral("200m"), numberFont(44), kBlack);
}

} // namespace

std::vector<PictureSpec> auxiliaryPictures() {
    return {
        {QStringLiteral("aux-time-range.jpg"),
         [] {
             return underSign(QStringLiteral("sign-no-parking.jpg"),
                              figures(QStringLiteral("7:00-19:00"), 40));
         }},
        {QStringLiteral("aux-vehicle-kind.bmp"),
         [] {
             return underSign(QStringLiteral("sign-no-left-turn.jpg"),
                              words(QStringLiteral("货车"), 44));
         }},
        {QStringLiteral("aux-ahead.jpg"),
         [] { return underSign(QStringLiteral("sign-no-honking.jpg"), ahead); }},
        {QStringLiteral("aux-both-sides.jpg"),
         [] { return underSign(QStringLiteral("sign-no-parking.jpg"), bothSides); }},
        {QStringLiteral("aux-zone.bmp"),
         [] {
             return underSign(QStringLiteral("sign-no-long-parking.bmp"),
                              words(QStringLiteral("区域内"), 40));
         }},
        {QStringLiteral("aux-accident.jpg"),
         [] {
             return underSign(QStringLiteral("warning-danger.jpg"),
                              words(QStringLiteral("事故"), 44));
         }},
        {QStringLiteral("aux-except-bus.jpg"),
         [] {
             return underSign(QStringLiteral("sign-no-straight.jpg"),
                              words(QStringLiteral("除公共汽车外"), 26));
         }},
        {QStringLiteral("aux-school.jpg"),
         [] {
             return underSign(QStringLiteral("warning-children.jpg"),
                              words(QStringLiteral("学校"), 44));
         }},
        {QStringLiteral("aux-u-turn-hours.bmp"),
         [] {
             return underSign(QStringLiteral("sign-no-u-turn.jpg"),
                              figures(QStringLiteral("7:00-20:00"), 40));
         }},
    };
}

} // namespace pictures
