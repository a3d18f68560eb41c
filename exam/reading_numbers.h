#pragma once

#include <QString>

// Chinese numerals as a reader says them: 12 → 十二, 2000 → 两千, 10000 → 一万, 105 → 一百零五.
QString chineseInteger(qint64 value);
// Digit by digit, as telephone numbers and years are read: "2020" → 二零二零; with
// `telephone` a one is 幺, so that 12123 is not heard as 一二一二三.
QString chineseDigits(const QString& digits, bool telephone);

// Numbers with their units, percentages, fractions, temperatures and service numbers in words:
// "50 km/h" → 每小时五十公里, "80毫克/100毫升" → 八十毫克每一百毫升, "20%" → 百分之二十.
QString spellNumbers(const QString& text);
