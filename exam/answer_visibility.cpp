#include "exam/answer_visibility.h"

namespace {

constexpr int kMockExam = 1;
constexpr int kNotAnswered = 5;

} // namespace

bool mayShowAnswer(const AnswerVisibility& state) {
    if (state.handedIn)
        return true;
    if (state.examMode == kMockExam)
        return false;
    if (state.askedFor && state.examMode == 0)
        return true;
    return state.answered && state.ifShow == 1;
}

bool answerKeyActs(int examMode, bool exerciseRunning) {
    return exerciseRunning && examMode == 0;
}

SheetCell sheetCellState(int mark, int answer, const AnswerVisibility& state) {
    if (mark == kNotAnswered)
        return SheetCell::NotAnswered;
    AnswerVisibility answered = state;
    answered.answered = true;
    if (!mayShowAnswer(answered))
        return SheetCell::Answered;
    return mark == answer ? SheetCell::Right : SheetCell::Wrong;
}
