#include "exam/practice_rules.h"

#include "exam/exercise_kind.h"

#include <algorithm>
#include <random>

bool favouriteKeyActs(ExamMode examMode, bool exerciseRunning, bool handedIn) {
    return exerciseRunning && (examMode != ExamMode::MockExam || handedIn);
}

std::vector<int> shuffledOrder(std::vector<int> ids, quint64 seed) {
    // Fisher-Yates with the engine's raw output: std::uniform_int_distribution differs between
    // standard libraries, and a stored seed must give the same order wherever it is read.
    std::mt19937_64 engine(seed);
    for (std::size_t last = ids.size(); last > 1; --last) {
        const std::size_t pick = std::size_t(engine() % last);
        std::swap(ids[last - 1], ids[pick]);
    }
    return ids;
}

std::vector<QString> rankMostMissed(std::vector<AnswerHistory> history) {
    history.erase(std::remove_if(history.begin(), history.end(),
                                 [](const AnswerHistory& entry) { return entry.wrongCount <= 0; }),
                  history.end());
    std::sort(history.begin(), history.end(), [](const AnswerHistory& a, const AnswerHistory& b) {
        if (a.wrongCount != b.wrongCount)
            return a.wrongCount > b.wrongCount;
        if (a.lastRight != b.lastRight)
            return !a.lastRight;
        if (a.lastAnswered != b.lastAnswered)
            return a.lastAnswered > b.lastAnswered;
        return a.digest < b.digest;
    });
    std::vector<QString> digests;
    digests.reserve(history.size());
    for (const AnswerHistory& entry : history)
        digests.push_back(entry.digest);
    return digests;
}

ResumePlan planResume(const PracticeState& state, const QHash<QString, int>& idByDigest) {
    ResumePlan plan;
    bool placed = false;
    for (std::size_t index = 0; index < state.items.size(); ++index) {
        const auto found = idByDigest.constFind(state.items[index].digest);
        if (found == idByDigest.constEnd())
            continue;
        plan.ids.push_back(*found);
        plan.marks.push_back(state.items[index].mark);
        if (!placed && int(index) + 1 >= state.position) {
            plan.position = int(plan.ids.size());
            placed = true;
        }
    }
    if (!placed)
        plan.position = std::max(1, int(plan.ids.size()));
    return plan;
}
