#pragma once

#include <QChar>
#include <QString>

// The codes an answer is stored under in ANSWER and MARK. D is 0, not 4, and "not answered"
// is 5; the bank files, the database, the answer line and the wrong-answer list all agree on
// them, so they are named once, here.
namespace AnswerCode {
inline constexpr int A = 1;
inline constexpr int B = 2;
inline constexpr int C = 3;
inline constexpr int D = 0;
inline constexpr int NotAnswered = 5;
} // namespace AnswerCode

// -1 when the letter is not A..D.
int answerCodeForLetter(QChar letter);
// '?' when the code is not one of A..D.
QChar letterForAnswerCode(int code);
// "答案一" .. "答案四" as the answer line names a choice; empty for any other code.
QString answerName(int code);
