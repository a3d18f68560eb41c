#pragma once

#include "data/bank_source.h"
#include "data/question_rows.h"

#include <QString>
#include <QStringList>

#include <vector>

// The columns of a bank table in table order, which is also the CSV column order. Files of
// earlier versions end before JX, or before ZT.
enum class BankColumn {
    Id,
    Tp,
    Stnr,
    Da1,
    Da2,
    Da3,
    Da4,
    Answer,
    Mark,
    Stlb,
    Stzlb1,
    Stlx,
    Stbh,
    Jx,
    Zt,
    Zsd,
    Bs,
    Yd
};
inline constexpr int kBankColumnCount = 18;
// The columns every file has; the later ones (JX to YD) may be left off from the end.
inline constexpr int kRequiredBankColumnCount = 13;
QString bankColumnName(BankColumn column);
QStringList bankColumnNames();

struct RowProblem {
    int row = 0; // index into the rows checked
    BankColumn column = BankColumn::Id;
    QString message;
    int earlierRow = -1; // for a duplicate: the row that has the text first
};

// The longest text a column may hold, in characters: far above any real question (the longest
// are a few hundred), far below what makes the program slow to load a bank. 0 for the
// numeric columns.
int maxTextLength(BankColumn column);

// Two for a true/false question, four for single choice, 0 when DA3 and DA4 disagree.
int choiceCount(const QuestionRow& row);

// What every question needs for the program to show, score and order it. A picture is looked
// for as the program does, TP appended to `programDir`; an empty `programDir` skips the look-up.
std::vector<RowProblem> findRowProblems(const std::vector<QuestionRow>& rows,
                                        const QString& programDir);

// Chapters whose ids do not run without a gap: the paper draw picks ids from the smallest up.
QStringList findIdGaps(const std::vector<QuestionRow>& rows);

struct NamedBank {
    QString name;
    const std::vector<QuestionRow>* rows = nullptr;
};

// SYS_CFG rows that draw more questions than their chapter holds in one of the banks.
QStringList findSysCfgFitProblems(const std::vector<SysCfgRow>& sysCfg,
                                  const std::vector<NamedBank>& banks);

// A chapter drawn by two rows, or no row that draws anything (the program then refuses to
// draw a paper).
QStringList findSysCfgShapeProblems(const std::vector<SysCfgRow>& sysCfg);

struct ChapterSummary {
    int chapter = 0;
    int questions = 0;
    int trueFalse = 0;
    int fourChoice = 0;
    int pictures = 0;
};
std::vector<ChapterSummary> summarizeChapters(const std::vector<QuestionRow>& rows);
