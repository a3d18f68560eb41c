// What the study pane may show: the right answer and the verdicts, by mode, setting, answer,
// request and hand-in. A mock exam must stay an exam under every setting.
#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "exam/answer_visibility.h"
#include "exam/exercise_title.h"
#include "exam/study_texts.h"
#include "tests/support/test_data.h"

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
        QCOMPARE(mayShowAnswer({ExamMode(examMode), ifShow, answered, askedFor, handedIn}), shown);
    }

    void answerKey() {
        QVERIFY(answerKeyActs(ExamMode::SequentialPractice, true));
        QVERIFY(!answerKeyActs(ExamMode::SequentialPractice, false));
        QVERIFY(!answerKeyActs(ExamMode::MockExam, true));
        QVERIFY(!answerKeyActs(ExamMode::MockPractice, true));
    }

    void sheetCells() {
        const AnswerVisibility exam{ExamMode::MockExam, 1, false, false, false};
        const AnswerVisibility practice{ExamMode::SequentialPractice, 1, false, false, false};
        const AnswerVisibility quietPractice{ExamMode::SequentialPractice, 0, false, false, false};
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::NotAnswered}, practice),
                 SheetCell::NotAnswered);
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::A}, practice), SheetCell::Right);
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::D}, practice), SheetCell::Wrong);
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::D}, quietPractice),
                 SheetCell::Answered);
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::D}, exam), SheetCell::Answered);
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::A}, exam), SheetCell::Answered);
        AnswerVisibility handedIn = exam;
        handedIn.handedIn = true;
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::D}, handedIn), SheetCell::Wrong);
        // Unanswered counts as wrong at hand-in.
        QCOMPARE(sheetCellState({AnswerCode::A, AnswerCode::NotAnswered}, handedIn),
                 SheetCell::Wrong);
        // Mock practice with ifshow 1 shows verdicts as they come; D is stored as 0.
        const AnswerVisibility mockPractice{ExamMode::MockPractice, 1, false, false, false};
        QCOMPARE(sheetCellState({AnswerCode::D, AnswerCode::D}, mockPractice), SheetCell::Right);
        QCOMPARE(sheetCellState({AnswerCode::C, AnswerCode::D}, mockPractice), SheetCell::Wrong);
    }

    void titles_data() {
        QTest::addColumn<int>("examMode");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("title");
        QTest::newRow("sequential") << 0 << int(PracticeList::WholeBank) << "顺序出题　共 12 题";
        QTest::newRow("chapter") << 0 << int(PracticeList::Chapter)
                                 << "章节练习（第3章）　共 12 题";
        QTest::newRow("wrong book") << 0 << int(PracticeList::WrongBook) << "错题练习　共 12 题";
        QTest::newRow("mock practice")
            << 10 << int(PracticeList::WholeBank) << "模拟练习　共 12 题";
        QTest::newRow("mock exam") << 1 << int(PracticeList::WholeBank) << "模拟考试　共 12 题";
    }
    void titles() {
        QFETCH(int, examMode);
        QFETCH(int, list);
        QFETCH(QString, title);
        QCOMPARE(exerciseTitle({ExamMode(examMode), PracticeList(list), 3}, 12), title);
    }

    void rightAnswerLines() {
        StudyText trueFalse;
        trueFalse.answer = AnswerCode::B;
        trueFalse.choices[0] = QStringLiteral("正确");
        trueFalse.choices[1] = QStringLiteral(" 错误 ");
        QCOMPARE(rightAnswerLine(trueFalse), QStringLiteral("正确答案：B. 错误"));
        StudyText fourChoices;
        fourChoices.answer = AnswerCode::D;
        fourChoices.choices[3] = QStringLiteral("减速慢行");
        QCOMPARE(rightAnswerLine(fourChoices), QStringLiteral("正确答案：D. 减速慢行"));
        // A choice already written with its letter keeps it once.
        fourChoices.choices[3] = QStringLiteral("D. 减速慢行");
        QCOMPARE(rightAnswerLine(fourChoices), QStringLiteral("正确答案：D. 减速慢行"));
        StudyText broken;
        broken.answer = answerCodeFromColumn(7);
        QCOMPARE(rightAnswerLine(broken), QStringLiteral("正确答案：？"));
    }

    void bankLine() {
        QCOMPARE(bankSummary(QStringLiteral("C"), {{1, 3}, {2, 4}}),
                 QStringLiteral("小型汽车C1，C2题库共 7 题：第1章 3 题，第2章 4 题。"));
        QCOMPARE(bankSummary(QStringLiteral("B2"), {}), QStringLiteral("大型货车B2题库共 0 题。"));
    }

    // The pane's reads on a real bank: one question's text, the bank's answers and marks,
    // and the chapter sizes; a bank name that is not a bank never reaches the statement.
    void readsOnTheBank() {
        BankSources sources = sampleSources(2, 3, 0);
        sources.common[1].explanation = QStringLiteral("  因为如此。 ");
        sources.truck.push_back(trueFalseQuestion(2, QStringLiteral("货车题"), true));
        TestProgramFolder folder(sources);
        folder.exec(QStringLiteral("update B2 set MARK=0 where ID=2"));
        SqliteDatabase database(folder.databasePath(), examDatabaseKey(),
                                SqliteDatabase::OpenMode::ExistingOnly);

        // Chapter 1 in sequential order: two true/false (ids 1, 2), then the choice (id 3).
        const StudyText text = readStudyText(database, QStringLiteral("B2"), 3);
        QCOMPARE(text.answer, AnswerCode::A);
        QCOMPARE(text.choices[0], QStringLiteral("第1章第2题甲"));
        QCOMPARE(text.explanation, QStringLiteral("因为如此。"));
        QVERIFY(readStudyText(database, QStringLiteral("B2"), 1).explanation.isEmpty());
        QCOMPARE(readStudyText(database, QStringLiteral("B2"), 999).answer, AnswerCode::D);

        // A paper's few ids are read one by one, a whole bank's in one pass: the same answers.
        for (const int listed : {3, 1003}) {
            QVector<int> ids{2, 1, 999};
            for (int id = 2000; ids.size() < listed; ++id)
                ids.append(id);
            const QVector<AnswerAndMark> rows =
                readAnswersAndMarks(database, QStringLiteral("B2"), ids);
            QCOMPARE(rows.size(), listed);
            QCOMPARE(rows.at(0).mark, AnswerCode::D);
            QCOMPARE(rows.at(1).mark, AnswerCode::NotAnswered);
            QCOMPARE(rows.at(1).answer, AnswerCode::A);
            QCOMPARE(rows.at(2).mark, AnswerCode::NotAnswered);
        }
        const QList<std::pair<int, int>> truck{{1, 3}, {2, 4}};
        QCOMPARE(readChapterSizes(database, QStringLiteral("B2")), truck);
        const QList<std::pair<int, int>> car{{1, 3}, {2, 3}};
        QCOMPARE(readChapterSizes(database, QStringLiteral("C")), car);
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 readChapterSizes(database, QStringLiteral("B2; drop table C")));

        // Kept until another connection changes the file: an import of the bank tool.
        ChapterSizeCache cache;
        QCOMPARE(cache.sizes(database, QStringLiteral("B2")), truck);
        folder.exec(QStringLiteral("delete from B2 where STZLB1=2 and ID>5"));
        const QList<std::pair<int, int>> imported{{1, 3}, {2, 2}};
        QCOMPARE(cache.sizes(database, QStringLiteral("B2")), imported);
        QCOMPARE(cache.sizes(database, QStringLiteral("C")), car);
    }
};

XUNDRAL_DATA_TEST_MAIN(TestStudyRules)
#include "test_study_rules.moc"
