// The lasting record on the real windows: what a mock exam and practice leave in the book and
// the paper rows, the two practice modes built on them, and that a record is never half written.
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QPushButton>
#include <QSet>

namespace {

int rightAnswerOf(ProgramFixture& program, int id) {
    return program.folder.scalar(QStringLiteral("select ANSWER from B2 where ID=%1").arg(id));
}

Qt::Key keyFor(int answerCode) {
    switch (answerCode) {
    case 1:
        return Qt::Key_1;
    case 2:
        return Qt::Key_2;
    case 3:
        return Qt::Key_3;
    default:
        return Qt::Key_0;
    }
}

// Answers the question on the panel right or wrong; every question has choices A and B.
int answer(ProgramFixture& program, bool right) {
    const int id = program.main().curId();
    const int code = rightAnswerOf(program, id);
    program.key(keyFor(right ? code : (code == 1 ? 2 : 1)));
    return id;
}

QSet<int> bookIds(ProgramFixture& program) {
    program.boxes.clear();
    program.main().WrongBookPracticeClick();
    QSet<int> ids;
    for (int index = 0; index < program.main().totalNum(); ++index) {
        ids.insert(program.main().curId());
        program.key(Qt::Key_6);
    }
    return ids;
}

} // namespace

class TestLearningModes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void mockExamFeedsTheBookAndTheRecord() {
        ProgramFixture program(sampleSources(4, 30, 25));
        program.find<QPushButton>("BitBtn4")->click();
        // Four right and six wrong, then one changed from wrong to right and one more wrong.
        QSet<int> wrong;
        for (int index = 0; index < 10; ++index) {
            const int id = answer(program, index % 3 == 0);
            if (index % 3 != 0)
                wrong.insert(id);
        }
        QCOMPARE(wrong.size(), 6);
        // A mock exam judges nothing until it is handed in.
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 0);
        // One more wrong answer, then back to it and right: the stored answer is what counts.
        answer(program, false);
        program.key(Qt::Key_4);
        answer(program, true);
        wrong.insert(answer(program, false));

        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        program.key(Qt::Key_8);
        QCOMPARE(program.boxes.asked.size(), 2);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK "
                                                      "where BANK='B2' and WRONG_COUNT=1")),
                 7);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from PAPER_RECORD")), 1);
        QCOMPARE(program.folder.scalar(
                     QStringLiteral("select SCORE*1000+QUESTIONS*10+EXAM_MODE from PAPER_RECORD")),
                 5 * 1000 + 100 * 10 + 1);
        QCOMPARE(program.folder.scalar(QStringLiteral("select sum(QUESTIONS) from PAPER_CHAPTER")),
                 100);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from PAPER_CHAPTER")), 4);
        QCOMPARE(
            program.folder.scalar(QStringLiteral("select sum(RIGHT_ANSWERS) from PAPER_CHAPTER")),
            5);

        // Wrong-book practice shows exactly those seven; two right answers in a row empty it.
        QCOMPARE(bookIds(program), wrong);
        QCOMPARE(program.boxes.texts().first(),
                 QStringLiteral("您想开始错题练习吗？错题本中共有7道题。"));
        for (int round = 0; round < 2; ++round) {
            program.main().WrongBookPracticeClick();
            QCOMPARE(program.main().totalNum(), 7);
            for (int index = 0; index < 7; ++index)
                answer(program, true);
            program.boxes.answerNext(MessageBox::Result::Ok);
            program.key(Qt::Key_8);
        }
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 0);
        program.boxes.clear();
        program.main().WrongBookPracticeClick();
        QCOMPARE(program.boxes.asked.size(), 1);
        QVERIFY(program.boxes.asked[0].text.startsWith(QStringLiteral("错题本里还没有题目")));
        QVERIFY(program.shown("GroupBox1"));
    }

    void practiceFeedsTheBookAtOnce() {
        ProgramFixture program(sampleSources(2, 6, 3));
        program.find<QPushButton>("BitBtn1")->click();
        const int id = answer(program, false);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 1);
        // The accelerator reaches the new command like the original ones.
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.key(Qt::Key_W, Qt::AltModifier);
        QCOMPARE(program.boxes.texts(),
                 QStringList{QStringLiteral("您想开始错题练习吗？错题本中共有1道题。")});
        QCOMPARE(program.main().curId(), id);
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 0"));
        // The pane names the practice running, not the sequential practice it runs as.
        const auto heading = [&] {
            return program.windows->studyPane.findChild<QLabel*>(QStringLiteral("studyHeading"))
                ->text();
        };
        QCOMPARE(heading(), QStringLiteral("错题练习　共 1 题"));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.key(Qt::Key_8);
        program.boxes.answerNext(MessageBox::Result::Ok);
        emit program.windows->practiceCommands->chapterPracticeRequested(2);
        QCOMPARE(heading(), QStringLiteral("章节练习（第2章）　共 6 题"));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.key(Qt::Key_8);
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(heading(), QStringLiteral("顺序出题　共 12 题"));
    }

    void chapterPracticeWalksOneChapterInBankOrder() {
        ProgramFixture program(sampleSources(4, 8, 2));
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.main().ChapterPracticeClick(2);
        QCOMPARE(program.boxes.texts(), QStringList{QStringLiteral("您想开始第2章的章节练习吗？")});
        QCOMPARE(program.main().examMode(), ExamMode::SequentialPractice);
        const QList<int> expected = program.folder.ints(
            QStringLiteral("select ID from B2 where STZLB1=2 order by STLB,STZLB1,STLX,STBH"));
        QCOMPARE(program.main().totalNum(), expected.size());
        QList<int> shown;
        for (int index = 0; index < expected.size(); ++index) {
            shown << program.main().curId();
            program.key(Qt::Key_6);
        }
        QCOMPARE(shown, expected);
        QCOMPARE(program.label("gb_Subject").contains(QStringLiteral("共")), true);

        // Cancelled: nothing starts.
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.find<QPushButton>("endbtn");
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.key(Qt::Key_8);
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.main().ChapterPracticeClick(3);
        QVERIFY(program.shown("GroupBox1"));
    }

    // A record that cannot be written takes back the answer it belongs to, and a paper whose
    // record fails leaves no part of it behind, while its score is still shown.
    void recordsAreWrittenWholeOrNotAtAll() {
        ProgramFixture program(sampleSources(4, 30, 25));
        program.find<QPushButton>("BitBtn1")->click();
        program.folder.exec(QStringLiteral("CREATE TRIGGER refuse_book BEFORE INSERT ON WRONG_BOOK "
                                           "BEGIN SELECT RAISE(ABORT, 'book refused'); END"));
        const int id = program.main().curId();
        program.boxes.clear();
        answer(program, false);
        QCOMPARE(program.boxes.asked.size(), 1);
        QVERIFY(program.boxes.asked[0].text.contains(QStringLiteral("book refused")));
        QCOMPARE(program.mark(id), 5);

        program.folder.exec(QStringLiteral("DROP TRIGGER refuse_book"));
        program.folder.exec(QStringLiteral("CREATE TRIGGER refuse_chapter BEFORE INSERT ON "
                                           "PAPER_CHAPTER BEGIN SELECT RAISE(ABORT, 'chapter "
                                           "refused'); END"));
        program.boxes.clear();
        program.boxes.setDefaultAnswer(MessageBox::Result::Ok);
        program.find<QPushButton>("BitBtn4")->click();
        for (int index = 0; index < 5; ++index)
            answer(program, false);
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::Ok);
        program.boxes.answerNext(MessageBox::Result::No);
        program.key(Qt::Key_8);
        const QStringList texts = program.boxes.texts();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts[1].contains(QStringLiteral("chapter refused")));
        QVERIFY(texts[2].startsWith(QStringLiteral("总试题数")));
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from PAPER_RECORD")), 0);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from WRONG_BOOK")), 0);
    }
};

XUNDRAL_TEST_MAIN(TestLearningModes)
#include "test_learning_modes.moc"
