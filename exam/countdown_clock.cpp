#include "exam/countdown_clock.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

// Twelve digits a field keep the sum below 2^63 whatever the fields hold, so reading the
// label can never overflow; the largest start (2^31 - 1 minutes) needs eight hour digits.
constexpr int kMaxFieldDigits = 12;

} // namespace

QString countdownStartText(int minutes) {
    if (minutes >= 0 && minutes < 60)
        return QStringLiteral("0:%1:00").arg(minutes);
    return formatCountdown(minutes < 0 ? 0 : qint64(minutes) * 60);
}

qint64 countdownSeconds(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(':'));
    if (fields.size() != 3)
        return -1;
    qint64 total = 0;
    for (const QString& field : fields) {
        bool ok = false;
        const qint64 value = field.toLongLong(&ok);
        if (!ok || value < 0 || field.isEmpty() || field.size() > kMaxFieldDigits)
            return -1;
        total = total * 60 + value;
    }
    return total;
}

QString formatCountdown(qint64 seconds) {
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString countdownAfterTick(const QString& text) {
    const qint64 seconds = countdownSeconds(text);
    return formatCountdown(seconds <= 0 ? 0 : seconds - 1);
}

int countdownSecondsUsed(int minutesSet, const QString& text) {
    const qint64 total = qint64(std::max(minutesSet, 0)) * 60;
    const qint64 left = countdownSeconds(text);
    const qint64 used = left < 0 ? total : std::clamp(total - left, qint64(0), total);
    return int(std::min<qint64>(used, std::numeric_limits<int>::max()));
}
