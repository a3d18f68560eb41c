// The memory model's cost beside its floor: one answer's update (read the question, its state
// and write both rows back in the answer's transaction) and the chance of passing (every
// question of the bank with its state), on banks of 500 to 30,000 questions in B2. The floors
// run the same statements as plain SQLCipher calls and do none of the model's arithmetic. The
// plan to the exam date reads what the chance reads; the chance's floor is its floor too.
#include "bench/bench_support.h"
#include "data/connection_string.h"
#include "data/learning_record.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "exam/learning_recorder.h"
#include "exam/memory_recorder.h"
#include "exam/pass_chance_reader.h"
#include "exam/study_plan.h"

#include <QDateTime>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

const QString kBank = QStringLiteral("B2");
const QDateTime kNow(QDate(2026, 12, 7), QTime(20, 0));

std::unique_ptr<SqliteDatabase> openProgram(const ScratchFolder& folder) {
    auto database = std::make_unique<SqliteDatabase>(folder.databasePath(), examDatabaseKey(),
                                                     SqliteDatabase::OpenMode::ExistingOnly);
    migrateExamSchema(*database);
    return database;
}

// Every tenth question answered once, a day apart per thousand: a learner some weeks in.
void answerSome(SqliteDatabase& database, int size, int every = 10) {
    Transaction transaction(database);
    for (int id = 1; id <= size; id += every)
        recordAnswerInMemory(database, kBank, rememberedQuestion(database, kBank, id), id % 7 != 0,
                             kNow.addDays(-id / 1000 - 1));
    transaction.commit();
}

void answerProgram(benchmark::State& state) {
    const int size = int(state.range(0));
    ScratchFolder folder(benchBankPath(size));
    auto database = openProgram(folder);
    int id = 0;
    for (auto _ : state) {
        id = id % size + 1;
        Transaction transaction(*database);
        recordAnswerInMemory(*database, kBank, rememberedQuestion(*database, kBank, id), true,
                             kNow);
        transaction.commit();
    }
}

void answerFloor(benchmark::State& state) {
    const int size = int(state.range(0));
    ScratchFolder folder(benchBankPath(size));
    openProgram(folder);
    FloorDb floor(folder.databasePath());
    int id = 0;
    for (auto _ : state) {
        id = id % size + 1;
        floor.exec("BEGIN");
        sqlite3_stmt* question = floor.statement(
            "SELECT STNR, DA1, DA2, DA3, DA4, TP, STZLB1, STLX FROM B2 WHERE ID = ?");
        sqlite3_bind_int(question, 1, id);
        sqlite3_step(question);
        const int chapter = sqlite3_column_int(question, 6);
        sqlite3_stmt* read = floor.statement("SELECT STABILITY, DIFFICULTY, LAST_REVIEW, REPS, "
                                             "LAPSES FROM MEMORY_STATE WHERE BANK = 'B2' AND "
                                             "DIGEST = ?");
        sqlite3_bind_int64(read, 1, id);
        sqlite3_step(read);
        sqlite3_stmt* chapterRow =
            floor.statement("INSERT OR IGNORE INTO MEMORY_CHAPTER VALUES ('B2', ?, 0, 0, 0, 0, 0)");
        sqlite3_bind_int(chapterRow, 1, chapter);
        sqlite3_step(chapterRow);
        sqlite3_stmt* tally =
            floor.statement("UPDATE MEMORY_CHAPTER SET FIRST_ANSWERS = FIRST_ANSWERS + 1, "
                            "FIRST_RIGHT = FIRST_RIGHT + 1 WHERE BANK = 'B2' AND STZLB1 = ?");
        sqlite3_bind_int(tally, 1, chapter);
        sqlite3_step(tally);
        sqlite3_stmt* write = floor.statement(
            "INSERT OR REPLACE INTO MEMORY_STATE VALUES ('B2', ?, 3.7, 5.2, 0, 1, 0)");
        sqlite3_bind_int64(write, 1, id);
        sqlite3_step(write);
        floor.exec("COMMIT");
    }
}

// A learner with evidence enough for a chance to be computed, not only "数据不足": at least 200
// answers and one mock exam.
void answerEnough(SqliteDatabase& database, int size) {
    answerSome(database, size, std::clamp(size / 250, 1, 10));
    PaperRecord paper;
    paper.started = paper.handedIn = kNow.addDays(-1);
    paper.bank = kBank;
    paper.examMode = 1;
    paper.minutes = 45;
    paper.questions = 100;
    paper.right = paper.score = 85;
    Transaction transaction(database);
    insertPaperRecord(database, paper);
    transaction.commit();
}

void chanceProgram(benchmark::State& state) {
    const int size = int(state.range(0));
    ScratchFolder folder(benchBankPath(size));
    auto database = openProgram(folder);
    answerEnough(*database, size);
    for (auto _ : state)
        benchmark::DoNotOptimize(passChanceLineFor(*database, kBank, kNow));
}

// The record window's plan to an exam four weeks ahead: today's list, the recall the daily
// count reaches and the count that reaches the target, on the same reads as the chance.
void planProgram(benchmark::State& state) {
    const int size = int(state.range(0));
    ScratchFolder folder(benchBankPath(size));
    auto database = openProgram(folder);
    answerSome(*database, size);
    for (auto _ : state)
        benchmark::DoNotOptimize(planToExam(*database, kBank, kNow, kNow.date().addDays(28)));
}

void chanceFloor(benchmark::State& state) {
    const int size = int(state.range(0));
    ScratchFolder folder(benchBankPath(size));
    answerEnough(*openProgram(folder), size);
    FloorDb floor(folder.databasePath());
    for (auto _ : state) {
        sqlite3_stmt* states = floor.statement("SELECT DIGEST, STABILITY, DIFFICULTY, "
                                               "LAST_REVIEW, REPS, LAPSES FROM MEMORY_STATE "
                                               "WHERE BANK = 'B2'");
        while (sqlite3_step(states) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_int64(states, 0));
        // Every question's digest, chapter and kind, as the file keeps them beside the bank.
        sqlite3_stmt* questions = floor.statement(
            "SELECT ID, DIGEST, STZLB1, STLX FROM QUESTION_DIGEST WHERE BANK = 'B2'");
        while (sqlite3_step(questions) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_int64(questions, 1));
    }
}

void sizes(benchmark::internal::Benchmark* bench) {
    for (const int size : kBenchBankSizes)
        bench->Arg(size);
    bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(answerProgram)->Name("memory_answer/program")->Apply(sizes);
BENCHMARK(answerFloor)->Name("memory_answer/floor")->Apply(sizes);
BENCHMARK(chanceProgram)->Name("pass_chance/program")->Apply(sizes);
BENCHMARK(chanceFloor)->Name("pass_chance/floor")->Apply(sizes);
BENCHMARK(planProgram)->Name("study_plan/program")->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
