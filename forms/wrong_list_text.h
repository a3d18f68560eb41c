#pragma once

#include "data/answer_code.h"

#include <QString>
#include <QStringList>

// "A", "B", "C", "D" for the stored codes 1, 2, 3, 0; "未选" for 5; empty for anything else.
QString AnswerCodeToLetter(AnswerCode code);

// One question of the paper as the wrong-answer list reads it from the bank.
struct WrongQuestion {
    int position = 0; // 1-based place in the paper, the number it had during the exercise
    QString text;
    QString choices[4];
    AnswerCode answer = AnswerCode::D;
    AnswerCode mark = AnswerCode::NotAnswered;
};

// Each entry is added to the list as a line of its own, so it ends up followed by one more
// line break than it carries.
QString wrongListHeader(int wrongCount);
QStringList wrongQuestionEntries(const WrongQuestion& question);
