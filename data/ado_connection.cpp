#include "data/ado_connection.h"

#include "data/clean_close.h"
#include "data/connection_string.h"
#include "data/database_opening.h"
#include "data/db_error.h"
#include "data/open_failure.h"
#include "data/schema.h"
#include "data/sqlite_database.h"

#include <QFileInfo>

AdoConnection::AdoConnection() = default;
AdoConnection::~AdoConnection() {
    close();
}

void AdoConnection::setConnectionString(const QString& connectionString) {
    if (connected())
        throw DbError(QStringLiteral("Operation is not allowed when the object is open"));
    connectionString_ = connectionString;
}

void AdoConnection::open() {
    if (connected())
        return;
    const ConnectionParams params = parseConnectionString(connectionString_);
    // Begun ahead for this file or for another: either way the last one.
    const std::unique_ptr<DatabaseOpening> opening = std::move(opening_);
    try {
        auto database = opening && opening->connectionString() == connectionString_
                            ? opening->take()
                            : openCheckedExamDatabase(params);
        // From here on a crash must leave no note that the file was closed cleanly.
        forgetCleanClose(params.dataSource);
        database->useWriteAheadLog();
        createLookupIndexes(*database);
        database_ = std::move(database);
        openFailure_.clear();
    } catch (const std::exception& error) {
        // The open reports the engine's own text once, as it always has; every later use says
        // in the learner's words what is wrong and where.
        openFailure_ =
            describeOpenFailure(QFileInfo(params.dataSource), QString::fromUtf8(error.what()));
        throw;
    }
}

void AdoConnection::adoptOpening(std::unique_ptr<DatabaseOpening> opening) {
    opening_ = std::move(opening);
}

void AdoConnection::close() {
    if (!database_)
        return;
    const QString path = database_->path();
    database_.reset();
    noteCleanClose(path);
}

SqliteDatabase& AdoConnection::database() const {
    if (!database_)
        throw DbError(openFailure_.isEmpty()
                          ? QStringLiteral("题库没有打开，无法进行这项操作。请重新启动本程序。")
                          : openFailure_);
    return *database_;
}
