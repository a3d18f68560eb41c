// Starts the real program on a copy of its folder, lets it drive itself with random keys
// (answering, drawing papers, handing in) and kills it with SIGKILL at a random moment, over
// and over on the same database. After every kill the database must pass the engine's
// integrity check and the program's own start-up check, and every answer the program had
// reported as shown must be stored, unless a confirmed restart wiped it since. Every third run
// ends with SIGTERM, SIGHUP or SIGINT instead (a logout, a closed terminal, Ctrl+C): the program
// must then end by itself, leave no log beside the file, and the file copied alone must hold
// every answer.
//
// crash_loop PROGRAM_DIR [--kills N] [--seconds S] [--seed X] [--signal-every N]
#include "data/connection_string.h"
#include "data/database_check.h"
#include "data/sqlite_database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <exception>

namespace {

struct Options {
    QString programDir;
    int kills = 200;
    int seconds = 0; // 0: no cap
    quint32 seed = 1;
    int signalEvery = 3; // every Nth run ends on SIGTERM, SIGHUP or SIGINT; 1: every run
};

bool parseOptions(const QStringList& arguments, Options& options) {
    if (arguments.size() < 2)
        return false;
    options.programDir = arguments[1];
    for (int index = 2; index + 1 < arguments.size(); index += 2) {
        bool ok = false;
        const int value = arguments[index + 1].toInt(&ok);
        if (!ok)
            return false;
        if (arguments[index] == QLatin1String("--kills"))
            options.kills = value;
        else if (arguments[index] == QLatin1String("--seconds"))
            options.seconds = value;
        else if (arguments[index] == QLatin1String("--seed"))
            options.seed = quint32(value);
        else if (arguments[index] == QLatin1String("--signal-every") && value > 0)
            options.signalEvery = value;
        else
            return false;
    }
    return (arguments.size() % 2) == 0 && options.kills > 0;
}

// What the program said before it died, and what that obliges the database to hold.
class Expectations {
public:
    // Reads one run's lines; returns the error boxes it showed.
    QStringList take(const QByteArray& output) {
        QStringList errors;
        for (const QByteArray& raw : output.split('\n')) {
            const QStringList fields = QString::fromUtf8(raw).split(QLatin1Char('\t'));
            const QString kind = fields.value(0);
            if (kind.isEmpty())
                continue;
            lastLine =
                kind == QLatin1String("box") ? kind + QLatin1Char(' ') + fields.value(4) : kind;
            if (kind == QLatin1String("answer")) {
                stored.insert(fields.value(1).toInt(), fields.value(2).toInt());
                ++answers;
            } else if (kind == QLatin1String("box")) {
                if (fields.value(1) == QLatin1String("error"))
                    errors.append(fields.mid(3).join(QLatin1Char(' ')));
                // A confirmed restart sets every answer of the bank back to "not answered".
                if (fields.value(2) == QLatin1String("yes") &&
                    fields.value(4).startsWith(QStringLiteral("您想重新开始"))) {
                    stored.clear();
                    ++restarts;
                }
            } else if (kind == QLatin1String("handedin")) {
                ++handIns;
            }
        }
        return errors;
    }

