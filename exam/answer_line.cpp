#include "exam/answer_line.h"

#include "data/answer_code.h"
#include "exam/exercise_kind.h"

bool mayShowVerdict(ExamMode examMode, int ifShow) {
    return examMode != ExamMode::MockExam && ifShow == 1;
}

QString answerLine(const AnswerAndMark& answered, ExamMode examMode, int ifShow) {
    QString line = kAnswerLinePrefix + answerName(answered.mark);
    if (mayShowVerdict(examMode, ifShow))
        line +=
            answered.mark == answered.answer ? QStringLiteral(" 正确") : QStringLiteral(" 错误");
    return line;
}
