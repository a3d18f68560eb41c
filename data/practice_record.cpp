#include "data/practice_record.h"

#include "data/answer_code.h"
#include "data/bank_table.h"
#include "data/learning_record.h"
#include "data/question_digest.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"
#include "data/transaction.h"

namespace {

QVariant secondsOf(const QDateTime& time) {
    return time.isValid() ? QVariant(time.toSecsSinceEpoch()) : QVariant();
}

QDateTime timeOfSeconds(const QVariant& value) {
    return value.isNull() ? QDateTime() : QDateTime::fromSecsSinceEpoch(value.toLongLong());
}

QVariant digestOrNull(const QString& digest) {
    return digest.isEmpty() ? QVariant() : QVariant(digestKey(digest));
}

void bindKey(SqliteStatement& statement, const PracticeState& key) {
    statement.bind(1, key.bank);
    statement.bind(2, int(key.mode));
    statement.bind(3, key.scope);
}

} // namespace

void createPracticeTables(SqliteDatabase& database) {
    database.execScript(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS FAVOURITE (BANK TEXT NOT NULL, DIGEST INTEGER NOT NULL, "
        "MARKED_AT INTEGER, PRIMARY KEY (BANK, DIGEST)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS ANSWER_HISTORY (BANK TEXT NOT NULL, DIGEST INTEGER NOT NULL, "
        "WRONG_COUNT INTEGER, RIGHT_COUNT INTEGER, LAST_RIGHT INTEGER, LAST_ANSWERED INTEGER, "
        "PRIMARY KEY (BANK, DIGEST)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS PRACTICE_STATE (BANK TEXT NOT NULL, MODE INTEGER NOT NULL, "
        "SCOPE TEXT NOT NULL, POSITION INTEGER, SEED INTEGER, SAVED_AT INTEGER, "
        "PRIMARY KEY (BANK, MODE, SCOPE)) WITHOUT ROWID;"
        "CREATE TABLE IF NOT EXISTS PRACTICE_ITEM (BANK TEXT NOT NULL, MODE INTEGER NOT NULL, "
        "SCOPE TEXT NOT NULL, POS INTEGER NOT NULL, DIGEST INTEGER, MARK INTEGER, "
        "PRIMARY KEY (BANK, MODE, SCOPE, POS)) WITHOUT ROWID;"));
    // A file of an earlier version keeps its practices as whole lists, which is what the
    // missing columns read as.
    for (const char* column : {"BANK_ORDER", "POSITION_DIGEST"}) {
        if (!hasColumn(database, {QStringLiteral("PRACTICE_STATE"), QLatin1String(column)}))
            database.execScript(QStringLiteral("ALTER TABLE PRACTICE_STATE ADD COLUMN %1 INTEGER;")
                                    .arg(QLatin1String(column)));
    }
}

std::vector<int> idsOfDigests(SqliteDatabase& database, const QString& bankTable,
                              const std::vector<QString>& digests) {
    std::vector<qint64> keys;
    keys.reserve(digests.size());
    for (const QString& digest : digests)
        keys.push_back(digestKey(digest));
    return idsOfDigestKeys(database, bankTable, keys);
}

bool isFavourite(SqliteDatabase& database, const QuestionKey& question) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT 1 FROM FAVOURITE WHERE BANK = ? AND DIGEST = ?"));
    select.bind(1, question.bank);
    select.bind(2, digestKey(question.digest));
    return select.step();
}

void setFavourite(SqliteDatabase& database, const QuestionKey& question, bool marked,
                  const QDateTime& now) {
    SqliteStatement change(
        database, marked ? QStringLiteral("INSERT OR IGNORE INTO FAVOURITE (BANK, DIGEST, "
                                          "MARKED_AT) VALUES (?, ?, ?)")
                         : QStringLiteral("DELETE FROM FAVOURITE WHERE BANK = ? AND DIGEST = ?"));
    change.bind(1, question.bank);
    change.bind(2, digestKey(question.digest));
    if (marked)
        change.bind(3, secondsOf(now));
    change.step();
}

