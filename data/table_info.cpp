#include "data/table_info.h"

#include "data/sqlite_database.h"

bool hasTable(SqliteDatabase& database, const QString& table) {
    SqliteStatement find(database,
                         QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND "
                                        "name=? COLLATE NOCASE"));
    find.bind(1, table);
    return find.step();
}

bool hasColumn(SqliteDatabase& database, const TableColumn& wanted) {
    // The engine predates pragma_table_info(), so the pragma is read row by row; the table
    // name goes in as a quoted identifier because a pragma takes no bound parameter.
    QString quoted = wanted.table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    SqliteStatement info(database, QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
    while (info.step()) {
        if (info.value(1).toString().compare(wanted.column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
