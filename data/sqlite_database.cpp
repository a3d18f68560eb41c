#include "data/sqlite_database.h"

#include "data/db_error.h"

#include <QFileInfo>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <atomic>

namespace {

// Enough for every statement text the program runs over and over; the draw and an answer use
// a dozen between them.
constexpr std::size_t kStatementCacheSize = 48;

// The engine's own default. The counts and the reset go through partial indexes and the draw
// through the chapter indexes, so what an answer or a paper reads fits easily; a larger cache
// would only keep a big bank's pages, read once at the start of a practice, resident for good.
constexpr int kPageCacheKiB = 2 * 1024;

int countCommit(void* commits) {
    ++*static_cast<int*>(commits);
    return 0;
}

QString quoteLiteral(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

SqliteDatabase::SqliteDatabase(const QString& path, const QString& key, OpenMode mode)
    : path_(path) {
    static std::atomic<quint64> handles{0};
    serial_ = ++handles;
    if (mode != OpenMode::CreateIfMissing && !QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Could not find file '%1'").arg(path));
    const int flags = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY
                      : mode == OpenMode::CreateIfMissing
                          ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                          : SQLITE_OPEN_READWRITE;
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
    sqlite3_commit_hook(db_, countCommit, &commits_);
    try {
        if (!key.isEmpty())
            execScript(QStringLiteral("PRAGMA key = %1;").arg(quoteLiteral(key)));
        // A wrong key or a file that is not ours only shows on the first read.
        execScript(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
        // Every answer must survive a killed process or a power cut once its statement returns.
        execScript(QStringLiteral("PRAGMA synchronous = FULL; PRAGMA foreign_keys = OFF;"
                                  "PRAGMA cache_size = -%1;")
                       .arg(kPageCacheKiB));
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

void SqliteDatabase::refuseCommitsForTests(bool refuse) {
    sqlite3_commit_hook(
        db_, refuse ? [](void*) { return 1; } : static_cast<int (*)(void*)>(nullptr), nullptr);
}

void SqliteDatabase::useWriteAheadLog() {
    // In WAL, FULL syncs the log at every commit: each answer survives a killed process and a
    // power cut once its statement returns (NORMAL would leave the last ones to a power cut),
    // at one sync instead of the rollback journal's four. Checkpoints keep the log at about
    // 1,000 pages, which it then reuses; a log that one large change blew up is cut back to
    // 4 MiB, so it never stays larger than that.
    try {
        SqliteStatement mode(*this, QStringLiteral("PRAGMA journal_mode = WAL"));
        writeAheadLog_ = mode.step() && mode.value(0).toString() == QLatin1String("wal");
    } catch (const DbError&) {
        // Another program holds the file (a reader mid-read, say): it keeps its rollback
        // journal, which works as well, only slower. A full disk or a folder that takes no
        // new file would fail every answer as well, so the open fails now and says so.
        const int code = sqlite3_errcode(db_) & 0xFF;
        if (code == SQLITE_FULL || code == SQLITE_READONLY || code == SQLITE_CANTOPEN ||
            code == SQLITE_IOERR)
            throw;
    }
    execScript(QStringLiteral("PRAGMA synchronous = FULL; PRAGMA wal_autocheckpoint = 1000;"
                              "PRAGMA journal_size_limit = 4194304;"));
}

SqliteDatabase::~SqliteDatabase() {
    for (const CachedStatement& cached : statements_)
        sqlite3_finalize(cached.statement);
    if (writeAheadLog_) {
        // Back to the rollback journal for the file at rest, so a reader in a read-only folder
        // (the bank tool's check) can open it; a WAL file needs its -shm beside it. While
        // another connection still has the file open this fails at once and the file stays in
        // WAL, which that connection reads and writes as well.
        sqlite3_busy_timeout(db_, 0);
        // The log folded into the file first: should another connection keep the file in WAL,
        // the file copied alone still holds every answer.
        sqlite3_exec(db_, "PRAGMA wal_checkpoint(TRUNCATE);", nullptr, nullptr, nullptr);
        sqlite3_exec(db_, "PRAGMA journal_mode = DELETE;", nullptr, nullptr, nullptr);
    }
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

qint64 SqliteDatabase::dataVersion() const {
    SqliteStatement version(*this, QStringLiteral("PRAGMA data_version"));
    return version.step() ? version.value(0).toLongLong() : 0;
}

int SqliteDatabase::changes() const {
    return sqlite3_changes(db_);
}

bool SqliteDatabase::inTransaction() const {
    return db_ && sqlite3_get_autocommit(db_) == 0;
}

QString SqliteDatabase::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

sqlite3_stmt* SqliteDatabase::acquire(const QByteArray& sql) const {
    for (CachedStatement& cached : statements_) {
        if (!cached.inUse && cached.sql == sql) {
            cached.inUse = true;
            return cached.statement;
        }
    }
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &statement, &tail) != SQLITE_OK)
        throw DbError(lastError());
    if (!statement)
        throw DbError(QStringLiteral("Command text was not set for the command object"));
    // One command is one statement: anything after it would otherwise be silently dropped.
    if (tail && !QByteArray(tail).trimmed().isEmpty() && QByteArray(tail).trimmed() != ";") {
        sqlite3_finalize(statement);
        throw DbError(QStringLiteral("Characters found after end of SQL statement"));
    }
    if (statements_.size() >= kStatementCacheSize) {
        const auto idle = std::find_if(statements_.begin(), statements_.end(),
                                       [](const CachedStatement& cached) { return !cached.inUse; });
        if (idle != statements_.end()) {
            sqlite3_finalize(idle->statement);
            statements_.erase(idle);
        }
    }
    statements_.push_back({sql, statement, true});
    return statement;
}

void SqliteDatabase::release(sqlite3_stmt* statement) const {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (CachedStatement& cached : statements_) {
        if (cached.statement == statement) {
            cached.inUse = false;
            return;
        }
    }
    sqlite3_finalize(statement);
}

SqliteStatement::SqliteStatement(const SqliteDatabase& db, const QString& sql) : db_(db) {
    stmt_ = db.acquire(sql.toUtf8());
}

SqliteStatement::~SqliteStatement() {
    db_.release(stmt_);
}

void SqliteStatement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
    } else if (value.typeId() == QMetaType::Double) {
        rc = sqlite3_bind_double(stmt_, index, value.toDouble());
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

qint64 SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

QByteArrayView SqliteStatement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QByteArrayView(bytes, bytes == nullptr ? 0 : sqlite3_column_bytes(stmt_, column));
}
