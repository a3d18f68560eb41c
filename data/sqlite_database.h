#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Owns one open SQLCipher handle. Opening never creates a file: a missing database is an
// error, not a fresh empty file next to the program.
class SqliteDatabase {
public:
    // ReadOnly never changes a byte of the file: no checkpoint, no journal switch.
    enum class OpenMode { ExistingOnly, CreateIfMissing, ReadOnly };

    SqliteDatabase(const QString& path, const QString& key, OpenMode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* handle() const { return db_; }
    QString path() const { return path_; }

    // The program's own connection: writes through a write-ahead log while it is open, so
    // readers beside it (the bank tool) neither wait nor make it wait, and the file goes back
    // to its rollback journal when the connection closes.
    void useWriteAheadLog();

    // For tests: every COMMIT on this handle fails and rolls back, as it does when the disk
    // fills up at the last moment.
    void refuseCommitsForTests(bool refuse);

    // Runs several statements separated by semicolons, for schema scripts and pragmas.
    void execScript(const QString& sql);
    QString lastError() const;
    // Rows changed by the most recent INSERT, UPDATE or DELETE on this handle.
    int changes() const;
    // Whether a transaction is open on this handle.
    bool inTransaction() const;
    // Transactions committed on this handle since it was opened, autocommits included.
    int commitCount() const { return commits_; }
    // No other handle of this process has had or will have this number, so what a reader keeps
    // from one handle is never taken for another's.
    quint64 serial() const { return serial_; }
    // Changes when another connection commits to the file; this handle's own commits leave it.
    qint64 dataVersion() const;

private:
    friend class SqliteStatement;
    // A prepared statement for `sql`, from the cache when one is free; back with release().
    sqlite3_stmt* acquire(const QByteArray& sql) const;
    void release(sqlite3_stmt* statement) const;

    struct CachedStatement {
        QByteArray sql;
        sqlite3_stmt* statement;
        bool inUse;
    };

    sqlite3* db_ = nullptr;
    QString path_;
    int commits_ = 0;
    quint64 serial_ = 0;
    bool writeAheadLog_ = false;
    // The cache is not part of what the connection holds, so reading through a const handle
    // may fill it.
    mutable std::vector<CachedStatement> statements_;
};

// One prepared statement, taken from its connection's cache and given back, reset, when it goes
// out of scope; a statement text the connection has not seen is prepared once.
class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase& db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int index, const QVariant& value);
    // Makes the statement ready to run again with new bindings.
    void reset();
    // True while a row is available; false when the statement is done.
    bool step();
    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;
    // For readers of many rows, without a QVariant or a string a value: the column as the
    // engine's integer, and its text as the engine holds it (UTF-8, valid until the next step).
    qint64 integer(int column) const;
    QByteArrayView text(int column) const;

private:
    const SqliteDatabase& db_;
    sqlite3_stmt* stmt_ = nullptr;
};
