#include "data/bank_stamp.h"

#include "data/sqlite_database.h"
#include "data/table_info.h"

#include <QCryptographicHash>

namespace {

const QString kCreateInfo =
    QStringLiteral("CREATE TABLE IF NOT EXISTS BANK_INFO (NAME TEXT PRIMARY KEY, VALUE TEXT)");

QString infoValue(SqliteDatabase& database, const QString& name) {
    SqliteStatement read(database, QStringLiteral("SELECT VALUE FROM BANK_INFO WHERE NAME = ?"));
    read.bind(1, name);
    return read.step() ? read.value(0).toString() : QString();
}

void addTable(QCryptographicHash& hash, SqliteDatabase& database, const QString& select) {
    SqliteStatement rows(database, select);
    while (rows.step()) {
        for (int column = 0; column < rows.columnCount(); ++column) {
            if (rows.columnName(column).compare(QLatin1String("MARK"), Qt::CaseInsensitive) == 0)
                continue;
            // The column's name goes in too, so a column added later changes the digest.
            hash.addData(rows.columnName(column).toUtf8());
            hash.addData(QByteArrayView("\x1f", 1));
            hash.addData(rows.value(column).toString().toUtf8());
            hash.addData(QByteArrayView("\x1e", 1));
        }
    }
}

} // namespace

BankStamp readBankStamp(SqliteDatabase& database) {
    if (!hasTable(database, QStringLiteral("BANK_INFO")))
        return {};
    return {infoValue(database, QStringLiteral("version")),
            infoValue(database, QStringLiteral("digest"))};
}

QString digestBankTables(SqliteDatabase& database) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const char* table : {"B2", "C"}) {
        hash.addData(QByteArrayView(table));
        addTable(hash, database,
                 QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QLatin1String(table)));
    }
    hash.addData(QByteArrayView("SYS_CFG"));
    addTable(hash, database, QStringLiteral("SELECT STZLB1, STSL FROM SYS_CFG ORDER BY STZLB1"));
    return QString::fromLatin1(hash.result().toHex());
}

void writeBankStamp(SqliteDatabase& database, const BankStamp& stamp) {
    database.execScript(kCreateInfo);
    for (const auto& [name, value] : {std::pair{QStringLiteral("version"), stamp.version},
                                      std::pair{QStringLiteral("digest"), stamp.digest}}) {
        SqliteStatement write(database,
                              QStringLiteral("INSERT OR REPLACE INTO BANK_INFO (NAME, VALUE) "
                                             "VALUES (?, ?)"));
        write.bind(1, name);
        write.bind(2, value);
        write.step();
    }
}
