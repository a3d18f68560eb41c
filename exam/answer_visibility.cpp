#include "exam/answer_visibility.h"

#include "data/answer_code.h"
#include "exam/exercise_kind.h"

bool mayShowAnswer(const AnswerVisibility& state) {
    if (state.handedIn)
        return true;
    if (state.examMode == ExamMode::MockExam)
        return false;
    if (state.askedFor && state.examMode == ExamMode::SequentialPractice)
        return true;
    return state.answered && state.ifShow == 1;
}

bool answerKeyActs(ExamMode examMode, bool exerciseRunning) {
    return exerciseRunning && examMode == ExamMode::SequentialPractice;
}

SheetCell sheetCellState(const AnswerAndMark& question, const AnswerVisibility& state) {
    const AnswerCode mark = question.mark;
    // A handed-in paper counts an unanswered question as wrong; the sheet says so too.
    if (mark == AnswerCode::NotAnswered)
        return state.handedIn ? SheetCell::Wrong : SheetCell::NotAnswered;
    AnswerVisibility answered = state;
    answered.answered = true;
    if (!mayShowAnswer(answered))
        return SheetCell::Answered;
    return mark == question.answer ? SheetCell::Right : SheetCell::Wrong;
}
