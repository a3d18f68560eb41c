#include "bench/bench_process.h"

#include "bench/bench_support.h"
#include "tests/support/program_fixture.h"

#include <QFileInfo>
#include <QPushButton>
#include <QWidget>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 sizeOf(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.size() : 0;
}

// A whole mock exam on the program: the draw, an answer to every question, the hand-in.
void mockExamOnProgram(const QString& database) {
    ProgramFixture program(database);
    program.find<QPushButton>("BitBtn4")->click();
    for (int answer = 0; answer < program.main().totalNum(); ++answer)
        program.key(Qt::Key_1);
    program.find<QPushButton>("endbtn")->click();
}

// The same on the floor: a bare window, the keyed file and the statements.
void mockExamOnFloor(const QString& database) {
    QWidget window;
    window.resize(800, 578);
    window.show();
    QCoreApplication::processEvents();
    ScratchFolder folder(database);
    FloorDb db(folder.databasePath());
    db.exec("update B2 set mark=5");
    floorDraw(db);
    std::vector<int> ids;
    sqlite3_stmt* paper = db.statement("SELECT EXAMID FROM S_MARK ORDER BY EXAMID");
    while (sqlite3_step(paper) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int(paper, 0));
    sqlite3_reset(paper);
    for (int id : ids) {
        sqlite3_stmt* update = db.statement("UPDATE B2 SET MARK = '1' WHERE id = ?");
        sqlite3_bind_int(update, 1, id);
        sqlite3_step(update);
        sqlite3_reset(update);
        sqlite3_stmt* shown = db.statement("select ANSWER,MARK,TP from B2 where id=?");
        sqlite3_bind_int(shown, 1, id);
        sqlite3_step(shown);
        sqlite3_reset(shown);
    }
    db.scalar("select count(a.examid) from s_mark a,B2 b where b.answer=b.mark and a.examid=b.id");
}

} // namespace

int runPeakMemory(const QString& which, const QString& database) {
    if (which == QLatin1String("program"))
        mockExamOnProgram(database);
    else
        mockExamOnFloor(database);
    std::printf("{\"peak_kib\": %ld}\n", peakKiB());
    return 0;
}

int runFileGrowth(const QString& database) {
    ProgramFixture program(database);
    const QString path = program.folder.databasePath();
    // What the open itself wrote (indexes a file of an earlier version lacks) is not growth.
    program.folder.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE);"));
    const qint64 before = sizeOf(path);
    qint64 largestWal = 0;
    auto* mockExam = program.find<QPushButton>("BitBtn4");
    auto* end = program.find<QPushButton>("endbtn");
    for (int paper = 0; paper < 20; ++paper) {
        mockExam->click();
        for (int answer = 0; answer < 50; ++answer) {
            program.key(answer % 2 ? Qt::Key_1 : Qt::Key_2);
            largestWal = std::max(largestWal, sizeOf(path + QStringLiteral("-wal")));
        }
        end->click();
        program.boxes.clear();
    }
    program.windows.reset();
    std::printf("{\"file_before\": %lld, \"file_after\": %lld, \"wal_largest\": %lld, "
                "\"wal_after\": %lld, \"journal_after\": %lld}\n",
                before, sizeOf(path), largestWal, sizeOf(path + QStringLiteral("-wal")),
                sizeOf(path + QStringLiteral("-journal")));
    return 0;
}
