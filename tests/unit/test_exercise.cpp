// The exercise without a window: each mode's question list, answering, moving, the countdown,
// handing in, and what the recorder is told inside the answer's transaction.
#include "data/ado_connection.h"
#include "data/connection_string.h"
#include "data/db_error.h"
#include "data/learning_record.h"
#include "data/schema.h"
#include "exam/exercise.h"
#include "exam/exercise_recorder.h"
#include "exam/learning_recorder.h"
#include "tests/support/test_data.h"

#include <stdexcept>

namespace {

// Keeps what it is told; throws when asked to, as a record that cannot be written would.
class ListeningRecorder : public ExerciseRecorder {
public:
    void answerStored(SqliteDatabase& database, const StoredAnswer& answer) override {
        if (refuse)
            throw DbError(QStringLiteral("database or disk is full"));
        answers.push_back(answer);
        if (forward)
            forward->answerStored(database, answer);
    }
    void paperHandedIn(SqliteDatabase& database, const PaperResult& result) override {
        papers.push_back(result);
        if (forward)
            forward->paperHandedIn(database, result);
    }
    bool refuse = false;
    ExerciseRecorder* forward = nullptr;
    std::vector<StoredAnswer> answers;
    std::vector<PaperResult> papers;
};

// An exercise on its own temporary database: two chapters of six (the B2 bank holds the
// common questions), three of each drawn for a paper.
struct Bench {
    Bench() : folder(sampleSources(2, 6, 3)) {
        connection.setConnectionString(examConnectionString(folder.path()));
        connection.open();
        migrateExamSchema(connection.database());
        exercise.setConnection(&connection);
        exercise.setRecorder(&recorder);
    }
    void start(ExamMode mode, PaperMode paperMode, const QuestionSource& source) {
        exercise.reset(mode, paperMode);
        exercise.clearAnswers();
        QVERIFY(exercise.load(source));
        exercise.begin();
        exercise.show();
    }
    AnswerCode mark(int id) const {
        return answerCodeFromColumn(
            folder.scalar(QStringLiteral("select MARK from B2 where ID=%1").arg(id)));
    }
    AnswerCode rightCode(int id) const {
        return answerCodeFromColumn(
            folder.scalar(QStringLiteral("select ANSWER from B2 where ID=%1").arg(id)));
    }
    AnswerCode wrongCode(int id) const {
        return rightCode(id) == AnswerCode::A ? AnswerCode::B : AnswerCode::A;
    }
    QList<int> ids(const QString& where) const {
        return folder.ints(QStringLiteral("select ID from B2 %1").arg(where));
    }

    TestProgramFolder folder;
    AdoConnection connection;
    ListeningRecorder recorder;
    Exercise exercise;
};

} // namespace

