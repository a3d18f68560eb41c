// The floor of start-up: opens the file as the program does (key, first read, sync level, page
// cache, write-ahead log, the pool emptied), shows the start screen's texts in their faces, and
// returns the file to its rollback journal when its window is closed.
//   startup_floor PROGRAM_FOLDER
#include "bench/same_text_window.h"
#include "data/connection_string.h"

#include <QApplication>

#include <sqlcipher/sqlite3.h>

#include <string>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    QApplication app(argc, argv);
    const std::string database = std::string(argv[1]) + "/db/exam.mdb";
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    const std::string key = std::string("PRAGMA key = '") + kExamDatabasePassword + "';";
    sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "SELECT count(*) FROM sqlite_master; PRAGMA synchronous = FULL; "
                 "PRAGMA cache_size = -2048; PRAGMA journal_mode = WAL; "
                 "delete from exam_temp;",
                 nullptr, nullptr, nullptr);
    SameTextWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    const int result = QApplication::exec();
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode = DELETE;", nullptr,
                 nullptr, nullptr);
    sqlite3_close_v2(db);
    return result;
}
