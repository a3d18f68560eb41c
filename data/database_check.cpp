#include "data/database_check.h"

#include "data/db_error.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"

#include <QDir>
#include <QStringList>

namespace {

// What the check itself found, as distinct from an engine error met on the way.
class BadDatabase : public DbError {
public:
    using DbError::DbError;
};

struct TableColumns {
    const char* table;
    // The columns the program reads, and which of them must hold whole numbers.
    QStringList columns;
    QStringList wholeNumbers;
};

const QList<TableColumns>& requiredTables() {
    static const QStringList bankColumns{
        QStringLiteral("ID"),   QStringLiteral("TP"),     QStringLiteral("STNR"),
        QStringLiteral("DA1"),  QStringLiteral("DA2"),    QStringLiteral("DA3"),
        QStringLiteral("DA4"),  QStringLiteral("ANSWER"), QStringLiteral("MARK"),
        QStringLiteral("STLB"), QStringLiteral("STZLB1"), QStringLiteral("STLX"),
        QStringLiteral("STBH")};
    static const QStringList bankNumbers{QStringLiteral("ID"),     QStringLiteral("ANSWER"),
                                         QStringLiteral("MARK"),   QStringLiteral("STLB"),
                                         QStringLiteral("STZLB1"), QStringLiteral("STLX"),
                                         QStringLiteral("STBH")};
    static const QStringList sysCfg{QStringLiteral("STZLB1"), QStringLiteral("STSL")};
    static const QStringList settings{QStringLiteral("id"), QStringLiteral("timer1"),
                                      QStringLiteral("timer2"), QStringLiteral("ifjump"),
                                      QStringLiteral("ifshow")};
    static const QList<TableColumns> tables{
        {"B2", bankColumns, bankNumbers},
        {"C", bankColumns, bankNumbers},
        {"SYS_CFG", sysCfg, sysCfg},
        {"S_MARK", {QStringLiteral("EXAMID")}, {QStringLiteral("EXAMID")}},
        {"EXAM_TEMP",
         {QStringLiteral("EXAMID"), QStringLiteral("STZLB1")},
         {QStringLiteral("EXAMID"), QStringLiteral("STZLB1")}},
        {"sysparam", settings, settings},
    };
    return tables;
}

void checkPages(SqliteDatabase& database, const QString& file) {
    // quick_check reads every page of every table and index, which is what makes a flipped
    // byte anywhere in an encrypted file show now rather than halfway through a paper.
    SqliteStatement check(database, QStringLiteral("PRAGMA quick_check(1)"));
    const QString verdict = check.step() ? check.value(0).toString() : QString();
    if (verdict != QLatin1String("ok"))
        throw BadDatabase(QStringLiteral("题库文件 %1 已损坏：%2").arg(file, verdict));
}

void checkTable(SqliteDatabase& database, const QString& file, const TableColumns& required,
                ExamCheck depth) {
    const QString table = QLatin1String(required.table);
    if (!hasTable(database, table))
        throw BadDatabase(QStringLiteral("题库文件 %1 缺少数据表 %2").arg(file, table));
    for (const QString& column : required.columns) {
        if (!hasColumn(database, {table, column}))
            throw BadDatabase(
                QStringLiteral("题库文件 %1 的数据表 %2 缺少列 %3").arg(file, table, column));
    }
    if (depth != ExamCheck::Full)
        return;
    for (const QString& column : required.wholeNumbers) {
        SqliteStatement find(database, QStringLiteral("SELECT rowid, quote(%1) FROM %2 WHERE "
                                                      "typeof(%1)<>'integer' LIMIT 1")
                                           .arg(column, table));
        if (find.step())
            throw BadDatabase(
                QStringLiteral("题库文件 %1 的数据表 %2 第 %3 行的 %4 不是整数：%5")
                    .arg(file, table, find.value(0).toString(), column, find.value(1).toString()));
    }
}

} // namespace

void checkExamDatabase(SqliteDatabase& database, ExamCheck depth) {
    const QString file = QDir::toNativeSeparators(database.path());
    try {
        if (depth == ExamCheck::Full)
            checkPages(database, file);
        for (const TableColumns& table : requiredTables())
            checkTable(database, file, table, depth);
    } catch (const BadDatabase&) {
        throw;
    } catch (const std::exception& error) {
        throw DbError(
            QStringLiteral("题库文件 %1 无法读取：%2").arg(file, QString::fromUtf8(error.what())));
    }
}
