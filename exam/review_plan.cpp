#include "exam/review_plan.h"

#include "exam/memory_model.h"

#include <algorithm>
#include <cmath>

// The method. The plan walks the days from today to the eve of the exam; each day it spends
// the daily count greedily on the questions whose review raises their expected recall on the
// exam morning the most, and carries the result to the next day:
// - a review at day t of a question last seen at day l with stability S is answered right with
//   the model's recall r = R(t - l, S); the question's recall on the exam morning E becomes
//   r R(E - t, S_right) + (1 - r) R(E - t, S_wrong), and the gain is that minus what it was;
// - a question never seen is answered right with the learner's first-answer rate of its
//   chapter, so a new question gains most and is met early, while a question seen an hour ago
//   gains little (its stability barely grows) and waits until spacing makes its review count;
// - a question met before whose recall has fallen below the target by that day comes first,
//   the largest gain first: the gain sees one review only, not that a question left fading
//   goes on towards a lapse, which the model punishes by cutting its stability to a fraction;
// - a question whose recall on the exam morning already reaches the target is not reviewed:
//   its reviews are worth more closer to the date than today;
// - after a review the question goes on with the likelier answer's memory, while its recall
//   on the exam morning keeps the weighted sum of both: one state per question, not a tree.
// Identical questions travel together: the never-seen ones of a chapter are one group, split
// as the plan meets some of them, so a 30,000-question bank costs what its answered ones do.
// Beyond kSteps days the walk takes steps of several days, each with their sum of reviews.

namespace {

constexpr int kSteps = 60;
// A review that adds less than this to a question's recall on the exam morning (one answered
// an hour ago) is not worth the learner's time, however much of the count is left.
constexpr double kLeastGain = 0.01;
constexpr double kSecondsPerDay = 86400.0;

struct Group {
    int count = 0;
    int chapter = 0;
    int question = -1; // index into the input for a single question met before
    bool seen = false;
    Memory memory;
    double last = 0.0;   // day of the last review, today 0
    double atExam = 0.0; // expected recall on the exam morning
};

struct Walk {
    std::vector<Group> groups;
    double exam = 0.0; // days from now to the exam morning
    int days = 0;      // review days: today and every day before the exam date
    double target = 0.9;
    std::vector<std::pair<int, double>> firstRight;

    double firstRate(int chapter) const {
        for (const auto& [number, rate] : firstRight)
            if (number == chapter)
                return rate;
        return 0.5;
    }
};

Walk startWalk(const PlanInput& input) {
    Walk walk;
    walk.exam = std::max(0.0, double(input.now.secsTo(input.exam)) / kSecondsPerDay);
    walk.days = std::max(0, int(input.now.date().daysTo(input.exam.date())));
    walk.target = input.target;
    walk.firstRight = input.firstRight;
    const qint64 now = input.now.toSecsSinceEpoch();
    std::vector<std::pair<int, int>> unseen; // chapter, count
    for (std::size_t index = 0; index < input.questions.size(); ++index) {
        const PlanQuestion& question = input.questions[index];
        if (!isSeen(question.state)) {
            auto found = std::find_if(unseen.begin(), unseen.end(), [&](const auto& pair) {
                return pair.first == question.chapter;
            });
            if (found == unseen.end())
                unseen.emplace_back(question.chapter, 1);
            else
                ++found->second;
            continue;
        }
        Group group;
        group.count = 1;
        group.chapter = question.chapter;
        group.question = int(index);
        group.seen = true;
        group.memory = {question.state.stability, question.state.difficulty};
        group.last =
            question.state.lastReview.isValid()
                ? double(question.state.lastReview.toSecsSinceEpoch() - now) / kSecondsPerDay
                : 0.0;
        group.atExam = recallAfter(group.memory.stability, walk.exam - group.last);
        walk.groups.push_back(group);
    }
    for (const auto& [chapter, count] : unseen) {
        Group group;
        group.count = count;
        group.chapter = chapter;
        walk.groups.push_back(group);
    }
    return walk;
}

struct Review {
    bool due = false;
    double gain = 0.0;
    double atExam = 0.0;
    Memory memory;
    std::size_t group = 0;
};

Review reviewAt(const Walk& walk, const Group& group, double day) {
    const double right = group.seen ? recallAfter(group.memory.stability, day - group.last)
                                    : walk.firstRate(group.chapter);
    const Memory good = nextMemory(group.memory, group.seen, true, day - group.last);
    const Memory again = nextMemory(group.memory, group.seen, false, day - group.last);
    const double ahead = walk.exam - day;
    Review review;
    review.atExam = right * recallAfter(good.stability, ahead) +
                    (1.0 - right) * recallAfter(again.stability, ahead);
    review.gain = review.atExam - group.atExam;
    review.due = group.seen && right < walk.target;
    review.memory = right >= 0.5 ? good : again;
    return review;
}

// A day of the walk, counted from now, and the reviews it may spend.
struct StudyDay {
    double day;
    int reviews;
};

// Spends the day's reviews; returns the groups reviewed (indices before the walk changed) with
// how many of each.
std::vector<std::pair<std::size_t, int>> spendDay(Walk& walk, const StudyDay& today) {
    const int reviews = today.reviews;
    std::vector<Review> candidates;
    for (std::size_t index = 0; index < walk.groups.size(); ++index) {
        const Group& group = walk.groups[index];
        if (group.count == 0 || group.atExam >= walk.target)
            continue;
        Review review = reviewAt(walk, group, today.day);
        review.group = index;
        if (review.gain >= kLeastGain)
            candidates.push_back(review);
    }
    const auto larger = [](const Review& a, const Review& b) {
        if (a.due != b.due)
            return a.due;
        return a.gain > b.gain || (a.gain == b.gain && a.group < b.group);
    };
    // Every group holds at least one question, so the best `reviews` groups hold enough.
    const std::size_t best = std::min(candidates.size(), std::size_t(std::max(reviews, 0)));
    std::nth_element(candidates.begin(), candidates.begin() + std::ptrdiff_t(best),
                     candidates.end(), larger);
    candidates.resize(best);
    std::sort(candidates.begin(), candidates.end(), larger);
    std::vector<std::pair<std::size_t, int>> spent;
    int left = reviews;
    for (const Review& review : candidates) {
        if (left <= 0)
            break;
        Group& group = walk.groups[review.group];
        const int taken = std::min(group.count, left);
        left -= taken;
        spent.emplace_back(review.group, taken);
        Group reviewed = group;
        reviewed.count = taken;
        reviewed.seen = true;
        reviewed.memory = review.memory;
        reviewed.last = today.day;
        reviewed.atExam = review.atExam;
        if (taken == group.count) {
            group = reviewed;
        } else {
            group.count -= taken;
            reviewed.question = -1;
            walk.groups.push_back(reviewed);
        }
    }
    return spent;
}

double meanAtExam(const Walk& walk) {
    double sum = 0.0;
    int questions = 0;
    for (const Group& group : walk.groups) {
        sum += group.count * group.atExam;
        questions += group.count;
    }
    return questions == 0 ? 1.0 : sum / questions;
}

} // namespace

