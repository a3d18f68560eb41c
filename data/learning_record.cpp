#include "data/learning_record.h"

#include "data/answer_code.h"
#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/digest_key.h"
#include "data/question_digest.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"

#include <QHash>

#include <algorithm>

namespace {

// Paper times are stored as local ISO text, so that a driving school reading the file sees them
// as the learner did.
QString timeText(const QDateTime& time) {
    return time.toString(Qt::ISODate);
}

// The book can hold every question of both banks; its times are seconds since the epoch, a few
// bytes a row instead of twenty.
QVariant bookTime(const QDateTime& time) {
    return time.isValid() ? QVariant(time.toSecsSinceEpoch()) : QVariant();
}

QDateTime bookTimeFrom(const QVariant& value) {
    return value.isNull() ? QDateTime() : QDateTime::fromSecsSinceEpoch(value.toLongLong());
}

QVariant bookKey(const QString& digest) {
    return QVariant(digestKey(digest));
}

QString bookKeyFrom(const QVariant& value) {
    return digestFromKey(value.toLongLong());
}

} // namespace

void createRecordTables(SqliteDatabase& database) {
    database.execScript(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS PAPER_RECORD (ID INTEGER PRIMARY KEY, STARTED TEXT, "
        "HANDED_IN TEXT, BANK TEXT, EXAM_MODE INTEGER, MINUTES INTEGER, SECONDS_USED INTEGER, "
        "QUESTIONS INTEGER, RIGHT_ANSWERS INTEGER, SCORE INTEGER, PASSED INTEGER);"
        // Keyed tables without a rowid keep each row once instead of in a table and an index.
        "CREATE TABLE IF NOT EXISTS PAPER_CHAPTER (PAPER_ID INTEGER NOT NULL, "
        "STZLB1 INTEGER NOT NULL, QUESTIONS INTEGER, RIGHT_ANSWERS INTEGER, "
        "PRIMARY KEY (PAPER_ID, STZLB1)) WITHOUT ROWID;"
        // The record window reads a bank's newest papers first, whatever the record's length.
        "CREATE INDEX IF NOT EXISTS PAPER_RECORD_NEWEST ON PAPER_RECORD (BANK, HANDED_IN, ID);"
        "CREATE TABLE IF NOT EXISTS WRONG_BOOK (BANK TEXT NOT NULL, DIGEST INTEGER NOT NULL, "
        "WRONG_COUNT INTEGER, LAST_WRONG INTEGER, RIGHT_STREAK INTEGER, "
        "PRIMARY KEY (BANK, DIGEST)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS MEMORY_STATE (BANK TEXT NOT NULL, DIGEST INTEGER NOT NULL, "
        "STABILITY REAL, DIFFICULTY REAL, LAST_REVIEW INTEGER, REPS INTEGER, LAPSES INTEGER, "
        "PRIMARY KEY (BANK, DIGEST)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS MEMORY_CHAPTER (BANK TEXT NOT NULL, STZLB1 INTEGER NOT NULL, "
        "FIRST_ANSWERS INTEGER, FIRST_RIGHT INTEGER, LATER_ANSWERS INTEGER, LATER_RIGHT INTEGER, "
        "LATER_EXPECTED REAL, PRIMARY KEY (BANK, STZLB1)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS STUDY_PLAN (ID INTEGER PRIMARY KEY, EXAM_DATE TEXT, "
        "DAILY_COUNT INTEGER);"));
    // A file whose plan holds only the exam date gains the learner's daily count.
    if (!hasColumn(database, {QStringLiteral("STUDY_PLAN"), QStringLiteral("DAILY_COUNT")}))
        database.execScript(
            QStringLiteral("ALTER TABLE STUDY_PLAN ADD COLUMN DAILY_COUNT INTEGER;"));
}

