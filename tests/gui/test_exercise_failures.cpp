// What the window shows when the database lets an exercise down: a draw that fails leaves
// nothing a key could answer or score, and an answer that could not be stored is not shown
// as chosen.
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <unistd.h>

namespace {

const QString kUnsetCount = QStringLiteral("试题提取数尚未设置!");
const QString kPrefix = QStringLiteral("当前选择答案为：");

int storedAnswers(ProgramFixture& program) {
    return program.folder.scalar(QStringLiteral("select count(*) from B2 where MARK<>5"));
}

QList<QRadioButton*> checkedIndicators(ProgramFixture& program) {
    QList<QRadioButton*> checked;
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
        auto* indicator = program.find<QRadioButton>(name);
        if (indicator->isChecked())
            checked.append(indicator);
    }
    return checked;
}

// A small file system of its own, filled to the last byte on request. Needs root.
class SmallDisk {
public:
    SmallDisk() {
        if (::geteuid() != 0 || !dir_.isValid())
            return;
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                      QStringLiteral("-o"), QStringLiteral("size=4m"),
                                      QStringLiteral("tmpfs"), dir_.path()}) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {dir_.path()});
    }
    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

    void fill() {
        QFile filler(dir_.path() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void free() { QFile::remove(dir_.path() + QStringLiteral("/filler")); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace

class TestExerciseFailures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    // Each way the draw can fail, after a practice left its question list at question 12.
    void failedDrawReturnsToTheStartPanel_data() {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<QString>("message");
        QTest::newRow("every chapter 0")
            << QStringLiteral("update SYS_CFG set STSL=0") << kUnsetCount;
        QTest::newRow("no chapter rows") << QStringLiteral("delete from SYS_CFG") << kUnsetCount;
        QTest::newRow("count 'abc'")
            << QStringLiteral("update SYS_CFG set STSL='abc'") << QString();
        QTest::newRow("count 1e14") << QStringLiteral("update SYS_CFG set STSL=1e14") << QString();
        QTest::newRow("NULL chapter")
            << QStringLiteral("update SYS_CFG set STZLB1=NULL where STZLB1=2") << QString();
        QTest::newRow("S_MARK missing") << QStringLiteral("drop table S_MARK") << QString();
        QTest::newRow("SYS_CFG missing") << QStringLiteral("drop table SYS_CFG") << QString();
        QTest::newRow("EXAM_TEMP missing") << QStringLiteral("drop table EXAM_TEMP") << QString();
    }
    void failedDrawReturnsToTheStartPanel() {
        QFETCH(QString, breakage);
        QFETCH(QString, message);
        for (const char* button : {"BitBtn3", "BitBtn4"}) {
            ProgramFixture program(sampleSources(3, 8, 4));
            program.folder.exec(QStringLiteral("update sysparam set ifjump=0"));
            program.find<QPushButton>("BitBtn1")->click();
            for (int step = 1; step < 12; ++step)
                program.key(Qt::Key_6);
            QCOMPARE(program.main().curNum(), 12);
            program.key(Qt::Key_8);
            program.folder.exec(breakage);
            program.boxes.clear();

            program.find<QPushButton>(button)->click();
            QCOMPARE(program.boxes.asked.size(), 2);
            const MessageBox::Request& error = program.boxes.asked[1];
            QCOMPARE(error.icon, MessageBox::Icon::Error);
            if (!message.isEmpty()) {
                QCOMPARE(error.text, message);
                QCOMPARE(error.caption, QStringLiteral("错误"));
            } else {
                // The database's own words, through the general error report.
                QCOMPARE(error.caption, QStringLiteral("dedode"));
                QVERIFY(!error.text.isEmpty());
            }
            QVERIFY(program.shown("GroupBox1"));
            QVERIFY(!program.shown("GroupBox2"));
            auto* countdown = program.main().findChild<QTimer*>(QStringLiteral("Timer1"));
            QVERIFY(!countdown->isActive());

            // Nothing answers the old practice list, nothing scores it, and no tick hands it in.
            program.boxes.clear();
            for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_0, Qt::Key_6, Qt::Key_8})
                program.key(key);
            program.main().Timer1Timer();
            QVERIFY2(program.boxes.asked.isEmpty(), qPrintable(program.boxes.texts().join('|')));
            QCOMPARE(storedAnswers(program), 0);
            QVERIFY(program.shown("GroupBox1") && !program.shown("GroupBox2"));
        }
    }

    void failedDrawAfterAGoodPaper() {
        ProgramFixture program(sampleSources(2, 6, 3));
        program.find<QPushButton>("BitBtn4")->click();
        QVERIFY(program.shown("A_btn"));
        program.key(Qt::Key_1);
        QCOMPARE(storedAnswers(program), 1);
        program.folder.exec(QStringLiteral("update SYS_CFG set STSL='abc'"));
        program.find<QPushButton>("BitBtn3")->click();
        QVERIFY(!program.shown("GroupBox2"));
        program.folder.exec(QStringLiteral("update SYS_CFG set STSL=3"));
        program.boxes.clear();
        // Once the data are mended the next paper starts as usual.
        program.find<QPushButton>("BitBtn3")->click();
        QCOMPARE(program.boxes.asked.size(), 1);
        QVERIFY(program.shown("A_btn") && !program.shown("waitEdt"));
        QCOMPARE(program.main().totalNum(), 6);
    }

    // The engine refuses the answer's write, as it does when the disk is full.
    void refusedWriteShowsWhatIsStored() {
        ProgramFixture program(sampleSources(2, 4, 2));
        program.folder.exec(QStringLiteral("update sysparam set ifjump=0, ifshow=1"));
        program.find<QPushButton>("BitBtn1")->click();
        const int id = program.main().curId();
        program.key(Qt::Key_2);
        QCOMPARE(program.mark(id), 2);
        const QString storedLine = program.box("answerEdt");
        QVERIFY(storedLine.startsWith(kPrefix + QStringLiteral("答案二")));

        program.folder.exec(QStringLiteral(
            "create trigger refuse_answer before update of MARK on B2 when NEW.MARK<>5 "
            "begin select raise(abort, 'database or disk is full'); end"));
        program.boxes.clear();
        program.key(Qt::Key_1);
        QCOMPARE(program.boxes.texts(), QStringList{QStringLiteral("database or disk is full.")});
        QCOMPARE(program.boxes.asked[0].icon, MessageBox::Icon::Error);
        QCOMPARE(program.mark(id), 2);
        QCOMPARE(program.box("answerEdt"), storedLine);
        QCOMPARE(checkedIndicators(program),
                 QList<QRadioButton*>{program.find<QRadioButton>("RadioButton3")});
        QCOMPARE(program.main().curId(), id);

        // A question never answered shows no choice at all after the refusal.
        program.key(Qt::Key_6);
        const int next = program.main().curId();
        program.boxes.clear();
        program.key(Qt::Key_2);
        QCOMPARE(program.boxes.asked.size(), 1);
        QCOMPARE(program.mark(next), 5);
        QCOMPARE(program.box("answerEdt"), kPrefix);
        QVERIFY(checkedIndicators(program).isEmpty());
        QCOMPARE(program.label("Label1"), QStringLiteral("答对题数: 0"));
    }

    void refusedWriteWithAutomaticAdvanceStays() {
        ProgramFixture program(sampleSources(1, 4, 2));
        program.folder.exec(QStringLiteral("update sysparam set ifjump=1"));
        program.find<QPushButton>("BitBtn4")->click();
        program.folder.exec(QStringLiteral(
            "create trigger refuse_answer before update of MARK on B2 when NEW.MARK<>5 "
            "begin select raise(fail, 'disk I/O error'); end"));
        program.key(Qt::Key_1);
        QCOMPARE(program.main().curNum(), 1);
        QCOMPARE(program.box("answerEdt"), kPrefix);
    }

    void answerToAQuestionThatIsGone() {
        ProgramFixture program(sampleSources(1, 4, 2));
        program.find<QPushButton>("BitBtn1")->click();
        const int id = program.main().curId();
        program.folder.exec(QStringLiteral("delete from B2 where ID=%1").arg(id));
        program.key(Qt::Key_1);
        QCOMPARE(program.boxes.asked.size(), 2);
        QVERIFY(program.boxes.asked[1].text.contains(QString::number(id)));
        QCOMPARE(program.box("answerEdt"), kPrefix);
    }

    void fullDisk() {
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a full disk needs a small tmpfs, which only root can mount");
        {
            const QByteArray previous = qgetenv("TMPDIR");
            qputenv("TMPDIR", disk.path().toLocal8Bit());
            ProgramFixture program(sampleSources(2, 4, 2));
            qputenv("TMPDIR", previous);
            QVERIFY(program.folder.path().startsWith(disk.path()));
            program.folder.exec(QStringLiteral("update sysparam set ifjump=0"));
            program.find<QPushButton>("BitBtn1")->click();
            disk.fill();
            // The write-ahead log may still have room from earlier writes, so some answers can
            // be stored on a full disk; whatever happens, the screen agrees with the file.
            int refused = 0;
            for (int question = 0; question < 8; ++question) {
                const int id = program.main().curId();
                program.boxes.clear();
                program.key(Qt::Key_1);
                if (program.boxes.asked.isEmpty()) {
                    QCOMPARE(program.mark(id), 1);
                    QVERIFY(
                        program.box("answerEdt").startsWith(kPrefix + QStringLiteral("答案一")));
                } else {
                    ++refused;
                    QCOMPARE(program.boxes.texts(),
                             QStringList{QStringLiteral("database or disk is full.")});
                    QCOMPARE(program.mark(id), 5);
                    QCOMPARE(program.box("answerEdt"), kPrefix);
                    QVERIFY(checkedIndicators(program).isEmpty());
                }
                program.key(Qt::Key_6);
            }
            if (refused == 0)
                qWarning("the full disk refused no answer: the log had room for all of them");
            program.key(Qt::Key_4);
            const int id = program.main().curId();
            disk.free();
            program.boxes.clear();
            program.key(Qt::Key_1);
            QVERIFY(program.boxes.asked.isEmpty());
            QCOMPARE(program.mark(id), 1);
            QVERIFY(program.box("answerEdt").startsWith(kPrefix + QStringLiteral("答案一")));
        }
    }
};

XUNDRAL_TEST_MAIN(TestExerciseFailures)
#include "test_exercise_failures.moc"
