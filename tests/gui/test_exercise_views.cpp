// Every view agrees with the file: a write that fails leaves the panel, the study pane and the
// answer sheet as the database holds them; a start that fails leaves the start panel; the
// indicators on the added paths show the stored answer; the book hears one right answer per
// showing.
#include "app/answer_sheet.h"
#include "data/sqlite_database.h"
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString kPrefix = QStringLiteral("当前选择答案为：");

BankSources explained(int ifJump) {
    BankSources sources = sampleSources(2, 6, 3);
    for (BankQuestion& question : sources.common)
        question.explanation = question.text + QStringLiteral("的解析。");
    sources.sysParam.ifjump = ifJump;
    sources.sysParam.ifshow = 1;
    return sources;
}

// The indicators' names in the order of the answer codes' keys 1, 2, 3, 0.
QStringList checkedIndicators(ProgramFixture& program) {
    QStringList checked;
    for (const char* name : {"RadioButton1", "RadioButton3", "RadioButton2", "RadioButton4"}) {
        if (program.find<QRadioButton>(name)->isChecked())
            checked.append(QLatin1String(name));
    }
    return checked;
}

Qt::Key keyFor(int code) {
    const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3};
    return keys[code];
}

int rightCode(ProgramFixture& program, int id) {
    return program.folder.scalar(QStringLiteral("select ANSWER from B2 where ID=%1").arg(id));
}

void openWide(ProgramFixture& program) {
    program.main().resize(1024, 740);
    QCoreApplication::processEvents();
}

QString paneAnswer(ProgramFixture& program) {
    auto* line = program.windows->studyPane.findChild<QLabel*>(QStringLiteral("studyAnswer"));
    return line->isHidden() ? QString() : line->text();
}

} // namespace

class TestExerciseViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    // The answer's own write succeeds, its record is written, and then the commit fails.
    void failedCommitLeavesEveryViewAsTheFileIs_data() {
        QTest::addColumn<bool>("failAtCommit");
        QTest::newRow("commit refused") << true;
        QTest::newRow("book refused by a trigger") << false;
    }
    void failedCommitLeavesEveryViewAsTheFileIs() {
        QFETCH(bool, failAtCommit);
        ProgramFixture program(explained(0));
        openWide(program);
        program.find<QPushButton>("BitBtn1")->click();
        const int id = program.main().curId();
        const int wrong = rightCode(program, id) == 1 ? 2 : 1;
        SqliteDatabase& database = program.windows->dataModule.ADOConnection1.database();
        if (failAtCommit)
            database.refuseCommitsForTests(true);
        else
            program.folder.exec(
                QStringLiteral("create trigger refuse_book before insert on WRONG_BOOK "
                               "begin select raise(abort, 'database or disk is full'); end"));
        program.boxes.clear();
        program.key(keyFor(wrong));
        database.refuseCommitsForTests(false);

        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.mark(id), 5);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 0);
        QCOMPARE(program.box("answerEdt"), kPrefix);
        QVERIFY(checkedIndicators(program).isEmpty());
        QCOMPARE(program.windows->studyPane.sheet()->cell(0), SheetCell::NotAnswered);
        QCOMPARE(paneAnswer(program), QString());
        QCOMPARE(program.main().curNum(), 1);
    }

    // Clearing the last exercise's answers fails, as on a full disk, while a paper runs.
    void failedStartLeavesTheStartPanel() {
        ProgramFixture program(explained(1));
        program.find<QPushButton>("BitBtn4")->click();
        program.key(Qt::Key_1);
        program.folder.exec(QStringLiteral(
            "create trigger refuse_reset before update of MARK on B2 when NEW.MARK=5 "
            "begin select raise(abort, 'database or disk is full'); end"));
        for (const char* button : {"BitBtn3", "BitBtn4", "BitBtn1"}) {
            program.boxes.clear();
            program.find<QPushButton>(button)->click();
            QCOMPARE(program.boxes.texts().last(), QStringLiteral("database or disk is full."));
            QVERIFY(program.shown("GroupBox1"));
            QVERIFY(!program.shown("GroupBox2"));
            QVERIFY(!program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
            program.boxes.clear();
            program.main().Timer1Timer();
            program.key(Qt::Key_1);
            program.key(Qt::Key_8);
            QVERIFY(program.boxes.asked.isEmpty());
        }
    }

    // The sheet and the added practices show what is stored; the original's keys keep the
    // mark of the last choice, as they always did.
    void indicatorsOnTheAddedPaths() {
        ProgramFixture program(explained(0));
        openWide(program);
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_1);
        program.key(Qt::Key_6);
        QVERIFY(checkedIndicators(program).isEmpty());
        program.key(Qt::Key_2);
        program.key(Qt::Key_4);
        QCOMPARE(checkedIndicators(program), QStringList{QStringLiteral("RadioButton3")});

        AnswerSheet* sheet = program.windows->studyPane.sheet();
        QTest::mouseClick(sheet->grid(), Qt::LeftButton, {}, sheet->cellRect(4).center());
        QCOMPARE(program.main().curNum(), 5);
        QVERIFY(checkedIndicators(program).isEmpty());
        QTest::mouseClick(sheet->grid(), Qt::LeftButton, {}, sheet->cellRect(1).center());
        QCOMPARE(checkedIndicators(program), QStringList{QStringLiteral("RadioButton3")});
        program.key(Qt::Key_8);

        for (const auto start : {+[](TmainFrm& main) { main.ChapterPracticeClick(2); },
                                 +[](TmainFrm& main) { main.WrongBookPracticeClick(); }}) {
            program.find<QPushButton>("BitBtn1")->click();
            const int id = program.main().curId();
            program.key(keyFor(rightCode(program, id) == 1 ? 2 : 1));
            program.key(Qt::Key_8);
            start(program.main());
            QVERIFY(program.shown("GroupBox2"));
            QVERIFY(checkedIndicators(program).isEmpty());
            program.key(Qt::Key_8);
        }
    }

    // With automatic advance off, the right key pressed twice is one right answer for the book.
    void oneRightAnswerPerShowingInTheBook() {
        ProgramFixture program(explained(0));
        program.find<QPushButton>("BitBtn1")->click();
        const int id = program.main().curId();
        const int right = rightCode(program, id);
        program.key(keyFor(right == 1 ? 2 : 1));
        program.key(Qt::Key_8);
        program.main().WrongBookPracticeClick();
        QCOMPARE(program.main().curId(), id);
        program.key(keyFor(right));
        program.key(keyFor(right));
        program.key(keyFor(right), Qt::KeypadModifier);
        program.find<QPushButton>("nextbtn")->click();
        program.key(keyFor(right));
        const QString streak = QStringLiteral("select RIGHT_STREAK from WRONG_BOOK");
        QCOMPARE(program.folder.ints(streak), QList<int>{1});
        // A new showing of the question counts again, and the second right answer in a row
        // takes it out of the book.
        program.main().ChapterPracticeClick(1);
        program.key(keyFor(right));
        QCOMPARE(program.folder.ints(streak), QList<int>{});
    }
};

XUNDRAL_TEST_MAIN(TestExerciseViews)
#include "test_exercise_views.moc"
