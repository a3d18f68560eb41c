#include "data/sqlite_database.h"

#include "data/db_error.h"

#include <QFileInfo>

#include <sqlcipher/sqlite3.h>

namespace {

QString quoteLiteral(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

SqliteDatabase::SqliteDatabase(const QString& path, const QString& key, OpenMode mode)
    : path_(path) {
    if (mode == OpenMode::ExistingOnly && !QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Could not find file '%1'").arg(path));
    const int flags =
        SQLITE_OPEN_READWRITE | (mode == OpenMode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        // sqlite3_close_v2 also releases a handle whose open failed half-way.
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw DbError(message);
    }
    sqlite3_busy_timeout(db_, 5000);
    try {
        if (!key.isEmpty())
            execScript(QStringLiteral("PRAGMA key = %1;").arg(quoteLiteral(key)));
        // A wrong key or a file that is not ours only shows on the first read.
        execScript(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
        // Every answer must survive a killed process or a power cut once its statement returns.
        execScript(QStringLiteral("PRAGMA synchronous = FULL; PRAGMA foreign_keys = OFF;"));
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

SqliteDatabase::~SqliteDatabase() {
    // close_v2 defers the close until the last statement is finalised instead of failing.
    sqlite3_close_v2(db_);
}

void SqliteDatabase::execScript(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : lastError();
        sqlite3_free(error);
        throw DbError(message);
    }
}

int SqliteDatabase::changes() const {
    return sqlite3_changes(db_);
}

QString SqliteDatabase::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

SqliteStatement::SqliteStatement(const SqliteDatabase& db, const QString& sql) : db_(db) {
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db.handle(), text.constData(), int(text.size()), &stmt_, &tail) !=
        SQLITE_OK)
        throw DbError(db.lastError());
    if (!stmt_)
        throw DbError(QStringLiteral("Command text was not set for the command object"));
    // One command is one statement: anything after it would otherwise be silently dropped.
    if (tail && !QByteArray(tail).trimmed().isEmpty() && QByteArray(tail).trimmed() != ";") {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DbError(QStringLiteral("Characters found after end of SQL statement"));
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
    } else {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(stmt_, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        throw DbError(db_.lastError());
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DbError(db_.lastError());
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

QVariant SqliteStatement::value(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                              sqlite3_column_bytes(stmt_, column)));
    }
}
