// stats: the record as text, and a file of the previous version read without being changed.
#include "data/connection_string.h"
#include "data/learning_record.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "tests/bank_tool/tool_run.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestStatsCommand : public QObject {
    Q_OBJECT
private slots:
    void printsTheRecord() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("db"));
        const QString path = dir.filePath(QStringLiteral("db/exam.mdb"));
        writeExamDatabase(path, QString::fromLatin1(kExamDatabasePassword), toolFixtureSources(),
                          QString());
        {
            SqliteDatabase database(path, QString::fromLatin1(kExamDatabasePassword),
                                    SqliteDatabase::OpenMode::ExistingOnly);
            PaperRecord paper;
            paper.bank = QStringLiteral("C");
            paper.examMode = 1;
            paper.handedIn = QDateTime(QDate(2026, 12, 3), QTime(19, 30));
            paper.secondsUsed = 1234;
            paper.questions = 100;
            paper.right = paper.score = 93;
            paper.passed = true;
            paper.chapters = {{1, 42, 40}, {2, 58, 53}};
            insertPaperRecord(database, paper);
            writeBookEntry(database,
                           {QStringLiteral("B2"), QStringLiteral("d"), 3, paper.handedIn, 0});
        }
        const ToolRun run = runTool({QStringLiteral("stats"), path});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral("papers: 1\n"
                                "  2026-12-03 19:30  小型汽车  模拟考试  93分  20分34秒  及格\n"
                                "readiness: 已有1次模拟考试及格1次，平均93分。\n"
                                "accuracy per chapter over the last 10 papers:\n"
                                "  chapter 1: 40 of 42 (95.2 %)\n"
                                "  chapter 2: 53 of 58 (91.4 %)\n"
                                "chance of passing, C: 通过概率：数据不足（还需答题 200 道）\n"
                                "chance of passing, B2: 通过概率：数据不足（还需答题 200 道，"
                                "还需完成 1 次模拟考试）\n"
                                "wrong-question book: C 0, B2 1\n"));
    }

    void leavesAnOldFileAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.mdb"));
        {
            SqliteDatabase database(path, QString::fromLatin1(kExamDatabasePassword),
                                    SqliteDatabase::OpenMode::CreateIfMissing);
            database.execScript(QStringLiteral("CREATE TABLE C (ID INTEGER);"));
        }
        const QString before = dumpDatabase(path);
        const ToolRun run = runTool({QStringLiteral("stats"), path});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("no learning record")));
        QCOMPARE(dumpDatabase(path), before);
    }
};

QTEST_GUILESS_MAIN(TestStatsCommand)
#include "test_stats_command.moc"
