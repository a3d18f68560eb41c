// The shell: start-up, the examination-type menu, help, exit, accelerators, the error report.
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void startScreen() {
        ProgramFixture program(sampleSources(2, 4, 2));
        QCOMPARE(program.main().windowTitle(), QStringLiteral("vivozazirideri"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("dedode"));
        QVERIFY(program.boxes.asked.isEmpty());
        QVERIFY(program.shown("GroupBox1"));
        QVERIFY(!program.shown("GroupBox2"));
        QVERIFY(!program.shown("Memo1"));
        QCOMPARE(program.label("softtitle"), QStringLiteral("Xundral"));
        QCOMPARE(program.label("EXAMTYPE"), QStringLiteral("当前考试类型为：大型货车B2"));
        QCOMPARE(program.label("Label10"), QString());
        QCOMPARE(program.main().bank(), QStringLiteral("B2"));
        QVERIFY(QRegularExpression(
                    QStringLiteral(
                        "^当前时间：\\d{4}年\\d{1,2}月\\d\\d日   \\d\\d时\\d\\d分\\d\\d 秒$"))
                    .match(program.label("datelabel"))
                    .hasMatch());
        QCOMPARE(program.find<QTextEdit>("sysHint")->toPlainText().split('\n').size(), 12);
        QCOMPARE(
            program.box("RichEdit1"),
            QStringLiteral(
                "上一题   请按数字键‘4’\n\n下一题   请按数字键‘6’\n\n交  卷   请按数字键 '*'"));
        QVERIFY(program.find<QPlainTextEdit>("Memo1")->toPlainText().contains(
            QStringLiteral("3．模拟考试")));
        QCOMPARE(program.find<QWidget>("GroupBox2")->geometry(), QRect(-10, -10, 823, 591));
        QCOMPARE(program.find<QWidget>("BitBtn4")->geometry(), QRect(31, 161, 102, 25));
        QCOMPARE(program.find<QWidget>("Image_sign")->geometry(), QRect(512, 80, 209, 153));
        QCOMPARE(program.find<QLabel>("softtitle")->font().pixelSize(), 56);
        // Start-up emptied the rotation pool of any earlier run.
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from exam_temp")), 0);
    }

    void startUpEmptiesThePool() {
        TestProgramFolder folder(sampleSources(1, 4, 2));
        folder.exec(QStringLiteral(
            "insert into exam_temp values (1, 1); insert into exam_temp values (2, 1);"));
        ProgramDirectoryOverride directory(folder.path());
        MessageBoxScript boxes;
        ProgramWindows windows;
        windows.main.show();
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from exam_temp")), 0);
    }

    void examTypeSwitch() {
        ProgramFixture program(sampleSources(1, 4, 2));
        auto* b2 = program.main().findChild<QAction*>(QStringLiteral("B2"));
        auto* c = program.main().findChild<QAction*>(QStringLiteral("C"));
        QCOMPARE(c->text(), QStringLiteral("小型汽车C1 "));
        QVERIFY(b2->isChecked() && !c->isChecked());
        c->trigger();
        QCOMPARE(program.main().bank(), QStringLiteral("C"));
        QCOMPARE(program.label("EXAMTYPE"), QStringLiteral("当前考试类型为：小型汽车C1，C2"));
        QCOMPARE(program.label("Label10"), QStringLiteral("模拟考试100题（小型汽车C1，C2）"));
        QVERIFY(!b2->isChecked() && c->isChecked());
        b2->trigger();
        QCOMPARE(program.main().bank(), QStringLiteral("B2"));
        QCOMPARE(program.label("EXAMTYPE"), QStringLiteral("当前考试类型为：大型货车B2"));
        QCOMPARE(program.label("Label10"), QStringLiteral("模拟考试100题（大货车B2）"));
        QVERIFY(b2->isChecked() && !c->isChecked());
        b2->trigger();
        QVERIFY(b2->isChecked());
        QVERIFY(program.boxes.asked.isEmpty());
    }

    void helpTextAndKeysOutsideAnExercise() {
        ProgramFixture program(sampleSources(1, 4, 2));
        program.find<QPushButton>("BitBtn8")->click();
        QVERIFY(program.shown("Memo1"));
        QVERIFY(!program.shown("GroupBox1"));
        // No exercise is shown: the map's keys store nothing and ask nothing.
        for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_6, Qt::Key_4, Qt::Key_8})
            program.key(key);
        QVERIFY(program.boxes.asked.isEmpty());
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK<>5")), 0);
        // A mode button hides the help text again.
        program.find<QPushButton>("BitBtn1")->click();
        QVERIFY(!program.shown("Memo1"));
        QVERIFY(program.shown("GroupBox2"));
    }

    void acceleratorsPressTheirButtons() {
        ProgramFixture program(sampleSources(1, 4, 2));
        program.boxes.setDefaultAnswer(MessageBox::Result::Cancel);
        program.key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(program.boxes.texts(),
                 QStringList{QStringLiteral("您想重新开始顺序抽题训练吗？")});
        program.boxes.clear();
        program.key(Qt::Key_L, Qt::AltModifier);
        program.key(Qt::Key_C, Qt::AltModifier);
        program.key(Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(program.boxes.texts(), (QStringList{QStringLiteral("您想重新开始模拟练习吗？"),
                                                     QStringLiteral("您想重新开始开始模拟试题吗？"),
                                                     QStringLiteral("确认退出此系统吗？")}));
        program.key(Qt::Key_H, Qt::AltModifier);
        QVERIFY(program.shown("Memo1"));
        // Covered by the question panel, the column still answers to its accelerators.
        program.boxes.setDefaultAnswer(MessageBox::Result::Ok);
        program.key(Qt::Key_S, Qt::AltModifier);
        QVERIFY(program.shown("GroupBox2"));
        program.boxes.clear();
        program.boxes.setDefaultAnswer(MessageBox::Result::Cancel);
        program.key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(program.boxes.texts(),
                 QStringList{QStringLiteral("您想重新开始顺序抽题训练吗？")});
    }

    void exitAsksFirst() {
        ProgramFixture program(sampleSources(1, 4, 2));
        bool quitRequested = false;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quitRequested = true; });
        program.boxes.answerNext(MessageBox::Result::Cancel);
        program.find<QPushButton>("BitBtn6")->click();
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.boxes.asked[0].caption, QStringLiteral("信息提示"));
        QCOMPARE(program.boxes.asked[0].buttons, MessageBox::Buttons::OkCancel);
        QVERIFY(program.main().findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QVERIFY(!quitRequested);
    }

    void missingDatabaseIsReportedAndTheWindowStillOpens() {
        QTemporaryDir empty;
        ProgramDirectoryOverride directory(empty.path());
        MessageBoxScript boxes;
        ProgramWindows windows;
        windows.main.show();
        QVERIFY(windows.main.isVisible());
        QCOMPARE(boxes.asked.size(), 1);
        QCOMPARE(boxes.asked[0].caption, QStringLiteral("dedode"));
        QCOMPARE(boxes.asked[0].icon, MessageBox::Icon::Error);
        QCOMPARE(boxes.asked[0].buttons, MessageBox::Buttons::Ok);
        QCOMPARE(boxes.asked[0].text,
                 QStringLiteral("Could not find file '%1/db/exam.mdb'").arg(empty.path()));
        QVERIFY(!QFile::exists(empty.path() + QStringLiteral("/db/exam.mdb")));
        // Every later statement fails with its own box, which says in Chinese what is wrong and
        // where; the program goes on.
        boxes.clear();
        windows.main.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(boxes.asked.size(), 2);
        QCOMPARE(boxes.asked[1].caption, QStringLiteral("dedode"));
        QCOMPARE(boxes.asked[1].text,
                 QStringLiteral("题库没有打开，无法进行这项操作。\n\n文件：%1/db/exam.mdb\n"
                                "文件夹：%1/db\n原因：文件夹不存在.")
                     .arg(empty.path()));
        boxes.clear();
        windows.main.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(boxes.asked.size(), 2);
    }

    void wrongPasswordDatabase() {
        TestProgramFolder folder(sampleSources(1, 4, 2));
        folder.exec(QStringLiteral("PRAGMA rekey = 'other';"));
        ProgramDirectoryOverride directory(folder.path());
        MessageBoxScript boxes;
        ProgramWindows windows;
        windows.main.show();
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("file is encrypted or is not a database.")});
    }
};

XUNDRAL_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
