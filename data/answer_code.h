#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The codes an answer is stored under in ANSWER and MARK. D is 0, not 4, and "not answered"
// is 5; the bank files, the database, the answer line and the wrong-answer list all agree on
// them, so they are named once, here. A hand-edited file may hold any other number: it is kept
// as it is, so that it equals no choice, as it always did.
enum class AnswerCode : int { D = 0, A = 1, B = 2, C = 3, NotAnswered = 5 };

// A question's right answer and the answer it holds, its ANSWER and MARK.
struct AnswerAndMark {
    AnswerCode answer = AnswerCode::D;
    AnswerCode mark = AnswerCode::D;
};

// Where a code meets the ANSWER and MARK columns.
constexpr AnswerCode answerCodeFromColumn(int value) {
    return static_cast<AnswerCode>(value);
}
constexpr int answerCodeToColumn(AnswerCode code) {
    return static_cast<int>(code);
}

// Nothing when the letter is not A..D.
std::optional<AnswerCode> answerCodeForLetter(QChar letter);
// 0..3 for A..D, the choice's place on the panel and in DA1..DA4; -1 for any other code.
int choiceIndex(AnswerCode code);
// '?' when the code is not one of A..D.
QChar letterForAnswerCode(AnswerCode code);
// "答案一" .. "答案四" as the answer line names a choice; empty for any other code.
QString answerName(AnswerCode code);
