// A newer shipped bank brought into a learner's copy: the learner's rows follow their questions,
// and a failure or a kill leaves the old file or the new one, never a mix.
#include "data/bank_stamp.h"
#include "data/bank_update.h"
#include "data/connection_string.h"
#include "data/learning_record.h"
#include "data/sqlite_database.h"
#include "tests/support/test_data.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>

namespace {

const DatabaseKey kKey = examDatabaseKey();

std::unique_ptr<SqliteDatabase> open(const QString& path) {
    return std::make_unique<SqliteDatabase>(path, kKey, SqliteDatabase::OpenMode::ExistingOnly);
}

void stamp(const QString& path, const QString& version) {
    const auto database = open(path);
    writeBankStamp(*database, {version, digestBankTables(*database)});
}

// The learner's bank: two chapters of four. The next version inserts a question at the front
// of chapter 1 (every later id moves), rewrites one and drops one.
BankSources oldBank() {
    return sampleSources(2, 4, 2);
}

BankSources newBank() {
    BankSources sources = oldBank();
    sources.common.insert(sources.common.begin(),
                          trueFalseQuestion(1, QStringLiteral("新增的第一题"), true));
    sources.common[3].text = QStringLiteral("改写过的题目");
    sources.common.erase(sources.common.begin() + 6);
    sources.common.push_back(fourChoiceQuestion(2, QStringLiteral("新增的末题"), AnswerCode::B));
    return sources;
}

int markOf(TestProgramFolder& folder, const QString& table, const QString& text) {
    return folder.scalar(QStringLiteral("SELECT MARK FROM %1 WHERE STNR = '%2'").arg(table, text));
}

} // namespace

