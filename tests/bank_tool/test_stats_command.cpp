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
        writeExamDatabase(path, examDatabaseKey(), toolFixtureSources(), QString());
        {
            SqliteDatabase database(path, examDatabaseKey(),
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
            // A hand-edited row whose score would wrap a 32-bit sum: named, never summed.
            paper.handedIn = paper.handedIn.addDays(1);
            insertPaperRecord(database, paper);
            database.execScript(QStringLiteral(
                "UPDATE PAPER_RECORD SET SCORE = 2147483647 WHERE ID = 2;"
                "UPDATE PAPER_CHAPTER SET QUESTIONS = NULL WHERE PAPER_ID = 2 AND STZLB1 = 1;"));
        }
        const ToolRun run = runTool({QStringLiteral("stats"), path});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 QStringLiteral("学习记录：共1份试卷\n"
                                "  2026-12-03 19:30  小型汽车  模拟考试  93分  20分34秒  及格\n"
                                "小型汽车：已有1次模拟考试及格1次，平均93分。\n"
                                "小型汽车最近10份试卷各章正确率：\n"
                                "  第1章：42题答对40题（95%）\n"
                                "  第2章：58题答对53题（91%）\n"
                                "小型汽车：通过概率：数据不足（还需答题 200 道）\n"
                                "大型货车：通过概率：数据不足（还需答题 200 道，"
                                "还需完成 1 次模拟考试）\n"
                                "错题本：小型汽车 0 题，大型货车 1 题\n"
                                "学习记录中有2条记录已损坏（数值缺失、不是整数或超出范围），"
                                "未计入统计。\n"));
    }

    void leavesAnOldFileAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.mdb"));
        {
            SqliteDatabase database(path, examDatabaseKey(),
                                    SqliteDatabase::OpenMode::CreateIfMissing);
            database.execScript(QStringLiteral("CREATE TABLE C (ID INTEGER);"));
        }
        const QString before = dumpDatabase(path);
        const ToolRun run = runTool({QStringLiteral("stats"), path});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains(QStringLiteral("还没有学习记录")));
        QCOMPARE(dumpDatabase(path), before);
    }
};

QTEST_GUILESS_MAIN(TestStatsCommand)
#include "test_stats_command.moc"