    QMap<int, int> stored;
    QString lastLine;
    int answers = 0;
    int restarts = 0;
    int handIns = 0;
};

// Empty when the database is sound and holds every answer expected of it.
QString checkDatabase(const QString& path, const QMap<int, int>& stored) {
    try {
        SqliteDatabase database(path, examDatabaseKey(), SqliteDatabase::OpenMode::ExistingOnly);
        SqliteStatement integrity(database, QStringLiteral("PRAGMA integrity_check"));
        if (!integrity.step() || integrity.value(0).toString() != QLatin1String("ok"))
            return QStringLiteral("integrity check: %1").arg(integrity.value(0).toString());
        checkExamDatabase(database);
        SqliteStatement mark(database, QStringLiteral("SELECT MARK FROM B2 WHERE ID=?"));
        for (auto answer = stored.cbegin(); answer != stored.cend(); ++answer) {
            mark.reset();
            mark.bind(1, answer.key());
            const int held = mark.step() ? mark.value(0).toInt() : -1;
            if (held != answer.value())
                return QStringLiteral("question %1 was shown answered %2 but holds %3")
                    .arg(answer.key())
                    .arg(answer.value())
                    .arg(held);
        }
        return QString();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
}

// How a run ends: SIGKILL, or a signal the program must end cleanly on.
int endingSignal(int run, bool duringStartUp, int every) {
    static const int asked[] = {SIGTERM, SIGHUP, SIGINT};
    if (duringStartUp || run % every != every - 1)
        return SIGKILL;
    return asked[(run / every) % 3];
}

// Empty when the program ended by itself on `signal` and left no log beside the file.
QString endOnSignal(QProcess& program, int signal, const QString& database) {
    ::kill(pid_t(program.processId()), signal);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished(10000);
        return QStringLiteral("still running 20 s after signal %1").arg(signal);
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
        return QStringLiteral("signal %1 ended it abruptly (exit %2)")
            .arg(signal)
            .arg(program.exitCode());
    for (const char* left : {"-wal", "-shm"}) {
        if (QFile::exists(database + QLatin1String(left)))
            return QStringLiteral("signal %1 left %2 beside the file")
                .arg(signal)
                .arg(QLatin1String(left));
    }
    return QString();
}

// The file copied alone (to a USB stick, say) must hold every answer.
QString checkCopyAlone(const QString& database, const QString& folder,
                       const QMap<int, int>& stored) {
    const QString copy = folder + QStringLiteral("/alone.mdb");
    QFile::remove(copy);
    if (!QFile::copy(database, copy))
        return QStringLiteral("cannot copy the file");
    const QString problem = checkDatabase(copy, stored);
    return problem.isEmpty() ? QString() : QStringLiteral("the file copied alone: ") + problem;
}

void print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr, "usage: crash_loop PROGRAM_DIR [--kills N] [--seconds S] [--seed X] "
                             "[--signal-every N]\n");
        return 2;
    }
    QTemporaryDir work;
    const QString folder = work.path() + QStringLiteral("/xundral");
    if (QProcess::execute(QStringLiteral("cp"),
                          {QStringLiteral("-r"), options.programDir, folder}) != 0) {
        print(QStringLiteral("FAIL: cannot copy %1").arg(options.programDir));
        return 1;
    }
    const QString database = folder + QStringLiteral("/db/exam.mdb");
    QRandomGenerator random(options.seed);
    Expectations expectations;
    QMap<QString, int> killedAfter;
    QElapsedTimer clock;
    clock.start();

    int kills = 0;
    for (; kills < options.kills; ++kills) {
        if (options.seconds > 0 && clock.elapsed() > qint64(options.seconds) * 1000)
            break;
        QProcess program;
        program.setWorkingDirectory(folder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XUNDRAL_TEST_DRIVE_SEED"),
                           QString::number(random.generate() >> 1));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(folder + QStringLiteral("/xundral"), {});
        if (!program.waitForStarted(10000)) {
            print(QStringLiteral("FAIL: the program did not start"));
            return 1;
        }
        // One kill in ten lands during start-up; the others once the program drives itself.
        const bool duringStartUp = random.bounded(10) == 0 && options.signalEvery > 1;
        if (!duringStartUp) {
            QByteArray early;
            QElapsedTimer waited;
            waited.start();
            while (!early.contains("ready") && waited.elapsed() < 30000 &&
                   program.state() == QProcess::Running) {
                program.waitForReadyRead(100);
                early += program.peek(1 << 20);
            }
            if (!early.contains("ready")) {
                print(QStringLiteral("FAIL: run %1: the program hung or ended at start-up: %2")
                          .arg(kills + 1)
                          .arg(QString::fromLocal8Bit(program.readAllStandardError())));
                return 1;
            }
        }
        const int delay = int(random.bounded(duringStartUp ? 800 : 2500));
        if (program.waitForFinished(delay)) {
            print(QStringLiteral("FAIL: run %1: the program ended by itself (exit %2): %3")
                      .arg(kills + 1)
                      .arg(program.exitCode())
                      .arg(QString::fromLocal8Bit(program.readAllStandardError())));
            return 1;
        }
        const int signal = endingSignal(kills, duringStartUp, options.signalEvery);
        QString unclean;
        if (signal == SIGKILL) {
            program.kill();
            program.waitForFinished(10000);
        } else {
            unclean = endOnSignal(program, signal, database);
        }
        expectations.lastLine = QStringLiteral("start-up");
        const QStringList errors = expectations.take(program.readAllStandardOutput());
        ++killedAfter[expectations.lastLine.section(QLatin1Char(' '), 0, 1).left(20) +
                      (signal == SIGKILL ? QString() : QStringLiteral(" (signal %1)").arg(signal))];
        if (!errors.isEmpty()) {
            print(QStringLiteral("FAIL: run %1: the program reported: %2")
                      .arg(kills + 1)
                      .arg(errors.join(QStringLiteral(" | "))));
            work.setAutoRemove(false);
            return 1;
        }
        const QString problem = !unclean.isEmpty() ? unclean
                                : signal == SIGKILL
                                    ? checkDatabase(database, expectations.stored)
                                    : checkCopyAlone(database, work.path(), expectations.stored);
        if (!problem.isEmpty()) {
            print(QStringLiteral("FAIL: run %1, killed after '%2': %3 (database kept in %4)")
                      .arg(kills + 1)
                      .arg(expectations.lastLine, problem, database));
            work.setAutoRemove(false);
            return 1;
        }
    }
    print(QStringLiteral("%1 kills survived in %2 s: %3 answers checked, %4 restarts, %5 papers "
                         "handed in, %6 answers held at the end")
              .arg(kills)
              .arg(clock.elapsed() / 1000)
              .arg(expectations.answers)
              .arg(expectations.restarts)
              .arg(expectations.handIns)
              .arg(expectations.stored.size()));
    for (auto phase = killedAfter.cbegin(); phase != killedAfter.cend(); ++phase)
        print(QStringLiteral("  killed after %1: %2").arg(phase.key()).arg(phase.value()));
    return kills > 0 ? 0 : 1;
}
