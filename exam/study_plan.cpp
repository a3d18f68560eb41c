#include "exam/study_plan.h"

#include "data/memory_table.h"
#include "exam/memory_model.h"
#include "exam/review_queue.h"

#include <algorithm>
#include <limits>

StudyPlan planToExam(SqliteDatabase& database, const QString& bankTable, const QDateTime& now,
                     const QDate& examDate) {
    StudyPlan plan;
    if (!examDate.isValid() || examDate < now.date())
        return plan;
    plan.set = true;
    plan.daysLeft = int(now.date().daysTo(examDate));
    // Morning of the exam: what has not faded below the target by then needs nothing more.
    const QDateTime examMorning(examDate, QTime(9, 0));
    plan.toReview = int(reviewQueueIds(database, bankTable, examMorning, kReviewTargetRecall,
                                       std::numeric_limits<int>::max())
                            .size());
    plan.perDay = (plan.toReview + std::max(plan.daysLeft, 1) - 1) / std::max(plan.daysLeft, 1);
    return plan;
}

QString studyPlanLine(const StudyPlan& plan, const QDate& examDate) {
    if (!examDate.isValid())
        return QStringLiteral("设定考试日期后，这里给出每天的复习量。");
    if (!plan.set)
        return QStringLiteral("考试日期已过，请重新设定。");
    return QStringLiteral("距考试还有 %1 天：%2 题需要复习，每天约 %3 题。")
        .arg(plan.daysLeft)
        .arg(plan.toReview)
        .arg(plan.perDay);
}
