// The bank tool killed at random moments of an import: after every kill the file passes the
// engine's integrity check and holds either the bank before the import or the bank after it,
// never a mixture; the lock the killed tool left is taken over by the next run.
//
// XUNDRAL_IMPORT_KILLS sets the number of kills (default 20), XUNDRAL_IMPORT_KILL_SECONDS the
// time after which the loop stops early (default 45), so that CI stays bounded.
#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "tests/bank_tool/tool_run.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/csv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

namespace {

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString integrityCheck(const QString& path) {
    SqliteDatabase database(path, examDatabaseKey(), SqliteDatabase::OpenMode::ExistingOnly);
    SqliteStatement check(database, QStringLiteral("PRAGMA integrity_check"));
    QStringList lines;
    while (check.step())
        lines.append(check.value(0).toString());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestImportKill : public QObject {
    Q_OBJECT
private slots:
    void importKilledAtRandomIsWhollyOldOrWhollyNew() {
        // Enough questions, and long enough texts, that writing them takes a while.
        BankSources sources = sampleSources(3, 200, 2);
        TestProgramFolder folder(sources);
        const QString db = folder.databasePath();
        const QString oldCsv = folder.path() + QStringLiteral("/old.csv");
        const QString newCsv = folder.path() + QStringLiteral("/new.csv");
        QCOMPARE(runTool({"export", db, "C", oldCsv}).code, 0);
        std::vector<QStringList> records;
        for (const CsvRecord& record : parseCsv(readFile(oldCsv))) {
            QStringList fields;
            for (const CsvField& field : record)
                fields.append(field.text);
            records.push_back(fields);
        }
        for (std::size_t index = 1; index < records.size(); ++index) {
            records[index][2] += QString(400, QChar(u'新'));
            records[index][13] = QString(600, QChar(u'解'));
        }
        writeFile(newCsv, writeCsv(records));

        // The two states a kill may leave, and how long an import runs when left alone.
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(runToolProcess({"import", db, "C", newCsv}).code, 0);
        const qint64 fullRun = timer.elapsed();
        const QString newState = dumpDatabase(db);
        QCOMPARE(runToolProcess({"import", db, "C", oldCsv}).code, 0);
        const QString oldState = dumpDatabase(db);
        QVERIFY(oldState != newState);

        const int kills = environmentNumber("XUNDRAL_IMPORT_KILLS", 20);
        const int seconds = environmentNumber("XUNDRAL_IMPORT_KILL_SECONDS", 45);
        QElapsedTimer budget;
        budget.start();
        bool isNew = false;
        int killed = 0;
        int finished = 0;
        int midTransaction = 0;
        int tried = 0;
        QStringList history; // attempt:pid, to tell a reused pid from a lock not given up
        for (; tried < kills && budget.elapsed() < seconds * 1000; ++tried) {
            QProcess tool;
            tool.start(installedToolPath(), {QStringLiteral("import"), db, QStringLiteral("C"),
                                             isNew ? oldCsv : newCsv});
            QVERIFY(tool.waitForStarted());
            history.append(QStringLiteral("%1:%2").arg(tried + 1).arg(tool.processId()));
            // Every other kill waits for the journal, that is for the writing to start, so
            // that many land inside the transaction rather than while the key is derived.
            bool done = false;
            if (tried % 2 == 0) {
                const int delay = int(QRandomGenerator::global()->bounded(fullRun * 3 / 2 + 1));
                done = tool.waitForFinished(delay);
            } else {
                QElapsedTimer wait;
                wait.start();
                while (!(done = tool.waitForFinished(1)) &&
                       !QFile::exists(db + QStringLiteral("-journal")) && wait.elapsed() < 10000) {
                }
                if (!done)
                    done = tool.waitForFinished(
                        int(QRandomGenerator::global()->bounded(fullRun / 3 + 1)));
            }
            if (done) {
                QVERIFY2(tool.exitCode() == 0,
                         qPrintable(QString::fromUtf8(tool.readAllStandardError()) +
                                    history.mid(std::max(0, int(history.size()) - 5)).join(' ')));
                isNew = !isNew;
                ++finished;
            } else {
                tool.kill();
                QVERIFY(tool.waitForFinished());
                ++killed;
                if (QFile::exists(db + QStringLiteral("-journal")))
                    ++midTransaction;
            }
            QCOMPARE(integrityCheck(db), QStringLiteral("ok"));
            const QString state = dumpDatabase(db);
            QVERIFY2(state == oldState || state == newState,
                     qPrintable(QStringLiteral("a mixture after attempt %1").arg(tried + 1)));
            isNew = state == newState;
        }
        qInfo("%d attempts in %lld ms: %d killed (%d with a transaction under way), %d finished; "
              "an undisturbed import takes %lld ms",
              tried, budget.elapsed(), killed, midTransaction, finished, fullRun);
        // The last kill's lock is stale: the next import must take it over and run.
        const ToolRun last = runToolProcess({"import", db, "C", newCsv});
        QVERIFY2(last.code == 0, qPrintable(last.err));
        QCOMPARE(dumpDatabase(db), newState);
        QVERIFY(!QFile::exists(db + QStringLiteral(".lock")));
    }
};

XUNDRAL_DATA_TEST_MAIN(TestImportKill)
#include "test_import_kill.moc"
