#include "tools/bank_tool/testwise_answerer.h"

#include "tools/bank_tool/bank_rules.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr std::array kSafetyWords = {u"安全", u"减速", u"停车", u"注意", u"谨慎", u"让行",
                                     u"避让", u"观察", u"确认", u"慢",   u"保持", u"依法",
                                     u"报警", u"救援", u"提前", u"礼让"};
constexpr std::array kAbsoluteWords = {u"只",   u"就没有", u"一律",     u"绝对",  u"随意",
                                       u"任意", u"无需",   u"不必",     u"完全",  u"没有危险",
                                       u"不用", u"加速",   u"鸣喇叭催", u"都可以"};

// Code points, so that a character outside the basic plane counts once, as in the script.
QSet<QString> characterPairs(const QList<uint>& text) {
    QSet<QString> pairs;
    for (qsizetype index = 0; index + 1 < text.size(); ++index) {
        const char32_t pair[] = {text.at(index), text.at(index + 1)};
        pairs.insert(QString::fromUcs4(pair, 2));
    }
    return pairs;
}

int wordsContained(const QString& text, const char16_t* const* words, std::size_t count) {
    return int(std::count_if(words, words + count, [&](const char16_t* word) {
        return text.contains(QString::fromUtf16(word));
    }));
}

int rightIndex(const QuestionRow& row) {
    const int code = answerCodeToColumn(row.answer);
    return code == 0 ? 3 : code - 1;
}

bool uniquelyLongestIsRight(const QuestionRow& row) {
    std::array<qsizetype, 4> lengths{};
    for (int index = 0; index < 4; ++index)
        lengths[std::size_t(index)] = row.da[index].toUcs4().size();
    const qsizetype longest = *std::max_element(lengths.begin(), lengths.end());
    if (std::count(lengths.begin(), lengths.end(), longest) != 1)
        return false;
    return std::find(lengths.begin(), lengths.end(), longest) - lengths.begin() == rightIndex(row);
}

} // namespace

int testwiseChoice(const QuestionRow& row) {
    if (choiceCount(row) != 4)
        return -1;
    std::array<qsizetype, 4> lengths{};
    for (int index = 0; index < 4; ++index)
        lengths[std::size_t(index)] = row.da[index].toUcs4().size();
    const qsizetype longest = *std::max_element(lengths.begin(), lengths.end());
    const bool unique = std::count(lengths.begin(), lengths.end(), longest) == 1;
    const QSet<QString> stemPairs = characterPairs(row.stnr.toUcs4());
    int best = 0;
    int bestScore = 0;
    for (int index = 0; index < 4; ++index) {
        const QString& choice = row.da[index];
        int score = 0; // half points
        if (lengths[std::size_t(index)] == longest)
            score += unique ? 4 : 2;
        score += 2 * wordsContained(choice, kSafetyWords.data(), kSafetyWords.size());
        score -= 4 * wordsContained(choice, kAbsoluteWords.data(), kAbsoluteWords.size());
        score += int(
            std::min<qsizetype>(4, characterPairs(choice.toUcs4()).intersect(stemPairs).size()));
        if (index == 0 || score > bestScore) {
            best = index;
            bestScore = score;
        }
    }
    return best;
}

std::vector<TestwiseTally> tallyTestwiseAnswerer(const std::vector<QuestionRow>& rows) {
    std::map<int, TestwiseTally> byChapter;
    TestwiseTally whole;
    for (const QuestionRow& row : rows) {
        const int picked = testwiseChoice(row);
        if (picked < 0)
            continue;
        TestwiseTally& tally = byChapter[row.stzlb1];
        tally.chapter = row.stzlb1;
        for (TestwiseTally* counted : {&tally, &whole}) {
            ++counted->fourChoice;
            counted->hits += picked == rightIndex(row) ? 1 : 0;
            counted->longestRight += uniquelyLongestIsRight(row) ? 1 : 0;
        }
    }
    std::vector<TestwiseTally> tallies;
    tallies.reserve(byChapter.size() + 1);
    for (const auto& entry : byChapter)
        tallies.push_back(entry.second);
    tallies.push_back(whole);
    return tallies;
}
