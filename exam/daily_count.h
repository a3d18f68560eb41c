#pragma once

#include <QString>

#include <optional>

class SqliteDatabase;

// How many questions 今日复习 asks a day, as the learner set it in the record window. Fewer
// than ten is hardly a review; more than five hundred is more than a day holds.
inline constexpr int kMinDailyCount = 10;
inline constexpr int kMaxDailyCount = 500;
inline constexpr int kDefaultDailyCount = 50;

// The count kept in the database, or the default when none is kept or the kept one is out of
// bounds (a hand-edited file).
int dailyCount(SqliteDatabase& database);

// The count a learner typed (half- or full-width digits, spaces around allowed); nullopt for
// anything else or anything out of bounds.
std::optional<int> parseDailyCount(const QString& typed);

// What the record window says when parseDailyCount() refuses.
QString dailyCountError();
