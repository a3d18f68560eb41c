#pragma once

#include "data/answer_code.h"
#include "data/bank_columns.h"
#include "data/bank_source.h"
#include "data/bank_table.h"
#include "data/database_key.h"

#include <QString>

#include <vector>

class SqliteDatabase;

// One row of a question-bank table (B2 or C), column for column.
struct QuestionRow {
    qint64 id = 0; // a hand-edited file may hold any 64-bit id
    QString tp;
    QString stnr;
    QString da[4];
    AnswerCode answer = AnswerCode::NotAnswered;
    AnswerCode mark = AnswerCode::NotAnswered;
    int stlb = 1;
    int stzlb1 = 0;
    int stlx = 0; // 1 true/false, 2 single choice
    int stbh = 0; // number within the chapter
    QString jx;   // explanation; empty for none
    QString zt;   // topics, blank-separated (data/topics.h); empty for none yet
    QString zsd;  // fact key: the rule the question tests
    QString bs;   // variant note: why this is a deliberate second side of its fact
    QString yd;   // settled notes, one a line: "PARTNER-FACT-KEY why both stay"
};

inline constexpr const char* kPictureFolder = "pic";

// Orders chapter by chapter, true/false before single choice, keeping file order otherwise,
// and numbers the ids so that every chapter's ids run without a gap.
std::vector<QuestionRow> numberQuestions(const std::vector<BankQuestion>& questions);

// The same order and numbering for rows that already carry their sort keys: by STZLB1, STLB,
// STLX, STBH (given order among equals), then ID and STBH renumbered from 1 so that id order
// is the sequential order and each chapter's ids run without a gap.
void renumberQuestions(std::vector<QuestionRow>& rows);

int chapterSize(const std::vector<QuestionRow>& rows, int chapter);

// Refuses, with file and line, duplicate question texts within one bank and pictures that
// are not in `pictureDir` (skipped when `pictureDir` is empty).
void validateBank(const std::vector<BankQuestion>& questions, const QString& pictureDir);

// Refuses a SYS_CFG count that a chapter of either bank cannot fill.
void validateSysCfg(const std::vector<SysCfgRow>& rows,
                    const std::vector<std::vector<QuestionRow>*>& banks);

void insertQuestions(SqliteDatabase& database, const QString& table,
                     const std::vector<QuestionRow>& rows);
std::vector<QuestionRow> readQuestions(SqliteDatabase& database, const QString& table);

// Builds a complete exam database at `path`, replacing any file there only once the new one
// is complete.
void writeExamDatabase(const QString& path, const DatabaseKey& key, const BankSources& sources,
                       const QString& pictureDir);
