#pragma once

#include <QString>

class SqliteDatabase;

// What a database says of the bank it carries: the version of the program that built it and a
// digest of the bank tables' contents, so that a learner's copy can tell a newer bank apart
// from its own even when the version did not change.
struct BankStamp {
    QString version;
    QString digest;

    bool isEmpty() const { return digest.isEmpty(); }
};

// The stamp of `database`; empty for a file built before stamps existed.
BankStamp readBankStamp(SqliteDatabase& database);
// Digests the bank tables (B2, C, SYS_CFG) as they are now, answers (MARK) left out.
QString digestBankTables(SqliteDatabase& database);
// Writes the stamp; the builder calls it once the banks are in place.
void writeBankStamp(SqliteDatabase& database, const BankStamp& stamp);
