#include "data/schema.h"

#include "data/learning_record.h"
#include "data/practice_record.h"
#include "data/question_rows.h"
#include "data/read_aloud_settings.h"
#include "data/sqlite_database.h"

namespace {

QString bankTableScript(const char* name) {
    return QStringLiteral("CREATE TABLE %1 ("
                          "ID INTEGER PRIMARY KEY, TP TEXT, STNR TEXT, "
                          "DA1 TEXT, DA2 TEXT, DA3 TEXT, DA4 TEXT, "
                          "ANSWER INTEGER, MARK INTEGER, "
                          "STLB INTEGER, STZLB1 INTEGER, STLX INTEGER, STBH INTEGER, JX TEXT, "
                          "ZT TEXT, ZSD TEXT, BS TEXT, YD TEXT);"
                          "CREATE INDEX %1_STZLB1 ON %1 (STZLB1, ID);")
        .arg(QLatin1String(name));
}

} // namespace

void createLookupIndexes(SqliteDatabase& database) {
    // The draw counts, reads and trims the pool by category; the counters line and the reset
    // of an exercise look only at MARK and ANSWER, which this index holds without the texts.
    // A damaged or foreign file lacking a table or column gets no index: the statement that
    // needs it reports what is missing, as it always did.
    const char* const indexes[][4] = {{"EXAM_TEMP_CHAPTER", "EXAM_TEMP", "STZLB1", "EXAMID"},
                                      {"B2_MARK", "B2", "MARK", "ANSWER"},
                                      {"C_MARK", "C", "MARK", "ANSWER"}};
    for (const auto& index : indexes) {
        const QString table = QLatin1String(index[1]);
        const QString first = QLatin1String(index[2]);
        const QString second = QLatin1String(index[3]);
        if (hasColumn(database, table, first) && hasColumn(database, table, second))
            database.execScript(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3, %4);")
                                    .arg(QLatin1String(index[0]), table, first, second));
    }
}

void createExamSchema(SqliteDatabase& database) {
    database.execScript(bankTableScript("B2") + bankTableScript("C") +
                        QStringLiteral("CREATE TABLE SYS_CFG (STZLB1 INTEGER, STSL INTEGER);"
                                       "CREATE TABLE S_MARK (EXAMID INTEGER);"
                                       "CREATE TABLE EXAM_TEMP (EXAMID INTEGER, STZLB1 INTEGER);"
                                       "CREATE INDEX EXAM_TEMP_ID ON EXAM_TEMP (EXAMID, STZLB1);"
                                       "CREATE TABLE sysparam (id INTEGER PRIMARY KEY, "
                                       "timer1 INTEGER, timer2 INTEGER, ifjump INTEGER, "
                                       "ifshow INTEGER);"));
    createLookupIndexes(database);
    createRecordTables(database);
    createPracticeTables(database);
    createReadAloudTable(database);
}

bool hasTable(SqliteDatabase& database, const QString& table) {
    SqliteStatement find(database,
                         QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND "
                                        "name=? COLLATE NOCASE"));
    find.bind(1, table);
    return find.step();
}

bool hasColumn(SqliteDatabase& database, const QString& table, const QString& column) {
    // The engine predates pragma_table_info(), so the pragma is read row by row; the table
    // name goes in as a quoted identifier because a pragma takes no bound parameter.
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    SqliteStatement info(database, QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
    while (info.step()) {
        if (info.value(1).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void migrateExamSchema(SqliteDatabase& database) {
    for (const char* table : {"B2", "C"}) {
        const QString name = QLatin1String(table);
        for (const char* column : kBankTextColumnsAfterStbh) {
            if (!hasColumn(database, name, QLatin1String(column)))
                database.execScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT;")
                                        .arg(name, QLatin1String(column)));
        }
    }
    createLookupIndexes(database);
    createRecordTables(database);
    createPracticeTables(database);
    createReadAloudTable(database);
}
