#pragma once

#include <QString>

// The countdown lives in the text of its label as "H:MM:SS"; these turn it into seconds and
// back, one tick at a time.

// The text an exercise starts from: "0:45:00" for 45 minutes, as the learner always saw it;
// an hour or more is written as hours and minutes ("1:40:00"), less than nothing as "0:00:00".
QString countdownStartText(int minutes);

// The arithmetic is done in 64 bits: the settings row may hold any 32-bit number of minutes,
// and 2^31 - 1 minutes in seconds does not fit in 32.

// Seconds left for a text "H:M:S" (up to twelve digits per field); -1 when it is not one.
qint64 countdownSeconds(const QString& text);

QString formatCountdown(qint64 seconds);

// The text after one tick: one second less, never below "0:00:00". A text that cannot be
// read counts as no time left.
QString countdownAfterTick(const QString& text);

// Seconds of `minutesSet` that had passed when the countdown showed `text`; all of them when
// the text cannot be read; at most the largest int.
int countdownSecondsUsed(int minutesSet, const QString& text);

inline const QString kCountdownZero = QStringLiteral("0:00:00");