std::vector<QString> favouriteDigests(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("SELECT DIGEST FROM FAVOURITE WHERE BANK = ? "
                                                    "ORDER BY MARKED_AT, DIGEST"));
    select.bind(1, bank);
    std::vector<QString> digests;
    while (select.step())
        digests.push_back(digestFromKey(select.value(0).toLongLong()));
    return digests;
}

void recordAnswerHistory(SqliteDatabase& database, const QuestionKey& question, bool right,
                         const QDateTime& now) {
    if (question.digest.isEmpty())
        return;
    // The engine predates UPSERT: a row of zeros first, then the answer counted onto it.
    SqliteStatement insert(database,
                           QStringLiteral("INSERT OR IGNORE INTO ANSWER_HISTORY (BANK, DIGEST, "
                                          "WRONG_COUNT, RIGHT_COUNT) VALUES (?, ?, 0, 0)"));
    insert.bind(1, question.bank);
    insert.bind(2, digestKey(question.digest));
    insert.step();
    SqliteStatement update(
        database, QStringLiteral("UPDATE ANSWER_HISTORY SET WRONG_COUNT = WRONG_COUNT + ?3, "
                                 "RIGHT_COUNT = RIGHT_COUNT + ?4, LAST_RIGHT = ?4, "
                                 "LAST_ANSWERED = ?5 WHERE BANK = ?1 AND DIGEST = ?2"));
    update.bind(1, question.bank);
    update.bind(2, digestKey(question.digest));
    update.bind(3, right ? 0 : 1);
    update.bind(4, right ? 1 : 0);
    update.bind(5, secondsOf(now));
    update.step();
}

std::vector<AnswerHistory> readAnswerHistory(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT DIGEST, WRONG_COUNT, RIGHT_COUNT, LAST_RIGHT, "
                                          "LAST_ANSWERED FROM ANSWER_HISTORY WHERE BANK = ?"));
    select.bind(1, bank);
    std::vector<AnswerHistory> history;
    while (select.step())
        history.push_back({digestFromKey(select.value(0).toLongLong()), select.value(1).toInt(),
                           select.value(2).toInt(), select.value(3).toInt() != 0,
                           timeOfSeconds(select.value(4))});
    return history;
}

