#pragma once

#include "data/answer_code.h"

#include <QString>

#include <functional>

class SqliteDatabase;

// One question of the drawn paper (S_MARK) as the wrong-answer list reads it from the bank.
struct WrongQuestion {
    int position = 0; // 1-based place in the paper, the number it had during the exercise
    QString text;
    QString choices[4];
    AnswerCode answer = AnswerCode::D;
    AnswerCode mark = AnswerCode::NotAnswered;
};

// The bank is a checked table name ("B2" or "C"); nothing else goes into the statements.

// How many of the paper's questions hold an answer other than the right one.
int countWrongPaperQuestions(const SqliteDatabase& database, const QString& bank);
// Hands each question of the paper whose answer is not the right one to `each`, in id order.
// Every row is read before the first is handed on; a MARK or ANSWER that is no whole number
// throws DbError at its row, after the rows before it were handed on.
void forEachWrongPaperQuestion(const SqliteDatabase& database, const QString& bank,
                               const std::function<void(const WrongQuestion&)>& each);
