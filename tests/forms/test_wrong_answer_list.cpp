// The wrong-answer list: its text for a paper set up in the database, and what closing it
// does to the main window.
#include "exam/answer_pause.h"
#include "forms/show_err_form.h"
#include "tests/support/program_fixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

// The program's one wrong-answer list, found as a learner would: among its windows.
TShowErrFrm* wrongList() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<TShowErrFrm*>(window))
            return found;
    }
    return nullptr;
}

BankQuestion question(const QString& text, const QStringList& choices, AnswerCode answerCode) {
    BankQuestion result;
    result.chapter = 1;
    result.text = text;
    result.choices = choices;
    result.answerCode = answerCode;
    result.file = QStringLiteral("fixture");
    return result;
}

// Ids follow the bank's order: the two true/false questions first, then the others as listed.
BankSources listBank() {
    BankSources sources;
    const QStringList yesNo{QStringLiteral("正确"), QStringLiteral("错误")};
    sources.common = {
        question(QStringLiteral("  \t夜间会车时应改用近光灯。 "), yesNo, AnswerCode::A),
        question(QStringLiteral("驾驶人可以边开车边接打手机。"), yesNo, AnswerCode::B),
        question(QStringLiteral("路口黄灯持续闪烁时应当怎样通行？"),
                 {QStringLiteral("A、加速通过"), QStringLiteral("B.直接右转"),
                  QStringLiteral("C减速瞭望，确认安全后通过"), QStringLiteral("D 停车等待")},
                 AnswerCode::C),
        question(QStringLiteral("遇到这种情况应当怎样做？"),
                 {QStringLiteral("a侧车道绕行"), QStringLiteral("鸣喇叭催促"),
                  QStringLiteral("  靠右停车 "), QStringLiteral("b.")},
                 AnswerCode::D),
        question(QStringLiteral("机动车在高速公路上最高车速不得超过多少？"),
                 {QStringLiteral("每小时100公里"), QStringLiteral("每小时110公里"),
                  QStringLiteral("每小时120公里"), QStringLiteral("每小时130公里")},
                 AnswerCode::C),
        question(QStringLiteral("雾天行车应当开启什么灯？"),
                 {QStringLiteral("雾灯和危险报警闪光灯"), QStringLiteral("远光灯"),
                  QStringLiteral("倒车灯"), QStringLiteral("不用开灯")},
                 AnswerCode::A),
        question(QStringLiteral("不在试卷中的题目"),
                 {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"),
                  QStringLiteral("丁")},
                 AnswerCode::A),
        question(QStringLiteral("行车中轮胎突然爆裂时应当怎样做？"),
                 {QStringLiteral("紧急制动"), QStringLiteral("握稳转向盘，逐渐减速"),
                  QStringLiteral("迅速向一侧转向"), QStringLiteral("拉紧驻车制动")},
                 AnswerCode::B),
    };
    sources.sysCfg.push_back({1, 2, QStringLiteral("fixture"), 1});
    return sources;
}

// The paper holds every id but 7. Wrong: 1 (B for A), 3 (unanswered), 4 (stored code 4),
// 6 (D for A) and 8 (unanswered), at places 1, 3, 4, 6 and 7 of the paper. 7 is wrong too,
// but not in the paper; the other bank's answers must not count either.
void setUpPaper(TestProgramFolder& folder) {
    folder.exec(QStringLiteral("delete from S_MARK;"
                               "insert into S_MARK values (8); insert into S_MARK values (1); "
                               "insert into S_MARK values (2);"
                               "insert into S_MARK values (3); insert into S_MARK values (4); "
                               "insert into S_MARK values (5);"
                               "insert into S_MARK values (6);"
                               "update B2 set MARK=ANSWER; update B2 set MARK=2 where ID=1; update "
                               "B2 set MARK=5 where ID=3;"
                               "update B2 set MARK=4 where ID=4; update B2 set MARK=0 where ID=6;"
                               "update B2 set MARK=5 where ID=7; update B2 set MARK=5 where ID=8;"
                               "update C set MARK=ANSWER; update C set MARK=5 where ID=5;"));
}

QStringList questionLines(const QString& title, const QStringList& choices, const QString& answer) {
    QStringList lines{title, QString()};
    for (const QString& choice : choices)
        lines << choice << QString();
    return lines << answer << QString() << QString();
}

