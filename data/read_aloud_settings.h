#pragma once

class SqliteDatabase;

// How questions are read aloud: the voice's speed in words a minute, and whether each question
// is read as it appears. One row of a table of their own, beside the original settings.
struct ReadAloudSettings {
    int rate = 150;
    bool autoRead = false;
};

void createReadAloudTable(SqliteDatabase& database);
// The stored row, or the defaults when there is none (or no table, in a read-only old file).
ReadAloudSettings readReadAloudSettings(SqliteDatabase& database);
void writeReadAloudSettings(SqliteDatabase& database, const ReadAloudSettings& settings);
