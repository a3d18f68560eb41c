// A sequential practice driven by the number keys, checked on the labels and in the database.
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Chapter 1 of sampleSources(2, 4, ...) in sequential order: ids 1 and 2 are true/false
// (right: A, then B), 3 and 4 four-choice (right: A, then C); chapter 2 repeats the pattern.
BankSources practiceBank() {
    return sampleSources(2, 4, 2);
}

} // namespace

class TestSequentialPractice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void startResetsAndShowsTheFirstQuestion() {
        ProgramFixture program(practiceBank());
        program.folder.exec(QStringLiteral("update B2 set MARK=2; update C set MARK=1"));
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(program.boxes.texts(),
                 QStringList{QStringLiteral("您想重新开始顺序抽题训练吗？")});
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK<>5")), 0);
        // The other bank keeps its answers.
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from C where MARK=1")), 8);
        QVERIFY(program.shown("GroupBox2"));
        QVERIFY(!program.shown("waitEdt"));
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 1 题   共\u30008 题"));
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第1章第1题"));
        QCOMPARE(program.box("re_sel1"), QStringLiteral("A. 正确"));
        QCOMPARE(program.box("re_sel2"), QStringLiteral("B. 错误"));
        QCOMPARE(program.box("re_sel3"), QString());
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为："));
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 0"));
        QCOMPARE(program.label("Label2"), QStringLiteral("已答题数："));
        QCOMPARE(program.label("examtime"), QStringLiteral("0"));
        for (const char* hidden :
             {"C_btn", "Label8", "RadioButton2", "Label11", "RadioButton4", "D_btn"})
            QVERIFY2(!program.shown(hidden), hidden);
        for (const char* shown :
             {"A_btn", "B_btn", "periorBtn", "nextbtn", "endbtn", "re_sel3", "re_sel4"})
            QVERIFY2(program.shown(shown), shown);
        QVERIFY(program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // The countdown timer ticks during practice and changes nothing.
        program.main().Timer1Timer();
        QCOMPARE(program.label("examtime"), QStringLiteral("0"));
    }

    void cancelledStartChangesNothing() {
        ProgramFixture program(practiceBank());
        program.folder.exec(QStringLiteral("update B2 set MARK=2"));
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.find<QPushButton>("BitBtn1")->click();
        QVERIFY(!program.shown("GroupBox2"));
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK=2")), 8);
    }

    void keysAnswerAndMoveWithAutomaticAdvance() {
        ProgramFixture program(practiceBank());
        program.find<QPushButton>("BitBtn1")->click();

        program.key(Qt::Key_1); // id 1, right
        QCOMPARE(program.mark(1), 1);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 2 题   共\u30008 题"));
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为："));
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 1"));
        QCOMPARE(program.label("examtime"), QStringLiteral("1"));
        QVERIFY(program.find<QRadioButton>("RadioButton1")->isChecked());

        program.key(Qt::Key_Exclam, Qt::ShiftModifier); // Shift+1 on id 2: wrong
        QCOMPARE(program.mark(2), 1);
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 1"));
        QCOMPARE(program.label("examtime"), QStringLiteral("2"));
        QCOMPARE(program.box("re_sel3"), QStringLiteral("C. 第1章第2题丙"));
        QVERIFY(program.shown("C_btn") && program.shown("RadioButton4") &&
                program.shown("Label11"));

        program.key(Qt::Key_4); // back to id 2: its stored answer shows with the verdict
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 2 题   共\u30008 题"));
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案一 错误"));
        program.key(Qt::Key_2, Qt::KeypadModifier); // numeric pad 2: right now
        QCOMPARE(program.mark(2), 2);
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 2"));

        program.key(Qt::Key_0); // id 3: D, wrong
        QCOMPARE(program.mark(3), 0);
        QVERIFY(program.find<QRadioButton>("RadioButton4")->isChecked());
        program.key(Qt::Key_3, Qt::KeypadModifier); // id 4: C, right
        QCOMPARE(program.mark(4), 3);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 5 题   共\u30008 题"));
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 3"));
        QCOMPARE(program.label("examtime"), QStringLiteral("4"));

        program.key(Qt::Key_6); // skip id 5; key 6 clears the indicators
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 6 题   共\u30008 题"));
        for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"})
            QVERIFY(!program.find<QRadioButton>(name)->isChecked());
        QCOMPARE(program.mark(5), 5);

        // Keys outside the map, and the pad's cursor keys with Num Lock off, do nothing.
        for (Qt::Key key : {Qt::Key_5, Qt::Key_7, Qt::Key_9, Qt::Key_A, Qt::Key_Space})
            program.key(key);
        program.key(Qt::Key_End, Qt::KeypadModifier);
        program.key(Qt::Key_Left, Qt::KeypadModifier);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 6 题   共\u30008 题"));
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK<>5")), 4);
        QCOMPARE(program.boxes.asked.size(), 1);
    }

