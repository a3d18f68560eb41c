#include "tests/simulation/learner_simulation.h"

#include "exam/memory_model.h"
#include "exam/pass_chance.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

struct Question {
    int chapter = 0;
    bool trueFalse = false;
    double rateFactor = 1.0; // how fast this question fades, relative to the chapter
};

// The true state of one question in one learner's head.
struct Trace {
    bool studied = false;
    double lastStudy = 0.0; // day
    double strength = 1.0;  // divides the forgetting rate; grows with spaced study
};

struct Learner {
    double rate = 0.2;                  // per day, after the first study
    std::vector<double> priorByChapter; // what they knew before studying
    std::vector<Trace> traces;
    std::vector<MemoryState> model;
    std::vector<double> mockPasses;
    std::vector<ChapterOutlook> evidence; // per chapter, as the program's tables would hold it
};

const QDateTime kStart(QDate(2026, 1, 5), QTime(0, 0), Qt::UTC);

QDateTime at(double day) {
    return kStart.addMSecs(qint64(day * 86'400'000.0));
}

double trueRecall(const Learner& learner, const Question& question, const Trace& trace,
                  double day) {
    const double prior = learner.priorByChapter[std::size_t(question.chapter)];
    if (!trace.studied)
        return prior;
    const double fade =
        std::exp(-learner.rate * question.rateFactor * (day - trace.lastStudy) / trace.strength);
    return prior + (1.0 - prior) * fade;
}

double trueChance(const Learner& learner, const Question& question, const Trace& trace,
                  double day) {
    const double recall = trueRecall(learner, question, trace, day);
    return recall + (1.0 - recall) * (question.trueFalse ? 0.5 : 0.25);
}

class Simulation {
public:
    explicit Simulation(const SimulationSettings& settings)
        : settings_(settings), random_(settings.seed) {
        // Chapters differ in how fast their questions fade and how much a learner knew before.
        std::normal_distribution<double> chapterRate(0.0, 0.4);
        for (std::size_t chapter = 0; chapter < settings.chapterSizes.size(); ++chapter) {
            chapterRate_.push_back(std::exp(chapterRate(random_)));
            chapterStart_.push_back(int(questions_.size()));
            std::normal_distribution<double> itemRate(0.0, 0.8);
            std::bernoulli_distribution trueFalse(0.4);
            for (int index = 0; index < settings.chapterSizes[chapter]; ++index)
                questions_.push_back({int(chapter), trueFalse(random_),
                                      chapterRate_.back() * std::exp(itemRate(random_))});
        }
    }

    LearnerOutcome run() {
        Learner learner = makeLearner();
        std::uniform_int_distribution<int> daysOf(4, 40);
        std::uniform_int_distribution<int> dailyOf(15, 160);
        const int days = daysOf(random_);
        const int daily = dailyOf(random_);
        std::bernoulli_distribution skipDay(0.25);
        std::bernoulli_distribution mockDay(0.3);
        std::bernoulli_distribution randomPick(0.4);
        std::uniform_int_distribution<int> anyQuestion(0, int(questions_.size()) - 1);
        int next = 0;
        for (int day = 0; day < days; ++day) {
            if (skipDay(random_) && day + 1 < days)
                continue;
            double clock = day + 0.75; // evenings
            for (int answer = 0; answer < daily; ++answer) {
                int index = next;
                if (randomPick(random_)) {
                    index = anyQuestion(random_);
                } else {
                    next = (next + 1) % int(questions_.size());
                }
                study(learner, index, clock);
                clock += 30.0 / 86'400.0;
            }
            if (mockDay(random_) || day + 1 == days)
                sitMock(learner, clock);
        }
        return judge(learner, days + 0.4);
    }

private:
    Learner makeLearner() {
        Learner learner;
        std::lognormal_distribution<double> rate(std::log(0.08), 0.8);
        learner.rate = rate(random_);
        std::normal_distribution<double> prior(0.45, 0.15);
        for (std::size_t chapter = 0; chapter < chapterRate_.size(); ++chapter)
            learner.priorByChapter.push_back(std::clamp(prior(random_), 0.0, 0.85));
        learner.traces.assign(questions_.size(), Trace{});
        learner.model.assign(questions_.size(), MemoryState{});
        learner.evidence.assign(chapterRate_.size(), ChapterOutlook{});
        return learner;
    }

    bool answer(Learner& learner, int index, double day) {
        const Question& question = questions_[std::size_t(index)];
        std::bernoulli_distribution right(
            trueChance(learner, question, learner.traces[std::size_t(index)], day));
        return right(random_);
    }

    // The learner sees the right answer afterwards either way, so both strengthen the trace;
    // study after a long gap strengthens it most.
    void learn(Learner& learner, int index, bool right, double day) {
        Trace& trace = learner.traces[std::size_t(index)];
        const Question& question = questions_[std::size_t(index)];
        const double before = trueRecall(learner, question, trace, day);
        if (trace.studied)
            trace.strength *= right ? 1.5 + 4.0 * (1.0 - before) : 1.1;
        trace.studied = true;
        trace.lastStudy = day;
    }

    // What the program does with a stored answer.
    void feed(Learner& learner, int index, bool right, double day) {
        const Question& question = questions_[std::size_t(index)];
        MemoryState& state = learner.model[std::size_t(index)];
        ChapterOutlook& evidence = learner.evidence[std::size_t(question.chapter)];
        if (isSeen(state)) {
            ++evidence.laterAnswers;
            evidence.laterRight += right ? 1 : 0;
            evidence.laterExpected += chanceRight(recallAt(state, at(day)), question.trueFalse);
        } else {
            ++evidence.firstAnswers;
            evidence.firstRight += right ? 1 : 0;
        }
        state = reviewed(state, right, at(day));
    }

