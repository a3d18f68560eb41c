#pragma once

#include "data/practice_record.h"
#include "exam/exercise_kind.h"

#include <QHash>
#include <QString>

#include <vector>

// Rules of the practices beyond the original's, apart from any window.

// Whether key 7 may mark or unmark the question shown: in every practice, and in a mock exam
// only once its paper is handed in, so that an exam stays an exam.
bool favouriteKeyActs(ExamMode examMode, bool exerciseRunning, bool handedIn);

// The questions in a shuffled order that only the seed decides, each once.
std::vector<int> shuffledOrder(std::vector<int> ids, quint64 seed);

// The learner's weakest questions first: most often wrong, then those whose last answer was
// wrong, then the most recently answered. Questions never answered wrongly are not in it.
std::vector<QString> rankMostMissed(std::vector<AnswerHistory> history);

// A stopped practice brought back onto the bank as it is now: its questions' ids, the answer
// each held, and the place to show first. Questions no longer in the bank drop out, and the
// place moves with them so that it stays on the question the learner stopped at, or the next.
struct ResumePlan {
    std::vector<int> ids;
    std::vector<AnswerCode> marks;
    int position = 1;
};
ResumePlan planResume(const PracticeState& state, const QHash<QString, int>& idByDigest);
