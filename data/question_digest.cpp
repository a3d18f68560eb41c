#include "data/question_digest.h"

#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/digest_key.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"
#include "data/transaction.h"

#include <QHash>

#include <sqlcipher/sqlite3.h>

#include <algorithm>

namespace {

// What each bank's triggers are called; a bank whose three are all there has kept its rows
// honest since they were made.
const char* const kTriggerKinds[] = {"INSERT", "DELETE", "UPDATE"};
const char* const kDigestIndex =
    "CREATE INDEX IF NOT EXISTS QUESTION_DIGEST_KEY ON QUESTION_DIGEST (BANK, DIGEST);";
// What a row is made of: the digest's texts, the chapter and the kind.
const char* const kDigestColumns[] = {"ID",  "STNR", "DA1",    "DA2", "DA3",
                                      "DA4", "TP",   "STZLB1", "STLX"};

QString triggerName(const QString& bank, const char* kind) {
    return QStringLiteral("%1_DIGEST_%2").arg(bank, QLatin1String(kind));
}

// A row is dropped whenever what its digest, chapter or kind is made of may have changed. An
// insert drops too: INSERT OR REPLACE removes the row it replaces without a delete trigger.
// MARK, which every answer writes, is not among the columns, so answers never fire these.
QString triggersScript(const QString& bank) {
    const QString drop =
        QStringLiteral("DELETE FROM QUESTION_DIGEST WHERE BANK = '%1' AND ID IN (%2);");
    return QStringLiteral(
               "CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %4 BEGIN %5 END;"
               "CREATE TRIGGER IF NOT EXISTS %2 AFTER DELETE ON %4 BEGIN %6 END;"
               "CREATE TRIGGER IF NOT EXISTS %3 AFTER UPDATE OF ID, STNR, DA1, DA2, DA3, DA4, "
               "TP, STZLB1, STLX ON %4 BEGIN %7 END;")
        .arg(triggerName(bank, "INSERT"), triggerName(bank, "DELETE"), triggerName(bank, "UPDATE"),
             bank, drop.arg(bank, QStringLiteral("NEW.ID")),
             drop.arg(bank, QStringLiteral("OLD.ID")),
             drop.arg(bank, QStringLiteral("OLD.ID, NEW.ID")));
}

int triggersOf(SqliteDatabase& database, const QString& bank) {
    SqliteStatement count(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                   "type = 'trigger' AND name IN (?, ?, ?)"));
    int index = 1;
    for (const char* kind : kTriggerKinds)
        count.bind(index++, triggerName(bank, kind));
    count.step();
    return int(count.integer(0));
}

// The table is there and nothing has written the bank behind the triggers' back.
bool digestsKept(SqliteDatabase& database, const QString& bank) {
    SqliteStatement table(database, QStringLiteral("SELECT 1 FROM sqlite_master WHERE "
                                                   "type = 'table' AND name = 'QUESTION_DIGEST'"));
    return table.step() && triggersOf(database, bank) == int(std::size(kTriggerKinds));
}

// Up to this many questions are looked up one by one; beyond it one pass over the bank is cheaper.
constexpr std::size_t kOneByOneLimit = 1000;

constexpr int kStem = 1;
constexpr int kPicture = 6;
constexpr int kChapter = 7;
constexpr int kKind = 8;
constexpr int kAnyReal = 9;

QString textsSelect(const QString& bank, const char* where) {
    return QStringLiteral("SELECT ID, STNR, DA1, DA2, DA3, DA4, TP, STZLB1, STLX, "
                          "'real' IN (typeof(STNR), typeof(DA1), typeof(DA2), typeof(DA3), "
                          "typeof(DA4), typeof(TP)) FROM %1 %2")
        .arg(bank, QLatin1String(where));
}

// The digest as the answer path computes it from strings. A text that is not clean UTF-8, or a
// real number where text belongs (a hand-edited file), takes the strings' way, so that both
// ways give the same key for every row.
qint64 rowDigestKey(const SqliteStatement& row) {
    QByteArrayView texts[6];
    bool clean = row.integer(kAnyReal) == 0;
    for (int column = kStem; column <= kPicture; ++column) {
        texts[column - kStem] = row.text(column);
        clean = clean && texts[column - kStem].isValidUtf8();
    }
    if (clean)
        return questionDigestKey(texts);
    const QString choices[4] = {row.value(2).toString(), row.value(3).toString(),
                                row.value(4).toString(), row.value(5).toString()};
    return digestKey(
        questionDigest(row.value(kStem).toString(), choices, row.value(kPicture).toString()));
}

DigestRow digestRowOf(const SqliteStatement& row) {
    return {row.integer(0), rowDigestKey(row), int(row.integer(kChapter)), row.integer(kKind)};
}

