#include "exam/daily_count.h"

#include "data/memory_table.h"

int dailyCount(SqliteDatabase& database) {
    const std::optional<qint64> kept = readDailyCount(database);
    if (!kept || *kept < kMinDailyCount || *kept > kMaxDailyCount)
        return kDefaultDailyCount;
    return int(*kept);
}

std::optional<int> parseDailyCount(const QString& typed) {
    // A Chinese input method in its full-width mode types ５０ for 50.
    QString digits = typed.trimmed();
    for (QChar& character : digits) {
        if (character >= QChar(0xFF10) && character <= QChar(0xFF19))
            character = QChar(u'0' + (character.unicode() - 0xFF10));
    }
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    for (const QChar character : digits) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
    }
    const int count = digits.toInt();
    if (count < kMinDailyCount || count > kMaxDailyCount)
        return std::nullopt;
    return count;
}

QString dailyCountError() {
    return QStringLiteral("每天复习的题数请填 %1 到 %2 之间的整数。")
        .arg(kMinDailyCount)
        .arg(kMaxDailyCount);
}
