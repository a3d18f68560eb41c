// The memory model of each question, its table, and the chance of passing built on it.
#include "data/question_rows.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "exam/daily_count.h"
#include "exam/exercise_kind.h"
#include "exam/learning_recorder.h"
#include "exam/memory_model.h"
#include "exam/pass_chance.h"
#include "exam/pass_chance_reader.h"
#include "exam/review_plan.h"
#include "exam/review_queue.h"
#include "tests/support/empty_exam_database.h"

#include <QTest>

namespace {

const QDateTime kMonday(QDate(2026, 11, 30), QTime(9, 0));

MemoryState afterAnswers(std::initializer_list<std::pair<double, bool>> answers) {
    MemoryState state;
    for (const auto& [day, right] : answers)
        state = reviewed(state, right, kMonday.addSecs(qint64(day * 86400)));
    return state;
}

} // namespace

class TestMemoryModel : public QObject {
    Q_OBJECT
private slots:
    void firstAnswersAndTheCurve() {
        // First stabilities and difficulties are the published weights for "good" and "again".
        const MemoryState good = afterAnswers({{0, true}});
        QVERIFY(qAbs(good.stability - 3.7145) < 1e-9);
        QVERIFY(qAbs(good.difficulty - 5.1618) < 1e-9);
        const MemoryState again = afterAnswers({{0, false}});
        QVERIFY(qAbs(again.stability - 0.4872) < 1e-9);
        QVERIFY(qAbs(again.difficulty - (5.1618 + 2 * 1.2298)) < 1e-9);
        QCOMPARE(again.lapses, 1);

        QCOMPARE(recallAt(MemoryState{}, kMonday), 0.0);
        QCOMPARE(recallAt(good, kMonday), 1.0);
        const QDateTime atStability = kMonday.addSecs(qint64(good.stability * 86400));
        QVERIFY(qAbs(recallAt(good, atStability) - 0.9) < 1e-4);
        QVERIFY(qAbs(daysUntilRecall(good, 0.9) - good.stability) < 1e-9);
        QVERIFY(recallAt(good, kMonday.addDays(30)) < recallAt(good, kMonday.addDays(10)));
        QCOMPARE(chanceRight(0.0, true), 0.5);
        QCOMPARE(chanceRight(0.0, false), 0.25);
        QCOMPARE(chanceRight(1.0, false), 1.0);
    }

    void spacingAndLapses() {
        // A right answer after a long gap counts more than one just after the last.
        const MemoryState soon = afterAnswers({{0, true}, {0.01, true}});
        const MemoryState late = afterAnswers({{0, true}, {6, true}});
        QVERIFY(late.stability > 2 * soon.stability);
        QVERIFY(soon.stability >= 3.7145);
        // A right answer just after a miss counts less than one after a right answer.
        const MemoryState afterMiss = afterAnswers({{0, false}, {0.01, true}});
        QVERIFY(afterMiss.stability < soon.stability);
        // A wrong answer never lengthens stability and makes the question harder.
        const MemoryState lapse = afterAnswers({{0, true}, {6, true}, {30, false}});
        QVERIFY(lapse.stability < late.stability);
        QVERIFY(lapse.difficulty > late.difficulty);
        QCOMPARE(lapse.reps, 3);
        QCOMPARE(lapse.lapses, 1);
    }

    void passProbabilityIsExact() {
        // P(Binomial(100, 0.9) >= 90) = 0.58316...
        QVERIFY(qAbs(passProbability({100}, {0.9}, 90) - 0.583155) < 1e-5);
        // Two chapters of 50 at 0.9 are the same sum.
        QVERIFY(qAbs(passProbability({50, 50}, {0.9, 0.9}, 90) - 0.583155) < 1e-5);
        QCOMPARE(passProbability({42, 26, 22, 10}, {1, 1, 1, 1}, 90), 1.0);
        QVERIFY(passProbability({42, 26, 22, 10}, {1, 1, 1, 0}, 90) > 0.999);
        QCOMPARE(passProbability({42, 26, 22, 10}, {1, 1, 0, 1}, 90), 0.0);
    }

