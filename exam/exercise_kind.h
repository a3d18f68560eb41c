#pragma once

// The exercise running on the question panel, as the main window's ExamMode holds it.
namespace ExamMode {
inline constexpr int SequentialPractice = 0; // also: nothing running
inline constexpr int MockExam = 1;
inline constexpr int MockPractice = 10;
} // namespace ExamMode

// Where the questions come from, as the main window's PaperMode holds it.
namespace PaperMode {
inline constexpr int WholeBank = 0;
inline constexpr int DrawnPaper = 1;
} // namespace PaperMode

// What sets one exercise on a drawn paper apart from another; a new one is a constant here
// and a handler that starts it.
struct PaperExercise {
    int examMode;
    const char16_t* confirmation;
    // False: the answer line never says whether an answer is right, whatever the setting.
    bool showsVerdict;
};

inline constexpr PaperExercise kMockPractice{ExamMode::MockPractice, u"您想重新开始模拟练习吗？",
                                             true};
inline constexpr PaperExercise kMockExam{ExamMode::MockExam, u"您想重新开始开始模拟试题吗？",
                                         false};
