#pragma once

#include "data/answer_code.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>

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

// Reads of the study pane. The bank is checked and spliced; every other value is bound.
StudyText readStudyText(const SqliteDatabase& database, const QString& bank, int id);
// The right and stored answers of `ids`, in their order; an id no longer in the bank reads as
// unanswered. A short list (a paper) is read row by row, so it costs what the list holds.
QVector<AnswerAndMark> readAnswersAndMarks(const SqliteDatabase& database, const QString& bank,
                                           const QVector<int>& ids);
// What the answer sheet needs of `ids` when it is laid out: as readAnswersAndMarks reads them
// for a short list; for a long one (a whole-bank practice) only the answered questions are
// read, through the index of answered rows, and `answersComplete` is false: the right answer
// of a question not answered yet is read when it is answered.
struct SheetRows {
    QVector<AnswerAndMark> rows;
    bool answersComplete = true;
};
SheetRows readSheetRows(const SqliteDatabase& database, const QString& bank,
                        const QVector<int>& ids);
// Those of `ids` that the learner marked as favourites, read as readAnswersAndMarks reads.
QSet<int> favouritesAmong(SqliteDatabase& database, const QString& bank, const QVector<int>& ids);
// (chapter, questions) in chapter order.
QList<std::pair<int, int>> readChapterSizes(const SqliteDatabase& database, const QString& bank);

// The chapter sizes, grouped once per bank and kept while the file cannot have changed them:
// the same handle (the file not opened again) and no commit of another connection (an import).
class ChapterSizeCache {
public:
    QList<std::pair<int, int>> sizes(const SqliteDatabase& database, const QString& bank);

private:
    quint64 handle_ = 0;
    qint64 version_ = 0;
    QHash<QString, QList<std::pair<int, int>>> sizes_;
};
