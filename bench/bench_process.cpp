#include "bench/bench_process.h"

#include "bench/bench_support.h"
#include "bench/honest_floors.h"
#include "bench/same_text_window.h"
#include "tests/support/program_fixture.h"

#include <QDir>
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

// Sequential practice on the program: its start and a hundred answers.
void sequentialOnProgram(const QString& database) {
    ProgramFixture program(database);
    program.find<QPushButton>("BitBtn1")->click();
    for (int answer = 0; answer < 100; ++answer)
        program.key(Qt::Key_1);
}

// The same on the floor: the start screen's texts in their faces, the keyed file and the
// least statements.
void mockExamOnFloor(const QString& database) {
    SameTextWindow window(QFileInfo(database).absoluteDir().absolutePath() + QStringLiteral("/.."));
    window.show();
    QCoreApplication::processEvents();
    ScratchFolder folder(database);
    FloorDb db(folder.databasePath());
    addFloorIndexes(db);
    floorStartPaper(db, {});
    std::vector<int> ids;
    sqlite3_stmt* paper = db.statement("SELECT EXAMID FROM S_MARK ORDER BY EXAMID");
    while (sqlite3_step(paper) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int(paper, 0));
    sqlite3_reset(paper);
    for (int id : ids)
        floorPaperAnswer(db, id, 1);
    floorHandIn(db);
}

} // namespace

int runPeakMemory(const QString& which, const QString& database) {
    if (which == QLatin1String("program"))
        mockExamOnProgram(database);
    else if (which == QLatin1String("sequential"))
        sequentialOnProgram(database);
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
