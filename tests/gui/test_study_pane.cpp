// The study pane beside the question: what it shows in each exercise, the answer sheet, key 5
// and the small answer window on a narrow screen.
#include "app/answer_sheet.h"
#include "app/answer_window.h"
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Four chapters of 30, each question explained; 25 per chapter make a paper of 100.
BankSources explainedBank(int ifJump, int ifShow) {
    BankSources sources = sampleSources(4, 30, 25);
    for (BankQuestion& question : sources.common)
        question.explanation = question.text + QStringLiteral("的解析。");
    sources.sysParam.ifjump = ifJump;
    sources.sysParam.ifshow = ifShow;
    return sources;
}

// The room a 1024 × 768 screen leaves a maximised window.
constexpr QSize kWideWindow(1024, 740);

struct Pane {
    explicit Pane(ProgramFixture& program) : program(program) {}
    ProgramFixture& program;

    StudyPane& pane() { return program.windows->studyPane; }
    AnswerSheet& sheet() { return *pane().sheet(); }
    QString answer() {
        auto* line = pane().findChild<QLabel*>(QStringLiteral("studyAnswer"));
        return line->isHidden() ? QString() : line->text();
    }
    QString explanation() {
        return pane().findChild<QTextEdit*>(QStringLiteral("studyExplanation"))->toPlainText();
    }
    QString question() {
        return pane().findChild<QLabel*>(QStringLiteral("studyQuestion"))->text();
    }
    QString heading() { return pane().findChild<QLabel*>(QStringLiteral("studyHeading"))->text(); }
    void click(int number) {
        QTest::mouseClick(sheet().grid(), Qt::LeftButton, {},
                          sheet().cellRect(number - 1).center());
    }
};

void widen(ProgramFixture& program) {
    program.main().resize(kWideWindow);
    QCoreApplication::processEvents();
}

} // namespace

class TestStudyPane : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void panelKeepsOutOfTheLayout() {
        ProgramFixture program(explainedBank(1, 1));
        Pane pane(program);
        QVERIFY(!program.windows->sidePanel.isVisible());
        widen(program);
        QVERIFY(program.windows->sidePanel.isVisible());
        const QRect panel = program.windows->sidePanel.geometry();
        for (const char* name : {"Panel1", "GroupBox1", "GroupBox2", "Memo1", "sysHint"})
            QVERIFY2(!panel.intersects(program.find(name)->geometry()), name);
        QVERIFY(panel.right() < program.main().width());
        QVERIFY(panel.width() >= 180);
        // Just under 200 pixels right of the layout: the original window alone.
        program.main().resize(999, 740);
        QVERIFY(!program.windows->sidePanel.isVisible());
        program.main().resize(1000, 740);
        QVERIFY(program.windows->sidePanel.isVisible());
        // A wide screen: the panel keeps a readable measure and the commands their own size.
        program.main().resize(1920, 1050);
        QVERIFY(program.windows->sidePanel.width() <= 560);
        QVERIFY(program.windows->practiceCommands->recordButton()->width() < 200);

        // The start screen describes the bank in use, and follows the examination type.
        QTRY_COMPARE(pane.heading(),
                     QStringLiteral("大型货车B2题库共 120 题：第1章 30 题，第2章 30 题，第3章 30 "
                                    "题，第4章 30 题。"));
        program.main().CClick();
        QVERIFY(pane.heading().startsWith(QStringLiteral("小型汽车C1，C2题库共 120 题")));
        // No answers yet: the chance of passing says what is missing instead of a number.
        QTRY_COMPARE(
            pane.pane().findChild<QLabel*>(QStringLiteral("passChanceLine"))->text(),
            QStringLiteral("通过概率：数据不足（还需答题 200 道，还需完成 1 次模拟考试）"));
        QVERIFY(!pane.sheet().isVisible());

