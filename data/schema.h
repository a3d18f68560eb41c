#pragma once

class SqliteDatabase;

// Creates every table of the exam database in an empty file.
void createExamSchema(SqliteDatabase& database);

// Brings a file of an earlier version up to the current schema, keeping every row; does
// nothing to a current one. Safe to call on every open.
void migrateExamSchema(SqliteDatabase& database);

// The indexes the draw and the answer counts need; a file of an earlier version gets them at
// open. Safe to call on every open.
void createLookupIndexes(SqliteDatabase& database);
