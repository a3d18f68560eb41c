// The practices beside the original's on the real windows: 继续练习 after a restart, random
// practice once through, topic practice on the shipped banks, most-missed order, key 7, and the
// original's sequential practice still starting afresh.
#include "app/answer_sheet.h"
#include "data/topics.h"
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>

namespace {

// Answers the question on the panel right or wrong; every question has choices A and B.
int answer(ProgramFixture& program, bool right) {
    const QString bank = program.main().bank();
    const int id = program.main().curId();
    const int code = program.folder.scalar(
        QStringLiteral("select ANSWER from %1 where ID=%2").arg(bank).arg(id));
    const int given = right ? code : (code == 1 ? 2 : 1);
    program.key(given == 1   ? Qt::Key_1
                : given == 2 ? Qt::Key_2
                : given == 3 ? Qt::Key_3
                             : Qt::Key_0);
    return id;
}

// Restarts the program on the same folder, as a learner closing and opening it does.
void restart(ProgramFixture& program) {
    program.windows.reset();
    program.start();
}

QString heading(ProgramFixture& program) {
    return program.windows->studyPane.findChild<QLabel*>(QStringLiteral("studyHeading"))->text();
}

} // namespace

class TestPracticeModes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void resumeAfterARestart() {
        ProgramFixture program(sampleSources(2, 12, 3));
        program.main().ChapterPracticeClick(2);
        answer(program, true);
        answer(program, false);
        answer(program, true);
        program.key(Qt::Key_6);
        const int number = program.main().curNum();
        const int id = program.main().curId();
        const QString right = program.label("Label1");
        const QString answered = program.label("examtime");
        const QList<int> marks =
            program.folder.ints(QStringLiteral("select MARK from B2 order by ID"));
        QCOMPARE(number, 5);
        restart(program);

        program.boxes.clear();
        program.main().ResumePracticeClick();
        QCOMPARE(program.boxes.texts().first(),
                 QStringLiteral("您想继续上次的章节练习（第2章）吗？从第5题接着练，共12题。"));
        QCOMPARE(program.main().curNum(), number);
        QCOMPARE(program.main().curId(), id);
        QCOMPARE(program.label("Label1"), right);
        QCOMPARE(program.label("examtime"), answered);
        QCOMPARE(program.folder.ints(QStringLiteral("select MARK from B2 order by ID")), marks);
        QCOMPARE(heading(program), QStringLiteral("章节练习（第2章）　共 12 题"));

        // The original's sequential practice still starts afresh and clears every answer.
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(program.main().curNum(), 1);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK<>5")), 0);
        QCOMPARE(heading(program), QStringLiteral("顺序出题　共 24 题"));

