#pragma once

class SqliteDatabase;

enum class ExamCheck {
    Full,   // every page, the tables and columns, and the whole numbers
    Tables, // the tables and columns the program reads only: for a file untouched since a full one
};

// Looks an exam database over before the program works with it: every page readable and
// consistent, the tables and columns the program reads present, and whole numbers wherever
// it reads one. Reads only. Throws DbError with a text that names the file and what is wrong.
void checkExamDatabase(SqliteDatabase& database, ExamCheck depth = ExamCheck::Full);
