#include "data/ado_query.h"

#include "data/ado_connection.h"
#include "data/db_error.h"
#include "data/sqlite_database.h"

void AdoQuery::setSql(const QString& text) {
    sqlLines_ = text.split(QLatin1Char('\n'));
    bindings_.clear();
}

void AdoQuery::clearSql() {
    sqlLines_.clear();
    bindings_.clear();
}

void AdoQuery::bind(int position, const QVariant& value) {
    bindings_.emplace_back(position, value);
}

void AdoQuery::open() {
    if (active_)
        return;
    if (!connection_)
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    SqliteStatement statement(connection_->database(), sql());
    for (const auto& [position, value] : bindings_)
        statement.bind(position, value);
    if (statement.columnCount() == 0)
        throw DbError(QStringLiteral("CommandText does not return a result set"));
    QStringList columns;
    for (int column = 0; column < statement.columnCount(); ++column)
        columns.append(statement.columnName(column));
    std::vector<std::vector<QVariant>> rows;
    while (statement.step()) {
        std::vector<QVariant> row;
        row.reserve(columns.size());
        for (int column = 0; column < columns.size(); ++column)
            row.push_back(statement.value(column));
        rows.push_back(std::move(row));
    }
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    active_ = true;
    first();
}

void AdoQuery::close() {
    active_ = false;
    columns_.clear();
    rows_.clear();
    current_ = 0;
    eof_ = bof_ = true;
}

int AdoQuery::execSql() {
    if (!connection_)
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    const SqliteDatabase& database = connection_->database();
    SqliteStatement statement(database, sql());
    for (const auto& [position, value] : bindings_)
        statement.bind(position, value);
    while (statement.step()) {
    }
    return database.changes();
}

void AdoQuery::requireActive() const {
    if (!active_)
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed"));
}

void AdoQuery::first() {
    requireActive();
    current_ = 0;
    eof_ = bof_ = rows_.empty();
}

void AdoQuery::next() {
    requireActive();
    bof_ = false;
    if (current_ + 1 < int(rows_.size()))
        ++current_;
    else
        eof_ = true;
}

void AdoQuery::prior() {
    requireActive();
    eof_ = false;
    if (current_ > 0)
        --current_;
    else
        bof_ = true;
    if (rows_.empty())
        eof_ = true;
}

bool AdoQuery::eof() const {
    return !active_ || eof_;
}

bool AdoQuery::bof() const {
    return !active_ || bof_;
}

int AdoQuery::recordCount() const {
    requireActive();
    return int(rows_.size());
}

int AdoQuery::recNo() const {
    if (!active_ || rows_.empty())
        return 0;
    return current_ + 1;
}

qsizetype AdoQuery::columnIndex(const QString& name) const {
    qsizetype column = 0;
    while (column < columns_.size() && columns_.at(column).compare(name, Qt::CaseInsensitive) != 0)
        ++column;
    if (column == columns_.size())
        throw DbError(QStringLiteral("Field '%1' not found").arg(name));
    return column;
}

AdoField AdoQuery::fieldByName(const QString& name) const {
    requireActive();
    const qsizetype column = columnIndex(name);
    if (rows_.empty())
        throwNoCurrentRecord();
    return FieldValue(rows_.at(current_).at(column));
}

Transaction::Transaction(SqliteDatabase& database) : database_(database) {
    // IMMEDIATE takes the write lock at once, so a program writing answers meanwhile makes us
    // wait (or fail) before anything is read for the change, not half-way through it.
    database_.execScript(QStringLiteral("BEGIN IMMEDIATE;"));
}

Transaction::Transaction(AdoConnection& connection) : Transaction(connection.database()) {}

Transaction::~Transaction() {
    if (!open_)
        return;
    try {
        database_.execScript(QStringLiteral("ROLLBACK;"));
    } catch (...) {
        // A failed rollback leaves SQLite to roll back when the handle closes.
    }
}

void Transaction::commit() {
    database_.execScript(QStringLiteral("COMMIT;"));
    open_ = false;
}