        // It is kept as well, without its list, and goes on where it stopped.
        answer(program, true);
        answer(program, false);
        program.key(Qt::Key_6);
        const int sequentialId = program.main().curId();
        const QString sequentialRight = program.label("Label1");
        restart(program);
        program.boxes.clear();
        program.main().ResumePracticeClick();
        QCOMPARE(program.boxes.texts().first(),
                 QStringLiteral("您想继续上次的顺序出题吗？从第4题接着练，共24题。"));
        QCOMPARE(program.main().curId(), sequentialId);
        QCOMPARE(program.label("Label1"), sequentialRight);
        QCOMPARE(program.label("examtime"), QStringLiteral("2"));
        QCOMPARE(heading(program), QStringLiteral("顺序出题　共 24 题"));
    }

    void randomShowsEveryQuestionOnce() {
        ProgramFixture program(sampleSources(2, 10, 3));
        program.key(Qt::Key_X, Qt::AltModifier);
        QCOMPARE(program.main().totalNum(), 20);
        QCOMPARE(heading(program), QStringLiteral("随机练习　共 20 题"));
        QList<int> seen;
        for (int index = 0; index < 8; ++index) {
            seen.append(program.main().curId());
            program.key(Qt::Key_6);
        }
        restart(program);
        program.main().ResumePracticeClick();
        QCOMPARE(program.main().curNum(), 9);
        for (int index = 8; index < 20; ++index) {
            seen.append(program.main().curId());
            program.key(Qt::Key_6);
        }
        const QList<int> bank =
            program.folder.ints(QStringLiteral("select ID from B2 order by ID"));
        QCOMPARE(QSet<int>(seen.begin(), seen.end()).size(), 20);
        QCOMPARE(QSet<int>(seen.begin(), seen.end()), QSet<int>(bank.begin(), bank.end()));
        QVERIFY(seen != bank);
    }

    void topicsHoldTheirTaggedQuestions() {
        // The questions' pictures are found below the current folder, as the program runs.
        const QString previous = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
        QDir::setCurrent(qEnvironmentVariable("XUNDRAL_PROGRAM_DIR"));
        ProgramFixture program(qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") +
                               QStringLiteral("/db/exam.mdb"));
        int practised = 0;
        for (const QString& bank : {QStringLiteral("B2"), QStringLiteral("C")}) {
            if (bank == QLatin1String("C"))
                program.main().CClick();
            QCOMPARE(program.main().bank(), bank);
            for (const Topic topic : allTopics()) {
                const QString name = topicName(topic);
                const QList<int> tagged = program.folder.ints(
                    QStringLiteral("select ID from %1 where ' ' || ZT || ' ' like '%% %2 %%' "
                                   "order by ID")
                        .arg(bank, name));
                program.boxes.clear();
                program.main().ReturnToStartPanel();
                program.main().TopicPracticeClick(name);
                if (tagged.isEmpty()) {
                    QCOMPARE(program.boxes.texts(),
                             QStringList{QStringLiteral("这部分没有试题。")});
                    continue;
                }
                QList<int> shown = program.main().exercise().questionIds();
                std::sort(shown.begin(), shown.end());
                QCOMPARE(shown, tagged);
                ++practised;
            }
        }
        QVERIFY(practised >= 20);
    }

    void mostMissedFollowsTheRecord() {
        ProgramFixture program(sampleSources(1, 8, 3));
        program.main().MostMissedPracticeClick();
        QCOMPARE(program.boxes.texts(), QStringList{QStringLiteral("还没有答错过的题目记录。")});
        program.find<QPushButton>("BitBtn1")->click();
        const int first = answer(program, false);  // wrong twice, right last
        const int second = answer(program, false); // wrong twice, wrong last
        const int third = answer(program, false);  // wrong once
        answer(program, true);
        program.main().goToQuestion(1);
        answer(program, false);
        answer(program, false);
        program.main().goToQuestion(1);
        answer(program, true);
        program.main().MostMissedPracticeClick();
        QCOMPARE(program.main().exercise().questionIds(), (QList<int>{second, first, third}));
        QCOMPARE(heading(program), QStringLiteral("易错题练习　共 3 题"));
    }

    // 今日复习 asks what the memory model says is due: questions answered a moment ago are still
    // held, right or wrong, so the day's list is the questions never seen, in bank order.
    void reviewAsksWhatIsDue() {
        ProgramFixture program(sampleSources(1, 8, 3));
        program.find<QPushButton>("BitBtn1")->click();
        const int right = answer(program, true);
        const int missed = answer(program, false);
        program.key(Qt::Key_8);
        program.find<QPushButton>("reviewPracticeButton")->click();
        const QList<int> ids = program.main().exercise().questionIds();
        QCOMPARE(ids.size(), 6);
        QVERIFY(!ids.contains(right) && !ids.contains(missed));
        QVERIFY(std::is_sorted(ids.begin(), ids.end()));
        QCOMPARE(heading(program), QStringLiteral("今日复习　共 6 题"));

        // After a restart the model's states are read back: the same list, now from the plan
        // to an exam date, within the count the learner set.
        program.key(Qt::Key_8);
        restart(program);
        program.folder.exec(QStringLiteral("insert or replace into STUDY_PLAN (ID, EXAM_DATE, "
                                           "DAILY_COUNT) values (1, '%1', 10)")
                                .arg(QDate::currentDate().addDays(20).toString(Qt::ISODate)));
        program.find<QPushButton>("reviewPracticeButton")->click();
        QCOMPARE(program.main().exercise().questionIds(), ids);
    }

    void favouritesOnKeySeven() {
        ProgramFixture program(sampleSources(1, 6, 3));
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_6);
        const int id = program.main().curId();
        program.key(Qt::Key_7);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from FAVOURITE")), 1);
        QVERIFY(program.windows->studyPane.sheet()->favourite(1));
        QVERIFY(program.windows->studyPane.findChild<QLabel*>(QStringLiteral("favouriteLine"))
                    ->isVisibleTo(&program.windows->studyPane));
        program.key(Qt::Key_6);
        program.key(Qt::Key_7);
        program.key(Qt::Key_7); // marked and unmarked again
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from FAVOURITE")), 1);

        // A mock exam before hand-in: the key does nothing.
        program.find<QPushButton>("BitBtn4")->click();
        program.key(Qt::Key_7);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from FAVOURITE")), 1);
        program.main().ReturnToStartPanel();

        // A restart and a re-import that renumbers every question: the mark stays on it.
        program.windows.reset();
        program.folder.exec(QStringLiteral("update B2 set ID = ID + 1000"));
        program.start();
        program.key(Qt::Key_F, Qt::AltModifier);
        QCOMPARE(program.main().exercise().questionIds(), QList<int>{id + 1000});
        QCOMPARE(heading(program), QStringLiteral("收藏练习　共 1 题"));
        QVERIFY(program.windows->studyPane.sheet()->favourite(0));
    }
};

XUNDRAL_TEST_MAIN(TestPracticeModes)
#include "test_practice_modes.moc"
