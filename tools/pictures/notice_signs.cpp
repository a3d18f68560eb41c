// Notice signs: white panels with a black border and black text, telling drivers about safe
// driving or roadside facilities; they carry no legal order of their own.
#include "tools/pictures/panel_signs.h"

namespace pictures {
namespace {

QImage notice(const QStringList& lines, int pixelSize) {
    return panelPicture(kWhite, kBlack, QRectF(8, 18, 184, 114), [=](QPainter& painter) {
        const qreal step = 84.0 / qreal(lines.size());
        for (int index = 0; index < lines.size(); ++index)
            drawHanzi(painter, QRectF(20, 33 + index * step, 160, step), lines[index], pixelSize,
                      kBlack, 1.5);
    });
}

} // namespace

std::vector<PictureSpec> noticePictures() {
    return {
        {QStringLiteral("notice-no-drink-driving.jpg"),
         [] { return notice({QStringLiteral("严禁酒后驾车")}, 26); }},
        {QStringLiteral("notice-seat-belt.bmp"),
         [] { return notice({QStringLiteral("系安全带")}, 36); }},
        {QStringLiteral("notice-no-phone.jpg"),
         [] {
             return notice({QStringLiteral("驾驶时"), QStringLiteral("禁用手机")}, 32);
         }},
        {QStringLiteral("notice-no-littering.jpg"),
         [] { return notice({QStringLiteral("严禁乱扔弃物")}, 26); }},
        {QStringLiteral("notice-trucks-keep-right.bmp"),
         [] { return notice({QStringLiteral("大型车靠右")}, 30); }},
        {QStringLiteral("notice-curve-slow.jpg"),
         [] {
             return notice({QStringLiteral("急弯路段"), QStringLiteral("减速慢行")}, 32);
         }},
    };
}

} // namespace pictures
