// Two real programs on one database: the second says so and ends without touching the file,
// also from another folder whose database is a hard link of the first's; the bank tool refuses
// to write beside the first, and a killed program's lock is taken over.
#include "data/database_lock.h"
#include "tests/support/file_bytes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program on the offscreen platform, answering its own boxes and pressing nothing.
class Program {
public:
    explicit Program(const QString& folder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XUNDRAL_TEST_DRIVE_SEED"), QStringLiteral("0"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(folder + QStringLiteral("/xundral"), {});
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool waitUntilReady() {
        for (int waited = 0; waited < 300 && process.state() != QProcess::NotRunning; ++waited) {
            process.waitForReadyRead(100);
            output += process.readAllStandardOutput();
            if (output.contains("ready\n"))
                return true;
        }
        return false;
    }
    QProcess process;
    QByteArray output;
};

} // namespace

class TestTwoPrograms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(work_.isValid());
        folder_ = work_.path() + QStringLiteral("/xundral");
        const QString source = qEnvironmentVariable("XUNDRAL_PROGRAM_DIR");
        QVERIFY(!source.isEmpty());
        QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source, folder_}),
                 0);
        database_ = folder_ + QStringLiteral("/db/exam.mdb");
    }

    void secondProgramEndsWithoutTouchingTheFile() {
        Program first(folder_);
        QVERIFY(first.waitUntilReady());
        QCOMPARE(DatabaseLock(database_).status(), DatabaseLock::Status::HeldByProgram);
        const QByteArray before = fileDigest(database_);

        // The same folder, and another whose database is a hard link of this one.
        const QString linked = work_.path() + QStringLiteral("/linked");
        QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), folder_, linked}),
                 0);
        for (const char* copied : {"", "-wal", "-shm"})
            QFile::remove(linked + QStringLiteral("/db/exam.mdb") + QLatin1String(copied));
        QCOMPARE(QProcess::execute(QStringLiteral("ln"),
                                   {database_, linked + QStringLiteral("/db/exam.mdb")}),
                 0);
        for (const QString& folder : {folder_, linked}) {
            Program second(folder);
            QVERIFY(second.process.waitForFinished(30000));
            QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.process.exitCode(), 1);
            const QString said = QString::fromUtf8(second.process.readAllStandardOutput());
            QVERIFY2(!said.contains(QStringLiteral("ready")), qPrintable(said));
            QVERIFY2(said.startsWith(QStringLiteral("box\terror\tyes\tdedode\t题库文件 ")),
                     qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("正在被")), qPrintable(said));
            QVERIFY2(said.contains(QString::number(first.process.processId())), qPrintable(said));
            QCOMPARE(fileDigest(database_), before);
            QCOMPARE(first.process.state(), QProcess::Running);
        }

        // The bank tool's writing commands refuse beside the running program.
        const QString csv = work_.path() + QStringLiteral("/b2.csv");
        QProcess tool;
        tool.start(folder_ + QStringLiteral("/xundral-bank"),
                   {QStringLiteral("export"), database_, QStringLiteral("B2"), csv});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        tool.start(folder_ + QStringLiteral("/xundral-bank"),
                   {QStringLiteral("import"), database_, QStringLiteral("B2"), csv});
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY(tool.exitCode() != 0);
        const QByteArray refusal = tool.readAllStandardError();
        QVERIFY2(refusal.contains("in use"), refusal.constData());
        QCOMPARE(fileDigest(database_), before);
    }

    void killedProgramsLockIsTakenOver() {
        {
            Program killed(folder_);
            QVERIFY(killed.waitUntilReady());
            killed.process.kill();
            QVERIFY(killed.process.waitForFinished(5000));
        }
        Program next(folder_);
        QVERIFY2(next.waitUntilReady(), next.output.constData());
        QVERIFY2(!next.output.contains("box\terror"), next.output.constData());
    }

private:
    QTemporaryDir work_;
    QString folder_;
    QString database_;
};

QTEST_GUILESS_MAIN(TestTwoPrograms)
#include "test_two_programs.moc"