class TestExercise : public QObject {
    Q_OBJECT
private slots:
    void eachModeHasItsList() {
        Bench bench;
        const QList<int> all = bench.ids(QStringLiteral("order by STLB,STZLB1,STLX,STBH"));
        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank, wholeBankQuestions());
        QCOMPARE(bench.exercise.questionIds(), all);

        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank, chapterQuestions(2));
        QCOMPARE(bench.exercise.questionIds(),
                 bench.ids(QStringLiteral("where STZLB1=2 order by STLB,STZLB1,STLX,STBH")));

        // A listed order is kept; an id no longer in the bank is left out.
        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank,
                    listedQuestions({all[4], 9999, all[1]}));
        QCOMPARE(bench.exercise.questionIds(), (QList<int>{all[4], all[1]}));

        bench.start(ExamMode::MockExam, PaperMode::DrawnPaper, drawnPaperQuestions());
        const QList<int> paper = bench.exercise.questionIds();
        QCOMPARE(paper, bench.folder.ints(QStringLiteral("select EXAMID from S_MARK order by 1")));
        QCOMPARE(paper.size(), 6);
        QCOMPARE(bench.exercise.countdown(), QStringLiteral("0:45:00"));

        // No chapter asks for questions: the paper gives no list, and the old one stays.
        bench.folder.exec(QStringLiteral("update SYS_CFG set STSL=0"));
        bench.exercise.reset(ExamMode::MockExam, PaperMode::DrawnPaper);
        QVERIFY(!bench.exercise.load(drawnPaperQuestions()));
        QCOMPARE(bench.exercise.questionIds(), paper);
    }

    void answeringStoresAndTellsTheRecorder() {
        Bench bench;
        bench.folder.exec(QStringLiteral("update B2 set MARK=1"));
        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank, wholeBankQuestions());
        QCOMPARE(bench.exercise.counters()->answered, 0);
        const int id = bench.exercise.questionId();
        QVERIFY(!bench.exercise.answer(bench.wrongCode(id)));
        QCOMPARE(bench.mark(id), bench.wrongCode(id));
        QCOMPARE(bench.exercise.storedAnswer(), bench.wrongCode(id));
        QVERIFY(bench.exercise.answer(bench.rightCode(id)));
        QCOMPARE(bench.exercise.counters()->right, QStringLiteral("1"));
        QCOMPARE(bench.exercise.counters()->answered, 1);
        QCOMPARE(bench.recorder.answers.size(), std::size_t(2));
        QCOMPARE(bench.recorder.answers[1].id, id);
        QCOMPARE(bench.recorder.answers[1].bank, QStringLiteral("B2"));
        QVERIFY(bench.recorder.answers[1].right);

        // The recorder refuses: the answer is undone with it, and the exercise says so.
        bench.exercise.next();
        bench.exercise.show();
        const int next = bench.exercise.questionId();
        bench.recorder.refuse = true;
        QVERIFY_THROWS_EXCEPTION(DbError, bench.exercise.answer(bench.rightCode(next)));
        QCOMPARE(bench.mark(next), AnswerCode::NotAnswered);
        QCOMPARE(bench.exercise.storedAnswer(), AnswerCode::NotAnswered);
        QCOMPARE(bench.exercise.rereadStoredAnswer(), AnswerCode::NotAnswered);

        // A question gone from the bank keeps no answer, and the error names it.
        bench.recorder.refuse = false;
        bench.folder.exec(QStringLiteral("delete from B2 where ID=%1").arg(next));
        try {
            bench.exercise.answer(AnswerCode::A);
            QFAIL("an answer to a question that is gone was stored");
        } catch (const DbError& error) {
            QVERIFY(QString::fromUtf8(error.what()).contains(QString::number(next)));
        }
        QVERIFY_THROWS_EXCEPTION(DbError, bench.exercise.show());
    }

    void movingStopsAtEitherEnd() {
        Bench bench;
        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank, chapterQuestions(1));
        const QList<int> ids = bench.exercise.questionIds();
        bench.exercise.previous();
        QCOMPARE(bench.exercise.number(), 1);
        for (int step = 0; step < 10; ++step)
            bench.exercise.next();
        bench.exercise.show();
        QCOMPARE(bench.exercise.number(), 6);
        QCOMPARE(bench.exercise.questionId(), ids.last());
        QVERIFY(!bench.exercise.goTo(0));
        QVERIFY(!bench.exercise.goTo(7));
        QCOMPARE(bench.exercise.number(), 6);
        QVERIFY(bench.exercise.goTo(3));
        bench.exercise.show();
        QCOMPARE(bench.exercise.questionId(), ids[2]);
    }

    // A right answer counts once while its question stays shown, whatever keys are pressed;
    // a new showing (the place changed) counts again. The last question, shown again by a
    // step forward that cannot move, is the same showing.
    void oneRightAnswerPerShowing() {
        Bench bench;
        LearningRecorder book;
        bench.recorder.forward = &book;
        bench.start(ExamMode::SequentialPractice, PaperMode::WholeBank, chapterQuestions(1));
        bench.exercise.goTo(6);
        bench.exercise.show();
        const int id = bench.exercise.questionId();
        const QString inBook = QStringLiteral("select count(*) from WRONG_BOOK");
        bench.exercise.answer(bench.wrongCode(id));
        QCOMPARE(bench.folder.scalar(inBook), 1);
        bench.exercise.answer(bench.rightCode(id));
        bench.exercise.answer(bench.rightCode(id));
        bench.exercise.next();
        bench.exercise.show();
        bench.exercise.answer(bench.rightCode(id));
        QCOMPARE(bench.folder.scalar(inBook), 1);
        QCOMPARE(bench.folder.scalar(QStringLiteral("select RIGHT_STREAK from WRONG_BOOK")), 1);
        QCOMPARE(bench.recorder.answers.size(), std::size_t(4));
        QVERIFY(bench.recorder.answers[1].newOnShowing);
        QVERIFY(!bench.recorder.answers[2].newOnShowing);
        QVERIFY(!bench.recorder.answers[3].newOnShowing);

        bench.exercise.previous();
        bench.exercise.show();
        bench.exercise.next();
        bench.exercise.show();
        bench.exercise.answer(bench.rightCode(id));
        QCOMPARE(bench.folder.scalar(inBook), 0);
    }

    void countdownAndHandIn() {
        Bench bench;
        bench.folder.exec(QStringLiteral("update sysparam set timer2=1"));
        QCOMPARE(bench.exercise.tick(), Exercise::Tick::Ignored);
        bench.start(ExamMode::MockExam, PaperMode::DrawnPaper, drawnPaperQuestions());
        QVERIFY(!bench.exercise.counters());
        const int id = bench.exercise.questionId();
        bench.exercise.answer(bench.rightCode(id));
        // A mock exam is judged at hand-in, not answer by answer.
        QCOMPARE(bench.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 0);
        for (int second = 1; second < 60; ++second)
            QCOMPARE(bench.exercise.tick(), Exercise::Tick::Running);
        QCOMPARE(bench.exercise.countdown(), QStringLiteral("0:00:01"));
        QCOMPARE(bench.exercise.tick(), Exercise::Tick::TimeUp);

        const PaperResult result = bench.exercise.handIn();
        QCOMPARE(result.questionCount, 6);
        QCOMPARE(result.rightAnswers, 1);
        QCOMPARE(result.secondsUsed, 60);
        QCOMPARE(result.minutesSet, 1);
        QCOMPARE(result.examMode, ExamMode::MockExam);
        QVERIFY(bench.exercise.handedIn());
        QCOMPARE(bench.exercise.tick(), Exercise::Tick::Stopped);
        bench.exercise.recordHandIn(result);
        QCOMPARE(bench.recorder.papers.size(), std::size_t(1));

        // Reviewed as practice, the paper's clock is out of the way.
        bench.exercise.reviewAfterHandIn();
        QCOMPARE(bench.exercise.tick(), Exercise::Tick::Ignored);
        bench.exercise.end();
        QVERIFY(!bench.exercise.running());
    }

    void verdictsFollowTheSettingAndTheMode() {
        Bench bench;
        bench.folder.exec(QStringLiteral("update sysparam set ifshow=1"));
        bench.start(ExamMode::MockPractice, PaperMode::DrawnPaper, drawnPaperQuestions());
        const AnswerCode right = bench.rightCode(bench.exercise.questionId());
        QVERIFY(bench.exercise.answerLine(right).endsWith(QStringLiteral(" 正确")));
        bench.exercise.hideVerdicts();
        QVERIFY(!bench.exercise.answerLine(right).contains(QStringLiteral("正确")));
    }

    void withoutAConnectionNothingRuns() {
        Exercise exercise;
        QVERIFY_THROWS_EXCEPTION(
            DbError, exercise.reset(ExamMode::SequentialPractice, PaperMode::WholeBank));
        QVERIFY_THROWS_EXCEPTION(DbError, exercise.setBank(QStringLiteral("B2; drop table C")));
        QCOMPARE(exercise.bank(), QStringLiteral("B2"));
    }
};

XUNDRAL_DATA_TEST_MAIN(TestExercise)
#include "test_exercise.moc"
