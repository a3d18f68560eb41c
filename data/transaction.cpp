#include "data/transaction.h"

#include "data/sqlite_database.h"

Transaction::Transaction(SqliteDatabase& database)
    : database_(database), nested_(database.inTransaction()) {
    // IMMEDIATE takes the write lock at once, so a program writing answers meanwhile makes us
    // wait (or fail) before anything is read for the change, not half-way through it.
    database_.execScript(nested_ ? QStringLiteral("SAVEPOINT nested;")
                                 : QStringLiteral("BEGIN IMMEDIATE;"));
}

Transaction::~Transaction() {
    if (!open_)
        return;
    try {
        database_.execScript(nested_ ? QStringLiteral("ROLLBACK TO nested; RELEASE nested;")
                                     : QStringLiteral("ROLLBACK;"));
    } catch (...) {
        // A failed rollback leaves SQLite to roll back when the handle closes.
    }
}

void Transaction::commit() {
    database_.execScript(nested_ ? QStringLiteral("RELEASE nested;") : QStringLiteral("COMMIT;"));
    open_ = false;
}
