// The summary check prints: per bank, the chapters, the test-wise answerer, the topics and the
// balance of right answers; then every problem.
#include "data/topics.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/check_report.h"

#include <array>

namespace {

QString padded(const QString& text, int width) {
    return text.leftJustified(width);
}

QString rate(int part, int whole) {
    return whole > 0 ? QString::number(100.0 * part / whole, 'f', 1) + QStringLiteral(" %")
                     : QStringLiteral("-");
}

void printTestwiseTallies(const std::vector<TestwiseTally>& tallies, QTextStream& out) {
    out << "  test-wise answerer (knows no traffic law) on four-choice questions, chance 25 %:\n";
    out << "  chapter  four-choice  right  rate     longest is right\n";
    for (const TestwiseTally& tally : tallies) {
        out << "  "
            << padded(tally.chapter == 0 ? QStringLiteral("all") : QString::number(tally.chapter),
                      9)
            << padded(QString::number(tally.fourChoice), 13)
            << padded(QString::number(tally.hits), 7)
            << padded(rate(tally.hits, tally.fourChoice), 9)
            << rate(tally.longestRight, tally.fourChoice) << '\n';
    }
}

// How many questions each topic's practice would hold.
void printTopicCounts(const std::vector<QuestionRow>& rows, QTextStream& out) {
    std::array<int, kTopicCount> counts{};
    int untagged = 0;
    for (const QuestionRow& row : rows) {
        const QStringList names = splitTopics(row.zt);
        untagged += names.isEmpty() ? 1 : 0;
        for (const QString& name : names) {
            if (const std::optional<Topic> topic = topicForName(name))
                ++counts[std::size_t(*topic)];
        }
    }
    out << "  topics:";
    for (const Topic topic : allTopics())
        out << ' ' << topicName(topic) << ' ' << counts[std::size_t(topic)];
    out << "; untagged " << untagged << '\n';
}

// A learner who always picks one letter, or always says 正确, should score no better than chance.
void printAnswerBalance(const std::vector<QuestionRow>& rows, QTextStream& out) {
    std::array<int, 4> letters{};
    int fourChoice = 0, trueFalse = 0, saysTrue = 0;
    for (const QuestionRow& row : rows) {
        const int choices = choiceCount(row);
        if (choices == 2) {
            ++trueFalse;
            saysTrue += row.answer == AnswerCode::A ? 1 : 0;
        } else if (choices == 4 && choiceIndex(row.answer) >= 0) {
            ++fourChoice;
            ++letters[std::size_t(choiceIndex(row.answer))];
        }
    }
    out << "  right answers:";
    for (int letter = 0; letter < 4; ++letter)
        out << ' ' << QChar(u'A' + letter) << ' ' << rate(letters[std::size_t(letter)], fourChoice);
    out << "; true/false 正确 " << rate(saysTrue, trueFalse) << '\n';
}

} // namespace

void printCheckReport(const CheckReport& report, const QString& databasePath, ToolStreams streams) {
    QTextStream& out = streams.out;
    QTextStream& err = streams.err;
    for (const BankReport& bank : report.banks) {
        out << "bank " << bank.name << ": " << bank.rows.size() << " questions\n";
        out << "  chapter  questions  true/false  four-choice  pictures  drawn\n";
        for (const ChapterSummary& chapter : summarizeChapters(bank.rows)) {
            qint64 drawn = 0;
            for (const SysCfgRow& row : report.sysCfg.rows)
                drawn += row.chapter == chapter.chapter && row.count > 0 ? row.count : 0;
            out << "  " << padded(QString::number(chapter.chapter), 9)
                << padded(QString::number(chapter.questions), 11)
                << padded(QString::number(chapter.trueFalse), 12)
                << padded(QString::number(chapter.fourChoice), 13)
                << padded(QString::number(chapter.pictures), 10) << drawn << '\n';
        }
        printTestwiseTallies(bank.testwise, out);
        printTopicCounts(bank.rows, out);
        printAnswerBalance(bank.rows, out);
    }
    qint64 paper = 0;
    for (const SysCfgRow& row : report.sysCfg.rows)
        paper += row.count > 0 ? row.count : 0;
    out << "SYS_CFG: a paper draws " << paper << " questions\n";
    for (const BankReport& bank : report.banks) {
        for (const QStringList* problems :
             {&bank.problems, &bank.factProblems, &bank.pairsToRead}) {
            for (const QString& problem : *problems)
                err << databasePath << ": " << problem << '\n';
        }
    }
    for (const QString& problem : report.problems)
        err << databasePath << ": " << problem << '\n';
    if (report.problemCount() == 0)
        out << "no problems found\n";
    else
        err << report.problemCount() << " problem(s) found\n";
}
