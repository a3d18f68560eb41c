#pragma once

class SqliteDatabase;

// Creates every table of the exam database in an empty file.
void createExamSchema(SqliteDatabase& database);
