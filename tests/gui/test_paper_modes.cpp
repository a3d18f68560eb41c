// Mock practice and mock exam: the countdown, the hand-in, the score and the verdicts.
#include "exam/answer_pause.h"
#include "exam/countdown_clock.h"
#include "tests/support/program_fixture.h"

#include <QPushButton>
#include <QTimer>

namespace {

// Four chapters of 30 with 25 drawn from each: a paper of 100 questions.
BankSources hundredQuestionBank() {
    return sampleSources(4, 30, 25);
}

QString expectedScore(int total, int right) {
    return QStringLiteral(
               "总试题数：     %1\n\r答对题数：     %2\n\r实际得分：     %2分\n\r%3\n\r\n\r"
               "您想查看试卷吗？\n\r\n\r")
        .arg(total)
        .arg(right)
        .arg(right >= 90 ? QStringLiteral("恭喜你,过关了！")
                         : QStringLiteral("考试成绩不及格,继续努力！"));
}

} // namespace

class TestPaperModes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void mockExamStartsWithTheCountdown() {
        ProgramFixture program(hundredQuestionBank());
        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(program.boxes.texts(),
                 QStringList{QStringLiteral("您想重新开始开始模拟试题吗？")});
        QCOMPARE(program.main().examMode(), ExamMode::MockExam);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 1 题   共\u3000100 题"));
        QCOMPARE(program.label("Label2"), QStringLiteral("剩余时间："));
        QCOMPARE(program.label("examtime"), QStringLiteral("0:45:00"));
        QVERIFY(!program.shown("Label1"));
        QVERIFY(!program.shown("waitEdt"));
        QVERIFY(program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为："));
        program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("0:44:59"));
    }

    void timeRunsOutAtTheLastTick() {
        ProgramFixture program(hundredQuestionBank());
        program.find<QPushButton>("BitBtn3")->click();
        program.boxes.clear();
        program.boxes.setDefaultAnswer(MessageBox::Result::No);
        for (int tick = 1; tick < 2700; ++tick)
            program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("0:00:01"));
        QVERIFY(program.boxes.asked.isEmpty());
        program.main().Timer1Timer();
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.boxes.asked[0].caption, QStringLiteral("考试成绩"));
        QCOMPARE(program.boxes.asked[0].buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(program.boxes.asked[0].icon, MessageBox::Icon::None);
        QCOMPARE(program.boxes.asked[0].text, expectedScore(100, 0));
        // No: back to the start panel with the countdown stopped.
        QVERIFY(program.shown("GroupBox1") && !program.shown("GroupBox2"));
        QVERIFY(!program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void examinationMinutesOutsideAnHour() {
        ProgramFixture program(sampleSources(1, 6, 3));
        program.folder.exec(QStringLiteral("update sysparam set timer2=100"));
        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(program.label("examtime"), QStringLiteral("1:40:00"));
        program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("1:39:59"));

        program.folder.exec(QStringLiteral("update sysparam set timer2=0"));
        program.find<QPushButton>("BitBtn4")->click();
        program.boxes.clear();
        program.boxes.setDefaultAnswer(MessageBox::Result::No);
        program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("0:00:00"));
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.boxes.asked[0].caption, QStringLiteral("考试成绩"));
    }

    // Minutes written straight into the file, past the dialog's check.
    void examinationMinutesFromTheFile_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("handedInAtOnce");
        QTest::newRow("-5") << -5 << true;
        QTest::newRow("0") << 0 << true;
        QTest::newRow("2000000") << 2000000 << false;
        QTest::newRow("2147483647") << 2147483647 << false;
        QTest::newRow("10^9") << 1000000000 << false;
    }
    void examinationMinutesFromTheFile() {
        QFETCH(int, minutes);
        QFETCH(bool, handedInAtOnce);
        ProgramFixture program(sampleSources(1, 6, 3));
        program.folder.exec(QStringLiteral("update sysparam set timer2=%1").arg(minutes));
        program.find<QPushButton>("BitBtn4")->click();
        program.boxes.clear();
        program.boxes.setDefaultAnswer(MessageBox::Result::No);
        auto* timer = program.main().findChild<QTimer*>(QStringLiteral("Timer1"));
        for (int tick = 0; tick < 3; ++tick)
            program.main().Timer1Timer();
        if (handedInAtOnce) {
            QCOMPARE(program.boxes.texts(), QStringList{expectedScore(3, 0)});
            QVERIFY(!timer->isActive());
            QVERIFY(!program.shown("GroupBox2"));
        } else {
            QVERIFY(program.boxes.asked.isEmpty());
            QVERIFY(timer->isActive());
            const qint64 left = countdownSeconds(program.label("examtime"));
            QCOMPARE(left, qint64(minutes) * 60 - 3);
        }
    }

    void scoreAtThePassMark() {
        ProgramFixture program(hundredQuestionBank());
        for (int right : {89, 90}) {
            program.boxes.setDefaultAnswer(MessageBox::Result::Ok);
            program.find<QPushButton>("BitBtn4")->click();
            // Answers straight into the paper: `right` correct, five wrong, the rest unanswered.
            program.folder.exec(
                QStringLiteral("update B2 set MARK=ANSWER where ID in (select EXAMID from S_MARK"
                               " order by EXAMID limit %1)")
                    .arg(right));
            program.folder.exec(
                QStringLiteral("update B2 set MARK=4 where ID in (select EXAMID from S_MARK"
                               " order by EXAMID desc limit 5)"));
            program.boxes.clear();
            program.boxes.answerNext(MessageBox::Result::Ok);
            program.boxes.answerNext(MessageBox::Result::No);
            program.key(Qt::Key_8);
            QCOMPARE(program.boxes.texts(),
                     (QStringList{QStringLiteral("您想提前交卷吗？"), expectedScore(100, right)}));
            QVERIFY(!program.shown("GroupBox2"));
        }
    }

    void answeringByKeysIsScored() {
        ProgramFixture program(sampleSources(1, 4, 4));
        program.find<QPushButton>("BitBtn3")->click();
        // ids 1..4: right answers A, B, A, C.
        program.key(Qt::Key_1);
        program.key(Qt::Key_1); // wrong
        program.key(Qt::Key_6); // skipped
        program.key(Qt::Key_3, Qt::KeypadModifier);
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        program.key(Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(program.boxes.texts().value(1), expectedScore(4, 2));
    }

    void earlyHandInCancelled() {
        ProgramFixture program(hundredQuestionBank());
        program.find<QPushButton>("BitBtn4")->click();
        program.main().Timer1Timer();
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.key(Qt::Key_8);
        QCOMPARE(program.boxes.asked.last().text, QStringLiteral("您想提前交卷吗？"));
        QVERIFY(program.shown("GroupBox2"));
        QVERIFY(program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("0:44:58"));
        QCOMPARE(program.main().examMode(), ExamMode::MockExam);
    }

    void timeRunsOutUnderTheConfirmation() {
        for (const MessageBox::Result scoreAnswer :
             {MessageBox::Result::No, MessageBox::Result::Yes}) {
            ProgramFixture program(sampleSources(1, 6, 3));
            program.folder.exec(QStringLiteral("update sysparam set timer2=1"));
            program.find<QPushButton>("BitBtn4")->click();
            // While the confirmation is open the countdown runs out, as the event loop under a
            // real modal box would let it.
            program.boxes.setWhileOpen([&](const MessageBox::Request& request) {
                if (request.text == QStringLiteral("您想提前交卷吗？"))
                    for (int tick = 0; tick < 70; ++tick)
                        program.main().Timer1Timer();
            });
            program.boxes.clear();
            program.boxes.answerNext(MessageBox::Result::Ok);
            program.boxes.answerNext(scoreAnswer);
            program.key(Qt::Key_8);
            program.boxes.setWhileOpen({});
            int scores = 0;
            for (const MessageBox::Request& request : program.boxes.asked)
                scores += request.caption == QStringLiteral("考试成绩");
            QCOMPARE(scores, 1);
            QCOMPARE(program.boxes.asked.size(), 2);
            if (scoreAnswer == MessageBox::Result::Yes) {
                QVERIFY(program.windows->wrongAnswers.isVisible());
                QCOMPARE(program.main().examMode(), ExamMode::SequentialPractice);
                program.windows->wrongAnswers.hide();
            } else {
                QVERIFY(!program.shown("GroupBox2"));
            }
        }
    }

    void verdictsByMode() {
        ProgramFixture program(sampleSources(1, 4, 4));
        program.folder.exec(QStringLiteral("update sysparam set ifshow=1, ifjump=0"));
        program.find<QPushButton>("BitBtn4")->click();
        program.key(Qt::Key_1);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案一"));
        program.key(Qt::Key_2);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案二"));
        program.find<QPushButton>("BitBtn3")->click();
        program.key(Qt::Key_1);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案一 正确"));
        QCOMPARE(program.main().examMode(), ExamMode::MockPractice);
    }

    void theWindowAnnouncesWhatHappens() {
        ProgramFixture program(sampleSources(1, 4, 4));
        TmainFrm& main = program.main();
        QList<ExamMode> started;
        QList<QPair<int, int>> shown;
        QList<QList<int>> saved;
        QList<PaperResult> handedIn;
        int ended = 0;
        connect(&main, &TmainFrm::exerciseStarted, this,
                [&](ExamMode mode) { started.append(mode); });
        connect(&main, &TmainFrm::questionShown, this, [&](int number, int id) {
            shown.append({number, id});
        });
        connect(&main, &TmainFrm::answerSaved, this, [&](int id, AnswerCode code, bool right) {
            saved.append({id, answerCodeToColumn(code), int(right)});
        });
        connect(&main, &TmainFrm::paperHandedIn, this,
                [&](const PaperResult& result) { handedIn.append(result); });
        connect(&main, &TmainFrm::exerciseEnded, this, [&] { ++ended; });

        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(started, QList<ExamMode>{ExamMode::MockExam});
        const int firstId = main.curId();
        QCOMPARE(shown, (QList<QPair<int, int>>{{1, firstId}}));
        program.key(Qt::Key_1);
        const bool right =
            program.folder.scalar(
                QStringLiteral("select ANSWER from B2 where ID=%1").arg(firstId)) == 1;
        QCOMPARE(saved, (QList<QList<int>>{{firstId, 1, int(right)}}));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].first, 2);

        main.Timer1Timer();
        main.Timer1Timer();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        program.key(Qt::Key_8);
        QCOMPARE(handedIn.size(), 1);
        const PaperResult& result = handedIn[0];
        QCOMPARE(result.bank, QStringLiteral("B2"));
        QCOMPARE(result.examMode, ExamMode::MockExam);
        QCOMPARE(result.paperMode, PaperMode::DrawnPaper);
        QCOMPARE(result.minutesSet, 45);
        QCOMPARE(result.secondsUsed, 2);
        QCOMPARE(result.questionCount, 4);
        QCOMPARE(result.rightAnswers, int(right));
        QCOMPARE(result.score, int(right));
        QVERIFY(!result.passed);
        QVERIFY(result.startedAt.isValid());
        QVERIFY(result.startedAt <= result.handedInAt);
        QCOMPARE(ended, 1);
        QCOMPARE(started.size(), 1);
    }

    void yesOpensTheListOverTheQuestionPanel() {
        ProgramFixture program(sampleSources(1, 4, 4));
        program.find<QPushButton>("BitBtn4")->click();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::Yes);
        program.key(Qt::Key_8);
        QVERIFY(program.windows->wrongAnswers.isVisible());
        QVERIFY(program.shown("GroupBox2"));
        QCOMPARE(program.main().examMode(), ExamMode::SequentialPractice);
        QVERIFY(!program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // With the paper scored, the end key only offers to leave.
        program.boxes.clear();
        program.key(Qt::Key_8);
        QCOMPARE(program.boxes.texts(), QStringList{QStringLiteral("您想中断现在的训练吗？")});
        program.windows->wrongAnswers.hide();
    }
};

XUNDRAL_TEST_MAIN(TestPaperModes)
#include "test_paper_modes.moc"
