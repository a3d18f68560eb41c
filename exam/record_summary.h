#pragma once

#include "data/record_figures.h"

#include <QString>

#include <vector>

// How many of the newest mock exams the readiness line looks at.
inline constexpr int kReadinessPapers = 5;
// How many of the newest papers the per-chapter accuracy sums.
inline constexpr int kChapterAccuracyPapers = 10;

// One line on how ready the learner is, from the newest mock exams of one bank (not mock
// practice, which shows the answers), newest first and at most kReadinessPapers of them:
// "最近5次模拟考试全部及格，平均95分", "最近5次模拟考试及格3次，平均88分", or with fewer
// than five how many there were.
QString readinessLine(const std::vector<PaperLine>& newestExams);

// Says how many rows of the record were left out as damaged; empty when none were.
QString damagedLine(const DamagedRows& damaged);

// A chapter's right answers in per cent, rounded down so that 99.6 % never reads as 100.
int accuracyPercent(const ChapterSum& sum);

// How the record names a bank and a mode to the learner.
QString bankDisplayName(const QString& bank);
QString examModeDisplayName(int examMode);
// "12分05秒".
QString durationText(int seconds);

// The papers, oldest first, as a table a driving school opens in a spreadsheet: UTF-8 with a
// byte-order mark (so that Chinese reads right when the file is opened by double-click), CRLF
// line ends.
QByteArray papersCsv(const std::vector<PaperLine>& papers);
