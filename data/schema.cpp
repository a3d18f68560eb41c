#include "data/schema.h"

#include "data/bank_columns.h"
#include "data/learning_record.h"
#include "data/practice_record.h"
#include "data/question_digest.h"
#include "data/read_aloud_settings.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"

namespace {

QString bankTableScript(const char* name) {
    return QStringLiteral("CREATE TABLE %1 ("
                          "ID INTEGER PRIMARY KEY, TP TEXT, STNR TEXT, "
                          "DA1 TEXT, DA2 TEXT, DA3 TEXT, DA4 TEXT, "
                          "ANSWER INTEGER, MARK INTEGER, "
                          "STLB INTEGER, STZLB1 INTEGER, STLX INTEGER, STBH INTEGER, JX TEXT, "
                          "ZT TEXT, ZSD TEXT, BS TEXT, YD TEXT);")
        .arg(QLatin1String(name));
}

struct LookupIndex {
    const char* name;
    const char* table;
    const char* columns;
    // A partial index holds only the rows its WHERE admits; the engine uses it for a statement
    // whose WHERE says the same, so that statement costs what those rows cost.
    const char* where;
    const char* needs[2];
};

// The draw counts, probes and trims the pool by chapter and finds a chapter's first id and size;
// the counters line and the reset of an exercise look only at answered rows; sequential practice
// reads its first question and the order of the rest without sorting the bank.
constexpr LookupIndex kLookupIndexes[] = {
    {"EXAM_TEMP_CHAPTER", "EXAM_TEMP", "STZLB1, EXAMID", nullptr, {"STZLB1", "EXAMID"}},
    {"B2_STZLB1", "B2", "STZLB1, ID", nullptr, {"STZLB1", "ID"}},
    {"C_STZLB1", "C", "STZLB1, ID", nullptr, {"STZLB1", "ID"}},
    {"B2_ORDER", "B2", "STLB, STZLB1, STLX, STBH", nullptr, {"STLB", "STBH"}},
    {"C_ORDER", "C", "STLB, STZLB1, STLX, STBH", nullptr, {"STLB", "STBH"}},
    {"B2_RIGHT", "B2", "ID", "ANSWER=MARK", {"ANSWER", "MARK"}},
    {"C_RIGHT", "C", "ID", "ANSWER=MARK", {"ANSWER", "MARK"}},
    {"B2_ANSWERED", "B2", "ID", "MARK<>5", {"MARK", "ID"}},
    {"C_ANSWERED", "C", "ID", "MARK<>5", {"MARK", "ID"}},
    {"B2_MARK_NULL", "B2", "ID", "MARK IS NULL", {"MARK", "ID"}},
    {"C_MARK_NULL", "C", "ID", "MARK IS NULL", {"MARK", "ID"}},
    // Each answer in a practice finds its item by digest, in a list as long as the bank.
    {"PRACTICE_ITEM_DIGEST",
     "PRACTICE_ITEM",
     "BANK, MODE, SCOPE, DIGEST",
     nullptr,
     {"DIGEST", "SCOPE"}},
};

// Indexes of earlier versions that those above make redundant: each costs every write to its
// table and every page the start-up check reads.
constexpr const char* kRetiredIndexes[] = {"EXAM_TEMP_ID", "B2_MARK", "C_MARK"};

} // namespace

void createLookupIndexes(SqliteDatabase& database) {
    QString script;
    for (const char* retired : kRetiredIndexes)
        script += QStringLiteral("DROP INDEX IF EXISTS %1;").arg(QLatin1String(retired));
    // A damaged or foreign file lacking a table or column gets no index: the statement that
    // needs it reports what is missing, as it always did.
    for (const LookupIndex& index : kLookupIndexes) {
        const QString table = QLatin1String(index.table);
        if (!hasColumn(database, {table, QLatin1String(index.needs[0])}) ||
            !hasColumn(database, {table, QLatin1String(index.needs[1])}))
            continue;
        script += QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                      .arg(QLatin1String(index.name), table, QLatin1String(index.columns));
        if (index.where)
            script += QStringLiteral(" WHERE ") + QLatin1String(index.where);
        script += QLatin1Char(';');
    }
    // Statements that find their index in place (or a retired one gone) write nothing.
    database.execScript(script);
}

void createExamSchema(SqliteDatabase& database) {
    database.execScript(bankTableScript("B2") + bankTableScript("C") +
                        QStringLiteral("CREATE TABLE SYS_CFG (STZLB1 INTEGER, STSL INTEGER);"
                                       "CREATE TABLE S_MARK (EXAMID INTEGER);"
                                       "CREATE TABLE EXAM_TEMP (EXAMID INTEGER, STZLB1 INTEGER);"
                                       "CREATE TABLE sysparam (id INTEGER PRIMARY KEY, "
                                       "timer1 INTEGER, timer2 INTEGER, ifjump INTEGER, "
                                       "ifshow INTEGER);"));
    createRecordTables(database);
    createPracticeTables(database);
    createReadAloudTable(database);
    createDigestTable(database);
    createLookupIndexes(database);
}

void migrateExamSchema(SqliteDatabase& database) {
    for (const char* table : {"B2", "C"}) {
        const QString name = QLatin1String(table);
        for (const char* column : kBankTextColumnsAfterStbh) {
            if (!hasColumn(database, {name, QLatin1String(column)}))
                database.execScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT;")
                                        .arg(name, QLatin1String(column)));
        }
    }
    createRecordTables(database);
    createPracticeTables(database);
    createReadAloudTable(database);
    createDigestTable(database);
    createLookupIndexes(database);
}
