#pragma once

#include "data/answer_code.h"

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

class SqliteDatabase;

// What the study pane says about one question: its right answer and why.
struct StudyText {
    AnswerCode answer = AnswerCode::D;
    QString choices[4]; // DA1..DA4 as stored
    QString explanation;
};

// "正确答案：B. 在路口前停车" as the pane and the answer window write it.
QString rightAnswerLine(const StudyText& text);

// The questions per chapter of a bank, for the start screen: "大型货车B2题库共 6 题：…".
// The start screen's line after a new bank came in with a package.
QString bankUpdateLine(const QString& version, qint64 newQuestions);
QString bankSummary(const QString& bank, const QList<std::pair<int, int>>& chapterSizes);

struct AnswerAndMark {
    AnswerCode answer = AnswerCode::D;
    AnswerCode mark = AnswerCode::D;
};

// Reads of the study pane. The bank is checked and spliced; every other value is bound.
StudyText readStudyText(const SqliteDatabase& database, const QString& bank, int id);
QHash<int, AnswerAndMark> readAnswersAndMarks(const SqliteDatabase& database, const QString& bank);
// (chapter, questions) in chapter order.
QList<std::pair<int, int>> readChapterSizes(const SqliteDatabase& database, const QString& bank);
