// Drawing papers through the mock exam button: the rotation pool, the order, the counts and
// the data that break the draw's assumptions.
#include "data/data_module.h"
#include "data/sqlite_database.h"
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QSet>

namespace {

QSet<int> asSet(const QList<int>& values) {
    return QSet<int>(values.begin(), values.end());
}

} // namespace

class TestPaperDraw : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void noCountConfigured() {
        BankSources sources = sampleSources(2, 6, 0);
        ProgramFixture program(sources);
        program.folder.exec(
            QStringLiteral("insert into SYS_CFG values (1, 0); insert into SYS_CFG values (2, -3);"
                           "insert into S_MARK values (4)"));
        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(program.boxes.asked.size(), 2);
        const MessageBox::Request& error = program.boxes.asked[1];
        QCOMPARE(error.text, QStringLiteral("试题提取数尚未设置!"));
        QCOMPARE(error.caption, QStringLiteral("错误"));
        QCOMPARE(error.icon, MessageBox::Icon::Error);
        QCOMPARE(program.folder.scalar(QStringLiteral("select count(*) from S_MARK")), 0);
        // The exercise does not start: the start panel is back.
        QVERIFY(program.shown("GroupBox1") && !program.shown("GroupBox2"));
    }

    void rotationWithTwiceTheCount() {
        ProgramFixture program(sampleSources(2, 8, 4)); // categories of 8, papers of 4 each
        QList<QSet<int>> papers;
        for (int paper = 0; paper < 3; ++paper) {
            program.find<QPushButton>("BitBtn4")->click();
            papers.append(asSet(program.folder.ints(QStringLiteral("select EXAMID from S_MARK"))));
            QCOMPARE(papers.last().size(), 8);
            QCOMPARE(program.main().totalNum(), 8);
        }
        QVERIFY(!papers[0].intersects(papers[1]));
        QCOMPARE(papers[0] + papers[1],
                 asSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        // The third paper found each category used up and freed it: the pool holds only
        // this paper's questions now.
        QCOMPARE(asSet(program.folder.ints(QStringLiteral("select EXAMID from EXAM_TEMP"))),
                 papers[2]);
    }

    void wholeCategoryEveryTime() {
        ProgramFixture program(sampleSources(2, 5, 5));
        for (int paper = 0; paper < 3; ++paper) {
            program.find<QPushButton>("BitBtn3")->click();
            QCOMPARE(
                program.folder.ints(QStringLiteral("select EXAMID from S_MARK order by EXAMID")),
                (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        }
    }

    void paperRunsInAscendingIdWhateverTheConfigOrder() {
        BankSources sources = sampleSources(3, 6, 0);
        sources.sysCfg = {{3, 2, QString(), 1}, {1, 3, QString(), 2}, {2, 2, QString(), 3}};
        ProgramFixture program(sources);
        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(program.main().totalNum(), 7);
        QList<int> shown{program.main().curId()};
        for (int step = 1; step < 7; ++step) {
            program.key(Qt::Key_6);
            shown.append(program.main().curId());
        }
        QList<int> sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(shown, sorted);
        QCOMPARE(asSet(shown).size(), 7);
        QCOMPARE(program.label("gb_Subject"), QStringLiteral("第 7 题   共\u30007 题"));
    }

    void poolOfTheOtherBankCounts() {
        ProgramFixture program(sampleSources(1, 8, 4));
        program.find<QPushButton>("BitBtn4")->click();
        const QSet<int> truckPaper =
            asSet(program.folder.ints(QStringLiteral("select EXAMID from S_MARK")));
        program.main().findChild<QAction*>(QStringLiteral("C"))->trigger();
        program.find<QPushButton>("BitBtn4")->click();
        const QSet<int> carPaper =
            asSet(program.folder.ints(QStringLiteral("select EXAMID from S_MARK")));
        QCOMPARE(carPaper.size(), 4);
        QVERIFY(!carPaper.intersects(truckPaper));
        QCOMPARE(program.main().totalNum(), 4);
    }

    void brokenDataStillEnds() {
        BankSources sources = sampleSources(2, 3, 0);
        // The builder refuses such a SYS_CFG, so it is broken after the build.
        sources.sysCfg = {{1, 3, QString(), 1}, {2, 2, QString(), 2}};
        ProgramFixture program(sources);
        program.folder.exec(QStringLiteral("update SYS_CFG set STSL=10 where STZLB1=1;"
                                           "insert into SYS_CFG values (7, 4)"));
        program.find<QPushButton>("BitBtn4")->click();
        // Chapter 1 gives all its 3, chapter 2 its 2, the empty chapter 7 nothing.
        QCOMPARE(program.main().totalNum(), 5);
        QVERIFY(program.shown("A_btn"));
        QCOMPARE(program.boxes.asked.size(), 1);
    }

    void databaseErrorIsReported() {
        ProgramFixture program(sampleSources(1, 4, 2));
        program.folder.exec(QStringLiteral("drop table EXAM_TEMP"));
        program.find<QPushButton>("BitBtn3")->click();
        QCOMPARE(program.boxes.asked.size(), 2);
        QCOMPARE(program.boxes.asked[1].text, QStringLiteral("no such table: exam_temp."));
        QVERIFY(!program.shown("GroupBox2"));
    }

    void shippedBanksGiveThreePapersWithoutRepeats() {
        ProgramFixture program(qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") +
                               QStringLiteral("/db/exam.mdb"));
        for (const char* bank : {"B2", "C"}) {
            program.main().findChild<QAction*>(QLatin1String(bank))->trigger();
            program.folder.exec(QStringLiteral("delete from EXAM_TEMP"));
            QSet<int> drawn;
            for (int paper = 0; paper < 3; ++paper) {
                program.find<QPushButton>("BitBtn4")->click();
                QCOMPARE(program.main().totalNum(), 100);
                drawn += asSet(program.folder.ints(QStringLiteral("select EXAMID from S_MARK")));
            }
            QVERIFY2(drawn.size() == 300, bank);
        }
    }

    void firstDrawIsUniform() {
        // A fresh pool each time, as after a restart: the one question drawn must be any of
        // the category's five with equal chance.
        ProgramFixture program(sampleSources(1, 5, 1));
        int counts[5] = {};
        const int draws = 500;
        for (int draw = 0; draw < draws; ++draw) {
            program.folder.exec(QStringLiteral("delete from EXAM_TEMP"));
            program.find<QPushButton>("BitBtn4")->click();
            const int id = program.folder.scalar(QStringLiteral("select EXAMID from S_MARK"));
            QVERIFY(id >= 1 && id <= 5);
            ++counts[id - 1];
        }
        double chiSquare = 0;
        for (int count : counts)
            chiSquare += (count - draws / 5.0) * (count - draws / 5.0) / (draws / 5.0);
        // 4 degrees of freedom: 18.47 is exceeded by chance once in a thousand runs.
        QVERIFY2(chiSquare < 18.47, qPrintable(QString::number(chiSquare)));
    }

    void oneCommitPerAnswer() {
        ProgramFixture program(sampleSources(2, 8, 4));
        const SqliteDatabase& database = program.windows->dataModule.ADOConnection1.database();
        for (const char* mode : {"BitBtn1", "BitBtn4"}) {
            program.find<QPushButton>(mode)->click();
            for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_6, Qt::Key_3}) {
                const int before = database.commitCount();
                program.key(key);
                QCOMPARE(database.commitCount() - before, key == Qt::Key_6 ? 0 : 1);
            }
        }
    }
};

XUNDRAL_TEST_MAIN(TestPaperDraw)
#include "test_paper_draw.moc"
