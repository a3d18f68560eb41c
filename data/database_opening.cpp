#include "data/database_opening.h"

#include "data/clean_close.h"
#include "data/database_check.h"
#include "data/sqlite_database.h"

std::unique_ptr<SqliteDatabase> openCheckedExamDatabase(const ConnectionParams& params) {
    const bool untouched = closedCleanly(params.dataSource);
    auto database = std::make_unique<SqliteDatabase>(
        params.dataSource, DatabaseKey{params.password}, SqliteDatabase::OpenMode::ExistingOnly);
    // A damaged or foreign file is refused before anything writes to it. Reading every page is
    // what grows with the file; a file this program closed and nothing touched since passed
    // that reading when it was opened last.
    checkExamDatabase(*database, untouched ? ExamCheck::Tables : ExamCheck::Full);
    return database;
}

DatabaseOpening::DatabaseOpening(const QString& connectionString)
    : connectionString_(connectionString),
      database_(std::async(std::launch::async, [connectionString] {
          return openCheckedExamDatabase(parseConnectionString(connectionString));
      })) {}

DatabaseOpening::~DatabaseOpening() {
    if (!database_.valid())
        return;
    try {
        database_.get();
    } catch (const std::exception&) {
        // Nobody asked for the open, so nobody is told it failed; the next open will say so.
    }
}

std::unique_ptr<SqliteDatabase> DatabaseOpening::take() {
    return database_.get();
}
