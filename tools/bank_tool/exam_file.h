#pragma once

#include "data/bank_source.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class DatabaseLock;
class SqliteDatabase;

// Opens an existing exam database with the program's own password, read-only: reading never
// changes a byte of the file. Refused while a log left by a program that did not close holds
// answers the file lacks (a running program's own log is read as it stands).
std::unique_ptr<SqliteDatabase> openExamDatabase(const QString& path);

// For a command that writes: the database's lock first, so that nothing is read for the change
// while a running program could still write; then the database. Throws DatabaseInUse while a
// running program holds the lock.
struct WritableExamDatabase {
    std::unique_ptr<DatabaseLock> lock;
    std::unique_ptr<SqliteDatabase> database;
    WritableExamDatabase();
    WritableExamDatabase(WritableExamDatabase&&) noexcept;
    ~WritableExamDatabase();
};
WritableExamDatabase openExamDatabaseForWriting(const QString& path);

// The program reads db/exam.mdb below its own folder, so the folder above the database's is
// the one its picture paths are appended to.
QString programFolderOf(const QString& databasePath);

struct SysCfgTable {
    std::vector<SysCfgRow> rows; // line = row number in table order
    QStringList problems;        // values the draw cannot read as whole numbers
};
SysCfgTable readSysCfg(SqliteDatabase& database);