        // Commands added to the panel's row show above the pane.
        auto* command = new QPushButton(QStringLiteral("章节练习"));
        program.windows->sidePanel.addCommand(command);
        QVERIFY(command->isVisible());
        QVERIFY(command->mapTo(&program.main(), QPoint()).y() <
                pane.pane().mapTo(&program.main(), QPoint()).y());
    }

    void mockPracticeExplainsEachAnswer() {
        ProgramFixture program(explainedBank(1, 1));
        Pane pane(program);
        widen(program);
        program.find<QPushButton>("BitBtn3")->click();
        QCOMPARE(pane.sheet().count(), 100);
        QCOMPARE(pane.sheet().current(), 0);
        QCOMPARE(pane.answer(), QString());
        QCOMPARE(pane.explanation(),
                 QStringLiteral("答题后显示正确答案和解析；模拟练习中数字键“5”不起作用。"));

        const int right = program.folder.scalar(
            QStringLiteral("select ANSWER from B2 where ID=%1").arg(program.main().curId()));
        const char* rightBox[] = {"re_sel4", "re_sel1", "re_sel2", "re_sel3"};
        const QString text = program.box(rightBox[right]);
        const QString stem = program.box("re_SubJect");
        program.key(Qt::Key_2);
        // The automatic advance shows question 2, but the answer just given stays in view.
        QCOMPARE(program.main().curNum(), 2);
        QCOMPARE(pane.question(), QStringLiteral("第 1 题"));
        QCOMPARE(pane.answer(), QStringLiteral("正确答案：") + text);
        QCOMPARE(pane.explanation(), QStringLiteral("解析：") + stem + QStringLiteral("的解析。"));
        QCOMPARE(pane.sheet().cell(0), right == 2 ? SheetCell::Right : SheetCell::Wrong);
        QCOMPARE(pane.sheet().current(), 1);
        // Moving on leaves the answered question behind.
        program.key(Qt::Key_6);
        QCOMPARE(pane.question(), QStringLiteral("第 3 题"));
        QCOMPARE(pane.answer(), QString());
        // Back on an answered question, its answer shows again; key 5 does nothing in a paper.
        program.key(Qt::Key_4);
        program.key(Qt::Key_4);
        QCOMPARE(pane.question(), QStringLiteral("第 1 题"));
        QCOMPARE(pane.answer(), QStringLiteral("正确答案：") + text);
        program.key(Qt::Key_6);
        program.key(Qt::Key_5);
        program.key(Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(pane.answer(), QString());
    }

    void mockExamShowsNothingUntilHandIn() {
        ProgramFixture program(explainedBank(0, 1));
        Pane pane(program);
        widen(program);
        program.find<QPushButton>("BitBtn4")->click();
        program.key(Qt::Key_1);
        program.key(Qt::Key_5);
        QCOMPARE(pane.answer(), QString());
        QCOMPARE(pane.explanation(),
                 QStringLiteral("交卷后显示各题的正确答案和解析；考试中数字键“5”不起作用。"));
        QCOMPARE(pane.sheet().cell(0), SheetCell::Answered);
        QVERIFY(!pane.pane().answerWindow());

        // While the score is on screen the paper is handed in: every verdict and answer shows.
        const int right = program.folder.scalar(
            QStringLiteral("select ANSWER from B2 where ID=%1").arg(program.main().curId()));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        QString answerAtScore;
        SheetCell cellAtScore = SheetCell::NotAnswered;
        SheetCell unansweredAtScore = SheetCell::NotAnswered;
        program.boxes.setWhileOpen([&](const MessageBox::Request& request) {
            if (request.caption != QStringLiteral("考试成绩"))
                return;
            answerAtScore = pane.answer();
            cellAtScore = pane.sheet().cell(0);
            unansweredAtScore = pane.sheet().cell(1);
        });
        program.key(Qt::Key_8);
        QVERIFY(answerAtScore.startsWith(QStringLiteral("正确答案：")));
        QCOMPARE(cellAtScore, right == 1 ? SheetCell::Right : SheetCell::Wrong);
        // Unanswered counts as wrong, and shows so.
        QCOMPARE(unansweredAtScore, SheetCell::Wrong);
        // No to the wrong-answer list: the start screen, and its bank line, come back.
        QVERIFY(!pane.sheet().isVisible());
        QVERIFY(pane.heading().startsWith(QStringLiteral("大型货车B2题库")));
    }

    void sheetCellGoesToItsQuestion() {
        ProgramFixture program(explainedBank(1, 1));
        Pane pane(program);
        widen(program);
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(pane.sheet().count(), 120);
        // The first three questions are true/false, right answers A, B, A.
        program.key(Qt::Key_1);
        program.key(Qt::Key_2);
        program.key(Qt::Key_1);
        QCOMPARE(program.label("examtime"), QStringLiteral("3"));
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 3"));

        pane.click(37);
        QCOMPARE(program.main().curNum(), 37);
        QCOMPARE(program.main().curId(), 37);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 37 题   共\u3000120 题"));
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第2章第13题"));
        QCOMPARE(program.label("examtime"), QStringLiteral("3"));
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 3"));
        QCOMPARE(pane.sheet().current(), 36);
        // The cursor moved with it: the navigation keys go on from question 37.
        program.key(Qt::Key_6);
        QCOMPARE(program.main().curId(), 38);
        program.key(Qt::Key_1);
        QCOMPARE(program.mark(38), 1);
        QCOMPARE(program.label("examtime"), QStringLiteral("4"));
        pane.click(2);
        QCOMPARE(program.main().curNum(), 2);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案二 正确"));
        QCOMPARE(pane.answer(), QStringLiteral("正确答案：B. 错误"));
    }

    void keyFiveInSequentialPractice() {
        ProgramFixture program(explainedBank(0, 0));
        Pane pane(program);
        widen(program);
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(pane.explanation(), QStringLiteral("按数字键“5”查看本题的正确答案和解析。"));
        program.key(Qt::Key_1);
        // ifshow 0: an answer alone shows nothing, key 5 does, and stores nothing.
        QCOMPARE(pane.answer(), QString());
        QCOMPARE(pane.sheet().cell(0), SheetCell::Answered);
        program.key(Qt::Key_6);
        program.key(Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(pane.question(), QStringLiteral("第 2 题"));
        QCOMPARE(pane.answer(), QStringLiteral("正确答案：B. 错误"));
        QCOMPARE(pane.explanation(), QStringLiteral("解析：第1章第3题的解析。"));
        QCOMPARE(program.mark(2), 5);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为："));

        // A narrow screen: the same in a small window that the next key closes, unused.
        program.main().resize(800, 578);
        program.key(Qt::Key_5);
        AnswerWindow* window = pane.pane().answerWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->widgets().answer->text(), QStringLiteral("正确答案：B. 错误"));
        QCOMPARE(window->widgets().explanation->toPlainText(),
                 QStringLiteral("解析：第1章第3题的解析。"));
        QTest::keyClick(window, Qt::Key_1);
        QVERIFY(!window->isVisible());
        QCOMPARE(program.mark(2), 5);

        // Outside an exercise key 5 does nothing.
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.key(Qt::Key_8);
        QVERIFY(!program.shown("GroupBox2"));
        program.key(Qt::Key_5);
        QVERIFY(!window->isVisible());
    }

    // On a narrow screen the automatic advance hides the answer just given: key 5 right after
    // it explains that answer, pressed again the question on screen.
    void keyFiveRightAfterAnAnswer() {
        ProgramFixture program(explainedBank(1, 1));
        Pane pane(program);
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_1);
        QCOMPARE(program.main().curNum(), 2);
        program.key(Qt::Key_5);
        AnswerWindow* window = pane.pane().answerWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->widgets().question->text(), QStringLiteral("第 1 题"));
        QCOMPARE(window->widgets().answer->text(), QStringLiteral("正确答案：A. 正确"));
        window->close();
        program.key(Qt::Key_5);
        QCOMPARE(window->widgets().question->text(), QStringLiteral("第 2 题"));
        window->close();
        // Moved on by hand: key 5 explains the question shown.
        program.key(Qt::Key_1);
        program.key(Qt::Key_6);
        program.key(Qt::Key_5);
        QCOMPARE(window->widgets().question->text(), QStringLiteral("第 4 题"));
        window->close();

        // Wide, the pane keeps the answer in view; key 5 then explains the question shown.
        widen(program);
        program.key(Qt::Key_1);
        QCOMPARE(pane.question(), QStringLiteral("第 4 题"));
        program.key(Qt::Key_5);
        QCOMPARE(pane.question(), QStringLiteral("第 5 题"));
    }

    void helpOfTheAdditions() {
        ProgramFixture program(explainedBank(1, 1));
        program.key(Qt::Key_B, Qt::AltModifier);
        auto* help = program.main().findChild<QWidget*>(QStringLiteral("additionsHelp"));
        QVERIFY(help && help->isVisible());
        const QString text =
            help->findChild<QPlainTextEdit*>(QStringLiteral("additionsHelpText"))->toPlainText();
        for (const char* line : {"Alt+J", "Alt+Z", "Alt+X", "Alt+T", "Alt+W", "Alt+Y", "Alt+F",
                                 "Alt+R", "Alt+B", "\n5　", "\n7　"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void olderDatabaseGainsTheExplanationColumn() {
        TestProgramFolder old(sampleSources(1, 4, 0));
        // The engine cannot drop a column: each bank is copied without it.
        for (const char* bank : {"B2", "C"}) {
            old.exec(QStringLiteral("CREATE TABLE OLD AS SELECT ID, TP, STNR, DA1, DA2, DA3, DA4, "
                                    "ANSWER, MARK, STLB, STZLB1, STLX, STBH FROM %1")
                         .arg(QLatin1String(bank)));
            old.exec(QStringLiteral("DROP TABLE %1").arg(QLatin1String(bank)));
            old.exec(QStringLiteral("ALTER TABLE OLD RENAME TO %1").arg(QLatin1String(bank)));
        }
        ProgramFixture program(old.databasePath());
        Pane pane(program);
        widen(program);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where JX is null")),
                 4);
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_5);
        QCOMPARE(pane.answer(), QStringLiteral("正确答案：A. 正确"));
        QCOMPARE(pane.explanation(), QStringLiteral("本题暂无解析。"));
    }

    void shippedBankOnTheSheet() {
        ProgramFixture program(qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") +
                               QStringLiteral("/db/exam.mdb"));
        Pane pane(program);
        widen(program);
        program.find<QPushButton>("BitBtn1")->click();
        const int total = program.main().totalNum();
        QCOMPARE(pane.sheet().count(), total);
        QVERIFY(total > 1000);
        // Answering through the bank: the pane reads each answer's explanation and changes
        // one cell per answer.
        QElapsedTimer clock;
        clock.start();
        constexpr int kAnswers = 200;
        for (int answer = 0; answer < kAnswers; ++answer)
            program.key(Qt::Key_1);
        const qint64 elapsed = clock.elapsed();
        qInfo("%d answers with the pane: %lld ms", kAnswers, elapsed);
        QCOMPARE(program.main().curNum(), kAnswers + 1);
        QVERIFY(pane.answer().startsWith(QStringLiteral("正确答案：")));
        QVERIFY(!pane.explanation().startsWith(QStringLiteral("本题暂无解析")));
        int answered = 0;
        for (int index = 0; index < total; ++index)
            answered += pane.sheet().cell(index) == SheetCell::NotAnswered ? 0 : 1;
        QCOMPARE(answered, kAnswers);
        // The sheet of the whole bank reads a right answer only once its question is answered.
        const QList<int> rightAnswers = program.folder.ints(
            QStringLiteral("select ANSWER from B2 order by STLB,STZLB1,STLX,STBH,ID"));
        for (int index = 0; index < kAnswers; ++index)
            QCOMPARE(pane.sheet().cell(index) == SheetCell::Right, rightAnswers.at(index) == 1);
        pane.click(total);
        QCOMPARE(program.main().curNum(), total);
        QCOMPARE(pane.sheet().current(), total - 1);
    }
};

XUNDRAL_TEST_MAIN(TestStudyPane)
#include "test_study_pane.moc"
