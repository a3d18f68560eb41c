#include "data/bank_update.h"

#include "data/bank_stamp.h"
#include "data/learning_record.h"
#include "data/question_digest.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"
#include "data/transaction.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariantList>

#include <map>
#include <vector>

namespace {

const char* const kBanks[] = {"B2", "C"};

struct BankRows {
    QStringList columns;
    std::vector<QVariantList> rows;
    QHash<qint64, QString> digestById;
};

QStringList columnsOf(SqliteDatabase& database, const QString& table) {
    QStringList columns;
    SqliteStatement info(database, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (info.step())
        columns.append(info.value(1).toString());
    return columns;
}

QString digestOfRow(const QStringList& columns, const QVariantList& row) {
    auto text = [&](const char* name) {
        const qsizetype at = columns.indexOf(QLatin1String(name), 0);
        return at < 0 ? QString() : row.at(at).toString();
    };
    const QString choices[4] = {text("DA1"), text("DA2"), text("DA3"), text("DA4")};
    return questionDigest(text("STNR"), choices, text("TP"));
}

BankRows readBank(SqliteDatabase& database, const QString& table, const QStringList& columns) {
    BankRows bank;
    bank.columns = columns;
    SqliteStatement rows(database, QStringLiteral("SELECT \"%1\" FROM %2 ORDER BY ID")
                                       .arg(columns.join(QStringLiteral("\", \"")), table));
    const qsizetype idColumn = columns.indexOf(QStringLiteral("ID"));
    while (rows.step()) {
        QVariantList row;
        for (int column = 0; column < columns.size(); ++column)
            row.append(rows.value(column));
        bank.digestById.insert(row.at(idColumn).toLongLong(), digestOfRow(columns, row));
        bank.rows.push_back(std::move(row));
    }
    return bank;
}

// The learner's questions by id, from the stored digests rather than the texts.
QHash<qint64, QString> digestsById(SqliteDatabase& learner, const QString& table) {
    QHash<qint64, QString> digests;
    for (const DigestRow& row : readDigestRows(learner, table))
        digests.insert(row.id, digestFromKey(row.digestKey));
    return digests;
}

QHash<QString, QVariant> answersByDigest(SqliteDatabase& learner, const QString& table,
                                         const QHash<qint64, QString>& digestById) {
    QHash<QString, QVariant> answers;
    SqliteStatement marks(learner,
                          QStringLiteral("SELECT ID, MARK FROM %1 ORDER BY ID").arg(table));
    while (marks.step())
        answers.insert(digestById.value(marks.integer(0)), marks.value(1));
    return answers;
}

void replaceBank(SqliteDatabase& learner, const QString& table, const BankRows& shipped,
                 const QHash<QString, QVariant>& answers) {
    for (const QString& column : shipped.columns) {
        if (!hasColumn(learner, {table, column}))
            learner.execScript(
                QStringLiteral("ALTER TABLE %1 ADD COLUMN \"%2\";").arg(table, column));
    }
    learner.execScript(QStringLiteral("DELETE FROM %1;").arg(table));
    QStringList marks;
    for (qsizetype i = 0; i < shipped.columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    SqliteStatement insert(learner, QStringLiteral("INSERT INTO %1 (\"%2\") VALUES (%3)")
                                        .arg(table, shipped.columns.join(QStringLiteral("\", \"")),
                                             marks.join(QStringLiteral(", "))));
    const qsizetype markColumn = shipped.columns.indexOf(QStringLiteral("MARK"));
    for (const QVariantList& row : shipped.rows) {
        insert.reset();
        const QString digest = digestOfRow(shipped.columns, row);
        for (qsizetype column = 0; column < row.size(); ++column) {
            QVariant value = row.at(column);
            if (column == markColumn && answers.contains(digest))
                value = answers.value(digest);
            insert.bind(static_cast<int>(column + 1), value);
        }
        insert.step();
    }
}

std::vector<qint64> storedPaper(SqliteDatabase& learner) {
    std::vector<qint64> ids;
    SqliteStatement paper(learner, QStringLiteral("SELECT EXAMID FROM S_MARK"));
    while (paper.step())
        ids.push_back(paper.value(0).toLongLong());
    return ids;
}

// The stored paper names questions by id without its bank; it may stay only where every id
// still holds the same question in both banks.
bool paperStillHolds(const std::vector<qint64>& paper, const std::map<QString, BankRows>& before,
                     const std::map<QString, BankRows>& after) {
    for (const char* bank : kBanks) {
        const auto& old = before.at(QLatin1String(bank)).digestById;
        const auto& now = after.at(QLatin1String(bank)).digestById;
        for (const qint64 id : paper) {
            if (old.value(id) != now.value(id))
                return false;
        }
    }
    return true;
}

std::map<int, qint64> chapterSizes(const BankRows& bank) {
    std::map<int, qint64> sizes;
    const qsizetype chapterColumn = bank.columns.indexOf(QStringLiteral("STZLB1"));
    for (const QVariantList& row : bank.rows)
        ++sizes[row.at(chapterColumn).toInt()];
    return sizes;
}

bool learnerCountsFit(SqliteDatabase& learner, const std::map<QString, BankRows>& after) {
    SqliteStatement counts(learner, QStringLiteral("SELECT STZLB1, STSL FROM SYS_CFG"));
    bool any = false;
    while (counts.step()) {
        any = true;
        for (const auto& [name, bank] : after) {
            const auto sizes = chapterSizes(bank);
            const auto found = sizes.find(counts.value(0).toInt());
            const qint64 size = found == sizes.end() ? 0 : found->second;
            if (counts.value(1).toLongLong() > size)
                return false;
        }
    }
    return any;
}

void copySysCfg(SqliteDatabase& learner, const SqliteDatabase& shipped) {
    learner.execScript(QStringLiteral("DELETE FROM SYS_CFG;"));
    SqliteStatement read(shipped, QStringLiteral("SELECT STZLB1, STSL FROM SYS_CFG"));
    SqliteStatement write(learner,
                          QStringLiteral("INSERT INTO SYS_CFG (STZLB1, STSL) VALUES (?, ?)"));
    while (read.step()) {
        write.reset();
        write.bind(1, read.value(0));
        write.bind(2, read.value(1));
        write.step();
    }
}

} // namespace

BankUpdate bringInShippedBank(SqliteDatabase& learner, SqliteDatabase& shipped) {
    const BankStamp incoming = readBankStamp(shipped);
    if (incoming.isEmpty() || readBankStamp(learner).digest == incoming.digest)
        return {};

    std::map<QString, BankRows> before;
    std::map<QString, BankRows> after;
    QSet<QString> known;
    for (const char* bank : kBanks) {
        const QString table = QLatin1String(bank);
        before[table].digestById = digestsById(learner, table);
        after[table] = readBank(shipped, table, columnsOf(shipped, table));
        for (const QString& digest : std::as_const(before[table].digestById))
            known.insert(digest);
    }

    Transaction transaction(learner);
    for (const char* bank : kBanks) {
        const QString table = QLatin1String(bank);
        replaceBank(learner, table, after[table],
                    answersByDigest(learner, table, before[table].digestById));
    }
    // The new questions' digests go in with them, so that no later pass reads every text.
    if (hasTable(learner, QStringLiteral("QUESTION_DIGEST")))
        writeMissingDigests(learner);
    if (!paperStillHolds(storedPaper(learner), before, after))
        learner.execScript(QStringLiteral("DELETE FROM S_MARK; DELETE FROM EXAM_TEMP;"));
    if (!learnerCountsFit(learner, after))
        copySysCfg(learner, shipped);
    writeBankStamp(learner, incoming);
    transaction.commit();

    QSet<QString> added;
    for (const auto& [name, bank] : after) {
        for (const QString& digest : bank.digestById) {
            if (!known.contains(digest))
                added.insert(digest);
        }
    }
    return {true, incoming.version, added.size()};
}