void writePracticeState(SqliteDatabase& database, const PracticeState& state) {
    for (const char* table : {"PRACTICE_ITEM", "PRACTICE_STATE"}) {
        SqliteStatement remove(
            database, QStringLiteral("DELETE FROM %1 WHERE BANK = ? AND MODE = ? AND SCOPE = ?")
                          .arg(QLatin1String(table)));
        bindKey(remove, state);
        remove.step();
    }
    SqliteStatement insert(
        database, QStringLiteral("INSERT INTO PRACTICE_STATE (BANK, MODE, SCOPE, POSITION, SEED, "
                                 "SAVED_AT, BANK_ORDER, POSITION_DIGEST) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    bindKey(insert, state);
    insert.bind(4, state.position);
    insert.bind(5, state.seed);
    insert.bind(6, secondsOf(state.savedAt));
    insert.bind(7, state.bankOrder ? 1 : 0);
    insert.bind(8, digestOrNull(state.positionDigest));
    insert.step();
    SqliteStatement item(database, QStringLiteral("INSERT INTO PRACTICE_ITEM (BANK, MODE, SCOPE, "
                                                  "POS, DIGEST, MARK) VALUES (?, ?, ?, ?, ?, ?)"));
    int position = 0;
    for (const PracticeItem& entry : state.items) {
        item.reset();
        bindKey(item, state);
        item.bind(4, ++position);
        item.bind(5, digestKey(entry.digest));
        item.bind(6, answerCodeToColumn(entry.mark));
        item.step();
    }
}

void writePracticePosition(SqliteDatabase& database, const PracticeState& key, int position,
                           const QString& positionDigest, const QDateTime& now) {
    SqliteStatement update(
        database,
        QStringLiteral("UPDATE PRACTICE_STATE SET POSITION = ?4, SAVED_AT = ?5, "
                       "POSITION_DIGEST = ?6 WHERE BANK = ?1 AND MODE = ?2 AND SCOPE = ?3"));
    bindKey(update, key);
    update.bind(4, position);
    update.bind(5, secondsOf(now));
    update.bind(6, digestOrNull(positionDigest));
    update.step();
}

void writePracticeAnswer(SqliteDatabase& database, const PracticeState& key, const QString& digest,
                         AnswerCode mark, int position, const QDateTime& now) {
    SqliteStatement update(database,
                           QStringLiteral("UPDATE PRACTICE_ITEM SET MARK = ?5 "
                                          "WHERE BANK = ?1 AND MODE = ?2 AND SCOPE = ?3 AND "
                                          "DIGEST = ?4"));
    bindKey(update, key);
    update.bind(4, digestKey(digest));
    update.bind(5, answerCodeToColumn(mark));
    update.step();
    if (key.bankOrder && !digest.isEmpty() && database.changes() == 0) {
        // Its place in the bank order is not kept: the bank may be renumbered before the
        // practice goes on. POS only keeps the items apart.
        SqliteStatement insert(
            database, QStringLiteral("INSERT INTO PRACTICE_ITEM (BANK, MODE, SCOPE, POS, DIGEST, "
                                     "MARK) SELECT ?1, ?2, ?3, IFNULL(MAX(POS), 0) + 1, ?4, ?5 "
                                     "FROM PRACTICE_ITEM WHERE BANK = ?1 AND MODE = ?2 AND "
                                     "SCOPE = ?3"));
        bindKey(insert, key);
        insert.bind(4, digestKey(digest));
        insert.bind(5, answerCodeToColumn(mark));
        insert.step();
    }
    writePracticePosition(database, key, position, digest, now);
}

std::optional<PracticeState> readLatestPracticeState(SqliteDatabase& database,
                                                     const QString& bank) {
    PracticeState state;
    {
        SqliteStatement select(database,
                               QStringLiteral("SELECT MODE, SCOPE, POSITION, SEED, SAVED_AT, "
                                              "BANK_ORDER, POSITION_DIGEST "
                                              "FROM PRACTICE_STATE WHERE BANK = ? "
                                              "ORDER BY SAVED_AT DESC, MODE, SCOPE LIMIT 1"));
        select.bind(1, bank);
        if (!select.step())
            return std::nullopt;
        state.bank = bank;
        state.mode = PracticeMode(select.value(0).toInt());
        state.scope = select.value(1).toString();
        state.position = select.value(2).toInt();
        state.seed = select.value(3).toLongLong();
        state.savedAt = timeOfSeconds(select.value(4));
        state.bankOrder = select.value(5).toInt() == 1;
        if (!select.value(6).isNull())
            state.positionDigest = digestFromKey(select.value(6).toLongLong());
    }
    SqliteStatement items(database,
                          QStringLiteral("SELECT DIGEST, MARK FROM PRACTICE_ITEM WHERE BANK = ? "
                                         "AND MODE = ? AND SCOPE = ? ORDER BY POS"));
    bindKey(items, state);
    while (items.step())
        state.items.push_back({digestFromKey(items.value(0).toLongLong()),
                               answerCodeFromColumn(items.value(1).toInt())});
    return state;
}

std::vector<QString> digestsOfIds(SqliteDatabase& database, const QString& bankTable,
                                  const std::vector<int>& ids) {
    std::vector<QString> digests;
    digests.reserve(ids.size());
    for (const std::optional<qint64>& key : digestKeysOfIds(database, bankTable, ids))
        digests.push_back(key ? digestFromKey(*key) : QString());
    return digests;
}

void restoreMarks(SqliteDatabase& database, const QString& bankTable, const std::vector<int>& ids,
                  const std::vector<AnswerCode>& marks) {
    Transaction transaction(database);
    {
        SqliteStatement update(
            database,
            QStringLiteral("UPDATE %1 SET MARK = ? WHERE ID = ?").arg(::bankTable(bankTable)));
        for (std::size_t index = 0; index < ids.size() && index < marks.size(); ++index) {
            if (marks[index] == AnswerCode::NotAnswered)
                continue;
            update.reset();
            update.bind(1, answerCodeToColumn(marks[index]));
            update.bind(2, ids[index]);
            update.step();
        }
    }
    transaction.commit();
}
