#include "exam/memory_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The default weights of FSRS-4.5 as the open-spaced-repetition project published them with
// that version (fsrs4anki wiki, "The Algorithm"; the same values ship as py-fsrs's defaults for
// 4.5), fitted there on some hundreds of millions of flash-card reviews. w0..w3 are the first
// stabilities per grade, w4..w7 the difficulty, w8..w10 the growth after a recall, w11..w14 the
// stability after a lapse, w15/w16 the hard and easy factors we never use.
constexpr std::array<double, 17> kWeights = {0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298,
                                             0.8975, 0.0310, 1.6474, 0.1367,  1.0461, 2.1072,
                                             0.0793, 0.3246, 1.5870, 0.2272,  2.8755};

// The forgetting curve R(t) = (1 + F t / S)^D with D = -0.5 and F chosen so that R(S) = 0.9.
constexpr double kDecay = -0.5;
constexpr double kFactor = 19.0 / 81.0;

constexpr int kAgain = 1;
constexpr int kGood = 3;

constexpr double kMinStability = 0.01;

double weight(int index) {
    return kWeights[std::size_t(index)];
}

double clampDifficulty(double difficulty) {
    return std::clamp(difficulty, 1.0, 10.0);
}

double initialDifficulty(int grade) {
    return weight(4) - (grade - 3) * weight(5);
}

double elapsedDays(const QDateTime& from, const QDateTime& to) {
    if (!from.isValid() || !to.isValid())
        return 0.0;
    return std::max(0.0, double(from.msecsTo(to)) / 86'400'000.0);
}

// With the decay at -1/2 the power is a square root, which plans that evaluate the curve for
// every question on every day can afford where a general power costs several times as much.
static_assert(kDecay == -0.5);
double curve(double days, double stability) {
    return 1.0 / std::sqrt(1.0 + kFactor * days / stability);
}

} // namespace

double recallAfter(double stability, double days) {
    return curve(std::max(days, 0.0), std::max(stability, kMinStability));
}

double recallAt(const MemoryState& state, const QDateTime& when) {
    if (!isSeen(state))
        return 0.0;
    return recallAfter(state.stability, elapsedDays(state.lastReview, when));
}

Memory nextMemory(const Memory& memory, bool seen, bool right, double days) {
    const int grade = right ? kGood : kAgain;
    if (!seen)
        return {weight(grade - 1), clampDifficulty(initialDifficulty(grade))};
    const double stability = std::max(memory.stability, kMinStability);
    const double recall = curve(std::max(days, 0.0), stability);
    const double difficulty = memory.difficulty;
    Memory next;
    if (right) {
        const double growth = std::exp(weight(8)) * (11.0 - difficulty) *
                              std::pow(stability, -weight(9)) *
                              (std::exp(weight(10) * (1.0 - recall)) - 1.0);
        next.stability = stability * (growth + 1.0);
    } else {
        const double after = weight(11) * std::pow(difficulty, -weight(12)) *
                             (std::pow(stability + 1.0, weight(13)) - 1.0) *
                             std::exp(weight(14) * (1.0 - recall));
        // A lapse never leaves the question held longer than before it.
        next.stability = std::clamp(after, kMinStability, stability);
    }
    // Difficulty moves with the grade and reverts a little towards that of a first "good".
    const double moved = difficulty - weight(6) * (grade - 3);
    next.difficulty =
        clampDifficulty(weight(7) * initialDifficulty(kGood) + (1.0 - weight(7)) * moved);
    return next;
}

MemoryState reviewed(const MemoryState& state, bool right, const QDateTime& when) {
    MemoryState next = state;
    next.lastReview = when;
    ++next.reps;
    if (!right)
        ++next.lapses;
    const Memory memory = nextMemory({state.stability, state.difficulty}, isSeen(state), right,
                                     elapsedDays(state.lastReview, when));
    next.stability = memory.stability;
    next.difficulty = memory.difficulty;
    return next;
}

double chanceRight(double recall, bool trueFalse) {
    const double guess = trueFalse ? 0.5 : 0.25;
    return recall + (1.0 - recall) * guess;
}

double daysUntilRecall(const MemoryState& state, double target) {
    // Inverse of the curve: t = S / F * (R^(1/D) - 1).
    return std::max(state.stability, kMinStability) / kFactor *
           (std::pow(target, 1.0 / kDecay) - 1.0);
}
