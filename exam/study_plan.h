#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// The plan to the exam date (see exam/review_plan.cpp for the method) as the record window
// states it, and the questions it gives 今日复习 today.
struct StudyPlan {
    bool set = false; // an exam date today or later
    int daysLeft = 0; // review days before the exam date; 0 on the day itself
    int dailyCount = 0;
    double reached = 0.0;      // mean predicted recall on the exam morning, dailyCount a day
    std::optional<int> needed; // questions a day that reach the target; nullopt: none do
    // Per question of the bank in id order, its recall on the exam morning when the plan is
    // followed; nullopt for one still never answered then. Empty on the day itself.
    std::vector<std::optional<double>> recallAtExam;
};

// The exam is taken in the morning; predictions are for then.
QDateTime examMorning(const QDate& examDate);

StudyPlan planToExam(SqliteDatabase& database, const QString& bankTable, const QDateTime& now,
                     const QDate& examDate);

// "距考试还有 12 天：每天复习 50 题，考试时预计平均记住 86%；要达到 90%，每天需 64 题。"; for a
// past or missing date, how to set one.
QString studyPlanLine(const StudyPlan& plan, const QDate& examDate);

// The questions of 今日复习 now, at most the learner's daily count: planned towards the exam
// date when one lies ahead, otherwise those due lowest recall first, then new ones.
std::vector<int> todaysReview(SqliteDatabase& database, const QString& bankTable,
                              const QDateTime& now);
