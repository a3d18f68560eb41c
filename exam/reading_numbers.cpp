#include "exam/reading_numbers.h"

#include <QRegularExpression>

#include <functional>
#include <utility>

namespace {

const QString kDigitNames = QStringLiteral("零一二三四五六七八九");

// Measure words after which a lone 2 is 两 (两年, 两个, 两公里), never 二.
const QString kPairMeasures = QStringLiteral("年个次条倍米种人天分秒位名辆项只吨座轴道公厘毫千小");
// After these a service number is a quantity (120公里), not something to dial.
const QString kUnitStarts = QStringLiteral("公米次元分秒吨千万人厘毫周年日天个小度道伏至");
const QStringList kServiceNumbers = {
    QStringLiteral("110"),   QStringLiteral("112"),   QStringLiteral("114"),
    QStringLiteral("119"),   QStringLiteral("120"),   QStringLiteral("122"),
    QStringLiteral("12122"), QStringLiteral("12123"), QStringLiteral("12328")};

// Units written in Latin letters after a number, longest first so "km" wins over "m".
const std::pair<const char*, const char*> kLatinUnits[] = {
    {"kWh", "千瓦时"}, {"km", "公里"},  {"kg", "千克"}, {"kW", "千瓦"},
    {"cm", "厘米"},    {"mm", "毫米"},  {"mg", "毫克"}, {"ml", "毫升"},
    {"mL", "毫升"},    {"min", "分钟"}, {"m", "米"},    {"t", "吨"},
    {"L", "升"},       {"h", "小时"},   {"s", "秒"},    {"V", "伏"}};

QString belowTenThousand(int value, bool leading) {
    static const QString places[] = {QString(), QStringLiteral("十"), QStringLiteral("百"),
                                     QStringLiteral("千")};
    QString words;
    bool pendingZero = false;
    for (int place = 3; place >= 0; --place) {
        int divisor = 1;
        for (int i = 0; i < place; ++i)
            divisor *= 10;
        const int digit = (value / divisor) % 10;
        if (digit == 0) {
            pendingZero = !words.isEmpty();
            continue;
        }
        if (pendingZero)
            words += kDigitNames[0];
        pendingZero = false;
        if (digit == 1 && place == 1 && words.isEmpty() && leading)
            words += places[1]; // 十二, not 一十二
        else if (digit == 2 && place >= 3 && words.isEmpty())
            words += QStringLiteral("两") + places[place];
        else
            words += kDigitNames[digit] + places[place];
    }
    return words;
}

QString decimalWords(const QString& number) {
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point < 0)
        return chineseInteger(number.toLongLong());
    return chineseInteger(number.left(point).toLongLong()) + QStringLiteral("点") +
           chineseDigits(number.mid(point + 1), false);
}

QString replaceAll(const QString& text, const QRegularExpression& pattern,
                   const std::function<QString(const QRegularExpressionMatch&)>& words) {
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        result += text.mid(last, match.capturedStart() - last);
        result += words(match);
        last = match.capturedEnd();
    }
    return result + text.mid(last);
}

} // namespace

QString chineseInteger(qint64 value) {
    if (value == 0)
        return kDigitNames[0];
    if (value < 0)
        return QStringLiteral("负") + chineseInteger(-value);
    const qint64 hundredMillions = value / 100000000;
    const int tenThousands = int((value / 10000) % 10000);
    const int units = int(value % 10000);
    QString words;
    if (hundredMillions > 0)
        words += chineseInteger(hundredMillions) + QStringLiteral("亿");
    if (tenThousands > 0) {
        if (!words.isEmpty() && tenThousands < 1000)
            words += kDigitNames[0];
        // A lone 2 before 万 is 两 as well (两万), as before 千.
        words += (words.isEmpty() && tenThousands == 2
                      ? QStringLiteral("两")
                      : belowTenThousand(tenThousands, words.isEmpty())) +
                 QStringLiteral("万");
    }
    if (units > 0) {
        if (!words.isEmpty() && units < 1000)
            words += kDigitNames[0];
        words += belowTenThousand(units, words.isEmpty());
    }
    return words;
}

QString chineseDigits(const QString& digits, bool telephone) {
    QString words;
    for (const QChar digit : digits) {
        if (!digit.isDigit())
            continue;
        const int value = digit.digitValue();
        words += telephone && value == 1 ? QStringLiteral("幺") : QString(kDigitNames[value]);
    }
    return words;
}

