#pragma once

#include "data/memory_table.h"

#include <QDateTime>

// The model is FSRS, version 4.5: stability S is the number of days after which recall has
// fallen to 90 %, difficulty D (1..10) how much each review lengthens S. Every answer is a
// review: right grades "good", wrong grades "again"; the program has no "hard" or "easy" keys.

inline bool isSeen(const MemoryState& state) {
    return state.reps > 0;
}

// Predicted recall at `when`: 1 at the review, 0.9 after `stability` days, and falling along
// the model's power curve after that. 0 for a question never answered.
double recallAt(const MemoryState& state, const QDateTime& when);

// The state after one answer at `when`. A right answer long after the last review, when
// recall had faded, lengthens stability more than one given just after it.
MemoryState reviewed(const MemoryState& state, bool right, const QDateTime& when);

// The chance of answering right, which is higher than recall: a learner who has forgotten
// still guesses a true/false question right half the time and a four-choice one a quarter.
double chanceRight(double recall, bool trueFalse);

// The same model on plain numbers, for a plan that looks days ahead without dates.
struct Memory {
    double stability = 0.0;
    double difficulty = 0.0;
};
// Recall `days` after the review that left `stability`.
double recallAfter(double stability, double days);
// The memory after an answer given `days` after the last review (of a question `seen` before;
// a first answer ignores both).
Memory nextMemory(const Memory& memory, bool seen, bool right, double days);

// The days after the review at which predicted recall falls to `target` (0 < target < 1).
double daysUntilRecall(const MemoryState& state, double target);
