#pragma once

#include <QString>

#include <memory>

class DatabaseOpening;
class SqliteDatabase;

// The one connection to the exam database, opened from an OLE DB style connection string.
class AdoConnection {
public:
    AdoConnection();
    ~AdoConnection();
    AdoConnection(const AdoConnection&) = delete;
    AdoConnection& operator=(const AdoConnection&) = delete;

    QString connectionString() const { return connectionString_; }
    void setConnectionString(const QString& connectionString);
    // The open begun ahead (see DatabaseOpening): open() takes its database when it opens the
    // same connection string.
    void adoptOpening(std::unique_ptr<DatabaseOpening> opening);
    void open();
    void close();
    bool connected() const { return bool(database_); }

    // Throws DbError when not connected, so every statement fails with a clear message: in
    // Chinese, naming the file, its folder and why the last open failed.
    SqliteDatabase& database() const;

private:
    QString connectionString_;
    QString openFailure_;
    std::unique_ptr<SqliteDatabase> database_;
    std::unique_ptr<DatabaseOpening> opening_;
};
