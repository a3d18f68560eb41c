#pragma once

#include <QString>

#include <vector>

class SqliteDatabase;

// The questions of a practice, as ids of a bank table in the order practice shows them: the
// order of sequential practice (STLB, STZLB1, STLX, STBH) unless said otherwise. The bank is
// checked and spliced; every other value is bound.

std::vector<int> bankOrderIds(SqliteDatabase& database, const QString& bankTable);
std::vector<int> chapterIds(SqliteDatabase& database, const QString& bankTable, int chapter);
// The questions whose ZT column names the topic; none in a file without that column.
std::vector<int> topicIds(SqliteDatabase& database, const QString& bankTable, const QString& topic);

// Kinds read from the row: two choices make a true/false question, four a four-choice one;
// a picture may go with either.
enum class QuestionKind { TrueFalse, FourChoice, Picture };
std::vector<int> kindIds(SqliteDatabase& database, const QString& bankTable, QuestionKind kind);
QString kindName(QuestionKind kind);
