#pragma once

// The exercise running on the question panel. The numbers are the codes the original kept
// and the record stores; they meet the database only through examModeCode().
enum class ExamMode {
    SequentialPractice = 0, // also: nothing running
    MockExam = 1,
    MockPractice = 10,
};

inline int examModeCode(ExamMode mode) {
    return static_cast<int>(mode);
}

// Where the questions come from.
enum class PaperMode {
    WholeBank = 0, // the bank or a part of it, in bank order or a list's own
    DrawnPaper = 1,
};

inline int paperModeCode(PaperMode mode) {
    return static_cast<int>(mode);
}

// What sets one exercise on a drawn paper apart from another; a new one is a constant here
// and a handler that starts it.
struct PaperExercise {
    ExamMode examMode;
    const char16_t* confirmation;
    // False: the answer line never says whether an answer is right, whatever the setting.
    bool showsVerdict;
};

inline constexpr PaperExercise kMockPractice{ExamMode::MockPractice, u"您想重新开始模拟练习吗？",
                                             true};
inline constexpr PaperExercise kMockExam{ExamMode::MockExam, u"您想重新开始开始模拟试题吗？",
                                         false};
