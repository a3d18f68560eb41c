#include "data/read_aloud_settings.h"

#include "data/sqlite_database.h"

void createReadAloudTable(SqliteDatabase& database) {
    database.execScript(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS READ_ALOUD (ID INTEGER PRIMARY KEY CHECK (ID = 1), "
        "RATE INTEGER NOT NULL, AUTO_READ INTEGER NOT NULL);"));
}

ReadAloudSettings readReadAloudSettings(SqliteDatabase& database) {
    ReadAloudSettings settings;
    SqliteStatement table(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                   "type = 'table' AND name = 'READ_ALOUD'"));
    if (!table.step() || table.value(0).toInt() == 0)
        return settings;
    SqliteStatement select(database,
                           QStringLiteral("SELECT RATE, AUTO_READ FROM READ_ALOUD WHERE ID = 1"));
    if (select.step()) {
        settings.rate = select.value(0).toInt();
        settings.autoRead = select.value(1).toInt() != 0;
    }
    return settings;
}

void writeReadAloudSettings(SqliteDatabase& database, const ReadAloudSettings& settings) {
    createReadAloudTable(database);
    SqliteStatement write(database, QStringLiteral("INSERT OR REPLACE INTO READ_ALOUD (ID, RATE, "
                                                   "AUTO_READ) VALUES (1, ?, ?)"));
    write.bind(1, settings.rate);
    write.bind(2, settings.autoRead ? 1 : 0);
    write.step();
}