std::vector<DigestRow> digestsFromTexts(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, textsSelect(bank, "ORDER BY ID"));
    std::vector<DigestRow> rows;
    while (select.step())
        rows.push_back(digestRowOf(select));
    return rows;
}

std::vector<DigestRow> storedDigests(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID, DIGEST, STZLB1, STLX FROM QUESTION_DIGEST "
                                          "WHERE BANK = ? ORDER BY ID"));
    select.bind(1, bank);
    std::vector<DigestRow> rows;
    while (select.step())
        rows.push_back(
            {int(select.integer(0)), select.integer(1), int(select.integer(2)), select.integer(3)});
    return rows;
}

std::optional<qint64> storedKeyOf(SqliteDatabase& database, const QString& bank, int id) {
    SqliteStatement select(
        database, QStringLiteral("SELECT DIGEST FROM QUESTION_DIGEST WHERE BANK = ? AND ID = ?"));
    select.bind(1, bank);
    select.bind(2, id);
    return select.step() ? std::optional<qint64>(select.integer(0)) : std::nullopt;
}

// Counted on the smallest index that holds every row, never on the text pages.
qint64 bankSize(SqliteDatabase& database, const QString& bank) {
    SqliteStatement count(database, QStringLiteral("SELECT count(*) FROM %1").arg(bank));
    count.step();
    return count.integer(0);
}

qint64 storedSize(SqliteDatabase& database, const QString& bank) {
    SqliteStatement count(database,
                          QStringLiteral("SELECT count(*) FROM QUESTION_DIGEST WHERE BANK = ?"));
    count.bind(1, bank);
    count.step();
    return count.integer(0);
}

void writeMissingDigests(SqliteDatabase& database, const QString& bank) {
    // Only the ids, which an index holds; the texts of the questions that lack a row alone.
    std::vector<qint64> missing;
    {
        SqliteStatement select(database,
                               QStringLiteral("SELECT ID FROM %1 b WHERE NOT EXISTS (SELECT 1 "
                                              "FROM QUESTION_DIGEST d WHERE d.BANK = ? AND "
                                              "d.ID = b.ID)")
                                   .arg(bank));
        select.bind(1, bank);
        while (select.step())
            missing.push_back(select.integer(0));
    }
    std::sort(missing.begin(), missing.end());
    // A few are read by id; a whole bank (a file from before, a re-import) in one pass. All are
    // read before any is written: a write transaction cannot evict the pages it changed, and a
    // pass over every text beside them would push them out to the disk again and again.
    std::vector<DigestRow> rows;
    if (missing.size() <= kOneByOneLimit) {
        SqliteStatement texts(database, textsSelect(bank, "WHERE ID = ?"));
        for (const qint64 id : missing) {
            texts.reset();
            texts.bind(1, id);
            if (texts.step())
                rows.push_back(digestRowOf(texts));
        }
    } else {
        SqliteStatement texts(database, textsSelect(bank, "ORDER BY ID"));
        while (texts.step()) {
            if (std::binary_search(missing.begin(), missing.end(), texts.integer(0)))
                rows.push_back(digestRowOf(texts));
        }
    }
    // An index built once over every row costs a third of one kept up row by row.
    const bool many = rows.size() > kOneByOneLimit;
    if (many)
        database.execScript(QStringLiteral("DROP INDEX IF EXISTS QUESTION_DIGEST_KEY;"));
    // The chapter and kind as every reader takes them, whatever type a hand-edited file gave
    // them in the bank.
    SqliteStatement insert(database,
                           QStringLiteral("INSERT OR REPLACE INTO QUESTION_DIGEST (BANK, ID, "
                                          "DIGEST, STZLB1, STLX) VALUES (?, ?, ?, ?, ?)"));
    for (const DigestRow& row : rows) {
        insert.reset();
        insert.bind(1, bank);
        insert.bind(2, row.id);
        insert.bind(3, row.digestKey);
        insert.bind(4, row.chapter);
        insert.bind(5, row.kind);
        insert.step();
    }
    if (many)
        database.execScript(QLatin1String(kDigestIndex));
}

// Writes the missing rows in one commit; false when this handle may not or cannot, and the
// pass then computes what it needs from the texts as every pass did before the table.
bool fillMissingDigests(SqliteDatabase& database, const QString& bank) {
    if (sqlite3_db_readonly(database.handle(), "main") != 0 || database.inTransaction())
        return false;
    try {
        Transaction transaction(database);
        writeMissingDigests(database, bank);
        transaction.commit();
        return true;
    } catch (const DbError&) {
        // A file locked by another program or a full disk: the rows are a shortcut, and the
        // pass's figures come out the same without them. What the learner must hear of the
        // file, the next answer's own commit tells.
        return false;
    }
}