    void intervalNarrowsWithEvidence() {
        const auto outlook = [](int answers, double laterRate) {
            ChapterOutlook chapter{100, std::vector<double>(50, 0.95), 50};
            chapter.firstAnswers = answers;
            chapter.firstRight = answers * 9 / 10;
            chapter.laterAnswers = answers;
            chapter.laterRight = int(answers * laterRate);
            chapter.laterExpected = answers * 0.95;
            return std::vector<ChapterOutlook>{chapter};
        };
        const PassChance little = passChance(90, outlook(10, 0.95));
        const PassChance much = passChance(90, outlook(40, 0.95));
        QVERIFY(little.low <= little.chance && little.chance <= little.high);
        QVERIFY(much.high - much.low < little.high - little.low);
        // A learner who does worse than the model expected is corrected downwards.
        QVERIFY(passChance(90, outlook(400, 0.85)).chance <
                passChance(90, outlook(400, 0.95)).chance);
        // Never-seen questions take the prior; seen ones move by the shift.
        const ChapterOutlook chapter = outlook(0, 0)[0];
        QVERIFY(qAbs(chapterMeanChance(chapter, 0.5, LogitShift{}) - 0.725) < 1e-9);
        QVERIFY(chapterMeanChance(chapter, 0.5, LogitShift{-1.0}) < 0.725);
    }

    void reviewDueToday() {
        const MemoryState good = afterAnswers({{0, true}});              // S 3.7 days
        const MemoryState missed = afterAnswers({{0, false}});           // S 0.5 days
        const MemoryState strong = afterAnswers({{0, true}, {6, true}}); // S weeks
        const std::vector<ReviewCandidate> bank = {
            {1, good}, {2, MemoryState{}}, {3, missed}, {4, strong}, {5, MemoryState{}}};
        const QDateTime inAWeek = kMonday.addDays(7);
        // Due ones lowest recall first, then new ones in bank order; the strong one is not due.
        QCOMPARE(reviewQueue(bank, 0.9, inAWeek, 10), (std::vector<int>{3, 1, 2, 5}));
        QCOMPARE(reviewQueue(bank, 0.9, inAWeek, 3), (std::vector<int>{3, 1, 2}));
        // Just after answering nothing is due yet.
        QCOMPARE(reviewQueue(bank, 0.9, kMonday.addSecs(60), 10), (std::vector<int>{2, 5}));
    }

    // A learner ten days in: one question held well, one fading, one missed two days ago, and
    // two chapters of questions never met.
    void planTowardsTheExam() {
        PlanInput input;
        input.now = kMonday.addDays(10);
        input.questions = {{1, 1, afterAnswers({{0, true}, {3, true}, {9, true}})},
                           {2, 1, afterAnswers({{0, true}})},
                           {3, 2, afterAnswers({{8, false}})}};
        for (int id = 4; id <= 200; ++id)
            input.questions.push_back({id, id % 2 + 1, MemoryState{}});
        input.firstRight = {{1, 0.6}, {2, 0.7}};
        input.exam = input.now.addDays(14);

        // The fading and the missed one first, weakest first, then new ones in bank order;
        // the one held well waits, and the count is kept.
        const std::vector<int> today = plannedToday(input, 6);
        QCOMPARE(today.size(), std::size_t(6));
        QCOMPARE(today[0], 3);
        QCOMPARE(today[1], 2);
        QVERIFY(std::find(today.begin(), today.end(), 1) == today.end());
        QVERIFY(std::is_sorted(today.begin() + 2, today.end()));

        // More a day holds more on the exam morning; the count found is the least that
        // reaches the target, and a later date needs fewer a day.
        QVERIFY(plannedRecall(input, 5) < plannedRecall(input, 20));
        // Per question, the plan's recall sums to its mean; the question held well is left to
        // fade, and the new ones not met by the exam morning stay unanswered.
        const std::vector<std::optional<double>> each = plannedRecallOfQuestions(input, 5);
        double sum = 0.0;
        for (const std::optional<double>& recall : each)
            sum += recall.value_or(0.0);
        QVERIFY(qAbs(sum / double(each.size()) - plannedRecall(input, 5)) < 1e-9);
        QVERIFY(qAbs(*each[0] - recallAt(input.questions[0].state, input.exam)) < 1e-9);
        QVERIFY(!each.back());
        const std::optional<int> soon = dailyCountNeeded(input, kMaxDailyCount);
        QVERIFY(soon && *soon > 1);
        QVERIFY(plannedRecall(input, *soon) >= 0.9);
        QVERIFY(plannedRecall(input, *soon - 1) < 0.9);
        input.exam = input.now.addDays(40);
        const std::optional<int> later = dailyCountNeeded(input, kMaxDailyCount);
        QVERIFY(later && *later < *soon);
        // Tomorrow morning: not even the whole bank today brings it to the target.
        input.exam = input.now.addSecs(14 * 3600);
        QCOMPARE(dailyCountNeeded(input, kMaxDailyCount), std::nullopt);
    }

