#include "app/clock_line.h"

QString formatClockLine(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    auto twoDigits = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("当前时间：%1年%2月%3日   %4时%5分%6 秒")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month())
        .arg(twoDigits(date.day()), twoDigits(time.hour()), twoDigits(time.minute()),
             twoDigits(time.second()));
}
