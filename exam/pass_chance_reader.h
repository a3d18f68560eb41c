#pragma once

#include "exam/pass_chance.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// What the database holds towards the chance of passing with one bank: per SYS_CFG chapter the
// chance of each question on `day`, and how much the learner has done.
struct PassEvidence : EvidenceCount {
    std::vector<ChapterOutlook> chapters;
};

// With `planned` (per question of the bank in id order: its recall on `day` when the learner
// follows the plan to it, nullopt for one never answered by then), in place of the recall of
// the answers given so far.
using PlannedRecall = std::vector<std::optional<double>>;
PassEvidence readPassEvidence(SqliteDatabase& database, const QString& bankTable,
                              const QDateTime& day, const PlannedRecall* planned = nullptr);

// The line the record window, the side panel and the bank tool show for the bank.
QString passChanceLineFor(SqliteDatabase& database, const QString& bankTable, const QDateTime& day,
                          const PlannedRecall* planned = nullptr);