    void dailyCountTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count"); // 0: refused
        QTest::newRow("plain") << QStringLiteral("50") << 50;
        QTest::newRow("spaces") << QStringLiteral(" 120 ") << 120;
        QTest::newRow("full width") << QStringLiteral("３００") << 300;
        QTest::newRow("least") << QStringLiteral("10") << 10;
        QTest::newRow("most") << QStringLiteral("500") << 500;
        QTest::newRow("too few") << QStringLiteral("9") << 0;
        QTest::newRow("too many") << QStringLiteral("501") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("sign") << QStringLiteral("-50") << 0;
        QTest::newRow("words") << QStringLiteral("五十") << 0;
        QTest::newRow("fraction") << QStringLiteral("50.5") << 0;
        QTest::newRow("huge") << QStringLiteral("99999999999") << 0;
    }

    void dailyCountTyped() {
        QFETCH(QString, typed);
        QFETCH(int, count);
        QCOMPARE(parseDailyCount(typed).value_or(0), count);
    }

    void texts() {
        QCOMPARE(missingEvidence(EvidenceCount{200, 1}), QString());
        QCOMPARE(passChanceLine({}, missingEvidence(EvidenceCount{80, 0})),
                 QStringLiteral("通过概率：数据不足（还需答题 120 道，还需完成 1 次模拟考试）"));
        QCOMPARE(passChanceLine({0.724, 0.61, 0.806}, QString()),
                 QStringLiteral("通过概率约 72%（90%区间 61%–81%）"));
    }

    void storedWithEveryAnswer() {
        EmptyExamDatabase empty;
        SqliteDatabase& database = empty.database;
        migrateExamSchema(database); // idempotent on a file that has the table
        std::vector<QuestionRow> rows;
        for (int id = 1; id <= 4; ++id) {
            QuestionRow row;
            row.id = id;
            row.stnr = QStringLiteral("题%1").arg(id);
            row.da[0] = QStringLiteral("正确");
            row.da[1] = QStringLiteral("错误");
            row.answer = AnswerCode::A;
            row.stzlb1 = id <= 2 ? 1 : 2;
            row.stlx = 1;
            rows.push_back(row);
        }
        insertQuestions(database, QStringLiteral("C"), rows);
        database.execScript(QStringLiteral("INSERT INTO SYS_CFG VALUES (1, 2);"
                                           "INSERT INTO SYS_CFG VALUES (2, 1);"));
        const QString bank = QStringLiteral("C");
        LearningRecorder recorder;
        const auto answer = [&](ExamMode mode, int id, bool right, const QDateTime& at,
                                bool newOnShowing = true) {
            recorder.answerStored(database,
                                  {bank, mode, id, AnswerCode::A, right, newOnShowing, at});
        };
        answer(ExamMode::SequentialPractice, 1, true, kMonday);
        answer(ExamMode::SequentialPractice, 1, false, kMonday.addDays(2));
        answer(ExamMode::SequentialPractice, 3, true, kMonday);
        // The same right answer given again on one showing is not a second review.
        answer(ExamMode::SequentialPractice, 3, true, kMonday, false);
        // A mock exam's answers count at hand-in, not one by one.
        answer(ExamMode::MockExam, 4, true, kMonday);

        // The state follows the question when a re-import renumbers it.
        database.execScript(QStringLiteral("UPDATE C SET ID = ID + 10;"));
        const PassEvidence evidence = readPassEvidence(database, bank, kMonday.addDays(3));
        QCOMPARE(evidence.answers, 3);
        QCOMPARE(evidence.mockExams, 0);
        QCOMPARE(int(evidence.chapters.size()), 2);
        const ChapterOutlook& first = evidence.chapters[0];
        QCOMPARE(first.drawn, 2);
        QCOMPARE(first.unseen, 1);
        QCOMPARE(first.firstAnswers, 1);
        QCOMPARE(first.firstRight, 1);
        QCOMPARE(first.laterAnswers, 1);
        QCOMPARE(first.laterRight, 0);
        // Two days after a first "good" the model expected recall a little above 0.9.
        QVERIFY(first.laterExpected > 0.9 && first.laterExpected < 1.0);
        QCOMPARE(int(first.seenChance.size()), 1);
        QVERIFY(first.seenChance[0] > 0.5 && first.seenChance[0] < 1.0);
        QCOMPARE(evidence.chapters[1].unseen, 1);
        QVERIFY(passChanceLineFor(database, bank, kMonday).contains(QStringLiteral("数据不足")));
        // Ten days on, the two answered questions are due first, then the new ones.
        QCOMPARE(reviewQueueIds(database, bank, kMonday.addDays(10)),
                 (std::vector<int>{11, 13, 12, 14}));
    }
};

QTEST_GUILESS_MAIN(TestMemoryModel)
#include "test_memory_model.moc"
