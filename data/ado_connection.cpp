#include "data/ado_connection.h"

#include "data/connection_string.h"
#include "data/database_check.h"
#include "data/db_error.h"
#include "data/schema.h"
#include "data/sqlite_database.h"

AdoConnection::AdoConnection() = default;
AdoConnection::~AdoConnection() = default;

void AdoConnection::setConnectionString(const QString& connectionString) {
    if (connected())
        throw DbError(QStringLiteral("Operation is not allowed when the object is open"));
    connectionString_ = connectionString;
}

void AdoConnection::open() {
    if (connected())
        return;
    const ConnectionParams params = parseConnectionString(connectionString_);
    auto database = std::make_unique<SqliteDatabase>(params.dataSource, params.password,
                                                     SqliteDatabase::OpenMode::ExistingOnly);
    // A damaged or foreign file is refused before anything below writes to it.
    checkExamDatabase(*database);
    database->useWriteAheadLog();
    createLookupIndexes(*database);
    database_ = std::move(database);
}

void AdoConnection::close() {
    database_.reset();
}

SqliteDatabase& AdoConnection::database() const {
    if (!database_)
        throw DbError(QStringLiteral("Connection cannot be used to perform this operation. It is "
                                     "either closed or invalid in this context"));
    return *database_;
}
