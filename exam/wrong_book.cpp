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
        removeBookEntry(database, {change.entry.bank, change.entry.digest});
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

void recordDigestInBook(SqliteDatabase& database, const QString& bankTable, const QString& digest,
                        bool right, const QDateTime& now) {
    recordDigest(database, bankTable, digest, right, now);
}

std::vector<JudgedQuestion> judgedPaperQuestions(SqliteDatabase& database,
                                                 const QString& bankTable) {
    std::vector<JudgedQuestion> judged;
    if (!isBankTable(bankTable))
        return judged;
    SqliteStatement select(database, QStringLiteral("SELECT b.STNR, b.DA1, b.DA2, b.DA3, b.DA4, "
                                                    "b.TP, b.ANSWER = b.MARK, b.STZLB1, b.STLX "
                                                    "FROM S_MARK a, %1 b "
                                                    "WHERE a.EXAMID = b.ID AND b.MARK <> %2 "
                                                    "ORDER BY b.ID")
                                         .arg(bankTable)
                                         .arg(answerCodeToColumn(AnswerCode::NotAnswered)));
    while (select.step()) {
        const QString choices[4] = {select.value(1).toString(), select.value(2).toString(),
                                    select.value(3).toString(), select.value(4).toString()};
        judged.push_back(
            {questionDigest(select.value(0).toString(), choices, select.value(5).toString()),
             select.value(6).toInt() != 0, select.value(7).toInt(), select.value(8).toInt() == 1});
    }
    return judged;
}

void recordPaperInBook(SqliteDatabase& database, const QString& bankTable, const QDateTime& now) {
    for (const JudgedQuestion& question : judgedPaperQuestions(database, bankTable))
        recordDigest(database, bankTable, question.digest, question.right, now);
}
