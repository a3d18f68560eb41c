#include "forms/font_faces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

void installFontSubstitutes() {
    const QStringList song{QStringLiteral("AR PL SungtiL GB"), QStringLiteral("AR PL UMing CN"),
                           QStringLiteral("Noto Serif CJK SC")};
    const QStringList kai{QStringLiteral("AR PL KaitiM GB"), QStringLiteral("AR PL UKai CN"),
                          QStringLiteral("Noto Serif CJK SC")};
    // There is no free fangsong face in Debian; UKai is the nearest in weight and stroke.
    const QStringList fangsong{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("新宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), fangsong);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("AR PL SungtiL GB")});
}

QFont pixelFont(const QString& family, int pixelHeight, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

qreal syntheticBoldSpread(const QFont& font, qreal devicePixelRatio) {
    if (!font.bold() || devicePixelRatio <= 1)
        return 0;
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& style : styles) {
        if (QFontDatabase::weight(family, style) >= QFont::DemiBold)
            return 0;
    }
    // One device pixel at a ratio of 1 becomes `ratio` of them; FreeType adds about one.
    return (devicePixelRatio - 1) / devicePixelRatio;
}
