#include "data/ado_connection.h"

#include "data/connection_string.h"
#include "data/database_check.h"
#include "data/db_error.h"
#include "data/open_failure.h"
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
    try {
        auto database = std::make_unique<SqliteDatabase>(params.dataSource, params.password,
                                                         SqliteDatabase::OpenMode::ExistingOnly);
        // A damaged or foreign file is refused before anything below writes to it.
        checkExamDatabase(*database);
        database->useWriteAheadLog();
        createLookupIndexes(*database);
        database_ = std::move(database);
        openFailure_.clear();
    } catch (const std::exception& error) {
        // The open reports the engine's own text once, as it always has; every later use says
        // in the learner's words what is wrong and where.
        openFailure_ = describeOpenFailure(params.dataSource, QString::fromUtf8(error.what()));
        throw;
    }
}

void AdoConnection::close() {
    database_.reset();
}

SqliteDatabase& AdoConnection::database() const {
    if (!database_)
        throw DbError(openFailure_.isEmpty()
                          ? QStringLiteral("题库没有打开，无法进行这项操作。请重新启动本程序。")
                          : openFailure_);
    return *database_;
}