// The table holds every question of the bank, filled first where it lacks some.
bool digestsComplete(SqliteDatabase& database, const QString& bank) {
    if (!digestsKept(database, bank))
        return false;
    const qint64 size = bankSize(database, bank);
    if (storedSize(database, bank) == size)
        return true;
    return fillMissingDigests(database, bank) && storedSize(database, bank) == size;
}

} // namespace

void createDigestTable(SqliteDatabase& database) {
    database.execScript(QStringLiteral("CREATE TABLE IF NOT EXISTS QUESTION_DIGEST (BANK TEXT NOT "
                                       "NULL, ID INTEGER NOT NULL, DIGEST INTEGER NOT NULL, "
                                       "STZLB1 INTEGER, STLX INTEGER, PRIMARY KEY (BANK, ID)) "
                                       "WITHOUT ROWID;") +
                        QLatin1String(kDigestIndex));
    for (const char* table : kBankTables) {
        const QString bank = QLatin1String(table);
        if (triggersOf(database, bank) == int(std::size(kTriggerKinds)))
            continue;
        {
            SqliteStatement clear(database,
                                  QStringLiteral("DELETE FROM QUESTION_DIGEST WHERE BANK = ?"));
            clear.bind(1, bank);
            clear.step();
        }
        // A damaged or foreign file lacking a column gets no triggers, and so no rows kept: the
        // statement that needs the column reports what is missing, as it always did.
        if (std::all_of(std::begin(kDigestColumns), std::end(kDigestColumns),
                        [&](const char* column) {
                            return hasColumn(database, {bank, QLatin1String(column)});
                        }))
            database.execScript(triggersScript(bank));
    }
}

void writeMissingDigests(SqliteDatabase& database) {
    for (const char* table : kBankTables)
        writeMissingDigests(database, QLatin1String(table));
}

std::vector<DigestRow> readDigestRows(SqliteDatabase& database, const QString& bankTable) {
    const QString bank = ::bankTable(bankTable);
    return digestsComplete(database, bank) ? storedDigests(database, bank)
                                           : digestsFromTexts(database, bank);
}

std::vector<int> idsOfDigestKeys(SqliteDatabase& database, const QString& bankTable,
                                 const std::vector<qint64>& keys) {
    const QString bank = ::bankTable(bankTable);
    std::vector<int> ids;
    if (keys.empty())
        return ids;
    // A few keys are looked up one by one on the digest index; many, or a table that cannot be
    // trusted, in one pass over every row.
    if (keys.size() <= kOneByOneLimit && digestsComplete(database, bank)) {
        SqliteStatement find(database,
                             QStringLiteral("SELECT ID FROM QUESTION_DIGEST WHERE BANK = ? AND "
                                            "DIGEST = ? ORDER BY ID LIMIT 1"));
        for (const qint64 key : keys) {
            find.reset();
            find.bind(1, bank);
            find.bind(2, key);
            if (find.step())
                ids.push_back(int(find.integer(0)));
        }
        return ids;
    }
    QHash<qint64, int> idByKey;
    for (const DigestRow& row : readDigestRows(database, bank)) {
        if (!idByKey.contains(row.digestKey))
            idByKey.insert(row.digestKey, int(row.id));
    }
    for (const qint64 key : keys) {
        const auto found = idByKey.constFind(key);
        if (found != idByKey.constEnd())
            ids.push_back(*found);
    }
    return ids;
}

std::vector<std::optional<qint64>>
digestKeysOfIds(SqliteDatabase& database, const QString& bankTable, const std::vector<int>& ids) {
    const QString bank = ::bankTable(bankTable);
    std::vector<std::optional<qint64>> keys;
    keys.reserve(ids.size());
    // A short list (a chapter, today's review) is read question by question, so it costs what
    // it holds; a long one in one pass. A row the table holds is honest whether or not the
    // table is complete; a question without one has its texts read.
    if (ids.size() <= kOneByOneLimit) {
        const bool kept = digestsKept(database, bank);
        SqliteStatement texts(database, textsSelect(bank, "WHERE ID = ?"));
        for (const int id : ids) {
            if (kept) {
                if (const auto key = storedKeyOf(database, bank, id)) {
                    keys.push_back(key);
                    continue;
                }
            }
            texts.reset();
            texts.bind(1, id);
            keys.push_back(texts.step() ? std::optional<qint64>(rowDigestKey(texts))
                                        : std::nullopt);
        }
        return keys;
    }
    QHash<qint64, qint64> keyById;
    for (const DigestRow& row : readDigestRows(database, bank))
        keyById.insert(row.id, row.digestKey);
    for (const int id : ids) {
        const auto found = keyById.constFind(id);
        keys.push_back(found == keyById.constEnd() ? std::nullopt : std::optional<qint64>(*found));
    }
    return keys;
}
