#pragma once

#include "data/answer_code.h"
#include "exam/exercise_kind.h"

// When the right answer, its explanation and a question's verdict may be shown beside the
// question. The original window's own verdict line follows its own rules; this is the rule of
// what the learner may see in addition, so that a mock exam stays an exam.

struct AnswerVisibility {
    ExamMode examMode = ExamMode::SequentialPractice;
    int ifShow = 0;        // the settings' ifshow
    bool answered = false; // the question holds an answer of the learner's
    bool askedFor = false; // the learner asked for it (key 5) during practice
    bool handedIn = false; // the paper was handed in
};

bool mayShowAnswer(const AnswerVisibility& state);

// Whether the "show the answer" key acts now: in practice only, never in a paper.
bool answerKeyActs(ExamMode examMode, bool exerciseRunning);

enum class SheetCell { NotAnswered, Answered, Right, Wrong };

// One cell of the answer sheet: unanswered, answered, or, where the answer may be shown,
// right or wrong.
SheetCell sheetCellState(const AnswerAndMark& question, const AnswerVisibility& state);