QStringList expectedLines() {
    QStringList lines{QStringLiteral("以下是您答错的题目列表：(共5道)"), QString()};
    lines << questionLines(
        QStringLiteral("1.夜间会车时应改用近光灯。"),
        {QStringLiteral("A.正确"), QStringLiteral("B.错误"), QString(), QString()},
        QStringLiteral("您的答案为：B       正确答案为：A"));
    lines << questionLines(QStringLiteral("3.路口黄灯持续闪烁时应当怎样通行？"),
                           {QStringLiteral("A、加速通过"), QStringLiteral("B.直接右转"),
                            QStringLiteral("C减速瞭望，确认安全后通过"),
                            QStringLiteral("D 停车等待")},
                           QStringLiteral("您的答案为：未选       正确答案为：C"));
    lines << questionLines(QStringLiteral("4.遇到这种情况应当怎样做？"),
                           {QStringLiteral("A.a侧车道绕行"), QStringLiteral("B.鸣喇叭催促"),
                            QStringLiteral("C.  靠右停车 "), QStringLiteral("D.b.")},
                           QStringLiteral("您的答案为：       正确答案为：D"));
    lines << questionLines(QStringLiteral("6.雾天行车应当开启什么灯？"),
                           {QStringLiteral("A.雾灯和危险报警闪光灯"), QStringLiteral("B.远光灯"),
                            QStringLiteral("C.倒车灯"), QStringLiteral("D.不用开灯")},
                           QStringLiteral("您的答案为：D       正确答案为：A"));
    lines << questionLines(QStringLiteral("7.行车中轮胎突然爆裂时应当怎样做？"),
                           {QStringLiteral("A.紧急制动"), QStringLiteral("B.握稳转向盘，逐渐减速"),
                            QStringLiteral("C.迅速向一侧转向"), QStringLiteral("D.拉紧驻车制动")},
                           QStringLiteral("您的答案为：未选       正确答案为：B"));
    return lines;
}

QPlainTextEdit* memo() {
    return wrongList()->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
}

// Every entry of the list ends in a line break, so the text ends in one too.
QStringList shownLines() {
    const QString text = memo()->toPlainText();
    if (!text.endsWith(QLatin1Char('\n')))
        return {QStringLiteral("<text does not end in a line break>"), text};
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

void startMockExam(ProgramFixture& program) {
    program.find<QPushButton>("BitBtn4")->click();
    QVERIFY(program.shown("GroupBox2"));
}

bool backOnStartPanel(ProgramFixture& program) {
    return program.shown("GroupBox1") && !program.shown("GroupBox2") &&
           !program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
}

} // namespace

