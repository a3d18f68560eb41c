#pragma once

#include "data/memory_table.h"

#include <QDateTime>
#include <QString>

#include <vector>

class SqliteDatabase;

// The questions of 今日复习: those whose predicted recall has fallen below the target, lowest
// first, then questions never answered in bank order, at most `dailyCount` in all.
inline constexpr double kReviewTargetRecall = 0.9;
inline constexpr int kReviewDailyCount = 50;

struct ReviewCandidate {
    int id = 0;
    MemoryState state; // reps 0: never answered
};

// `questions` in bank order.
std::vector<int> reviewQueue(const std::vector<ReviewCandidate>& questions, double target,
                             const QDateTime& now, int dailyCount);

// The same for the bank table as it is now, with the states kept by digest.
std::vector<int> reviewQueueIds(SqliteDatabase& database, const QString& bankTable,
                                const QDateTime& now, double target = kReviewTargetRecall,
                                int dailyCount = kReviewDailyCount);
