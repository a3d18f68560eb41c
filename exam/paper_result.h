#pragma once

#include "exam/exercise_kind.h"

#include <QDateTime>
#include <QString>

inline constexpr int kPassMark = 90;

// One point per right answer.
inline int paperScore(int rightAnswers) {
    return rightAnswers;
}

inline bool paperPassed(int score) {
    return score >= kPassMark;
}

// A paper as it was handed in, for whoever keeps a record of them.
struct PaperResult {
    QString bank;
    ExamMode examMode = ExamMode::MockExam;
    PaperMode paperMode = PaperMode::DrawnPaper;
    QDateTime startedAt;
    QDateTime handedInAt;
    int minutesSet = 0;
    int secondsUsed = 0;
    int questionCount = 0;
    int rightAnswers = 0;
    int score = 0;
    bool passed = false;
};
