#include "exam/learning_recorder.h"

#include "data/ado_query.h"
#include "data/learning_record.h"
#include "exam/exercise_kind.h"
#include "exam/memory_recorder.h"
#include "exam/wrong_book.h"

void recordAnswer(SqliteDatabase& database, const QString& bankTable, int examMode, int id,
                  bool right, const QDateTime& now) {
    if (examMode == ExamMode::MockExam)
        return;
    recordAnswerInBook(database, bankTable, id, right, now);
    recordAnswerInMemory(database, bankTable, rememberedQuestion(database, bankTable, id), right,
                         now);
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
        for (const JudgedQuestion& question : judgedPaperQuestions(database, result.bank))
            recordAnswerInMemory(database, result.bank,
                                 {question.digest, question.chapter, question.trueFalse},
                                 question.right, result.handedInAt);
    }
    transaction.commit();
}
