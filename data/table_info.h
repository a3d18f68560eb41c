#pragma once

#include <QString>

class SqliteDatabase;

// What the file holds, asked before a statement that needs a table or column of a later version
// (or one a damaged file lacks); names compare in any case, as the engine's do.
bool hasColumn(SqliteDatabase& database, const QString& table, const QString& column);
bool hasTable(SqliteDatabase& database, const QString& table);
