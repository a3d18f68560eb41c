#include "exam/learning_recorder.h"

#include "data/ado_query.h"
#include "data/learning_record.h"
#include "data/practice_record.h"
#include "exam/exercise_kind.h"
#include "exam/wrong_book.h"

void recordAnswer(SqliteDatabase& database, const QString& bankTable, int examMode, int id,
                  bool right, const QDateTime& now) {
    if (examMode == ExamMode::MockExam)
        return;
    recordAnswerInBook(database, bankTable, id, right, now);
    recordAnswerHistory(database, bankTable, digestOfQuestion(database, bankTable, id), right, now);
}

void recordHandIn(SqliteDatabase& database, const PaperResult& result) {
    PaperRecord paper;
    paper.started = result.startedAt;
    paper.handedIn = result.handedInAt;
    paper.bank = result.bank;
    paper.examMode = result.examMode;
    paper.minutes = result.minutesSet;
    paper.secondsUsed = result.secondsUsed;
    paper.questions = result.questionCount;
    paper.right = result.rightAnswers;
    paper.score = result.score;
    paper.passed = result.passed;
    Transaction transaction(database);
    paper.chapters = tallyPaperChapters(database, result.bank);
    insertPaperRecord(database, paper);
    if (result.examMode == ExamMode::MockExam) {
        recordPaperInBook(database, result.bank, result.handedInAt);
        for (const JudgedAnswer& answer : judgedPaperAnswers(database, result.bank))
            recordAnswerHistory(database, result.bank, answer.digest, answer.right,
                                result.handedInAt);
    }
    transaction.commit();
}
