#include "exam/pass_chance.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

struct Binomial {
    int n;
    double p;
};

// Binomial(n, p) as a vector of n + 1 probabilities.
std::vector<double> probabilities(const Binomial& binomial) {
    const int n = binomial.n;
    const double p = binomial.p;
    std::vector<double> pmf(std::size_t(n) + 1, 0.0);
    pmf[0] = 1.0;
    for (int trial = 0; trial < n; ++trial) {
        for (int k = trial + 1; k > 0; --k)
            pmf[std::size_t(k)] = pmf[std::size_t(k)] * (1.0 - p) + pmf[std::size_t(k - 1)] * p;
        pmf[0] *= 1.0 - p;
    }
    return pmf;
}

std::vector<double> convolve(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> sum(a.size() + b.size() - 1, 0.0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            sum[i + j] += a[i] * b[j];
    return sum;
}

double logit(double p) {
    p = std::clamp(p, 1e-6, 1.0 - 1e-6);
    return std::log(p / (1.0 - p));
}

double logistic(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

// The correction that brings the model's expectation over the later answers to the rate given.
LogitShift shiftFor(const ChapterOutlook& chapter, double laterRate) {
    if (chapter.laterAnswers == 0)
        return {};
    return {logit(laterRate) - logit(chapter.laterExpected / chapter.laterAnswers)};
}

double firstRate(const ChapterOutlook& chapter) {
    return (chapter.firstRight + 1.0) / (chapter.firstAnswers + 2.0);
}

double laterRate(const ChapterOutlook& chapter) {
    return (chapter.laterRight + 1.0) / (chapter.laterAnswers + 2.0);
}

// The model's shape is not the learner's: however many answers there are, the interval never
// narrows below what this many answers per chapter would give, which the calibration run with
// simulated learners set so that the 90 % interval covers the truth about 90 % of the time.
constexpr double kEvidenceCap = 60.0;

double drawRate(std::mt19937_64& random, int right, int answers) {
    const double scale = answers > kEvidenceCap ? kEvidenceCap / answers : 1.0;
    // A Beta(right + 1, wrong + 1) draw, as the ratio of two gamma draws.
    std::gamma_distribution<double> first(right * scale + 1.0, 1.0);
    std::gamma_distribution<double> second((answers - right) * scale + 1.0, 1.0);
    const double x = first(random);
    const double y = second(random);
    return x / (x + y);
}

QString percent(double value) {
    return QStringLiteral("%1%").arg(std::lround(100.0 * value));
}

} // namespace

double passProbability(const std::vector<int>& drawn, const std::vector<double>& meanChance,
                       int passMark) {
    std::vector<double> total{1.0};
    for (std::size_t chapter = 0; chapter < drawn.size(); ++chapter)
        total = convolve(
            total, probabilities({drawn[chapter], std::clamp(meanChance[chapter], 0.0, 1.0)}));
    double pass = 0.0;
    for (std::size_t score = std::size_t(std::max(passMark, 0)); score < total.size(); ++score)
        pass += total[score];
    return std::clamp(pass, 0.0, 1.0);
}

double chapterMeanChance(const ChapterOutlook& chapter, double prior, LogitShift shift) {
    const std::size_t questions = chapter.seenChance.size() + std::size_t(chapter.unseen);
    if (questions == 0)
        return prior;
    double sum = prior * chapter.unseen;
    for (const double chance : chapter.seenChance)
        sum += logistic(logit(chance) + shift.logits);
    return sum / double(questions);
}

namespace {

// A chapter's seen questions as counts per step of 0.01 on the logit scale, far below what the
// interval can tell apart: a bank of 30,000 questions then costs a few hundred terms a draw.
struct CompactChapter {
    std::vector<std::pair<double, int>> logits;
    int questions = 0;
    int unseen = 0;
};

CompactChapter compact(const ChapterOutlook& chapter) {
    std::vector<long> steps;
    steps.reserve(chapter.seenChance.size());
    for (const double chance : chapter.seenChance)
        steps.push_back(std::lround(logit(chance) * 100.0));
    std::sort(steps.begin(), steps.end());
    CompactChapter result;
    for (std::size_t first = 0; first < steps.size();) {
        std::size_t past = first;
        while (past < steps.size() && steps[past] == steps[first])
            ++past;
        result.logits.emplace_back(double(steps[first]) / 100.0, int(past - first));
        first = past;
    }
    result.unseen = chapter.unseen;
    result.questions = int(chapter.seenChance.size()) + chapter.unseen;
    return result;
}

double compactMeanChance(const CompactChapter& chapter, double prior, LogitShift shift) {
    if (chapter.questions == 0)
        return prior;
    double sum = prior * chapter.unseen;
    for (const auto& [value, count] : chapter.logits)
        sum += count * logistic(value + shift.logits);
    return sum / chapter.questions;
}

} // namespace

PassChance passChance(int passMark, const std::vector<ChapterOutlook>& chapters, int draws) {
    std::vector<CompactChapter> compacted;
    compacted.reserve(chapters.size());
    for (const ChapterOutlook& chapter : chapters)
        compacted.push_back(compact(chapter));
    std::vector<int> drawn;
    drawn.reserve(chapters.size());
    std::vector<double> mean;
    mean.reserve(chapters.size());
    for (const ChapterOutlook& chapter : chapters) {
        drawn.push_back(chapter.drawn);
        mean.push_back(
            chapterMeanChance(chapter, firstRate(chapter), shiftFor(chapter, laterRate(chapter))));
    }
    PassChance result;
    result.chance = passProbability(drawn, mean, passMark);
    // A fixed seed: the same record always shows the same interval.
    std::mt19937_64 random(20261207);
    std::vector<double> samples;
    samples.reserve(std::size_t(std::max(draws, 0)));
    for (int draw = 0; draw < draws; ++draw) {
        std::vector<double> moved(chapters.size());
        for (std::size_t c = 0; c < chapters.size(); ++c) {
            const ChapterOutlook& chapter = chapters[c];
            const double prior = drawRate(random, chapter.firstRight, chapter.firstAnswers);
            const double later = drawRate(random, chapter.laterRight, chapter.laterAnswers);
            moved[c] = compactMeanChance(compacted[c], prior, shiftFor(chapter, later));
        }
        samples.push_back(passProbability(drawn, moved, passMark));
    }
    if (samples.empty()) {
        result.low = result.high = result.chance;
        return result;
    }
    // The chance averaged over what the rates may be, not at their most likely values: the pass
    // line is steep, and a plug-in estimate is too sure on either side of it.
    result.chance = std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double quantile) {
        return samples[std::size_t(std::lround(quantile * double(samples.size() - 1)))];
    };
    result.low = std::min(at(0.05), result.chance);
    result.high = std::max(at(0.95), result.chance);
    return result;
}

QString missingEvidence(const EvidenceCount& done) {
    const int answers = done.answers;
    const int mockExams = done.mockExams;
    QStringList missing;
    if (answers < kMinimumAnswers)
        missing << QStringLiteral("还需答题 %1 道").arg(kMinimumAnswers - answers);
    if (mockExams < kMinimumMockExams)
        missing << QStringLiteral("还需完成 %1 次模拟考试").arg(kMinimumMockExams - mockExams);
    return missing.join(QStringLiteral("，"));
}

QString passChanceLine(const PassChance& chance, const QString& missing) {
    if (!missing.isEmpty())
        return QStringLiteral("通过概率：数据不足（%1）").arg(missing);
    return QStringLiteral("通过概率约 %1（90%区间 %2–%3）")
        .arg(percent(chance.chance), percent(chance.low), percent(chance.high));
}
