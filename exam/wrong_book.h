#pragma once

#include "data/learning_record.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// A book question answered right this many times in a row leaves the book.
inline constexpr int kRightAnswersToLeaveBook = 2;

enum class BookAction { Unchanged, Write, Remove };

struct BookChange {
    BookAction action = BookAction::Unchanged;
    BookEntry entry;
};

// What one answer does to the question's place in the book: a wrong answer enters it or counts
// once more and breaks the run of right answers; a right answer to a book question extends the
// run, and the run's second right answer takes it out; a right answer to a question outside the
// book changes nothing.
BookChange bookChangeForAnswer(const std::optional<BookEntry>& current, bool right,
                               const QString& bank, const QString& digest, const QDateTime& now);

// Applies one answer to the question that holds `id` in the bank now. The caller holds the
// transaction that also stores the answer.
void recordAnswerInBook(SqliteDatabase& database, const QString& bankTable, int id, bool right,
                        const QDateTime& now);
// The same for a question whose digest the caller has read already.
void recordDigestInBook(SqliteDatabase& database, const QString& bankTable, const QString& digest,
                        bool right, const QDateTime& now);

// The answered questions of a handed-in paper (ids in S_MARK) and whether each was right.
struct JudgedQuestion {
    QString digest;
    bool right = false;
    int chapter = 0;
    bool trueFalse = false;
};
std::vector<JudgedQuestion> judgedPaperQuestions(SqliteDatabase& database,
                                                 const QString& bankTable);

// Judges a handed-in paper question by question (ids in S_MARK): answered and wrong enters the
// book, answered and right counts towards leaving it, unanswered changes nothing.
void recordPaperInBook(SqliteDatabase& database, const QString& bankTable, const QDateTime& now);
