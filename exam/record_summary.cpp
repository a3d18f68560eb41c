#include "exam/record_summary.h"

#include <cmath>

namespace {

constexpr int kMockExamMode = 1;

} // namespace

QString readinessLine(const std::vector<PaperRecord>& papers) {
    std::vector<const PaperRecord*> exams;
    for (auto paper = papers.rbegin();
         paper != papers.rend() && int(exams.size()) < kReadinessPapers; ++paper) {
        if (paper->examMode == kMockExamMode)
            exams.push_back(&*paper);
    }
    if (exams.empty())
        return QStringLiteral("还没有模拟考试记录，交一份模拟考试试卷后这里会显示成绩情况。");
    int passed = 0;
    int scores = 0;
    for (const PaperRecord* exam : exams) {
        passed += exam->passed ? 1 : 0;
        scores += exam->score;
    }
    const int count = int(exams.size());
    const long average = std::lround(double(scores) / count);
    const QString recent = count == kReadinessPapers
                               ? QStringLiteral("最近%1次模拟考试").arg(count)
                               : QStringLiteral("已有%1次模拟考试").arg(count);
    if (passed == count && count == kReadinessPapers)
        return QStringLiteral("%1全部及格，平均%2分，可以预约考试了。").arg(recent).arg(average);
    return QStringLiteral("%1及格%2次，平均%3分。").arg(recent).arg(passed).arg(average);
}

std::map<int, ChapterTally> chapterAccuracy(const std::vector<PaperRecord>& papers, int count) {
    std::map<int, ChapterTally> sums;
    int taken = 0;
    for (auto paper = papers.rbegin(); paper != papers.rend() && taken < count; ++paper, ++taken) {
        for (const ChapterTally& tally : paper->chapters) {
            ChapterTally& sum = sums[tally.chapter];
            sum.chapter = tally.chapter;
            sum.questions += tally.questions;
            sum.right += tally.right;
        }
    }
    return sums;
}

QString bankDisplayName(const QString& bank) {
    if (bank == QLatin1String("C"))
        return QStringLiteral("小型汽车");
    if (bank == QLatin1String("B2"))
        return QStringLiteral("大型货车");
    return bank;
}

QString examModeDisplayName(int examMode) {
    switch (examMode) {
    case kMockExamMode:
        return QStringLiteral("模拟考试");
    case 10:
        return QStringLiteral("模拟练习");
    default:
        return QStringLiteral("练习");
    }
}

QString durationText(int seconds) {
    const int safe = seconds < 0 ? 0 : seconds;
    return QStringLiteral("%1分%2秒").arg(safe / 60).arg(safe % 60, 2, 10, QLatin1Char('0'));
}

QByteArray papersCsv(const std::vector<PaperRecord>& papers) {
    QString text = QStringLiteral("交卷时间,开始时间,题库,模式,考试时间(分钟),用时(秒),题数,"
                                  "答对,得分,是否及格\r\n");
    for (const PaperRecord& paper : papers) {
        const QStringList fields = {paper.handedIn.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                    paper.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                    bankDisplayName(paper.bank),
                                    examModeDisplayName(paper.examMode),
                                    QString::number(paper.minutes),
                                    QString::number(paper.secondsUsed),
                                    QString::number(paper.questions),
                                    QString::number(paper.right),
                                    QString::number(paper.score),
                                    paper.passed ? QStringLiteral("及格")
                                                 : QStringLiteral("不及格")};
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
