#pragma once

#include "data/ado_query.h"
#include "data/bank_source.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class SqliteDatabase;

// Opens an existing exam database with the program's own password.
std::unique_ptr<SqliteDatabase> openExamDatabase(const QString& path);

// The program reads db/exam.mdb below its own folder, so the folder above the database's is
// the one its picture paths are appended to.
QString programFolderOf(const QString& databasePath);

struct SysCfgTable {
    std::vector<SysCfgRow> rows; // line = row number in table order
    QStringList problems;        // values the draw cannot read as whole numbers
};
SysCfgTable readSysCfg(SqliteDatabase& database);
