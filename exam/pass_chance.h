#pragma once

#include <QString>

#include <vector>

// The chance of scoring at least the pass mark on a paper drawn by the SYS_CFG counts, from
// the chance of answering each question of the bank right on the day of the paper.

// What the learner's answers in one chapter say. The model's chances come from default
// weights fitted on other people; how the learner's own answers compared with what the model
// expected of them corrects the chances, and how they did on questions met for the first time
// is the prior of the questions never met.
struct ChapterOutlook {
    int drawn = 0;                  // questions a paper draws from the chapter
    std::vector<double> seenChance; // per question answered before: the model's chance
    int unseen = 0;                 // questions never answered
    int firstAnswers = 0;           // answers to questions met for the first time
    int firstRight = 0;
    int laterAnswers = 0; // answers to questions met before
    int laterRight = 0;
    double laterExpected = 0.0; // the model's chances summed over those answers
};

struct PassChance {
    double chance = 0.0; // P(score >= pass mark)
    double low = 0.0;    // the interval from the uncertainty of the chapter averages
    double high = 0.0;
};

// The chance that a sum of independent chapter counts, each Binomial(drawn, mean chance of
// the chapter's questions), reaches `passMark`. A paper draws without replacement, so each
// drawn question is right with the chapter's mean chance.
double passProbability(const std::vector<int>& drawn, const std::vector<double>& meanChance,
                       int passMark);

// A move on the logit scale, kept apart from the chances it moves.
struct LogitShift {
    double logits = 0.0;
};

// The mean chance of a chapter's questions: the seen ones' model chances moved on the logit
// scale by `shift`, the never-seen ones at `prior`.
double chapterMeanChance(const ChapterOutlook& chapter, double prior, LogitShift shift);

// The estimate and its 90 % interval. The prior of never-seen questions and the learner's
// right-answer rate on questions met before are Beta posteriors given the answers; the interval
// draws both `draws` times, with a fixed seed, and computes the chance for each draw.
PassChance passChance(int passMark, const std::vector<ChapterOutlook>& chapters, int draws = 200);

// Below this the estimate would rest on too little to be worth a number.
inline constexpr int kMinimumAnswers = 200;
inline constexpr int kMinimumMockExams = 1;

// How much the learner has done with a bank.
struct EvidenceCount {
    int answers = 0;
    int mockExams = 0;
};
// What is missing before an estimate is shown, as the learner reads it; empty when enough.
QString missingEvidence(const EvidenceCount& done);

// "通过概率约 72%（90%区间 61%–81%）", or "通过概率：数据不足（还需答题 120 道，还需完成 1
// 次模拟考试）".
QString passChanceLine(const PassChance& chance, const QString& missing);