class TestWrongAnswerList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }
    void cleanup() {
        if (wrongList())
            wrongList()->hide();
    }

    void theWholeListForAPaper() {
        ProgramFixture program(listBank());
        setUpPaper(program.folder);
        QVERIFY(!memo()->toPlainText().contains(QStringLiteral("Memo1")));
        wrongList()->show();
        QCOMPARE(shownLines(), expectedLines());
        QVERIFY(program.boxes.asked.isEmpty());

        // Shown again without changes: the same text, built afresh rather than added to.
        wrongList()->close();
        wrongList()->show();
        QCOMPARE(shownLines(), expectedLines());

        // The other bank has its own answers: there only its question 5 is wrong.
        program.main().findChild<QAction*>(QStringLiteral("C"))->trigger();
        wrongList()->close();
        wrongList()->show();
        QCOMPARE(shownLines().mid(0, 3),
                 (QStringList{QStringLiteral("以下是您答错的题目列表：(共1道)"), QString(),
                              QStringLiteral("5.机动车在高速公路上最高车速不得超过多少？")}));
        QCOMPARE(shownLines().size(), 2 + 13);
    }

    void allRightOrEmptyPaper() {
        ProgramFixture program(listBank());
        setUpPaper(program.folder);
        program.folder.exec(QStringLiteral("update B2 set MARK=ANSWER"));
        wrongList()->show();
        const QStringList headerOnly{QStringLiteral("以下是您答错的题目列表：(共0道)"), QString()};
        QCOMPARE(shownLines(), headerOnly);
        wrongList()->close();
        program.folder.exec(QStringLiteral("update B2 set MARK=5; delete from S_MARK"));
        wrongList()->show();
        QCOMPARE(shownLines(), headerOnly);
    }

    void aDatabaseErrorReachesTheReport() {
        ProgramFixture program(listBank());
        setUpPaper(program.folder);
        wrongList()->show();
        wrongList()->close();
        program.folder.exec(QStringLiteral("drop table S_MARK"));
        wrongList()->show();
        QVERIFY(wrongList()->isVisible());
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.boxes.asked[0].caption, QStringLiteral("dedode"));
        QCOMPARE(program.boxes.asked[0].icon, MessageBox::Icon::Error);
        QVERIFY(
            program.boxes.asked[0].text.contains(QStringLiteral("S_MARK"), Qt::CaseInsensitive));
        // The previous paper's list does not linger under the error.
        QCOMPARE(memo()->toPlainText(), QString());
    }

    void layout() {
        ProgramFixture program(listBank());
        QCOMPARE(wrongList()->windowTitle(), QStringLiteral("错误题目显示列表"));
        wrongList()->show();
        QVERIFY(wrongList()->windowState() & Qt::WindowMaximized);
        auto* button = wrongList()->findChild<QPushButton*>(QStringLiteral("Button2"));
        QCOMPARE(button->text(), QStringLiteral("返回&F"));
        QCOMPARE(button->geometry(), QRect(683, 530, 75, 25));
        QVERIFY(button->isDefault());
        QCOMPARE(memo()->x(), 33);
        QVERIFY(memo()->isReadOnly());
        QCOMPARE(memo()->font().pixelSize(), 14);
        QCOMPARE(memo()->font().family(), QStringLiteral("宋体"));
        QCOMPARE(wrongList()->findChild<QWidget*>(QStringLiteral("Panel1"))->width(), 33);
        wrongList()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(wrongList()));
        QCOMPARE(QApplication::focusWidget(), memo());
        QTest::keyClick(memo(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
    }

    void closingReturnsTheMainWindowToItsStartPanel() {
        ProgramFixture program(sampleSources(2, 4, 2));
        startMockExam(program);
        wrongList()->show();
        wrongList()->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        QVERIFY(wrongList()->isHidden());
        QVERIFY(backOnStartPanel(program));

        // The close box, with an exercise started while the list was open.
        wrongList()->show();
        startMockExam(program);
        QVERIFY(wrongList()->windowHandle()->close());
        QVERIFY(wrongList()->isHidden());
        QVERIFY(backOnStartPanel(program));

        // Alt+F presses the button.
        startMockExam(program);
        wrongList()->show();
        QApplication::setActiveWindow(wrongList());
        QVERIFY(QTest::qWaitForWindowActive(wrongList()));
        QTest::keyClick(wrongList(), Qt::Key_F, Qt::AltModifier);
        // A mnemonic presses its button visibly, so the click comes a moment later.
        QTRY_VERIFY(wrongList()->isHidden());
        QVERIFY(backOnStartPanel(program));
    }

    void yesToTheScoreShowsTheListOfTheHandedInPaper() {
        ProgramFixture program(sampleSources(2, 4, 2));
        startMockExam(program);
        program.key(Qt::Key_1);
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::Yes);
        program.key(Qt::Key_8);
        QCOMPARE(program.boxes.asked.size(), 2);
        QVERIFY(wrongList()->isVisible());
        // While the list is open the main window stays as the hand-in left it.
        QVERIFY(program.shown("GroupBox2"));
        const int wrong = program.folder.scalar(QStringLiteral(
            "select count(*) from B2 where ANSWER<>MARK and ID in (select EXAMID from S_MARK)"));
        const QStringList lines = shownLines();
        QCOMPARE(lines.first(), QStringLiteral("以下是您答错的题目列表：(共%1道)").arg(wrong));
        QCOMPARE(lines.size(), 2 + 13 * wrong);
        QCOMPARE(lines.filter(QStringLiteral("您的答案为：未选")).size(), 3);
        wrongList()->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        QVERIFY(backOnStartPanel(program));
    }
};

XUNDRAL_TEST_MAIN(TestWrongAnswerList)
#include "test_wrong_answer_list.moc"
