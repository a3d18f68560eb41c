// The ADO-like layer against real SQLCipher files.
#include "data/ado_connection.h"
#include "data/ado_query.h"
#include "data/answer_code.h"
#include "data/clean_close.h"
#include "data/connection_string.h"
#include "data/database_opening.h"
#include "data/db_error.h"
#include "data/exercise_rows.h"
#include "data/open_failure.h"
#include "data/sqlite_database.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_data.h"

#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DbError& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

class TestDataLayer : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder = std::make_unique<TestProgramFolder>(sampleSources(2, 6, 3));
        connection = std::make_unique<AdoConnection>();
        connection->setConnectionString(examConnectionString(folder->path()));
        connection->open();
    }
    void cleanup() {
        connection.reset();
        folder.reset();
    }

    void cursorIsFixedWhenOpened() {
        AdoQuery list(connection.get());
        list.setSql(QStringLiteral("select ID, MARK from C order by ID"));
        list.open();
        QCOMPARE(list.recordCount(), 12);
        QCOMPARE(list.recNo(), 1);

        AdoQuery writer(connection.get());
        writer.setSql(QStringLiteral("UPDATE C SET MARK = '1' WHERE id = 2"));
        writer.execSql();
        writer.setSql(QStringLiteral("delete from C where id = 3"));
        writer.execSql();

        list.next();
        QCOMPARE(list.fieldByName(QStringLiteral("id")).asInteger(), 2);
        QCOMPARE(list.fieldByName(QStringLiteral("mark")).asInteger(), 5);
        list.next();
        QCOMPARE(list.fieldByName(QStringLiteral("ID")).asInteger(), 3);
        QCOMPARE(list.recordCount(), 12);

        AdoQuery reread(connection.get());
        reread.setSql(QStringLiteral("select MARK from C where id=2"));
        reread.open();
        QCOMPARE(reread.fieldByName(QStringLiteral("MARK")).asInteger(), 1);
    }

    void navigationStopsAtTheEnds() {
        AdoQuery query(connection.get());
        query.addSql(QStringLiteral("select ID from C"));
        query.addSql(QStringLiteral("where ID <= 2 order by ID"));
        QCOMPARE(query.sql(), QStringLiteral("select ID from C\nwhere ID <= 2 order by ID"));
        query.open();
        QVERIFY(!query.eof());
        query.next();
        QVERIFY(!query.eof());
        query.next();
        QVERIFY(query.eof());
        QCOMPARE(query.fieldByName(QStringLiteral("ID")).asInteger(), 2);
        query.prior();
        query.prior();
        QVERIFY(query.bof());
        QCOMPARE(query.recNo(), 1);
        query.close();
        query.clearSql();
        query.setSql(QStringLiteral("select ID from C where ID < 0"));
        query.open();
        QVERIFY(query.eof() && query.bof());
        QCOMPARE(query.recordCount(), 0);
        QVERIFY(!errorOf([&] { query.fieldByName(QStringLiteral("ID")); }).isEmpty());
    }

    void fieldConversions() {
        AdoQuery query(connection.get());
        query.setSql(QStringLiteral("select NULL as nothing, ' 42 ' as padded, 'abc' as word, "
                                    "7 as number, 2.6 as real"));
        query.open();
        QCOMPARE(query.fieldByName(QStringLiteral("NOTHING")).asInteger(), 0);
        QCOMPARE(query.fieldByName(QStringLiteral("nothing")).asString(), QString());
        QCOMPARE(query.fieldByName(QStringLiteral("padded")).asInteger(), 42);
        QCOMPARE(query.fieldByName(QStringLiteral("number")).asString(), QStringLiteral("7"));
        QCOMPARE(query.fieldByName(QStringLiteral("real")).asInteger(), 3);
        QCOMPARE(errorOf([&] { query.fieldByName(QStringLiteral("word")).asInteger(); }),
                 QStringLiteral("'abc' is not a valid integer value"));
        QCOMPARE(errorOf([&] { query.fieldByName(QStringLiteral("missing")); }),
                 QStringLiteral("Field 'missing' not found"));
    }

    void boundValuesAndRowsAffected() {
        AdoQuery query(connection.get());
        query.setSql(QStringLiteral("update C set MARK=? where STZLB1=?"));
        query.bind(1, 2);
        query.bind(2, 1);
        QCOMPARE(query.execSql(), 6);
        // Bound text stays a value, however much it looks like SQL.
        query.setSql(QStringLiteral("update C set TP=? where ID=?"));
        query.bind(1, QStringLiteral("x' where 1=1; --"));
        query.bind(2, 3);
        QCOMPARE(query.execSql(), 1);
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from C where TP like 'x%'")), 1);
        // New text drops the old values: an unbound "?" is NULL and matches nothing.
        query.setSql(QStringLiteral("delete from C where ID=?"));
        QCOMPARE(query.execSql(), 0);
        query.setSql(QStringLiteral("select count(*) as n from C where MARK=? and ID<=?"));
        query.bind(1, 2);
        query.bind(2, 4);
        query.open();
        QCOMPARE(query.fieldByName(QStringLiteral("n")).asInteger(), 4);
    }

    void transactionRollsBackUnlessCommitted() {
        {
            Transaction transaction(connection->database());
            AdoQuery query(connection.get());
            query.setSql(QStringLiteral("delete from B2"));
            QCOMPARE(query.execSql(), 12);
        }
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2")), 12);
        try {
            Transaction transaction(connection->database());
            AdoQuery query(connection.get());
            query.setSql(QStringLiteral("delete from B2 where ID=1"));
            query.execSql();
            query.setSql(QStringLiteral("insert into nosuchtable values (1)"));
            query.execSql();
            transaction.commit();
        } catch (const DbError&) {
        }
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2")), 12);
        {
            Transaction transaction(connection->database());
            AdoQuery query(connection.get());
            query.setSql(QStringLiteral("delete from B2 where ID=1"));
            query.execSql();
            transaction.commit();
        }
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2")), 11);

        // Inside another, a transaction left uncommitted undoes its own part only, and a
        // committed one waits for the outer commit.
        const auto remove = [&](int id) {
            AdoQuery query(connection.get());
            query.setSql(QStringLiteral("delete from B2 where ID=%1").arg(id));
            query.execSql();
        };
        {
            Transaction outer(connection->database());
            remove(2);
            {
                Transaction inner(connection->database());
                remove(3);
            }
            {
                Transaction inner(connection->database());
                remove(4);
                inner.commit();
            }
            QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2")), 11);
            outer.commit();
        }
        QCOMPARE(folder->ints(QStringLiteral("select ID from B2 where ID<=4")), QList<int>{3});
    }

    void engineErrorsCarryTheEngineText() {
        AdoQuery query(connection.get());
        query.setSql(QStringLiteral("select * from nosuchtable"));
        QCOMPARE(errorOf([&] { query.open(); }), QStringLiteral("no such table: nosuchtable"));
        query.setSql(QStringLiteral("delete from exam_temp"));
        QCOMPARE(errorOf([&] { query.open(); }),
                 QStringLiteral("CommandText does not return a result set"));
        // A second statement is refused rather than silently dropped.
        query.setSql(QStringLiteral("update sysparam set timer1=1; drop table B2"));
        QCOMPARE(errorOf([&] { query.execSql(); }),
                 QStringLiteral("Characters found after end of SQL statement"));
        QCOMPARE(folder->scalar(QStringLiteral("select timer1 from sysparam")), 8);
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2")), 12);
    }

    void badDatabasesLeaveTheFileAlone() {
        connection.reset();
        const QByteArray before = fileDigest(folder->databasePath());

        AdoConnection wrongPassword;
        wrongPassword.setConnectionString(
            examConnectionString(folder->path())
                .replace(QStringLiteral("tavrendol"), QStringLiteral("guess")));
        QCOMPARE(errorOf([&] { wrongPassword.open(); }),
                 QStringLiteral("file is encrypted or is not a database"));
        QVERIFY(!wrongPassword.connected());

        AdoConnection missing;
        missing.setConnectionString(
            examConnectionString(folder->path() + QStringLiteral("/nowhere")));
        QVERIFY(errorOf([&] { missing.open(); }).startsWith(QStringLiteral("Could not find file")));
        QVERIFY(!QFile::exists(folder->path() + QStringLiteral("/nowhere/db/exam.mdb")));

        // Every later use says in Chinese what is wrong and where, not the engine's English.
        AdoQuery query(&missing);
        query.setSql(QStringLiteral("delete from exam_temp"));
        const QString nowhere = folder->path() + QStringLiteral("/nowhere/db");
        QCOMPARE(
            errorOf([&] { query.execSql(); }),
            QStringLiteral("题库没有打开，无法进行这项操作。\n\n文件：%1/exam.mdb\n文件夹：%1\n"
                           "原因：文件夹不存在")
                .arg(nowhere));
        QCOMPARE(fileDigest(folder->databasePath()), before);

        AdoConnection otherProvider;
        otherProvider.setConnectionString(QStringLiteral("Provider=MSDASQL;Data Source=x"));
        QCOMPARE(errorOf([&] { otherProvider.open(); }),
                 QStringLiteral("Provider cannot be found"));
    }

    // An open begun on another thread ends as the open itself would: the same database, the
    // same error; begun for another file, it is dropped and the connection's own file opened.
    void openingBegunAheadIsTheOpen_data() {
        QTest::addColumn<QString>("ahead");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("error");
        const QString ours = examConnectionString(QStringLiteral("FOLDER"));
        const QString wrongKey =
            QString(ours).replace(QStringLiteral("tavrendol"), QStringLiteral("guess"));
        QTest::newRow("same file") << ours << ours << QString();
        QTest::newRow("wrong key")
            << wrongKey << wrongKey << "file is encrypted or is not a database";
        QTest::newRow("another file")
            << examConnectionString(QStringLiteral("FOLDER/nowhere")) << ours << QString();
    }
    void openingBegunAheadIsTheOpen() {
        QFETCH(QString, ahead);
        QFETCH(QString, opened);
        QFETCH(QString, error);
        connection.reset();
        ahead.replace(QStringLiteral("FOLDER"), folder->path());
        opened.replace(QStringLiteral("FOLDER"), folder->path());
        AdoConnection begun;
        begun.adoptOpening(std::make_unique<DatabaseOpening>(ahead));
        begun.setConnectionString(opened);
        QCOMPARE(errorOf([&] { begun.open(); }), error);
        QCOMPARE(begun.connected(), error.isEmpty());
        if (!begun.connected())
            return;
        AdoQuery count(&begun);
        count.setSql(QStringLiteral("select count(*) as N from B2"));
        count.open();
        QCOMPARE(count.fieldByName(QStringLiteral("N")).asInteger(), 12);
    }

    // The cause found on disk or in the engine's words, said in the learner's.
    void openFailuresAreToldInChinese_data() {
        QTest::addColumn<QString>("file"); // below the fixture's folder
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("cause");
        QTest::newRow("file missing") << "db/none.mdb"
                                      << "Could not find file 'x'"
                                      << "文件不存在";
        QTest::newRow("a folder") << "db"
                                  << "Could not find file 'x'"
                                  << "这不是一个普通文件";
        QTest::newRow("disk full") << "db/exam.mdb"
                                   << "database or disk is full"
                                   << "磁盘已满，请腾出空间";
        QTest::newRow("read-only") << "db/exam.mdb"
                                   << "attempt to write a readonly database"
                                   << "文件是只读的，不能保存答题记录";
        QTest::newRow("foreign") << "db/exam.mdb"
                                 << "file is not a database"
                                 << "文件已损坏，或不是本程序的题库";
        QTest::newRow("damaged, as the start-up check says") << "db/exam.mdb"
                                                             << "题库文件 x 已损坏：page 3"
                                                             << "题库文件 x 已损坏：page 3";
        QTest::newRow("anything else") << "db/exam.mdb"
                                       << "unable to open database file"
                                       << "无法打开这个文件";
    }
    void openFailuresAreToldInChinese() {
        QFETCH(QString, file);
        QFETCH(QString, engine);
        QFETCH(QString, cause);
        const QFileInfo path(folder->path() + QLatin1Char('/') + file);
        QCOMPARE(
            describeOpenFailure(path, engine),
            QStringLiteral("题库没有打开，无法进行这项操作。\n\n文件：%1\n文件夹：%2\n原因：%3")
                .arg(path.absoluteFilePath(), path.absolutePath(), cause));
    }

    void notOurFile() {
        connection.reset();
        QFile file(folder->databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const QByteArray before = fileDigest(folder->databasePath());
        AdoConnection other;
        other.setConnectionString(examConnectionString(folder->path()));
        QCOMPARE(errorOf([&] { other.open(); }),
                 QStringLiteral("file is encrypted or is not a database"));
        QCOMPARE(fileDigest(folder->databasePath()), before);
    }

    void answersAreDurableAndTheFileStaysSound() {
        AdoQuery query(connection.get());
        query.setSql(QStringLiteral("UPDATE B2 SET MARK = '3' WHERE id = 4"));
        query.execSql();
        // Another connection sees the answer at once: it is committed, not buffered.
        QCOMPARE(folder->scalar(QStringLiteral("select MARK from B2 where id=4")), 3);
        query.setSql(QStringLiteral("pragma synchronous"));
        query.open();
        QCOMPARE(query.fieldByName(QStringLiteral("synchronous")).asInteger(), 2);
        query.close();
        query.setSql(QStringLiteral("pragma integrity_check"));
        query.open();
        QCOMPARE(query.fieldByName(QStringLiteral("integrity_check")).asString(),
                 QStringLiteral("ok"));
    }

    // The statements that would otherwise read every row of a bank or of the pool find their
    // rows through an index, in a new file and in one whose indexes an earlier version made.
    void statementsFindTheirRowsThroughAnIndex_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("index");
        const QList<std::pair<const char*, const char*>> rows{
            {"select count(id) as rightnum from B2 where answer=mark", "B2_RIGHT"},
            {"select count(id) as answered from C where mark<>5", "C_ANSWERED"},
            {"update B2 set mark=5 where mark<>5", "B2_ANSWERED"},
            {"update C set mark=5 where mark is null", "C_MARK_NULL"},
            {"select count(*) as countnum from exam_temp where STZLB1=2", "EXAM_TEMP_CHAPTER"},
            {"SELECT MIN(ID) as BASEID,COUNT(ID) as RANDNUM FROM B2 WHERE STZLB1=2", "B2_STZLB1"},
            {"SELECT * FROM EXAM_TEMP WHERE EXAMID=7 AND STZLB1=2", "EXAM_TEMP_CHAPTER"},
            {"delete from exam_temp where STZLB1=2 AND EXAMID NOT IN(SELECT EXAMID FROM S_MARK)",
             "EXAM_TEMP_CHAPTER"},
            {"UPDATE PRACTICE_ITEM SET MARK = 1 WHERE BANK = 'B2' AND MODE = 1 AND SCOPE = '' "
             "AND DIGEST = 5",
             "PRACTICE_ITEM_DIGEST"}};
        for (const auto& [statement, index] : rows)
            QTest::newRow(statement)
                << QString::fromLatin1(statement) << QString::fromLatin1(index);
    }
    void statementsFindTheirRowsThroughAnIndex() {
        QFETCH(QString, statement);
        QFETCH(QString, index);
        auto plan = [&] {
            SqliteStatement explain(connection->database(),
                                    QStringLiteral("EXPLAIN QUERY PLAN ") + statement);
            QStringList details;
            while (explain.step())
                details.append(explain.value(explain.columnCount() - 1).toString());
            return details.join(QLatin1Char('\n'));
        };
        QVERIFY2(plan().contains(QStringLiteral("INDEX ") + index), qPrintable(plan()));

        connection.reset();
        folder->exec(QStringLiteral("DROP INDEX %1").arg(index));
        folder->exec(QStringLiteral("CREATE INDEX B2_MARK ON B2 (MARK, ANSWER)"));
        connection = std::make_unique<AdoConnection>();
        connection->setConnectionString(examConnectionString(folder->path()));
        connection->open();
        QVERIFY2(plan().contains(QStringLiteral("INDEX ") + index), qPrintable(plan()));
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from sqlite_master where "
                                               "name='B2_MARK'")),
                 0);
    }

    void resetAndCountersKeepTheirResults() {
        folder->exec(QStringLiteral("update B2 set MARK=ANSWER where ID<=3; update B2 set "
                                    "MARK=(ANSWER+1)%4 where ID in (4,5); update B2 set MARK=NULL "
                                    "where ID=6"));
        QCOMPARE(countRightAnswers(connection->database(), QStringLiteral("B2")),
                 QStringLiteral("3"));
        QCOMPARE(countAnswered(connection->database(), QStringLiteral("B2")), 5);
        clearBankMarks(connection->database(), QStringLiteral("B2"));
        QCOMPARE(folder->scalar(QStringLiteral("select count(*) from B2 where mark is not 5")), 0);
        QCOMPARE(countAnswered(connection->database(), QStringLiteral("B2")), 0);
    }

    // The page check is skipped only for a file this program closed and nothing touched since:
    // a byte changed after a clean close, or a program killed while it held the file, brings
    // the check back.
    void cleanCloseNoteNeverOutlivesAChange() {
        const QString path = folder->databasePath();
        connection->close();
        QVERIFY(closedCleanly(path));
        connection->open();
        QVERIFY(!closedCleanly(path));
        connection->close();
        QVERIFY(closedCleanly(path));

        const pid_t child = ::fork();
        if (child == 0) {
            AdoConnection killed;
            killed.setConnectionString(examConnectionString(folder->path()));
            killed.open();
            writeMark(killed.database(), QStringLiteral("B2"), 2, AnswerCode::A);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(!closedCleanly(path));
        connection->open();
        QCOMPARE(readMark(connection->database(), QStringLiteral("B2"), 2),
                 std::optional<AnswerCode>(AnswerCode::A));
        connection->close();
        QVERIFY(closedCleanly(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 lastPage = file.size() - 1024;
        file.seek(lastPage + 10);
        const char byte = file.read(1).at(0);
        file.seek(lastPage + 10);
        file.write(QByteArray(1, char(byte ^ 0x20)));
        file.close();
        QVERIFY(!closedCleanly(path));
        QVERIFY(errorOf([&] { connection->open(); }).contains(QStringLiteral("已损坏")));
    }

private:
    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<AdoConnection> connection;
};

XUNDRAL_DATA_TEST_MAIN(TestDataLayer)
#include "test_data_layer.moc"