qint64 insertPaperRecord(SqliteDatabase& database, const PaperRecord& paper) {
    SqliteStatement insert(
        database,
        QStringLiteral("INSERT INTO PAPER_RECORD (STARTED, HANDED_IN, BANK, EXAM_MODE, MINUTES, "
                       "SECONDS_USED, QUESTIONS, RIGHT_ANSWERS, SCORE, PASSED) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QVariant values[] = {timeText(paper.started),
                               timeText(paper.handedIn),
                               paper.bank,
                               paper.examMode,
                               paper.minutes,
                               paper.secondsUsed,
                               paper.questions,
                               paper.right,
                               paper.score,
                               paper.passed ? 1 : 0};
    int index = 1;
    for (const QVariant& value : values)
        insert.bind(index++, value);
    insert.step();
    SqliteStatement lastId(database, QStringLiteral("SELECT last_insert_rowid()"));
    lastId.step();
    const qint64 id = lastId.value(0).toLongLong();
    SqliteStatement chapter(database,
                            QStringLiteral("INSERT INTO PAPER_CHAPTER (PAPER_ID, STZLB1, "
                                           "QUESTIONS, RIGHT_ANSWERS) VALUES (?, ?, ?, ?)"));
    for (const ChapterTally& tally : paper.chapters) {
        chapter.reset();
        chapter.bind(1, id);
        chapter.bind(2, tally.chapter);
        chapter.bind(3, tally.questions);
        chapter.bind(4, tally.right);
        chapter.step();
    }
    return id;
}

std::vector<ChapterTally> tallyPaperChapters(SqliteDatabase& database, const QString& bankTable) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT b.STZLB1, count(*), "
                                          "sum(CASE WHEN b.ANSWER = b.MARK THEN 1 ELSE 0 END) "
                                          "FROM S_MARK a, %1 b WHERE a.EXAMID = b.ID "
                                          "GROUP BY b.STZLB1 ORDER BY b.STZLB1")
                               .arg(::bankTable(bankTable)));
    std::vector<ChapterTally> tallies;
    while (select.step())
        tallies.push_back(
            {select.value(0).toInt(), select.value(1).toInt(), select.value(2).toInt()});
    return tallies;
}

std::optional<BookEntry> readBookEntry(SqliteDatabase& database, const QString& bank,
                                       const QString& digest) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT WRONG_COUNT, LAST_WRONG, RIGHT_STREAK "
                                          "FROM WRONG_BOOK WHERE BANK = ? AND DIGEST = ?"));
    select.bind(1, bank);
    select.bind(2, bookKey(digest));
    if (!select.step())
        return std::nullopt;
    return BookEntry{bank, digest, select.value(0).toInt(), bookTimeFrom(select.value(1)),
                     select.value(2).toInt()};
}

void writeBookEntry(SqliteDatabase& database, const BookEntry& entry) {
    SqliteStatement upsert(database, QStringLiteral("INSERT OR REPLACE INTO WRONG_BOOK (BANK, "
                                                    "DIGEST, WRONG_COUNT, LAST_WRONG, "
                                                    "RIGHT_STREAK) VALUES (?, ?, ?, ?, ?)"));
    upsert.bind(1, entry.bank);
    upsert.bind(2, bookKey(entry.digest));
    upsert.bind(3, entry.wrongCount);
    upsert.bind(4, bookTime(entry.lastWrong));
    upsert.bind(5, entry.rightStreak);
    upsert.step();
}

void removeBookEntry(SqliteDatabase& database, const QuestionKey& question) {
    SqliteStatement remove(database,
                           QStringLiteral("DELETE FROM WRONG_BOOK WHERE BANK = ? AND DIGEST = ?"));
    remove.bind(1, question.bank);
    remove.bind(2, bookKey(question.digest));
    remove.step();
}

std::vector<BookEntry> readBook(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT DIGEST, WRONG_COUNT, LAST_WRONG, RIGHT_STREAK "
                                          "FROM WRONG_BOOK WHERE BANK = ? "
                                          "ORDER BY WRONG_COUNT DESC, LAST_WRONG DESC, DIGEST"));
    select.bind(1, bank);
    std::vector<BookEntry> book;
    while (select.step())
        book.push_back({bank, bookKeyFrom(select.value(0)), select.value(1).toInt(),
                        bookTimeFrom(select.value(2)), select.value(3).toInt()});
    return book;
}

QHash<QString, int> questionIdsByDigest(SqliteDatabase& database, const QString& bankTable) {
    QHash<QString, int> idByDigest;
    for (const DigestRow& row : readDigestRows(database, bankTable)) {
        const QString digest = digestFromKey(row.digestKey);
        if (!idByDigest.contains(digest))
            idByDigest.insert(digest, int(row.id));
    }
    return idByDigest;
}

std::vector<int> bookQuestionIds(SqliteDatabase& database, const QString& bankTable) {
    std::vector<qint64> keys;
    for (const BookEntry& entry : readBook(database, ::bankTable(bankTable)))
        keys.push_back(digestKey(entry.digest));
    return idsOfDigestKeys(database, bankTable, keys);
}

QString digestOfQuestion(SqliteDatabase& database, const QString& bankTable, int id) {
    SqliteStatement select(
        database, QStringLiteral("SELECT STNR, DA1, DA2, DA3, DA4, TP FROM %1 WHERE ID = ?")
                      .arg(::bankTable(bankTable)));
    select.bind(1, id);
    if (!select.step())
        return QString();
    const QString choices[4] = {select.value(1).toString(), select.value(2).toString(),
                                select.value(3).toString(), select.value(4).toString()};
    return questionDigest(select.value(0).toString(), choices, select.value(5).toString());
}
