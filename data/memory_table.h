#pragma once

#include "data/question_key.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

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

std::optional<MemoryState> readMemoryState(SqliteDatabase& database, const QuestionKey& question);
// The caller holds the transaction that also stores the answer.
void writeMemoryState(SqliteDatabase& database, const QuestionKey& question,
                      const MemoryState& state);
// Every state of one bank, by digest.
QHash<QString, MemoryState> readMemoryStates(SqliteDatabase& database, const QString& bank);

// A state as read in bulk, keyed as the table keys it and without a date object, whose local
// time costs more than the rest of the row: the last review in seconds since the epoch.
struct StoredMemory {
    qint64 digestKey = 0;
    double stability = 0.0;
    double difficulty = 0.0;
    std::optional<qint64> lastReview;
    int reps = 0;
    int lapses = 0;
};
// Every state of one bank, ordered by digest key.
std::vector<StoredMemory> readStoredMemories(SqliteDatabase& database, const QString& bank);
MemoryState memoryStateOf(const StoredMemory& stored);

// Per chapter of a bank, how the learner's answers compared with what the model expected:
// answers to questions met for the first time, and to questions met before with the model's
// chance of a right answer summed over them. Kept in MEMORY_CHAPTER.
struct ChapterEvidence {
    int chapter = 0;
    int firstAnswers = 0;
    int firstRight = 0;
    int laterAnswers = 0;
    int laterRight = 0;
    double laterExpected = 0.0;
};

// Adds one answer to its chapter's evidence; `expected` is the model's chance before the
// answer, ignored for a first answer. The caller holds the answer's transaction.
void addChapterEvidence(SqliteDatabase& database, const QString& bank, int chapter, bool first,
                        bool right, double expected);
std::vector<ChapterEvidence> readChapterEvidence(SqliteDatabase& database, const QString& bank);

// The learner's exam date, kept in STUDY_PLAN (one row); an invalid date when none is set.
QDate readExamDate(SqliteDatabase& database);
void writeExamDate(SqliteDatabase& database, const QDate& date);
// The learner's daily count for 今日复习, in the same row; nullopt when none is set or the
// stored value is not a whole number (the caller judges its bounds).
std::optional<qint64> readDailyCount(SqliteDatabase& database);
void writeDailyCount(SqliteDatabase& database, int count);