class TestBankUpdate : public QObject {
    Q_OBJECT

private slots:
    void learnerRowsFollowTheirQuestions() {
        TestProgramFolder learner(oldBank());
        TestProgramFolder shipped(newBank());
        stamp(learner.databasePath(), QStringLiteral("1.0"));
        stamp(shipped.databasePath(), QStringLiteral("1.1"));
        learner.exec(QStringLiteral("UPDATE C SET MARK = 1 WHERE STNR = '第1章第1题'"));
        learner.exec(QStringLiteral("UPDATE B2 SET MARK = 2 WHERE STNR = '第2章第3题'"));
        learner.exec(QStringLiteral("UPDATE C SET MARK = 3 WHERE STNR = '第1章第3题'"));
        learner.exec(QStringLiteral("UPDATE sysparam SET timer1 = 20"));
        learner.exec(QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (2)"));
        learner.exec(QStringLiteral("INSERT INTO PAPER_RECORD (ID, BANK) VALUES (7, 'C')"));
        learner.exec(QStringLiteral("INSERT INTO WRONG_BOOK (BANK, DIGEST, WRONG_COUNT) "
                                    "VALUES ('C', 42, 3)"));

        BankUpdate update;
        {
            const auto learnerDb = open(learner.databasePath());
            const auto shippedDb = open(shipped.databasePath());
            update = bringInShippedBank(*learnerDb, *shippedDb);
        }
        QVERIFY(update.updated);
        QCOMPARE(update.version, QStringLiteral("1.1"));
        // The inserted, the rewritten and the appended question are new to the learner.
        QCOMPARE(update.newQuestions, qint64(3));
        QCOMPARE(learner.scalar(QStringLiteral("SELECT COUNT(*) FROM C")), 9);
        QCOMPARE(learner.scalar(QStringLiteral("SELECT ID FROM C WHERE STNR = '第1章第1题'")), 2);
        QCOMPARE(markOf(learner, QStringLiteral("C"), QStringLiteral("第1章第1题")), 1);
        QCOMPARE(markOf(learner, QStringLiteral("B2"), QStringLiteral("第2章第3题")), 2);
        QCOMPARE(markOf(learner, QStringLiteral("C"), QStringLiteral("改写过的题目")), 5);
        QCOMPARE(markOf(learner, QStringLiteral("C"), QStringLiteral("新增的第一题")), 5);
        QCOMPARE(learner.scalar(QStringLiteral("SELECT timer1 FROM sysparam")), 20);
        QCOMPARE(learner.scalar(QStringLiteral("SELECT COUNT(*) FROM PAPER_RECORD")), 1);
        QCOMPARE(learner.scalar(QStringLiteral("SELECT WRONG_COUNT FROM WRONG_BOOK")), 3);
        // Id 2 now names another question: the stored paper cannot stay.
        QCOMPARE(learner.scalar(QStringLiteral("SELECT COUNT(*) FROM S_MARK")), 0);

        const auto learnerDb = open(learner.databasePath());
        const auto shippedDb = open(shipped.databasePath());
        QCOMPARE(readBankStamp(*learnerDb).digest, readBankStamp(*shippedDb).digest);
        QVERIFY(!bringInShippedBank(*learnerDb, *shippedDb).updated);
    }

    void keepsWhatStillFits_data() {
        QTest::addColumn<bool>("appendOnly");
        QTest::addColumn<int>("learnerCount");
        QTest::addColumn<int>("paperRows");
        QTest::addColumn<int>("drawnFromChapter2");
        // Appending keeps every id: the paper stays. Counts that fit stay the learner's.
        QTest::newRow("appended, counts fit") << true << 3 << 1 << 3;
        // Ids moved: the paper goes; a count the new chapter cannot give takes the shipped one.
        QTest::newRow("moved, count too large") << false << 5 << 0 << 2;
    }

    void keepsWhatStillFits() {
        QFETCH(bool, appendOnly);
        QFETCH(int, learnerCount);
        QFETCH(int, paperRows);
        QFETCH(int, drawnFromChapter2);
        BankSources next = oldBank();
        if (appendOnly)
            next.common.push_back(trueFalseQuestion(2, QStringLiteral("追加题"), false));
        else
            next.common.erase(next.common.begin());
        TestProgramFolder learner(oldBank());
        TestProgramFolder shipped(next);
        stamp(shipped.databasePath(), QStringLiteral("1.1"));
        learner.exec(QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (3)"));
        learner.exec(
            QStringLiteral("UPDATE SYS_CFG SET STSL = %1 WHERE STZLB1 = 2").arg(learnerCount));
        {
            const auto learnerDb = open(learner.databasePath());
            const auto shippedDb = open(shipped.databasePath());
            QVERIFY(bringInShippedBank(*learnerDb, *shippedDb).updated);
        }
        QCOMPARE(learner.scalar(QStringLiteral("SELECT COUNT(*) FROM S_MARK")), paperRows);
        QCOMPARE(learner.scalar(QStringLiteral("SELECT STSL FROM SYS_CFG WHERE STZLB1 = 2")),
                 drawnFromChapter2);
    }

    void refusedWriteLeavesTheOldBank() {
        TestProgramFolder learner(oldBank());
        TestProgramFolder shipped(newBank());
        stamp(learner.databasePath(), QStringLiteral("1.0"));
        stamp(shipped.databasePath(), QStringLiteral("1.1"));
        learner.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON C WHEN NEW.ID = 9 "
                                    "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        const auto learnerDb = open(learner.databasePath());
        const QString before = digestBankTables(*learnerDb);
        const auto shippedDb = open(shipped.databasePath());
        QVERIFY_THROWS_EXCEPTION(std::exception, bringInShippedBank(*learnerDb, *shippedDb));
        QCOMPARE(digestBankTables(*learnerDb), before);
        QCOMPARE(readBankStamp(*learnerDb).version, QStringLiteral("1.0"));
    }

    // A child brings the bank in and is killed at a random moment: the file then holds the old
    // bank under the old stamp or the new bank under the new one, and opens sound.
    void killedUpdateLeavesOneWholeBank() {
        QRandomGenerator random(20261207);
        int oldSeen = 0;
        int newSeen = 0;
        // The first round runs to the end and times a whole update on this machine; the kills
        // then fall anywhere within that time.
        qint64 wholeRun = 0;
        for (int round = 0; round < 13; ++round) {
            TestProgramFolder learner(oldBank());
            TestProgramFolder shipped(newBank());
            stamp(learner.databasePath(), QStringLiteral("1.0"));
            stamp(shipped.databasePath(), QStringLiteral("1.1"));
            QProcess child;
            child.start(
                QCoreApplication::applicationFilePath(),
                {QStringLiteral("--update-child"), learner.databasePath(), shipped.databasePath()});
            QElapsedTimer timer;
            timer.start();
            QVERIFY(child.waitForStarted());
            if (round == 0) {
                QVERIFY(child.waitForFinished(60000));
                QCOMPARE(child.exitCode(), 0);
                wholeRun = timer.elapsed();
            } else {
                QTest::qWait(static_cast<int>(random.bounded(wholeRun + 1)));
                child.kill();
                child.waitForFinished();
            }
            const auto learnerDb = open(learner.databasePath());
            SqliteStatement check(*learnerDb, QStringLiteral("PRAGMA integrity_check"));
            QVERIFY(check.step());
            QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
            const BankStamp now = readBankStamp(*learnerDb);
            QCOMPARE(digestBankTables(*learnerDb), now.digest);
            (now.version == QStringLiteral("1.1") ? newSeen : oldSeen) += 1;
        }
        qInfo("whole update %lld ms; old bank %d times, new bank %d times", wholeRun, oldSeen,
              newSeen);
        QVERIFY(newSeen >= 1);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QLatin1String(argv[1]) == QLatin1String("--update-child")) {
        const auto learner = open(QString::fromLocal8Bit(argv[2]));
        learner->useWriteAheadLog();
        const auto shipped = open(QString::fromLocal8Bit(argv[3]));
        bringInShippedBank(*learner, *shipped);
        return 0;
    }
    TestBankUpdate test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_bank_update.moc"
