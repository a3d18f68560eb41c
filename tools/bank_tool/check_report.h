#pragma once

#include "data/question_rows.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"
#include "tools/bank_tool/testwise_answerer.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <vector>

class SqliteDatabase;

struct BankReport {
    QString name;
    std::vector<QuestionRow> rows;
    QStringList problems;
    // Topics, fact keys, variant and settled notes: kept apart so that a bank written before
    // questions were tagged shows its other problems on their own.
    QStringList factProblems;
    // Pairs a reader has not settled yet (a shared picture, a right choice in another stem).
    QStringList pairsToRead;
    std::vector<TestwiseTally> testwise;
};

struct CheckReport {
    std::vector<BankReport> banks; // B2, then C
    SysCfgTable sysCfg;
    QStringList problems; // SYS_CFG and sysparam
    int problemCount() const;
};

// Everything the program relies on in both banks, SYS_CFG and sysparam; pictures are looked
// for below `programDir`.
CheckReport checkExamDatabase(SqliteDatabase& database, const QString& programDir);

// The per-chapter summary of every bank on `streams.out`, each problem on `streams.err` after
// `databasePath`.
void printCheckReport(const CheckReport& report, const QString& databasePath, ToolStreams streams);
