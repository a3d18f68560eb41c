#include "exam/record_summary.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMockExamMode = 1;

} // namespace

QString readinessLine(const std::vector<PaperLine>& newestExams) {
    if (newestExams.empty())
        return QStringLiteral("还没有模拟考试记录，交一份模拟考试试卷后这里会显示成绩情况。");
    const qint64 count = qint64(std::min<std::size_t>(newestExams.size(), kReadinessPapers));
    qint64 passed = 0;
    qint64 scores = 0;
    for (qint64 index = 0; index < count; ++index) {
        passed += newestExams[std::size_t(index)].passed ? 1 : 0;
        scores += newestExams[std::size_t(index)].score;
    }
    // Whole points, halves rounded up, in integers: a sum of scores never wraps in 64 bits.
    const qint64 average = (2 * scores + count) / (2 * count);
    const QString recent = count == kReadinessPapers
                               ? QStringLiteral("最近%1次模拟考试").arg(count)
                               : QStringLiteral("已有%1次模拟考试").arg(count);
    if (passed == count && count == kReadinessPapers)
        return QStringLiteral("%1全部及格，平均%2分，可以预约考试了。").arg(recent).arg(average);
    return QStringLiteral("%1及格%2次，平均%3分。").arg(recent).arg(passed).arg(average);
}

QString damagedLine(const DamagedRows& damaged) {
    if (damaged.total() == 0)
        return QString();
    return QStringLiteral("学习记录中有%1条记录已损坏（数值缺失、不是整数或超出范围），"
                          "未计入统计。")
        .arg(damaged.total());
}

int accuracyPercent(const ChapterSum& sum) {
    if (sum.questions <= 0 || sum.right < 0 || sum.right > sum.questions)
        return 0;
    return int(std::floor(100.0 * double(sum.right) / double(sum.questions)));
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

QByteArray papersCsv(const std::vector<PaperLine>& papers) {
    QString text = QStringLiteral("交卷时间,开始时间,题库,模式,考试时间(分钟),用时(秒),题数,"
                                  "答对,得分,是否及格\r\n");
    for (const PaperLine& paper : papers) {
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
