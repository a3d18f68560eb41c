// Prints the first column of the first row of a query on an exam database, for the
// end-to-end script that watches the program's answers arrive.
#include "data/connection_string.h"
#include "data/sqlite_database.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: exam_db_query DB SQL\n");
        return 2;
    }
    try {
        SqliteDatabase database(QString::fromLocal8Bit(argv[1]), examDatabaseKey(),
                                SqliteDatabase::OpenMode::ExistingOnly);
        SqliteStatement statement(database, QString::fromUtf8(argv[2]));
        if (statement.step())
            std::printf("%s\n", qPrintable(statement.value(0).toString()));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
