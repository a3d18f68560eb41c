#pragma once

#include "data/question_rows.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/csv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// One bank as CSV: a header row of the column names, then one record per question in ID order.
// A text that a spreadsheet would run as a formula (it starts with =, +, -, @, a tab or a
// carriage return, after any apostrophes) gets one more apostrophe in front; the import takes
// exactly one away again, so every text comes back as it was.
QByteArray questionsToCsv(const std::vector<QuestionRow>& rows);
QString neutralizeFormulaText(const QString& text);
QString restoreFormulaText(const QString& text);

struct CsvProblem {
    int line = 0;
    int column = 0;
    QString text; // "file:line:column: message"
};

struct CsvQuestions {
    std::vector<QuestionRow> rows;
    std::vector<CsvRecord> records; // the record each row was read from
    std::vector<CsvProblem> problems;
};

// Reads the questions of CSV records whose first record is the header, with all columns or
// without some of the later ones (JX, ZT, ZSD, BS, YD from the end: those then stay empty). ID and
// MARK are read but not used: the import numbers ids afresh and clears every answer. Records that
// are entirely blank (a spreadsheet's trailing rows) are skipped.
CsvQuestions questionsFromCsv(const std::vector<CsvRecord>& records, const QString& fileName);

// "file:line:column: message" for the field of `column` in the record of row `row`, with the
// earlier row's line added for a duplicate.
CsvProblem describeRowProblem(const CsvQuestions& questions, const RowProblem& problem,
                              const QString& fileName);

// In the order of the file, so a maintainer can work down the list.
void sortProblems(std::vector<CsvProblem>& problems);
