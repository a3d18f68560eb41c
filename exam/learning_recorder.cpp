#include "exam/learning_recorder.h"

#include "data/learning_record.h"
#include "data/practice_record.h"
#include "data/transaction.h"
#include "exam/memory_recorder.h"
#include "exam/paper_result.h"
#include "exam/practice_memory.h"
#include "exam/wrong_book.h"

void LearningRecorder::answerStored(SqliteDatabase& database, const StoredAnswer& answer) {
    // One read of the question serves the practice, the book, the memory model and the history.
    const RememberedQuestion question = rememberedQuestion(database, answer.bank, answer.id);
    const QString& digest = question.digest;
    if (memory_)
        memory_->answered(database, digest, answer.answerCode, answer.at);
    if (answer.examMode == ExamMode::MockExam)
        return;
    // One right answer per showing: a key pressed twice must not take a question out of the
    // book that the learner answered right once, nor count as a second review.
    if (answer.right && !answer.newOnShowing)
        return;
    recordDigestInBook(database, answer.bank, digest, answer.right, answer.at);
    recordAnswerInMemory(database, answer.bank, question, answer.right, answer.at);
    recordAnswerHistory(database, {answer.bank, digest}, answer.right, answer.at);
}

void LearningRecorder::paperHandedIn(SqliteDatabase& database, const PaperResult& result) {
    PaperRecord paper;
    paper.started = result.startedAt;
    paper.handedIn = result.handedInAt;
    paper.bank = result.bank;
    paper.examMode = examModeCode(result.examMode);
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
        for (const JudgedQuestion& question : judgedPaperQuestions(database, result.bank)) {
            recordAnswerInMemory(database, result.bank,
                                 {question.digest, question.chapter, question.trueFalse},
                                 question.right, result.handedInAt);
            recordAnswerHistory(database, {result.bank, question.digest}, question.right,
                                result.handedInAt);
        }
    }
    transaction.commit();
}
