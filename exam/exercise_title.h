#pragma once

#include "exam/exercise_kind.h"

#include <QString>

// Which questions a practice runs on. A new practice mode adds its list here and its name in
// exerciseTitle().
enum class PracticeList { WholeBank, Chapter, WrongBook };

// The exercise running, as far as the learner needs it named.
struct RunningMode {
    ExamMode examMode = ExamMode::SequentialPractice;
    PracticeList list = PracticeList::WholeBank;
    int chapter = 0; // 1 to 4 for chapter practice
};

// The study pane's title: the mode running and its number of questions, "顺序出题　共 1259 题",
// "章节练习（第2章）　共 310 题", "错题练习　共 12 题", "模拟考试　共 100 题".
QString exerciseTitle(const RunningMode& mode, int count);
