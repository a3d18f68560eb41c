#pragma once

#include "data/digest_key.h"
#include "data/question_key.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// The learner's lasting record, kept in tables of its own beside the original ones: every
// handed-in paper with its per-chapter tallies, and a wrong-question book per bank. The bank
// tables' MARK column keeps meaning the current exercise's answers only.

// Creates the record's tables and indexes when they are missing; safe on every open.
void createRecordTables(SqliteDatabase& database);

struct ChapterTally {
    int chapter = 0;
    int questions = 0;
    int right = 0;
};

struct PaperRecord {
    qint64 id = 0;
    QDateTime started;
    QDateTime handedIn;
    QString bank;     // "B2" or "C"
    int examMode = 0; // 1 mock exam, 10 mock practice
    int minutes = 0;  // examination minutes set for the paper
    int secondsUsed = 0;
    int questions = 0;
    int right = 0;
    int score = 0;
    bool passed = false;
    std::vector<ChapterTally> chapters;
};

// Writes the paper and its chapters; the caller holds the transaction that also carries the
// hand-in's other writes. Returns the new paper's id.
qint64 insertPaperRecord(SqliteDatabase& database, const PaperRecord& paper);
// The record is read back through record_figures.h, which checks every figure.

// Per chapter of the current bank, how many of the paper's questions (ids in S_MARK) there are
// and how many hold their right answer in MARK.
std::vector<ChapterTally> tallyPaperChapters(SqliteDatabase& database, const QString& bankTable);

struct BookEntry {
    QString bank;
    QString digest;
    int wrongCount = 0;
    QDateTime lastWrong;
    int rightStreak = 0; // right answers in a row since the last wrong one
};

std::optional<BookEntry> readBookEntry(SqliteDatabase& database, const QString& bank,
                                       const QString& digest);
void writeBookEntry(SqliteDatabase& database, const BookEntry& entry);
void removeBookEntry(SqliteDatabase& database, const QuestionKey& question);
// The book of one bank, most often wrong first, then most recently wrong first.
std::vector<BookEntry> readBook(SqliteDatabase& database, const QString& bank);

// The ids, in the bank table now, of the questions in that bank's book, in the book's order.
// Entries whose question is no longer in the bank (text changed, question removed) are skipped.
std::vector<int> bookQuestionIds(SqliteDatabase& database, const QString& bankTable);
// The digest of every question of a bank table, to the id that holds it now. Should two rows
// share a digest, the lower id keeps it.
QHash<QString, int> questionIdsByDigest(SqliteDatabase& database, const QString& bankTable);
// The digest of the question that now holds `id` in the bank table; empty when there is none.
QString digestOfQuestion(SqliteDatabase& database, const QString& bankTable, int id);
