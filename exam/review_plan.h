#pragma once

#include "data/memory_table.h"

#include <QDateTime>

#include <optional>
#include <utility>
#include <vector>

// 今日复习 planned towards the exam date: which questions today, what recall the bank is
// predicted to have on the exam morning, and how many questions a day reach the target.

struct PlanQuestion {
    int id = 0;
    int chapter = 0;
    MemoryState state; // reps 0: never answered
};

struct PlanInput {
    std::vector<PlanQuestion> questions; // in bank order
    // Per chapter, the chance that a first answer is right (how the learner did on questions
    // met for the first time); 0.5 for a chapter not in the list.
    std::vector<std::pair<int, double>> firstRight;
    QDateTime now;
    QDateTime exam; // the exam morning, after `now`
    double target = 0.9;
};

// Today's questions when `dailyCount` are reviewed each day until the exam: the questions met
// before lowest recall first, then new ones in bank order.
std::vector<int> plannedToday(const PlanInput& input, int dailyCount);

// Mean predicted recall over the bank on the exam morning, `dailyCount` a day.
double plannedRecall(const PlanInput& input, int dailyCount);

// The same per question of the input: its expected recall on the exam morning, nullopt for a
// question still never answered by then.
std::vector<std::optional<double>> plannedRecallOfQuestions(const PlanInput& input, int dailyCount);

// The smallest daily count up to `most` whose plan reaches the target on the exam morning: 0
// when the bank holds it without more reviews, nullopt when `most` is not enough.
std::optional<int> dailyCountNeeded(const PlanInput& input, int most);