std::vector<int> plannedToday(const PlanInput& input, int dailyCount) {
    Walk walk = startWalk(input);
    if (walk.days == 0)
        return {};
    struct Seen {
        double recall;
        int id;
    };
    std::vector<Seen> seen;
    std::vector<std::pair<int, int>> fresh; // chapter, how many
    for (const auto& [index, count] : spendDay(walk, {0.0, dailyCount})) {
        const Group& group = walk.groups[index];
        if (group.question >= 0) {
            const PlanQuestion& question = input.questions[std::size_t(group.question)];
            seen.push_back({recallAt(question.state, input.now), question.id});
        } else {
            fresh.emplace_back(group.chapter, count);
        }
    }
    std::stable_sort(seen.begin(), seen.end(),
                     [](const Seen& a, const Seen& b) { return a.recall < b.recall; });
    std::vector<int> today;
    today.reserve(seen.size());
    for (const Seen& question : seen)
        today.push_back(question.id);
    // The new questions of each chapter the plan met, the first ones of the chapter in bank
    // order, and all of them in bank order.
    for (const PlanQuestion& question : input.questions) {
        if (isSeen(question.state))
            continue;
        for (auto& [chapter, count] : fresh) {
            if (chapter == question.chapter && count > 0) {
                today.push_back(question.id);
                --count;
                break;
            }
        }
    }
    return today;
}

namespace {

Walk walkToExam(const PlanInput& input, int dailyCount) {
    Walk walk = startWalk(input);
    const int step = std::max(1, (walk.days + kSteps - 1) / kSteps);
    for (int day = 0; day < walk.days; day += step) {
        const int length = std::min(step, walk.days - day);
        spendDay(walk, {double(day), dailyCount * length});
    }
    return walk;
}

} // namespace

double plannedRecall(const PlanInput& input, int dailyCount) {
    return meanAtExam(walkToExam(input, dailyCount));
}

std::vector<std::optional<double>> plannedRecallOfQuestions(const PlanInput& input,
                                                            int dailyCount) {
    const Walk walk = walkToExam(input, dailyCount);
    std::vector<std::optional<double>> recall(input.questions.size());
    // Questions met before keep their own; the new ones a chapter's groups hold are alike, so
    // they are handed out over the chapter's new questions in bank order, as the days meet them.
    std::vector<std::pair<int, std::vector<double>>> fresh; // chapter, recall of each met
    for (const Group& group : walk.groups) {
        if (group.question >= 0) {
            recall[std::size_t(group.question)] = group.atExam;
            continue;
        }
        if (!group.seen)
            continue;
        auto found = std::find_if(fresh.begin(), fresh.end(),
                                  [&](const auto& pair) { return pair.first == group.chapter; });
        if (found == fresh.end())
            found = fresh.insert(fresh.end(), {group.chapter, {}});
        found->second.insert(found->second.end(), std::size_t(group.count), group.atExam);
    }
    for (auto& [chapter, values] : fresh) {
        std::size_t next = 0;
        for (std::size_t index = 0; index < input.questions.size() && next < values.size();
             ++index) {
            const PlanQuestion& question = input.questions[index];
            if (question.chapter == chapter && !isSeen(question.state))
                recall[index] = values[next++];
        }
    }
    return recall;
}

std::optional<int> dailyCountNeeded(const PlanInput& input, int most) {
    if (plannedRecall(input, 0) >= input.target)
        return 0;
    if (plannedRecall(input, most) < input.target)
        return std::nullopt;
    int low = 0; // falls short
    int high = most;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (plannedRecall(input, middle) >= input.target ? high : low) = middle;
    }
    return high;
}
