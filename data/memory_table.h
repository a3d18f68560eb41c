#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

class SqliteDatabase;

// How well the learner holds one question of a bank (see exam/memory_model.h), kept in
// MEMORY_STATE by bank and question digest, so that it follows a question through a re-import
// as the wrong-question book does.
struct MemoryState {
    double stability = 0.0; // days; 0 for a question never answered
    double difficulty = 0.0;
    QDateTime lastReview;
    int reps = 0;   // answers given
    int lapses = 0; // of them wrong
};

std::optional<MemoryState> readMemoryState(SqliteDatabase& database, const QString& bank,
                                           const QString& digest);
// The caller holds the transaction that also stores the answer.
void writeMemoryState(SqliteDatabase& database, const QString& bank, const QString& digest,
                      const MemoryState& state);
// Every state of one bank, by digest.
QHash<QString, MemoryState> readMemoryStates(SqliteDatabase& database, const QString& bank);
