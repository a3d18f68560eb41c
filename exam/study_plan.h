#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class SqliteDatabase;

// The plan to the exam date: the questions whose predicted recall on that day would be below
// the target (never-answered ones included) each need a review before it, spread over the
// days left.
struct StudyPlan {
    bool set = false; // an exam date today or later
    int daysLeft = 0;
    int toReview = 0;
    int perDay = 0;
};

StudyPlan planToExam(SqliteDatabase& database, const QString& bankTable, const QDateTime& now,
                     const QDate& examDate);

// "距考试还有 12 天：340 题需要复习，每天约 29 题。"; for a past or missing date, how to set one.
QString studyPlanLine(const StudyPlan& plan, const QDate& examDate);
