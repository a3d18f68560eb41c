#pragma once

#include "data/answer_code.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class SqliteDatabase;

// The rows an exercise reads and writes, typed, each through one bound, prepared statement.
// The bank is a checked table name ("B2" or "C"); everything else is bound. Values convert as
// the cursor-style query always read them: NULL as 0 or empty text, text that is no whole
// number as an error.

// One question of an exercise's list, as the question panel shows it.
struct ExerciseQuestion {
    int id = 0;
    QString tp;
    QString stnr;
    QString da[4];
};

// A place in an exercise's list: the question's id, and its texts when the list was read with
// them (a paper). A practice's list holds ids only, a few bytes a question however long the
// bank: the texts are read when the question is shown.
struct ListedQuestion {
    int id = 0;
    std::unique_ptr<const ExerciseQuestion> texts;
};

// The settings row (sysparam, id 1); nothing when there is none.
struct ExerciseSettings {
    int timer1 = 0;
    int timer2 = 0;
    int ifJump = 0;
    int ifShow = 0;
};
std::optional<ExerciseSettings> readExerciseSettings(const SqliteDatabase& database);

// Every stored answer of the bank back to "not answered".
void clearBankMarks(SqliteDatabase& database, const QString& bank);
// The rotation pool of the draw starts empty with every run of the program.
void clearDrawPool(const SqliteDatabase& database);

// The question lists of the practices, ids only: the whole bank, one chapter, given ids in
// their order.
std::vector<ListedQuestion> readBankQuestions(SqliteDatabase& database, const QString& bank);
// The texts of one question of a list read without them; empty texts when it is gone.
ExerciseQuestion readQuestionTexts(const SqliteDatabase& database, const QString& bank, int id);
std::vector<ListedQuestion> readChapterQuestions(SqliteDatabase& database, const QString& bank,
                                                 int chapter);
std::vector<ListedQuestion> readQuestionsInOrder(SqliteDatabase& database, const QString& bank,
                                                 const std::vector<int>& ids);

// The right answer and the stored one of the question with `id`; throws DbError when the
// question is no longer in the bank.
AnswerAndMark readAnswerAndMark(const SqliteDatabase& database, const QString& bank, int id);
// The stored answer only; nothing when the question is gone.
std::optional<AnswerCode> readMark(const SqliteDatabase& database, const QString& bank, int id);
// Stores `mark`; returns the rows changed (0: the question is gone).
int writeMark(const SqliteDatabase& database, const QString& bank, int id, AnswerCode mark);

// The practice counters: questions answered right, and answered at all, in the whole bank.
QString countRightAnswers(const SqliteDatabase& database, const QString& bank);
int countAnswered(const SqliteDatabase& database, const QString& bank);
// Right answers among the drawn paper's questions (S_MARK).
int countPaperRightAnswers(const SqliteDatabase& database, const QString& bank);
