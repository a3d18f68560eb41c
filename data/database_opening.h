#pragma once

#include "data/connection_string.h"

#include <QString>

#include <future>
#include <memory>

class SqliteDatabase;

// The exam database keyed, read once and looked over, as every open of it begins: the key's
// derivation alone is tens of milliseconds of processor time, and nothing else of the open
// needs a window.
std::unique_ptr<SqliteDatabase> openCheckedExamDatabase(const ConnectionParams& params);

// openCheckedExamDatabase on a thread of its own, started before the windows are built so that
// the key is derived while they are; the connection's open takes the result. Reads only: the
// open itself, on the window's thread, is what first writes to the file.
class DatabaseOpening {
public:
    explicit DatabaseOpening(const QString& connectionString);
    // Waits for the thread; a database nobody took is closed as it was found.
    ~DatabaseOpening();
    DatabaseOpening(const DatabaseOpening&) = delete;
    DatabaseOpening& operator=(const DatabaseOpening&) = delete;

    QString connectionString() const { return connectionString_; }
    // Waits for the thread; throws what the opening threw. Once only.
    std::unique_ptr<SqliteDatabase> take();

private:
    QString connectionString_;
    std::future<std::unique_ptr<SqliteDatabase>> database_;
};