namespace {

// Numbers with a unit or a sign that says how they are read: speeds, measures, temperatures,
// shares.
QString measuresSpelled(QString text) {
    text.replace(QStringLiteral("+/-"), QStringLiteral("加、减"));

    static const QRegularExpression speed(
        QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*(?:km/h|公里/小时)"));
    text = replaceAll(text, speed, [](const QRegularExpressionMatch& m) {
        return QStringLiteral("每小时") + decimalWords(m.captured(1)) + QStringLiteral("公里");
    });
    static const QRegularExpression metresPerSecond(QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*m/s"));
    text = replaceAll(text, metresPerSecond, [](const QRegularExpressionMatch& m) {
        return QStringLiteral("每秒") + decimalWords(m.captured(1)) + QStringLiteral("米");
    });
    for (const auto& [latin, chinese] : kLatinUnits) {
        const QRegularExpression unit(QStringLiteral("(\\d)\\s*%1(?![A-Za-z])")
                                          .arg(QRegularExpression::escape(QLatin1String(latin))));
        text.replace(unit, QStringLiteral("\\1") + QString::fromUtf8(chinese));
    }
    // "毫克/100毫升": a slash after a unit is "per".
    static const QRegularExpression perUnit(
        QStringLiteral("([\\x{4e00}-\\x{9fff}])\\s*/\\s*(\\d)"));
    text.replace(perUnit, QStringLiteral("\\1每\\2"));

    static const QRegularExpression temperature(QStringLiteral("(-)?(\\d+(?:\\.\\d+)?)\\s*℃"));
    text = replaceAll(text, temperature, [](const QRegularExpressionMatch& m) {
        return (m.captured(1).isEmpty() ? QString() : QStringLiteral("零下")) +
               decimalWords(m.captured(2)) + QStringLiteral("摄氏度");
    });
    static const QRegularExpression percent(QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*[%％]"));
    text = replaceAll(text, percent, [](const QRegularExpressionMatch& m) {
        return QStringLiteral("百分之") + decimalWords(m.captured(1));
    });
    static const QRegularExpression permille(QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*‰"));
    text = replaceAll(text, permille, [](const QRegularExpressionMatch& m) {
        return QStringLiteral("千分之") + decimalWords(m.captured(1));
    });
    return text;
}

// Numbers whose form says how they are read: fractions, times of day, ranges, plates,
// standards and licence classes.
QString formsSpelled(QString text) {
    static const QRegularExpression fraction(QStringLiteral("(?<![\\d.])(\\d+)/(\\d+)(?![\\d.])"));
    text = replaceAll(text, fraction, [](const QRegularExpressionMatch& m) {
        return chineseInteger(m.captured(2).toLongLong()) + QStringLiteral("分之") +
               chineseInteger(m.captured(1).toLongLong());
    });
    static const QRegularExpression clock(QStringLiteral("(\\d{1,2})[:：](\\d{2})"));
    text = replaceAll(text, clock, [](const QRegularExpressionMatch& m) {
        const int minutes = m.captured(2).toInt();
        return chineseInteger(m.captured(1).toInt()) + QStringLiteral("点") +
               (minutes == 0 ? QStringLiteral("整")
                             : chineseInteger(minutes) + QStringLiteral("分"));
    });
    static const QRegularExpression range(QStringLiteral("(\\d)\\s*[-~～—]\\s*(\\d)"));
    text.replace(range, QStringLiteral("\\1至\\2"));
    // A number plate (川A·12345) is read sign by sign, as a telephone number is.
    static const QRegularExpression plate(QStringLiteral("([A-Z])\\s*[·•・]\\s*([0-9A-Z]{4,6})"));
    text = replaceAll(text, plate, [](const QRegularExpressionMatch& m) {
        QString signs = m.captured(1);
        for (const QChar sign : m.captured(2))
            signs += sign.isDigit() ? chineseDigits(QString(sign), true) : QString(sign);
        return signs;
    });
    // Standards are named by their digits: GB 5768 is 五七六八, not five thousand and more.
    static const QRegularExpression standard(QStringLiteral("(GB(?:/T)?)\\s*(\\d+)"));
    text = replaceAll(text, standard, [](const QRegularExpressionMatch& m) {
        return m.captured(1) + chineseDigits(m.captured(2), false);
    });
    // Licence classes: C1 is C一, B2 is B二; the letter is spoken later. The 一 of a class is
    // written as its homophone 伊, so that no tone change reaches it (C1代表 is not yí dài).
    static const QRegularExpression licence(QStringLiteral("([A-Z])(\\d)(?!\\d)"));
    text = replaceAll(text, licence, [](const QRegularExpressionMatch& m) {
        return m.captured(1) + (m.captured(2) == QStringLiteral("1")
                                    ? QStringLiteral("伊")
                                    : chineseDigits(m.captured(2), false));
    });
    return text;
}

} // namespace

QString spellNumbers(const QString& shown) {
    const QString text = formsSpelled(measuresSpelled(shown));
    static const QRegularExpression number(QStringLiteral("\\d+(?:\\.\\d+)?"));
    return replaceAll(text, number, [&text](const QRegularExpressionMatch& m) {
        const QString digits = m.captured();
        const QChar next = m.capturedEnd() < text.size() ? text.at(m.capturedEnd()) : QChar();
        if (kServiceNumbers.contains(digits) && !kUnitStarts.contains(next))
            return chineseDigits(digits, true);
        if (digits.size() == 4 && next == QChar(u'年'))
            return chineseDigits(digits, false);
        if (digits == QStringLiteral("2") && kPairMeasures.contains(next))
            return QStringLiteral("两");
        return decimalWords(digits);
    });
}
