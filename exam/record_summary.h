#pragma once

#include "data/learning_record.h"

#include <QString>

#include <map>
#include <vector>

// How many of the newest mock exams the readiness line looks at.
inline constexpr int kReadinessPapers = 5;
// How many of the newest papers the per-chapter accuracy sums.
inline constexpr int kChapterAccuracyPapers = 10;

// One line on how ready the learner is, from the mock exams (not mock practice, which shows the
// answers) of `papers`, oldest first as the record keeps them: "最近5次模拟考试全部及格，平均
// 95分", "最近5次模拟考试及格3次，平均88分", or with fewer than five how many there were.
QString readinessLine(const std::vector<PaperRecord>& papers);

// Per chapter, the questions and right answers of the newest `count` papers of any mode.
std::map<int, ChapterTally> chapterAccuracy(const std::vector<PaperRecord>& papers,
                                            int count = kChapterAccuracyPapers);

// How the record names a bank and a mode to the learner.
QString bankDisplayName(const QString& bank);
QString examModeDisplayName(int examMode);
// "12分05秒".
QString durationText(int seconds);

// The papers as a table a driving school opens in a spreadsheet: UTF-8 with a byte-order mark
// (so that Chinese reads right when the file is opened by double-click), CRLF line ends.
QByteArray papersCsv(const std::vector<PaperRecord>& papers);
