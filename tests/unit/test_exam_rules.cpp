// The exercise's rules, used without any window: answer codes, the answer line, time used,
// the bank name guard and one category's draw against a real database.
#include "data/ado_connection.h"
#include "data/ado_query.h"
#include "data/answer_code.h"
#include "data/connection_string.h"
#include "data/db_error.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/answer_line.h"
#include "exam/countdown_clock.h"
#include "exam/exercise_kind.h"
#include "exam/paper_draw.h"
#include "tests/support/test_data.h"

#include <QSet>

class TestExamRules : public QObject {
    Q_OBJECT
private slots:
    void answerCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("name");
        QTest::newRow("A") << 1 << QChar('A') << QStringLiteral("答案一");
        QTest::newRow("B") << 2 << QChar('B') << QStringLiteral("答案二");
        QTest::newRow("C") << 3 << QChar('C') << QStringLiteral("答案三");
        QTest::newRow("D is 0") << 0 << QChar('D') << QStringLiteral("答案四");
        QTest::newRow("not answered") << 5 << QChar('?') << QString();
        QTest::newRow("4 is nothing") << 4 << QChar('?') << QString();
    }
    void answerCodes() {
        QFETCH(int, code);
        QFETCH(QChar, letter);
        QFETCH(QString, name);
        // The codes as the MARK and ANSWER columns hold them.
        const AnswerCode stored = answerCodeFromColumn(code);
        QCOMPARE(answerCodeToColumn(stored), code);
        QCOMPARE(letterForAnswerCode(stored), letter);
        QCOMPARE(answerName(stored), name);
        if (letter != QLatin1Char('?'))
            QVERIFY(answerCodeForLetter(letter) == stored);
        QCOMPARE(answerCodeToColumn(AnswerCode::NotAnswered), 5);
        QVERIFY(!answerCodeForLetter(QLatin1Char('a')));
    }

    void answerLineVerdicts_data() {
        QTest::addColumn<ExamMode>("examMode");
        QTest::addColumn<int>("ifShow");
        QTest::addColumn<AnswerCode>("answer");
        QTest::addColumn<QString>("line");
        QTest::newRow("practice, right") << ExamMode::SequentialPractice << 1 << AnswerCode::B
                                         << QStringLiteral("当前选择答案为：答案二 正确");
        QTest::newRow("practice, wrong D") << ExamMode::SequentialPractice << 1 << AnswerCode::D
                                           << QStringLiteral("当前选择答案为：答案四 错误");
        QTest::newRow("mock practice") << ExamMode::MockPractice << 1 << AnswerCode::A
                                       << QStringLiteral("当前选择答案为：答案一 错误");
        QTest::newRow("setting off") << ExamMode::SequentialPractice << 0 << AnswerCode::B
                                     << QStringLiteral("当前选择答案为：答案二");
        QTest::newRow("mock exam hides it")
            << ExamMode::MockExam << 1 << AnswerCode::B << QStringLiteral("当前选择答案为：答案二");
    }
    void answerLineVerdicts() {
        QFETCH(ExamMode, examMode);
        QFETCH(int, ifShow);
        QFETCH(AnswerCode, answer);
        QFETCH(QString, line);
        QCOMPARE(answerLine({AnswerCode::B, answer}, examMode, ifShow), line);
    }

    void secondsUsed() {
        QCOMPARE(countdownSecondsUsed(45, QStringLiteral("0:45:00")), 0);
        QCOMPARE(countdownSecondsUsed(45, QStringLiteral("0:44:30")), 30);
        QCOMPARE(countdownSecondsUsed(45, kCountdownZero), 2700);
        QCOMPARE(countdownSecondsUsed(100, QStringLiteral("1:00:01")), 2399);
        // Unreadable text counts as the time gone; more left than set (the setting changed
        // under the paper) as none used.
        QCOMPARE(countdownSecondsUsed(45, QStringLiteral("abc")), 2700);
        QCOMPARE(countdownSecondsUsed(1, QStringLiteral("0:45:00")), 0);
        QCOMPARE(countdownSecondsUsed(-3, QStringLiteral("0:00:10")), 0);
    }

    void onlyBankTablesReachStatements() {
        QCOMPARE(bankTable(QStringLiteral("B2")), QStringLiteral("B2"));
        QCOMPARE(bankTable(QStringLiteral("C")), QStringLiteral("C"));
        for (const QString& name : {QStringLiteral("c"), QStringLiteral("b2"), QString(),
                                    QStringLiteral("C where 1=1"), QStringLiteral("SYS_CFG")})
            QVERIFY_THROWS_EXCEPTION(DbError, bankTable(name));
    }

    void drawingOneCategory() {
        TestProgramFolder folder(sampleSources(2, 6, 3));
        AdoConnection connection;
        connection.setConnectionString(examConnectionString(folder.path()));
        connection.open();
        AdoQuery pool(&connection), taken(&connection), bank(&connection);
        const DrawQueries queries{pool, taken, bank};
        const QString chapterTwo = QStringLiteral("select EXAMID from S_MARK where EXAMID in "
                                                  "(select ID from C where STZLB1=2)");

        drawCategory(queries, QStringLiteral("C"), {2, 4});
        const QList<int> first = folder.ints(chapterTwo);
        QCOMPARE(first.size(), 4);
        QCOMPARE(QSet<int>(first.begin(), first.end()).size(), 4);
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from S_MARK")), 4);
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from EXAM_TEMP where STZLB1=2")), 4);

        // Only two are left unused: the next paper takes both, then refills the pool from the
        // rest, never repeating a question of its own.
        QList<int> unused = folder.ints(QStringLiteral("select ID from C where STZLB1=2"));
        for (int id : first)
            unused.removeAll(id);
        QCOMPARE(unused.size(), 2);
        folder.exec(QStringLiteral("delete from S_MARK"));
        drawCategory(queries, QStringLiteral("C"), {2, 4});
        const QList<int> second = folder.ints(chapterTwo);
        QCOMPARE(QSet<int>(second.begin(), second.end()).size(), 4);
        for (int id : unused)
            QVERIFY(second.contains(id));

        // Asking for more than the chapter holds gives all of it, and ends.
        folder.exec(QStringLiteral("delete from S_MARK; delete from EXAM_TEMP;"));
        drawCategory(queries, QStringLiteral("C"), {1, 50});
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from S_MARK")), 6);
        drawCategory(queries, QStringLiteral("C"), {9, 3});
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from S_MARK")), 6);
    }

    // The pool kept between papers rotates as the file's does, and gives way to the file when
    // another connection rewrote it, even to the same count.
    void keptPoolFollowsTheFile() {
        TestProgramFolder folder(sampleSources(1, 6, 3));
        AdoConnection connection;
        connection.setConnectionString(examConnectionString(folder.path()));
        connection.open();
        AdoQuery settings(&connection), pool(&connection), taken(&connection), bank(&connection);
        const DrawQueries queries{pool, taken, bank};
        DrawPoolModel model;
        auto draw = [&] {
            drawPaper(settings, queries, QStringLiteral("C"), &model);
            const QList<int> ids = folder.ints(QStringLiteral("select EXAMID from S_MARK"));
            return QSet<int>(ids.begin(), ids.end());
        };
        const QSet<int> first = draw();
        const QSet<int> second = draw();
        QCOMPARE(first.size(), 3);
        QCOMPARE(second.size(), 3);
        QVERIFY(!first.intersects(second));
        const QSet<int> third = draw();
        QCOMPARE(third.size(), 3);

        QStringList others;
        for (int id = 1; id <= 6; ++id) {
            if (!third.contains(id))
                others.append(QString::number(id));
        }
        folder.exec(QStringLiteral("delete from EXAM_TEMP; insert into EXAM_TEMP select ID, "
                                   "STZLB1 from C where ID in (%1)")
                        .arg(others.join(QLatin1Char(','))));
        QCOMPARE(draw(), third);
    }

    void paperDrawIsOneCommitEvenWhenItFails() {
        TestProgramFolder folder(sampleSources(3, 6, 4));
        AdoConnection connection;
        connection.setConnectionString(examConnectionString(folder.path()));
        connection.open();
        AdoQuery settings(&connection), pool(&connection), taken(&connection), bank(&connection);
        const DrawQueries queries{pool, taken, bank};
        const SqliteDatabase& database = connection.database();

        // A fresh pool, then one in which each category has a single unused question left, so
        // the pool is cleared half-way through.
        for (int paper = 0; paper < 2; ++paper) {
            if (paper == 1)
                folder.exec(QStringLiteral("delete from EXAM_TEMP; insert into EXAM_TEMP select "
                                           "ID, STZLB1 from C where ID % 6 <> 0"));
            const int before = database.commitCount();
            QCOMPARE(drawPaper(settings, queries, QStringLiteral("C")), PaperDraw::Drawn);
            QVERIFY(database.commitCount() - before <= 2);
            QCOMPARE(bank.recordCount(), 12);
            QCOMPARE(folder.scalar(QStringLiteral("select count(distinct EXAMID) from S_MARK")),
                     12);
        }

        // A count that is no number stops the draw at its row; what came before it stays, in
        // one commit.
        folder.exec(QStringLiteral("update SYS_CFG set STSL='many' where STZLB1=3"));
        const int before = database.commitCount();
        QVERIFY_THROWS_EXCEPTION(DbError, drawPaper(settings, queries, QStringLiteral("C")));
        QCOMPARE(database.commitCount() - before, 1);
        QCOMPARE(folder.scalar(QStringLiteral("select count(*) from S_MARK")), 8);

        // A chapter that is text, once spliced into five statements, is refused, not run.
        folder.exec(QStringLiteral("update SYS_CFG set STSL=4;"
                                   "update SYS_CFG set STZLB1='1 OR 1=1' where STZLB1=1"));
        QVERIFY_THROWS_EXCEPTION(DbError, drawPaper(settings, queries, QStringLiteral("C")));
    }
};

XUNDRAL_DATA_TEST_MAIN(TestExamRules)
#include "test_exam_rules.moc"