    void study(Learner& learner, int index, double day) {
        const bool right = answer(learner, index, day);
        feed(learner, index, right, day);
        learn(learner, index, right, day);
    }

    std::vector<int> drawPaper() {
        std::vector<int> paper;
        for (std::size_t chapter = 0; chapter < settings_.drawn.size(); ++chapter) {
            std::vector<int> pool(std::size_t(settings_.chapterSizes[chapter]));
            std::iota(pool.begin(), pool.end(), chapterStart_[chapter]);
            std::shuffle(pool.begin(), pool.end(), random_);
            paper.insert(paper.end(), pool.begin(), pool.begin() + settings_.drawn[chapter]);
        }
        return paper;
    }

    void sitMock(Learner& learner, double day) {
        const std::vector<int> paper = drawPaper();
        int score = 0;
        std::vector<bool> rights;
        for (const int index : paper) {
            rights.push_back(answer(learner, index, day));
            score += rights.back() ? 1 : 0;
        }
        // Judged at hand-in, as the program does.
        const double handIn = day + 45.0 / 1440.0;
        for (std::size_t at_ = 0; at_ < paper.size(); ++at_) {
            const int index = paper[at_];
            feed(learner, index, rights[at_], handIn);
            learn(learner, index, rights[at_], handIn);
        }
        learner.mockPasses.push_back(score >= settings_.passMark ? 1.0 : 0.0);
    }

    LearnerOutcome judge(Learner& learner, double examDay) {
        LearnerOutcome outcome;
        std::vector<ChapterOutlook> chapters = learner.evidence;
        std::vector<double> trueMean(settings_.drawn.size(), 0.0);
        int answers = 0;
        const QDateTime exam = at(examDay);
        for (std::size_t index = 0; index < questions_.size(); ++index) {
            const Question& question = questions_[index];
            ChapterOutlook& chapter = chapters[std::size_t(question.chapter)];
            const MemoryState& state = learner.model[index];
            trueMean[std::size_t(question.chapter)] +=
                trueChance(learner, question, learner.traces[index], examDay);
            answers += state.reps;
            if (!isSeen(state)) {
                ++chapter.unseen;
                continue;
            }
            chapter.seenChance.push_back(chanceRight(recallAt(state, exam), question.trueFalse));
        }
        for (std::size_t chapter = 0; chapter < chapters.size(); ++chapter) {
            chapters[chapter].drawn = settings_.drawn[chapter];
            trueMean[chapter] /= settings_.chapterSizes[chapter];
        }
        outcome.eligible = missingEvidence({answers, int(learner.mockPasses.size())}).isEmpty();
        const PassChance chance = passChance(settings_.passMark, chapters, 100);
        outcome.predicted = chance.chance;
        outcome.low = chance.low;
        outcome.high = chance.high;
        outcome.truth = passProbability(settings_.drawn, trueMean, settings_.passMark);
        const std::size_t last = std::min<std::size_t>(5, learner.mockPasses.size());
        outcome.naive = last == 0 ? 0.0
                                  : std::accumulate(learner.mockPasses.end() - long(last),
                                                    learner.mockPasses.end(), 0.0) /
                                        double(last);
        int score = 0;
        for (const int index : drawPaper())
            score += answer(learner, index, examDay) ? 1 : 0;
        outcome.passed = score >= settings_.passMark;
        return outcome;
    }

    SimulationSettings settings_;
    std::mt19937_64 random_;
    std::vector<Question> questions_;
    std::vector<double> chapterRate_;
    std::vector<int> chapterStart_;
};

} // namespace

std::vector<LearnerOutcome> simulateLearners(const SimulationSettings& settings) {
    Simulation simulation(settings);
    std::vector<LearnerOutcome> outcomes;
    for (int learner = 0; learner < settings.learners; ++learner)
        outcomes.push_back(simulation.run());
    return outcomes;
}

CalibrationReport calibrationReport(const std::vector<LearnerOutcome>& outcomes, double z) {
    CalibrationReport report;
    report.bins.assign(10, ReliabilityBin{});
    std::vector<int> passes(10, 0);
    int covered = 0;
    for (const LearnerOutcome& outcome : outcomes) {
        if (!outcome.eligible)
            continue;
        ++report.eligible;
        const std::size_t bin = std::min<std::size_t>(9, std::size_t(outcome.predicted * 10.0));
        ++report.bins[bin].learners;
        report.bins[bin].meanPredicted += outcome.predicted;
        passes[bin] += outcome.passed ? 1 : 0;
        const double passed = outcome.passed ? 1.0 : 0.0;
        report.brierModel += (outcome.predicted - passed) * (outcome.predicted - passed);
        report.brierNaive += (outcome.naive - passed) * (outcome.naive - passed);
        covered += outcome.truth >= outcome.low && outcome.truth <= outcome.high ? 1 : 0;
    }
    if (report.eligible == 0)
        return report;
    report.brierModel /= report.eligible;
    report.brierNaive /= report.eligible;
    report.coverage = double(covered) / report.eligible;
    for (std::size_t index = 0; index < report.bins.size(); ++index) {
        ReliabilityBin& bin = report.bins[index];
        if (bin.learners == 0)
            continue;
        const double n = bin.learners;
        bin.meanPredicted /= n;
        bin.observed = passes[index] / n;
        const double p = bin.observed;
        const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
        const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
        bin.bandLow = centre - half;
        bin.bandHigh = centre + half;
    }
    return report;
}
