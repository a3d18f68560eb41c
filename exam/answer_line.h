#pragma once

#include "data/answer_code.h"
#include "exam/exercise_kind.h"

#include <QString>

// The line under the choices before anything is chosen.
inline const QString kAnswerLinePrefix = QStringLiteral("当前选择答案为：");

// Whether the answer line may say right or wrong: never during the mock exam, otherwise as
// the "show answer" setting says.
bool mayShowVerdict(ExamMode examMode, int ifShow);

// "当前选择答案为：答案二 正确" and the like, for the answer chosen (`answered.mark`, not "not
// answered") to a question whose right answer is `answered.answer`.
QString answerLine(const AnswerAndMark& answered, ExamMode examMode, int ifShow);
