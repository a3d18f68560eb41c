#include "exam/study_plan.h"

#include "data/memory_table.h"
#include "exam/bank_memory.h"
#include "exam/daily_count.h"
#include "exam/review_plan.h"
#include "exam/review_queue.h"

#include <cmath>

namespace {

PlanInput readPlanInput(SqliteDatabase& database, const QString& bankTable, const QDateTime& now,
                        const QDate& examDate) {
    PlanInput input;
    const BankMemory bank = readBankMemory(database, bankTable);
    input.questions.reserve(bank.questions.size());
    for (const QuestionMemory& question : bank.questions)
        input.questions.push_back(
            {question.id, question.chapter,
             question.memory ? memoryStateOf(*question.memory) : MemoryState{}});
    for (const ChapterEvidence& chapter : readChapterEvidence(database, bankTable))
        input.firstRight.emplace_back(chapter.chapter,
                                      (chapter.firstRight + 1.0) / (chapter.firstAnswers + 2.0));
    input.now = now;
    input.exam = examMorning(examDate);
    input.target = kReviewTargetRecall;
    return input;
}

QString percent(double value) {
    return QStringLiteral("%1%").arg(std::lround(100.0 * value));
}

} // namespace

QDateTime examMorning(const QDate& examDate) {
    return QDateTime(examDate, QTime(9, 0));
}

StudyPlan planToExam(SqliteDatabase& database, const QString& bankTable, const QDateTime& now,
                     const QDate& examDate) {
    StudyPlan plan;
    if (!examDate.isValid() || examDate < now.date())
        return plan;
    plan.set = true;
    plan.daysLeft = int(now.date().daysTo(examDate));
    plan.dailyCount = dailyCount(database);
    const PlanInput input = readPlanInput(database, bankTable, now, examDate);
    plan.reached = plannedRecall(input, plan.dailyCount);
    if (plan.daysLeft > 0)
        plan.recallAtExam = plannedRecallOfQuestions(input, plan.dailyCount);
    plan.needed = dailyCountNeeded(input, kMaxDailyCount);
    return plan;
}

QString studyPlanLine(const StudyPlan& plan, const QDate& examDate) {
    if (!examDate.isValid())
        return QStringLiteral("设定考试日期后，这里给出每天的复习量。");
    if (!plan.set)
        return QStringLiteral("考试日期已过，请重新设定。");
    if (plan.daysLeft == 0)
        return QStringLiteral("今天考试：按现在的记忆，平均记住 %1。").arg(percent(plan.reached));
    const QString target = percent(kReviewTargetRecall);
    QString need;
    if (!plan.needed)
        need =
            QStringLiteral("剩下的天数每天复习 %1 题也达不到 %2。").arg(kMaxDailyCount).arg(target);
    else if (*plan.needed == 0)
        need = QStringLiteral("不再复习也能保持 %1 以上。").arg(target);
    else
        need = QStringLiteral("要达到 %1，每天需 %2 题。").arg(target).arg(*plan.needed);
    return QStringLiteral("距考试还有 %1 天：每天复习 %2 题，考试时预计平均记住 %3；%4")
        .arg(plan.daysLeft)
        .arg(plan.dailyCount)
        .arg(percent(plan.reached), need);
}

std::vector<int> todaysReview(SqliteDatabase& database, const QString& bankTable,
                              const QDateTime& now) {
    const int count = dailyCount(database);
    const QDate examDate = readExamDate(database);
    if (examDate.isValid() && examDate > now.date())
        return plannedToday(readPlanInput(database, bankTable, now, examDate), count);
    return reviewQueueIds(database, bankTable, now, kReviewTargetRecall, count);
}