    void theEndsOfTheList() {
        ProgramFixture program(practiceBank());
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_4);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 1 题   共\u30008 题"));
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第1章第1题"));
        for (int step = 0; step < 10; ++step)
            program.key(Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 8 题   共\u30008 题"));
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第2章第4题"));
        program.key(Qt::Key_3); // the last question answered: advance shows it again
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 8 题   共\u30008 题"));
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案三 正确"));
        program.key(Qt::Key_4);
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第2章第2题"));
    }

    void verdictWithoutAdvance() {
        ProgramFixture program(practiceBank());
        program.folder.exec(QStringLiteral("update sysparam set ifjump=0, ifshow=1"));
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_1);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案一 正确"));
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 1 题   共\u30008 题"));
        // Counters refresh at the next display only.
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 0"));
        program.key(Qt::Key_2);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案二 错误"));
        QCOMPARE(program.mark(1), 2);

        program.folder.exec(QStringLiteral("update sysparam set ifshow=0"));
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_1);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为：答案一"));
        // A stored code outside the table shows only the verdict part.
        program.folder.exec(QStringLiteral("update B2 set MARK=4 where ID=2"));
        program.folder.exec(QStringLiteral("update sysparam set ifshow=1"));
        program.find<QPushButton>("BitBtn1")->click();
        program.folder.exec(QStringLiteral("update B2 set MARK=4 where ID=2"));
        program.key(Qt::Key_6);
        QCOMPARE(program.box("answerEdt"), QStringLiteral("当前选择答案为： 错误"));
    }

    void endingAsksFirst() {
        ProgramFixture program(practiceBank());
        program.find<QPushButton>("BitBtn1")->click();
        program.boxes.clear();
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.key(Qt::Key_8);
        QCOMPARE(program.boxes.texts(), QStringList{QStringLiteral("您想中断现在的训练吗？")});
        QVERIFY(program.shown("GroupBox2"));
        program.key(Qt::Key_Asterisk, Qt::ShiftModifier);
        QVERIFY(!program.shown("GroupBox2"));
        QVERIFY(program.shown("GroupBox1"));
        QVERIFY(!program.main().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(program.boxes.asked.size(), 2);
    }

    void theAnswerPauseBlocks() {
        ProgramFixture program(practiceBank());
        program.find<QPushButton>("BitBtn1")->click();
        qint64 elapsed = 0;
        {
            AnswerPauseOverride realPause(kAnswerPauseMs);
            QElapsedTimer clock;
            clock.start();
            program.key(Qt::Key_1);
            elapsed = clock.elapsed();
        }
        // One pause for the answer; the advance shows an unanswered question without one.
        QVERIFY2(elapsed >= 500 && elapsed < 900, qPrintable(QString::number(elapsed)));
    }

    void picturesComeFromTheCurrentDirectory() {
        BankSources sources = practiceBank();
        sources.common.push_back(fourChoiceQuestion(3, QStringLiteral("有图"), AnswerCode::A,
                                                    QStringLiteral("sign.bmp")));
        sources.common.push_back(fourChoiceQuestion(3, QStringLiteral("缺图"), AnswerCode::A,
                                                    QStringLiteral("gone.jpg")));
        ProgramFixture program(sources);
        QTemporaryDir current;
        QDir(current.path()).mkpath(QStringLiteral("pic"));
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(current.path() + QStringLiteral("/pic/sign.bmp"), "BMP"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());

        program.find<QPushButton>("BitBtn1")->click();
        for (int step = 0; step < 8; ++step)
            program.key(Qt::Key_6);
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("有图"));
        QCOMPARE(program.find<QLabel>("Image_sign")->pixmap().size(), QSize(40, 30));
        program.boxes.clear();
        program.key(Qt::Key_6);
        // The missing picture is reported; the question's texts are already in place.
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.boxes.asked[0].caption, QStringLiteral("dedode"));
        QVERIFY(program.boxes.asked[0].text.contains(QStringLiteral("gone.jpg")));
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("缺图"));
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 10 题   共\u300010 题"));
        // ...and the program goes on.
        program.key(Qt::Key_1);
        QCOMPARE(program.mark(10), 1);
        QDir::setCurrent(previous);
    }

    void nullsAndOddCodesDoNotCrash() {
        ProgramFixture program(practiceBank());
        program.folder.exec(QStringLiteral("update B2 set STNR=NULL, DA1=NULL, DA3=NULL, DA4='  '"
                                           " , ANSWER=NULL, TP=NULL where ID=3"));
        program.find<QPushButton>("BitBtn1")->click();
        program.key(Qt::Key_6);
        program.key(Qt::Key_6);
        QCOMPARE(program.box("re_SubJect"), QString());
        QCOMPARE(program.box("re_sel1"), QStringLiteral("A. "));
        QCOMPARE(program.box("re_sel4"), QString());
        QVERIFY(!program.shown("C_btn"));
        program.key(Qt::Key_0); // D on a question whose right answer reads as 0
        QCOMPARE(program.mark(3), 0);
        QCOMPARE(program.boxes.asked.size(), 1);
    }
};

XUNDRAL_TEST_MAIN(TestSequentialPractice)
#include "test_sequential_practice.moc"
