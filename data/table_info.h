#pragma once

#include <QString>

class SqliteDatabase;

// A column by its table, so that neither name can stand in the other's place.
struct TableColumn {
    QString table;
    QString column;
};

// What the file holds, asked before a statement that needs a table or column of a later version
// (or one a damaged file lacks); names compare in any case, as the engine's do.
bool hasColumn(SqliteDatabase& database, const TableColumn& wanted);
bool hasTable(SqliteDatabase& database, const QString& table);
