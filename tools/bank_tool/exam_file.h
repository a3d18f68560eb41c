#pragma once

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

// Everything between construction and commit() happens as a whole or not at all.
class Transaction {
public:
    explicit Transaction(SqliteDatabase& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteDatabase& database_;
    bool open_ = true;
};
