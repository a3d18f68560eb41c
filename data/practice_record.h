#pragma once

#include "data/answer_code.h"
#include "data/question_key.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// What practice remembers of the learner beside the original tables: the favourites (收藏),
// every question's answer history for most-missed practice, and where each practice stopped.
// Every row names its question by bank and digest (learning_record.h), never by id, so that
// it follows the question through a re-import or a newer shipped bank.

// Creates the tables when they are missing; safe on every open.
void createPracticeTables(SqliteDatabase& database);

// The ids now holding the given digests, in their order; digests no longer in the bank are
// skipped.
std::vector<int> idsOfDigests(SqliteDatabase& database, const QString& bankTable,
                              const std::vector<QString>& digests);

// Favourites, oldest mark first.
bool isFavourite(SqliteDatabase& database, const QuestionKey& question);
void setFavourite(SqliteDatabase& database, const QuestionKey& question, bool marked,
                  const QDateTime& now);
std::vector<QString> favouriteDigests(SqliteDatabase& database, const QString& bank);

// Every answer the learner gave a question, in any mode (a mock exam's at hand-in).
struct AnswerHistory {
    QString digest;
    int wrongCount = 0;
    int rightCount = 0;
    bool lastRight = false;
    QDateTime lastAnswered;
};

void recordAnswerHistory(SqliteDatabase& database, const QuestionKey& question, bool right,
                         const QDateTime& now);
std::vector<AnswerHistory> readAnswerHistory(SqliteDatabase& database, const QString& bank);

// The practices a learner can go on with, as the resume table names them.
enum class PracticeMode {
    Sequential = 1,
    Chapter = 2,
    Random = 3,
    Topic = 4,
    Kind = 5,
    MostMissed = 6,
    Favourites = 7,
    WrongBook = 8,
    Review = 9,
};

// One stopped practice: its questions in the order it shows them, with the answer each held
// (MARK codes), and the 1-based place it stopped at. `scope` tells practices of one mode apart:
// the chapter, the topic or the kind; empty for the others.
struct PracticeItem {
    QString digest;
    AnswerCode mark = AnswerCode::D;
};

// A practice whose list is the bank order (`bankOrder`: the whole bank, or the chapter its
// scope names) keeps no list: its items are the questions answered so far, in the order first
// answered, and the place is found again by the digest of the question shown there. Files of
// earlier versions hold every practice's whole list, each item at its place.
struct PracticeState {
    QString bank;
    PracticeMode mode = PracticeMode::Sequential;
    QString scope;
    int position = 1;
    qint64 seed = 0;
    QDateTime savedAt;
    bool bankOrder = false;
    QString positionDigest; // empty until the place is saved with its question
    std::vector<PracticeItem> items;
};

// Replaces whatever was stored for the state's bank, mode and scope; the caller holds the
// transaction.
void writePracticeState(SqliteDatabase& database, const PracticeState& state);
// The place the learner is at, and the digest of the question there (empty: not known).
void writePracticePosition(SqliteDatabase& database, const PracticeState& key, int position,
                           const QString& positionDigest, const QDateTime& now);
// An answer, with the place it was given at. A list holds each question once, so its digest
// names its item; a practice in bank order gains the item with its first answer.
void writePracticeAnswer(SqliteDatabase& database, const PracticeState& key, const QString& digest,
                         AnswerCode mark, int position, const QDateTime& now);
// The most recently saved practice of a bank, if any.
std::optional<PracticeState> readLatestPracticeState(SqliteDatabase& database, const QString& bank);

// The digest of each id's question, in the ids' order (empty for an id not in the bank).
std::vector<QString> digestsOfIds(SqliteDatabase& database, const QString& bankTable,
                                  const std::vector<int>& ids);
// Puts answers back into the bank table's MARK column, as a resumed practice held them, in one
// transaction of its own; codes meaning "not answered" are left as the reset wrote them.
void restoreMarks(SqliteDatabase& database, const QString& bankTable, const std::vector<int>& ids,
                  const std::vector<AnswerCode>& marks);
