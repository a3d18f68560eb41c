// Turns a copy of the shipped database into the next version's: in each bank a new question
// at the front of chapter 1, so every old question moves to another id, and the stamp of the
// given version. The package test installs it over the learner's copy of the old one.
#include "data/bank_stamp.h"
#include "data/connection_string.h"
#include "data/sqlite_database.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: next_bank_fixture DB VERSION\n");
        return 2;
    }
    try {
        SqliteDatabase database(QString::fromLocal8Bit(argv[1]), examDatabaseKey(),
                                SqliteDatabase::OpenMode::ExistingOnly);
        for (const char* bank : {"B2", "C"}) {
            database.execScript(
                QStringLiteral(
                    "UPDATE %1 SET ID = -ID; UPDATE %1 SET ID = 1 - ID;"
                    "INSERT INTO %1 (ID, TP, STNR, DA1, DA2, DA3, DA4, ANSWER, MARK, "
                    "STLB, STZLB1, STLX, STBH) VALUES (1, '', "
                    "'新版题库的第一题：驾驶机动车上路前应当检查车况。', '正确', '错误', "
                    "'', '', 1, 5, 1, 1, 1, 0);")
                    .arg(QLatin1String(bank)));
        }
        writeBankStamp(database, {QString::fromLocal8Bit(argv[2]), digestBankTables(database)});
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
