// The record window on a long record, beside its floor: the same statements as plain SQLCipher
// calls on the same file. The program's figure also lays out and paints the whole window (charts
// and the table's first page); the floor draws nothing.
#include "bench/bench_support.h"
#include "data/connection_string.h"
#include "data/learning_record.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "forms/record_window.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <sqlcipher/sqlite3.h>

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

bool quick() {
    return qEnvironmentVariableIsSet("XUNDRAL_BENCH_QUICK");
}

// A record of `papers` papers of both banks, two in three of them mock exams, four chapters
// each, written once per size and kept for every benchmark of that size.
class RecordFile {
public:
    explicit RecordFile(int papers) {
        path_ = dir_.filePath(QStringLiteral("exam.mdb"));
        SqliteDatabase database(path_, examDatabaseKey(),
                                SqliteDatabase::OpenMode::CreateIfMissing);
        // A whole exam file, as the window meets it: the chance-of-passing line reads SYS_CFG.
        createExamSchema(database);
        database.execScript(QStringLiteral("BEGIN"));
        const QDateTime first(QDate(2020, 1, 1), QTime(19, 0));
        for (int index = 0; index < papers; ++index) {
            PaperRecord paper;
            paper.bank = index % 4 == 0 ? QStringLiteral("B2") : QStringLiteral("C");
            paper.examMode = index % 3 == 2 ? 10 : 1;
            paper.started = first.addSecs(qint64(index) * 3600);
            paper.handedIn = paper.started.addSecs(1500);
            paper.minutes = 45;
            paper.secondsUsed = 1500;
            paper.questions = 100;
            paper.right = paper.score = 60 + index % 41;
            paper.passed = paper.score >= 90;
            paper.chapters = {{1, 42, 30}, {2, 26, 20}, {3, 22, 18}, {4, 10, 9}};
            insertPaperRecord(database, paper);
        }
        database.execScript(QStringLiteral("COMMIT"));
    }
    QString path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

const RecordFile& recordFile(int papers) {
    static std::map<int, std::unique_ptr<RecordFile>> files;
    auto& file = files[papers];
    if (!file)
        file = std::make_unique<RecordFile>(papers);
    return *file;
}

void recordProgram(benchmark::State& state) {
    const RecordFile& file = recordFile(int(state.range(0)));
    SqliteDatabase database(file.path(), examDatabaseKey(), SqliteDatabase::OpenMode::ExistingOnly);
    for (auto _ : state) {
        RecordWindow window([&]() -> SqliteDatabase& { return database; });
        window.show();
        // Painting the whole window, charts included, into a picture of it.
        benchmark::DoNotOptimize(window.grab());
    }
}

// The statements the window runs, in its order, each row stepped through.
void recordFloor(benchmark::State& state) {
    const RecordFile& file = recordFile(int(state.range(0)));
    FloorDb db(file.path());
    const char* const sound =
        "BANK IN ('C', 'B2') AND typeof(EXAM_MODE) = 'integer' AND EXAM_MODE IN (1, 10) "
        "AND typeof(MINUTES) = 'integer' AND MINUTES BETWEEN 0 AND 100000 "
        "AND typeof(SECONDS_USED) = 'integer' AND SECONDS_USED BETWEEN 0 AND 100000000 "
        "AND typeof(QUESTIONS) = 'integer' AND QUESTIONS BETWEEN 0 AND 100000 "
        "AND typeof(RIGHT_ANSWERS) = 'integer' AND RIGHT_ANSWERS BETWEEN 0 AND QUESTIONS "
        "AND typeof(SCORE) = 'integer' AND SCORE BETWEEN 0 AND 100 "
        "AND typeof(PASSED) = 'integer' AND PASSED IN (0, 1) "
        "AND typeof(HANDED_IN) = 'text' AND julianday(HANDED_IN) IS NOT NULL";
    const std::string newest = std::string(" AND ") + sound + " ORDER BY HANDED_IN DESC, ID DESC";
    const std::string statements[] = {
        "SELECT BANK FROM PAPER_RECORD WHERE 1" + newest + " LIMIT 1",
        "SELECT * FROM PAPER_RECORD WHERE BANK = 'C' AND EXAM_MODE = 1" + newest + " LIMIT 5",
        "SELECT count(*) FROM PAPER_RECORD WHERE BANK = 'C'" + std::string(" AND ") + sound,
        "SELECT * FROM PAPER_RECORD WHERE BANK = 'C'" + newest + " LIMIT 200",
        "SELECT * FROM PAPER_RECORD WHERE BANK = 'C'" + newest + " LIMIT 50",
        "SELECT c.STZLB1, sum(c.QUESTIONS), sum(c.RIGHT_ANSWERS) FROM PAPER_CHAPTER c JOIN "
        "(SELECT ID FROM PAPER_RECORD WHERE BANK = 'C'" +
            newest + " LIMIT 10) p ON c.PAPER_ID = p.ID GROUP BY c.STZLB1",
        "SELECT count(*) FROM WRONG_BOOK WHERE BANK = 'C'",
        "SELECT count(*) FROM WRONG_BOOK WHERE BANK = 'B2'",
        "SELECT count(*) FROM PAPER_RECORD WHERE NOT coalesce(" + std::string(sound) + ", 0)",
        "SELECT count(*) FROM PAPER_CHAPTER WHERE NOT coalesce(QUESTIONS BETWEEN 0 AND 100000, 0)",
    };
    for (auto _ : state) {
        for (const std::string& sql : statements) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement, nullptr);
            while (sqlite3_step(statement) == SQLITE_ROW)
                benchmark::DoNotOptimize(sqlite3_column_int64(statement, 0));
            sqlite3_finalize(statement);
        }
    }
}

void registerAll() {
    for (auto* bench : {benchmark::RegisterBenchmark("record/program", recordProgram),
                        benchmark::RegisterBenchmark("record/floor", recordFloor)}) {
        if (quick())
            bench->Args({1000});
        else
            bench->Args({1000})->Args({10000})->Args({100000});
        bench->Unit(benchmark::kMillisecond)
            ->Iterations(quick() ? 1 : 3)
            ->Repetitions(quick() ? 1 : 3)
            ->ReportAggregatesOnly(!quick())
            ->UseRealTime();
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
