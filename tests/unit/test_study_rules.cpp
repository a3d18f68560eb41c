// What the study pane may show: the right answer and the verdicts, by mode, setting, answer,
// request and hand-in. A mock exam must stay an exam under every setting.
#include "exam/answer_visibility.h"

#include <QTest>

class TestStudyRules : public QObject {
    Q_OBJECT
private slots:
    void answerVisibility_data() {
        QTest::addColumn<int>("examMode");
        QTest::addColumn<int>("ifShow");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("askedFor");
        QTest::addColumn<bool>("handedIn");
        QTest::addColumn<bool>("shown");
        // mode, ifshow, answered, key 5, handed in -> shown
        QTest::newRow("practice, not answered") << 0 << 1 << false << false << false << false;
        QTest::newRow("practice, answered, ifshow 1") << 0 << 1 << true << false << false << true;
        QTest::newRow("practice, answered, ifshow 0") << 0 << 0 << true << false << false << false;
        QTest::newRow("practice, key 5, ifshow 0") << 0 << 0 << false << true << false << true;
        QTest::newRow("mock practice, answered, ifshow 1")
            << 10 << 1 << true << false << false << true;
        QTest::newRow("mock practice, answered, ifshow 0")
            << 10 << 0 << true << false << false << false;
        QTest::newRow("mock practice, key 5 does nothing")
            << 10 << 0 << false << true << false << false;
        QTest::newRow("mock practice, handed in") << 10 << 0 << false << false << true << true;
        QTest::newRow("mock exam, answered, ifshow 1") << 1 << 1 << true << false << false << false;
        QTest::newRow("mock exam, key 5") << 1 << 1 << true << true << false << false;
        QTest::newRow("mock exam, handed in") << 1 << 0 << true << false << true << true;
    }
    void answerVisibility() {
        QFETCH(int, examMode);
        QFETCH(int, ifShow);
        QFETCH(bool, answered);
        QFETCH(bool, askedFor);
        QFETCH(bool, handedIn);
        QFETCH(bool, shown);
        QCOMPARE(mayShowAnswer({examMode, ifShow, answered, askedFor, handedIn}), shown);
    }

    void answerKey() {
        QVERIFY(answerKeyActs(0, true));
        QVERIFY(!answerKeyActs(0, false));
        QVERIFY(!answerKeyActs(1, true));
        QVERIFY(!answerKeyActs(10, true));
    }

    void sheetCells() {
        const AnswerVisibility exam{1, 1, false, false, false};
        const AnswerVisibility practice{0, 1, false, false, false};
        const AnswerVisibility quietPractice{0, 0, false, false, false};
        QCOMPARE(sheetCellState(5, 1, practice), SheetCell::NotAnswered);
        QCOMPARE(sheetCellState(1, 1, practice), SheetCell::Right);
        QCOMPARE(sheetCellState(0, 1, practice), SheetCell::Wrong);
        QCOMPARE(sheetCellState(0, 1, quietPractice), SheetCell::Answered);
        QCOMPARE(sheetCellState(0, 1, exam), SheetCell::Answered);
        QCOMPARE(sheetCellState(1, 1, exam), SheetCell::Answered);
        AnswerVisibility handedIn = exam;
        handedIn.handedIn = true;
        QCOMPARE(sheetCellState(0, 1, handedIn), SheetCell::Wrong);
        QCOMPARE(sheetCellState(5, 1, handedIn), SheetCell::NotAnswered);
    }
};

QTEST_GUILESS_MAIN(TestStudyRules)
#include "test_study_rules.moc"
