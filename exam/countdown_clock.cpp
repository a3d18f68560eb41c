#include "exam/countdown_clock.h"

#include <QStringList>

#include <algorithm>

QString countdownStartText(int minutes) {
    if (minutes >= 0 && minutes < 60)
        return QStringLiteral("0:%1:00").arg(minutes);
    return formatCountdown(minutes < 0 ? 0 : minutes * 60);
}

int countdownSeconds(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(':'));
    if (fields.size() != 3)
        return -1;
    long long total = 0;
    for (const QString& field : fields) {
        bool ok = false;
        const int value = field.toInt(&ok);
        if (!ok || value < 0 || field.isEmpty() || field.size() > 6)
            return -1;
        total = total * 60 + value;
    }
    return total > 100000000 ? -1 : int(total);
}

QString formatCountdown(int seconds) {
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString countdownAfterTick(const QString& text) {
    const int seconds = countdownSeconds(text);
    return formatCountdown(seconds <= 0 ? 0 : seconds - 1);
}

int countdownSecondsUsed(int minutesSet, const QString& text) {
    const int total = std::max(minutesSet, 0) * 60;
    const int left = countdownSeconds(text);
    if (left < 0)
        return total;
    return std::clamp(total - left, 0, total);
}
