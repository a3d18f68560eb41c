// What the bank tool must never do: write beside a running program, overwrite its own database,
// hang on a device or a pipe, hand a spreadsheet a formula, or report a number the file does
// not hold.
#include "data/connection_string.h"
#include "data/database_lock.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "tests/bank_tool/tool_run.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The tables as an earlier version made them: without JX (and all after it), or with JX but
// without the topic and fact columns.
void dropLaterColumns(const TestProgramFolder& folder, bool keepExplanations) {
    const QString kept = QStringLiteral("ID, TP, STNR, DA1, DA2, DA3, DA4, ANSWER, MARK, STLB, "
                                        "STZLB1, STLX, STBH") +
                         (keepExplanations ? QStringLiteral(", JX") : QString());
    for (const char* table : {"B2", "C"})
        folder.exec(QStringLiteral("CREATE TABLE old_%1 AS SELECT %2 FROM %1;"
                                   "DROP TABLE %1; ALTER TABLE old_%1 RENAME TO %1;")
                        .arg(QLatin1String(table), kept));
}

} // namespace

class TestBankToolSafety : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = toolFixtureFolder();
        db_ = folder_->databasePath();
        csv_ = folder_->path() + QStringLiteral("/bank.csv");
        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
    }
    void cleanup() { folder_.reset(); }

    void writingCommandsWaitForTheRunningProgram_data() {
        QTest::addColumn<QStringList>("arguments"); // DB and CSV stand for the fixture's
        QTest::addColumn<int>("whileHeld");
        QTest::newRow("import") << QStringList{"import", "DB", "C", "CSV"} << 3;
        QTest::newRow("config set") << QStringList{"config", "DB", "1", "1"} << 3;
        QTest::newRow("check") << QStringList{"check", "DB"} << 0;
        QTest::newRow("config show") << QStringList{"config", "DB"} << 0;
        QTest::newRow("export") << QStringList{"export", "DB", "B2", "CSV2"} << 0;
    }
    void writingCommandsWaitForTheRunningProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(int, whileHeld);
        for (QString& argument : arguments)
            argument = expand(argument);
        const QByteArray before = readFile(db_);
        {
            // The lock as the running program holds it.
            const DatabaseLock program(db_);
            QVERIFY(program.isLocked());
            for (const ToolRun& run : {runTool(arguments), runToolProcess(arguments)}) {
                QCOMPARE(run.code, whileHeld);
                if (whileHeld == 3) {
                    QVERIFY2(
                        run.err.contains(QStringLiteral("%1 is in use by a running ").arg(db_)) &&
                            run.err.contains(QStringLiteral("(pid %1); close it first")
                                                 .arg(QCoreApplication::applicationPid())),
                        qPrintable(run.err));
                    QVERIFY(run.out.isEmpty());
                }
            }
            QCOMPARE(readFile(db_), before);
        }
        // Given up: the same command now runs, and leaves no lock behind.
        const ToolRun run = runTool(arguments);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(!QFile::exists(db_ + QStringLiteral(".lock")));
    }

    // The lock belongs to the file: every way of reaching it meets the one lock, whatever lies
    // beside it under the old lock file's name, and the holder is the process that holds it.
    void theLockFollowsTheFile() {
        const QString folder = folder_->path();
        // Left by an older program: a stale pid of a live process, a folder. Neither matters.
        QProcess unrelated;
        unrelated.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(unrelated.waitForStarted());
        writeFile(db_ + QStringLiteral(".lock"),
                  QByteArray::number(unrelated.processId()) + "\nxundral\n");
        {
            const DatabaseLock lock(db_);
            QVERIFY2(lock.isLocked(), qPrintable(lock.reason()));
        }
        QVERIFY(QFile::remove(db_ + QStringLiteral(".lock")));
        QVERIFY(QDir().mkdir(db_ + QStringLiteral(".lock")));

        QVERIFY(QFile::link(db_, folder + QStringLiteral("/symlink.mdb")));
        QVERIFY(QFile::link(folder + QStringLiteral("/db"), folder + QStringLiteral("/dblink")));
        QCOMPARE(::link(QFile::encodeName(db_).constData(),
                        QFile::encodeName(folder + "/hard.mdb").constData()),
                 0);
        const DatabaseLock held(db_);
        QVERIFY2(held.isLocked(), qPrintable(held.reason()));
        for (const QString& spelling :
             {folder + QStringLiteral("/db/../db/exam.mdb"),
              folder + QStringLiteral("/symlink.mdb"), folder + QStringLiteral("/hard.mdb"),
              folder + QStringLiteral("/dblink/exam.mdb")}) {
            const DatabaseLock again(spelling);
            QCOMPARE(again.status(), DatabaseLock::Status::HeldByProgram);
            QCOMPARE(again.holderPid(), QCoreApplication::applicationPid());
        }
        // A bind mount of the folder, where this machine lets us make one.
        const QString bound = folder + QStringLiteral("/bound");
        QVERIFY(QDir().mkdir(bound));
        if (::geteuid() == 0 && QProcess::execute(QStringLiteral("mount"),
                                                  {QStringLiteral("--bind"),
                                                   folder + QStringLiteral("/db"), bound}) == 0) {
            const DatabaseLock throughMount(bound + QStringLiteral("/exam.mdb"));
            QProcess::execute(QStringLiteral("umount"), {bound});
            QCOMPARE(throughMount.status(), DatabaseLock::Status::HeldByProgram);
        }

        // Another process holds it: named by what the system says, not by the old file's pid.
        writeFile(folder + QStringLiteral("/other.mdb"), "x");
        QProcess foreign;
        // -o: the lock stays with flock itself, not with the command it runs.
        foreign.start(QStringLiteral("flock"), {QStringLiteral("-n"), QStringLiteral("-o"),
                                                folder + QStringLiteral("/other.mdb"),
                                                QStringLiteral("sleep"), QStringLiteral("30")});
        QVERIFY(foreign.waitForStarted());
        QTRY_COMPARE(DatabaseLock(folder + QStringLiteral("/other.mdb")).status(),
                     DatabaseLock::Status::HeldByProgram);
        const DatabaseLock other(folder + QStringLiteral("/other.mdb"));
        QCOMPARE(other.holderPid(), foreign.processId());
        QCOMPARE(other.holderName(), QStringLiteral("flock"));
        foreign.kill();
        unrelated.kill();
        foreign.waitForFinished();
        unrelated.waitForFinished();
        // Killed holders leave nothing behind. A holder killed just after it forked its command
        // shares the lock with that child until the child closes its copy, which under load
        // may take a moment.
        QTRY_VERIFY(DatabaseLock(folder + QStringLiteral("/other.mdb")).isLocked());
    }

    void aDatabaseThatCannotBeLockedIsReported_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << "DIR/db/none.mdb"
                                 << "the file does not exist";
        QTest::newRow("a folder") << "DIR/db"
                                  << "it is a folder, not a database file";
    }
    void aDatabaseThatCannotBeLockedIsReported() {
        QFETCH(QString, path);
        QFETCH(QString, cause);
        const DatabaseLock lock(expand(path));
        QCOMPARE(lock.status(), DatabaseLock::Status::CannotLock);
        QCOMPARE(lock.reason(),
                 QStringLiteral("%1 cannot be locked for writing: %2").arg(expand(path), cause));
    }

    // A program killed in WAL mode leaves its last answers in the log. A reading command must
    // neither fold them into the file (that changes the bytes of a file it only reads) nor
    // report the file without them.
    void readingCommandsLeaveAKilledProgramsLogAlone_data() {
        QTest::addColumn<QStringList>("arguments"); // DB and CSV2 stand for the left files'
        QTest::newRow("check") << QStringList{"check", "DB"};
        QTest::newRow("export") << QStringList{"export", "DB", "B2", "CSV2"};
        QTest::newRow("config show") << QStringList{"config", "DB"};
        QTest::newRow("stats") << QStringList{"stats", "DB"};
    }
    void readingCommandsLeaveAKilledProgramsLogAlone() {
        QFETCH(QStringList, arguments);
        const QString left = folder_->path() + QStringLiteral("/left.mdb");
        {
            SqliteDatabase running(db_, examDatabaseKey(), SqliteDatabase::OpenMode::ExistingOnly);
            running.useWriteAheadLog();
            running.execScript(QStringLiteral("UPDATE B2 SET MARK=1;"));
            // What a killed program leaves: the file, its log and its index, copied mid-run.
            for (const char* part : {"", "-wal", "-shm"})
                QVERIFY(QFile::copy(db_ + QLatin1String(part), left + QLatin1String(part)));
        }
        const QByteArray file = readFile(left);
        const QByteArray log = readFile(left + QStringLiteral("-wal"));
        QVERIFY(!log.isEmpty());
        for (QString& argument : arguments)
            argument = argument == QLatin1String("DB") ? left : expand(argument);
        const ToolRun run = runToolProcess(arguments);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("still in its log %1-wal").arg(left)),
                 qPrintable(run.err));
        QCOMPARE(readFile(left), file);
        QCOMPARE(readFile(left + QStringLiteral("-wal")), log);
    }

    // One row for each kind of file the export guard refuses: a kind missing from the guard
    // fails its own row.
    void exportRefusesTargetsThatAreNotNewFiles_data() {
        QTest::addColumn<QString>("target"); // DB and DIR stand for the fixture's
        QTest::addColumn<QString>("error");
        const QString database = QStringLiteral("它是正在使用的题库文件");
        QTest::newRow("the database") << "DB" << database;
        QTest::newRow("another spelling") << "DIR/db/../db/exam.mdb" << database;
        QTest::newRow("a symlink to it") << "DIR/link.mdb" << database;
        QTest::newRow("a hard link to it") << "DIR/hard.mdb" << database;
        QTest::newRow("its folder through a symlink") << "DIR/dblink/exam.mdb" << database;
        QTest::newRow("its journal") << "DB-journal"
                                     << "它是题库的回滚日志文件";
        QTest::newRow("its write-ahead log") << "DB-wal"
                                             << "它是题库的预写日志文件";
        QTest::newRow("its log through a symlinked folder") << "DIR/dblink/exam.mdb-wal"
                                                            << "它是题库的预写日志文件";
        QTest::newRow("its shared memory") << "DB-shm"
                                           << "它是题库的共享内存文件";
        QTest::newRow("its lock file") << "DB.lock"
                                       << "它是题库的锁文件";
        QTest::newRow("a pipe") << "DIR/pipe"
                                << "它是一个管道";
        QTest::newRow("a device") << "/dev/null"
                                  << "它是一个设备";
        QTest::newRow("a folder") << "DIR/db"
                                  << "它是一个文件夹";
    }
    void exportRefusesTargetsThatAreNotNewFiles() {
        QFETCH(QString, target);
        QFETCH(QString, error);
        target = expand(target);
        QVERIFY(QFile::link(db_, folder_->path() + QStringLiteral("/link.mdb")));
        QCOMPARE(::link(QFile::encodeName(db_).constData(),
                        QFile::encodeName(folder_->path() + "/hard.mdb").constData()),
                 0);
        QVERIFY(QFile::link(folder_->path() + QStringLiteral("/db"),
                            folder_->path() + QStringLiteral("/dblink")));
        QCOMPARE(::mkfifo(QFile::encodeName(folder_->path() + "/pipe").constData(), 0600), 0);
        const QByteArray before = readFile(db_);
        const ToolRun run = runToolProcess({"export", db_, "C", target}, 10000);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(target + QStringLiteral(": cannot write: ") + error),
                 qPrintable(run.err));
        QCOMPARE(readFile(db_), before);
        QVERIFY(QFileInfo(folder_->path() + "/pipe").exists());
        QVERIFY(!QFileInfo(folder_->path() + "/pipe").isFile());
        for (const char* companion : {"-journal", "-wal", "-shm", ".lock"})
            QVERIFY(!QFile::exists(db_ + QLatin1String(companion)));
    }

    void importReadsOnlyRegularFilesOfBoundedSize_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("error");
        QTest::newRow("/dev/zero") << "/dev/zero"
                                   << "it is a device";
        QTest::newRow("a pipe without a writer") << "DIR/pipe"
                                                 << "it is a pipe";
        QTest::newRow("a folder") << "DIR/db"
                                  << "it is a folder";
        QTest::newRow("64 MB and one byte") << "DIR/huge.csv"
                                            << "the file holds 67108865 bytes, more than the "
                                               "67108864 a bank file may hold";
    }
    void importReadsOnlyRegularFilesOfBoundedSize() {
        QFETCH(QString, input);
        QFETCH(QString, error);
        input = expand(input);
        QCOMPARE(::mkfifo(QFile::encodeName(folder_->path() + "/pipe").constData(), 0600), 0);
        QFile huge(folder_->path() + QStringLiteral("/huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(64 * 1024 * 1024 + 1));
        huge.close();
        const QByteArray before = readFile(db_);
        QElapsedTimer timer;
        timer.start();
        const ToolRun run = runToolProcess({"import", db_, "C", input}, 10000);
        QVERIFY2(
            run.code == 1,
            qPrintable(QStringLiteral("exit %1 after %2 ms").arg(run.code).arg(timer.elapsed())));
        QVERIFY2(run.err.contains(input + QStringLiteral(": cannot read: ") + error),
                 qPrintable(run.err));
        QCOMPARE(readFile(db_), before);
    }

    void longTextsAreRefusedAtTheLimit_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::newRow("question at the limit") << 2 << 4000 << "";
        QTest::newRow("question past it")
            << 2 << 4001 << "STNR holds 4001 characters, more than the 4000 it may hold";
        QTest::newRow("choice past it")
            << 3 << 2001 << "DA1 holds 2001 characters, more than the 2000 it may hold";
        QTest::newRow("explanation past it")
            << 13 << 8001 << "JX holds 8001 characters, more than the 8000 it may hold";
    }
    void longTextsAreRefusedAtTheLimit() {
        QFETCH(int, column);
        QFETCH(int, length);
        QFETCH(QString, error);
        std::vector<QStringList> records = csvTexts(readFile(csv_));
        records[1][column] = QString(length, QChar(u'长'));
        writeFile(csv_, writeCsv(records));
        const QByteArray before = readFile(db_);
        const ToolRun run = runTool({"import", db_, "C", csv_});
        if (error.isEmpty()) {
            QVERIFY2(run.code == 0, qPrintable(run.err));
            return;
        }
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(csv_ + QStringLiteral(":2:")) && run.err.contains(error),
                 qPrintable(run.err));
        QCOMPARE(readFile(db_), before);
    }

    void formulaCellsAreNeutralisedAndComeBackExactly() {
        folder_->exec("UPDATE C SET STNR = '=HYPERLINK(\"x\")' WHERE ID = 1;"
                      "UPDATE C SET STNR = '+1', DA1 = '-1', DA2 = '@SUM(A1)' WHERE ID = 2;"
                      "UPDATE C SET STNR = '''=already quoted', DA1 = '''' WHERE ID = 3;"
                      "UPDATE C SET STNR = 'x' || char(9) || '=not first', JX = '-减速' "
                      "WHERE ID = 4;"
                      "UPDATE C SET STNR = char(9) || 'tab first' WHERE ID = 5;");
        const QString before = dumpDatabase(db_);
        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
        const std::vector<QStringList> records = csvTexts(readFile(csv_));
        QCOMPARE(records[1][2], QStringLiteral("'=HYPERLINK(\"x\")"));
        QCOMPARE(records[2].mid(2, 3), (QStringList{"'+1", "'-1", "'@SUM(A1)"}));
        QCOMPARE(records[3][2], QStringLiteral("''=already quoted"));
        QCOMPARE(records[3][3], QStringLiteral("'"));
        QCOMPARE(records[4][2], QStringLiteral("x\t=not first"));
        QCOMPARE(records[4][13], QStringLiteral("'-减速"));
        QCOMPARE(records[5][2], QStringLiteral("'\ttab first"));
        for (const QStringList& record : records) {
            for (const QString& field : record)
                QVERIFY2(!QStringLiteral("=+-@").contains(field.left(1)) || field.isEmpty(),
                         qPrintable(field));
        }
        const ToolRun run = runTool({"import", db_, "C", csv_});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(dumpDatabase(db_), before);
    }

    // A CSV of an earlier version ends before JX, or before ZT: it imports, and what it lacks
    // stays empty. A record longer than its header is refused.
    void olderCsvFilesStillImport_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("explained"); // rows with JX, tagged with ZT and ZSD, with notes
        QTest::addColumn<int>("tagged");
        QTest::addColumn<int>("withNotes");
        QTest::newRow("all columns") << 18 << 2 << 20 << 1;
        QTest::newRow("up to the fact key") << 16 << 2 << 20 << 0;
        QTest::newRow("up to JX") << 14 << 2 << 0 << 0;
        QTest::newRow("without JX") << 13 << 0 << 0 << 0;
    }
    void olderCsvFilesStillImport() {
        QFETCH(int, columns);
        QFETCH(int, explained);
        QFETCH(int, tagged);
        QFETCH(int, withNotes);
        // The fixture's explanations and notes hold a comma, quotes and a line break.
        std::vector<QStringList> records = csvTexts(readFile(csv_));
        QCOMPARE(records[0].mid(13), (QStringList{"JX", "ZT", "ZSD", "BS", "YD"}));
        for (QStringList& record : records)
            record = record.mid(0, columns);
        writeFile(csv_, writeCsv(records));
        ToolRun run = runTool({"import", db_, "C", csv_});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM C"), 20);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM C WHERE JX <> ''"), explained);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM C WHERE ZT <> '' AND ZSD <> ''"), tagged);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM C WHERE BS <> '' AND YD LIKE '%' || "
                                 "char(10) || '%'"),
                 withNotes);
        records[2].append(QStringLiteral("多一列"));
        writeFile(csv_, writeCsv(records));
        run = runTool({"import", db_, "C", csv_});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("the record has %1 fields, expected %2 as the "
                                                 "header has")
                                      .arg(columns + 1)
                                      .arg(columns)),
                 qPrintable(run.err));
    }

    // A file of an earlier version: reading leaves it as it is, and check refuses nothing but
    // the untagged questions; an import brings the columns in.
    void aDatabaseOfAnEarlierVersionWorksWithEveryCommand_data() {
        QTest::addColumn<bool>("keepExplanations");
        QTest::newRow("without JX") << false;
        QTest::newRow("with JX, without topics") << true;
    }
    void aDatabaseOfAnEarlierVersionWorksWithEveryCommand() {
        QFETCH(bool, keepExplanations);
        const QString fullC = folder_->path() + QStringLiteral("/full-c.csv");
        const QString fullB2 = folder_->path() + QStringLiteral("/full-b2.csv");
        QCOMPARE(runTool({"export", db_, "C", fullC}).code, 0);
        QCOMPARE(runTool({"export", db_, "B2", fullB2}).code, 0);
        dropLaterColumns(*folder_, keepExplanations);
        const QByteArray before = readFile(db_);
        for (const QStringList& reading :
             {QStringList{"config", db_}, QStringList{"export", db_, "B2", csv_}}) {
            const ToolRun run = runTool(reading);
            QVERIFY2(run.code == 0, qPrintable(reading.join(' ') + "\n" + run.err));
            QCOMPARE(readFile(db_), before);
        }
        QCOMPARE(csvTexts(readFile(csv_))[1].mid(14), QStringList(4, QString()));
        const ToolRun check = runTool({"check", db_});
        QCOMPARE(check.code, 1);
        QCOMPARE(readFile(db_), before);
        const QStringList problems = check.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(problems.size(), 2 * (23 + 20) + 1);
        for (const QString& problem : problems.mid(0, problems.size() - 1))
            QVERIFY2(problem.contains(QStringLiteral("column ZT: no topic")) ||
                         problem.contains(QStringLiteral("column ZSD: no fact key")),
                     qPrintable(problem));
        // Writing: config leaves the banks alone; import brings the later columns in.
        QCOMPARE(runTool({"config", db_, "1", "1"}).code, 0);
        for (const auto& [bank, file] : {std::pair{"B2", fullB2}, std::pair{"C", fullC}}) {
            const ToolRun imported = runTool({"import", db_, bank, file});
            QVERIFY2(imported.code == 0, qPrintable(imported.err));
        }
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM B2 WHERE JX <> ''"), 2);
        const ToolRun after = runTool({"check", db_});
        QVERIFY2(after.code == 0, qPrintable(after.err));
    }

    void reportsTheNumbersTheFileHolds() {
        folder_->exec("UPDATE SYS_CFG SET STSL = 2147483647 WHERE STZLB1 = 1;"
                      "UPDATE C SET ID = 9000000000 WHERE ID = 20;"
                      "UPDATE B2 SET ANSWER = 'x' WHERE ID = 2;"
                      "UPDATE B2 SET STLX = 1.5 WHERE ID = 3;"
                      "UPDATE B2 SET STZLB1 = 4294967297 WHERE ID = 4;");
        const ToolRun check = runTool({"check", db_});
        QCOMPARE(check.code, 1);
        QVERIFY2(check.out.contains(QStringLiteral("         2147483647\n")),
                 qPrintable(check.out));
        QVERIFY(check.out.contains("SYS_CFG: a paper draws 2147483651 questions\n"));
        for (const char* problem :
             {"table B2, ID 2, column ANSWER: ANSWER 'x' is not a whole number",
              "table B2, ID 3, column STLX: STLX '1.5' is not a whole number",
              "table B2, ID 4, column STZLB1: STZLB1 4294967297 is out of range",
              "table C, chapter 3: ids 15 to 9000000000"})
            QVERIFY2(check.err.contains(QLatin1String(problem)), problem);
        QVERIFY2(!check.err.contains("answer code 0") && !check.err.contains("STLX is 0") &&
                     !check.err.contains(QRegularExpression(QStringLiteral("[ (]-[0-9]"))),
                 qPrintable(check.err));

        const ToolRun config = runTool({"config", db_});
        QCOMPARE(config.code, 1); // the help: 1 when problems are found
        QVERIFY(config.out.contains("1    1        2147483647"));
        QVERIFY(config.out.contains("a paper draws 2147483651 questions\n"));
        QVERIFY(config.err.contains("SYS_CFG row 1 draws 2147483647 questions from chapter 1"));

        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
        QCOMPARE(csvTexts(readFile(csv_)).back().first(), QStringLiteral("9000000000"));
        std::vector<QStringList> records = csvTexts(readFile(csv_));
        records[1][9] = QStringLiteral("9000000000");
        writeFile(csv_, writeCsv(records));
        const ToolRun import = runTool({"import", db_, "C", csv_});
        QCOMPARE(import.code, 1);
        QVERIFY2(import.err.contains("STLB '9000000000' is out of range"), qPrintable(import.err));
    }

    void settingsAreReportedAsTheyStand_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("problem");
        QTest::newRow("count as text") << "UPDATE SYS_CFG SET STSL = 'abc' WHERE STZLB1 = 2"
                                       << "SYS_CFG row 2: STSL 'abc' is not a whole number";
        QTest::newRow("count past 32 bits")
            << "UPDATE SYS_CFG SET STSL = 1e14 WHERE STZLB1 = 2"
            << "SYS_CFG row 2: STSL '100000000000000' is out of range";
        QTest::newRow("count a fraction") << "UPDATE SYS_CFG SET STSL = 2.5 WHERE STZLB1 = 2"
                                          << "SYS_CFG row 2: STSL '2.5' is not a whole number";
        QTest::newRow("chapter missing") << "UPDATE SYS_CFG SET STZLB1 = NULL WHERE STSL = 2"
                                         << "SYS_CFG row 1: STZLB1 is empty";
        QTest::newRow("minutes past the dialog's range")
            << "UPDATE sysparam SET timer2 = 2000000"
            << "sysparam timer2 '2000000' is not an examination time of 1 to 100 minutes";
        QTest::newRow("minutes negative") << "UPDATE sysparam SET timer2 = -5"
                                          << "sysparam timer2 '-5' is not an examination time";
    }
    void settingsAreReportedAsTheyStand() {
        QFETCH(QString, sql);
        QFETCH(QString, problem);
        folder_->exec(sql);
        for (const QStringList& arguments :
             {QStringList{"check", db_}, QStringList{"config", db_}}) {
            if (problem.startsWith(QLatin1String("sysparam")) && arguments.size() == 2 &&
                arguments.front() == QLatin1String("config"))
                continue; // config shows SYS_CFG only
            const ToolRun run = runTool(arguments);
            QCOMPARE(run.code, 1);
            QVERIFY2(run.err.contains(db_ + QStringLiteral(": ") + problem), qPrintable(run.err));
        }
    }

    void aReadOnlyFolderIsNamedAsTheCause() {
        // Root writes anywhere; the tool then runs as nobody, who may read but not write here.
        QStringList prefix;
        if (::geteuid() == 0) {
            if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                QSKIP("running as root without setpriv to drop to another user");
            prefix = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
            QFile::setPermissions(folder_->path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                      QFileDevice::ExeOther);
            QFile::setPermissions(csv_, QFile::permissions(csv_) | QFileDevice::ReadOther);
            QFile::setPermissions(db_, QFile::permissions(db_) | QFileDevice::ReadOther);
        }
        const QString folder = QFileInfo(db_).absolutePath();
        const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther;
        QFile::setPermissions(folder, readOnly);
        const QByteArray before = readFile(db_);
        const ToolRun import = runToolProcess({"import", db_, "C", csv_}, 20000, prefix);
        const ToolRun check = runToolProcess({"check", db_}, 20000, prefix);
        QFile::setPermissions(folder, readOnly | QFileDevice::WriteOwner);
        if (import.code == -1 && !prefix.isEmpty() && import.err.isEmpty())
            QSKIP("the tool cannot run as another user here");
        QCOMPARE(import.code, 1);
        QVERIFY2(import.err.contains(QStringLiteral("%1 cannot be written: the folder "
                                                    "%2 is read-only")
                                         .arg(db_, folder)),
                 qPrintable(import.err));
        QVERIFY(!import.err.contains("unable to open database file"));
        QVERIFY2(check.code == 0, qPrintable(check.err));
        QCOMPARE(readFile(db_), before);
    }

private:
    // The placeholders of the data tables, at the start of an argument only: the temporary
    // folder's random name may hold the same letters.
    QString expand(const QString& argument) const {
        const std::pair<const char*, QString> placeholders[] = {
            {"CSV2", folder_->path() + QStringLiteral("/b2.csv")},
            {"CSV", csv_},
            {"DIR", folder_->path()},
            {"DB", db_}};
        for (const auto& [placeholder, value] : placeholders) {
            if (argument.startsWith(QLatin1String(placeholder)))
                return value + argument.mid(qsizetype(qstrlen(placeholder)));
        }
        return argument;
    }

    std::unique_ptr<TestProgramFolder> folder_;
    QString db_;
    QString csv_;
};

XUNDRAL_DATA_TEST_MAIN(TestBankToolSafety)
#include "test_bank_tool_safety.moc"
