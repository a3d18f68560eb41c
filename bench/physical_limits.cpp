#include "bench/physical_limits.h"

#include "bench/bench_support.h"
#include "bench/honest_floors.h"
#include "data/ado_connection.h"
#include "data/connection_string.h"
#include "data/sqlite_database.h"

#include <sqlcipher/sqlite3.h>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

void oneCommit(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto db = withProgramSettings(folder);
    int id = 1;
    for (auto _ : state)
        floorPaperAnswer(*db, id++ % 100 + 1, 1);
}

void oneSync(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    const QByteArray path = (folder.path() + QStringLiteral("/sync-probe")).toLocal8Bit();
    const int file = ::open(path.constData(), O_CREAT | O_WRONLY, 0600);
    char page[4096] = {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(::pwrite(file, page, sizeof page, 0));
        ::fsync(file);
    }
    ::close(file);
}

void keyedOpen(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    for (auto _ : state)
        FloorDb db(folder.databasePath());
}

// Every row and column of every table on a fresh connection: every table page, overflow pages
// included, decrypted once.
void decryptAll(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    for (auto _ : state) {
        FloorDb db(folder.databasePath());
        std::vector<std::string> tables;
        sqlite3_stmt* names = db.statement("SELECT name FROM sqlite_master WHERE type = 'table'");
        while (sqlite3_step(names) == SQLITE_ROW)
            tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(names, 0)));
        sqlite3_reset(names);
        long long bytes = 0;
        for (const std::string& table : tables) {
            sqlite3_stmt* rows = nullptr;
            sqlite3_prepare_v2(db.handle(), ("SELECT * FROM \"" + table + "\"").c_str(), -1, &rows,
                               nullptr);
            while (sqlite3_step(rows) == SQLITE_ROW)
                for (int column = 0; column < sqlite3_column_count(rows); ++column)
                    bytes += sqlite3_column_bytes(rows, column);
            sqlite3_finalize(rows);
        }
        benchmark::DoNotOptimize(bytes);
    }
}

// Statements that scan the bank: the original's count of right answers after every answer in
// sequential practice and its sequential list opened to its first question, which the program
// must keep, and the reset at the start of a mode as the program wrote it before its partial
// indexes (here with 100 answers to reset).
void originalCount(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto db = withProgramSettings(folder);
    setAnswered(*db, 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            db->scalar("select count(id) as rightnum from B2 where answer=mark"));
}

void originalReset(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto db = withProgramSettings(folder);
    for (auto _ : state) {
        state.PauseTiming();
        setAnswered(*db, 100);
        state.ResumeTiming();
        db->exec("update B2 set mark=5 where mark is not 5");
    }
}

void originalList(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto db = withProgramSettings(folder);
    for (auto _ : state) {
        sqlite3_stmt* list = db->statement(
            "SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER FROM B2 order by STLB,STZLB1,STLX,STBH");
        sqlite3_step(list);
        benchmark::DoNotOptimize(sqlite3_column_int(list, 0));
        sqlite3_reset(list);
    }
}

} // namespace

void registerPhysicalLimits(bool quick) {
    auto shape = [quick](benchmark::internal::Benchmark* bench, int iterations, bool sized) {
        if (quick)
            bench->Args({500});
        else if (sized)
            bench->Args({kShippedBank})->Args({30000});
        else
            bench->Args({kShippedBank});
        bench->Unit(benchmark::kMillisecond)->Iterations(quick ? 1 : iterations)->UseRealTime();
    };
    shape(benchmark::RegisterBenchmark("limit/commit", oneCommit), 100, false);
    shape(benchmark::RegisterBenchmark("limit/sync", oneSync), 100, false);
    shape(benchmark::RegisterBenchmark("limit/key", keyedOpen), 5, false);
    shape(benchmark::RegisterBenchmark("limit/decrypt", decryptAll), 3, true);
    shape(benchmark::RegisterBenchmark("limit/count", originalCount), 10, true);
    shape(benchmark::RegisterBenchmark("limit/reset", originalReset), 5, true);
    shape(benchmark::RegisterBenchmark("limit/list", originalList), 5, true);
}

std::unique_ptr<FloorDb> withProgramSettings(const ScratchFolder& folder) {
    std::string settings;
    {
        AdoConnection program;
        program.setConnectionString(examConnectionString(folder.path()));
        program.open();
        settings = readJournalSettings(program.database().handle());
    }
    auto floor = std::make_unique<FloorDb>(folder.databasePath());
    floor->applySettings(settings);
    return floor;
}
