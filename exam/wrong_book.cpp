#include "exam/wrong_book.h"

#include "data/question_rows.h"
#include "data/sqlite_database.h"

BookChange bookChangeForAnswer(const std::optional<BookEntry>& current, bool right,
                               const QString& bank, const QString& digest, const QDateTime& now) {
    if (!right) {
        BookEntry entry = current.value_or(BookEntry{bank, digest, 0, now, 0});
        ++entry.wrongCount;
        entry.lastWrong = now;
        entry.rightStreak = 0;
        return {BookAction::Write, entry};
    }
    if (!current)
        return {};
    BookEntry entry = *current;
    ++entry.rightStreak;
    if (entry.rightStreak >= kRightAnswersToLeaveBook)
        return {BookAction::Remove, entry};
    return {BookAction::Write, entry};
}

namespace {

void applyBookChange(SqliteDatabase& database, const BookChange& change) {
    switch (change.action) {
    case BookAction::Unchanged:
        break;
    case BookAction::Write:
        writeBookEntry(database, change.entry);
        break;
    case BookAction::Remove:
        removeBookEntry(database, change.entry.bank, change.entry.digest);
        break;
    }
}

void recordDigest(SqliteDatabase& database, const QString& bank, const QString& digest, bool right,
                  const QDateTime& now) {
    if (digest.isEmpty())
        return;
    applyBookChange(database, bookChangeForAnswer(readBookEntry(database, bank, digest), right,
                                                  bank, digest, now));
}

} // namespace

void recordAnswerInBook(SqliteDatabase& database, const QString& bankTable, int id, bool right,
                        const QDateTime& now) {
    recordDigest(database, bankTable, digestOfQuestion(database, bankTable, id), right, now);
}

void recordPaperInBook(SqliteDatabase& database, const QString& bankTable, const QDateTime& now) {
    if (!isBankTable(bankTable))
        return;
    for (const JudgedAnswer& question : judgedPaperAnswers(database, bankTable))
        recordDigest(database, bankTable, question.digest, question.right, now);
}
