// How long the learner waits, beside the floor: the same work as plain SQLCipher calls on a
// copy of the same file with the same journal settings, measured in the same run.
#include "bench/bench_process.h"
#include "bench/bench_support.h"
#include "bench/felt_latency.h"
#include "bench/honest_floors.h"
#include "bench/physical_limits.h"
#include "data/ado_connection.h"
#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "exam/answer_pause.h"
#include "exam/paper_draw.h"
#include "forms/show_err_form.h"
#include "forms/wrong_list_text.h"
#include "tests/support/program_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <sqlcipher/sqlite3.h>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

bool quick() {
    return qEnvironmentVariableIsSet("XUNDRAL_BENCH_QUICK");
}

// A floor on its own copy, paying what the program's connection pays: the program's own open
// chooses the settings, and the floor copies them once that connection is closed again.
std::unique_ptr<FloorDb> floorOn(const ScratchFolder& folder) {
    std::string settings;
    {
        AdoConnection program;
        program.setConnectionString(examConnectionString(folder.path()));
        program.open();
        settings = readJournalSettings(program.database().handle());
    }
    auto floor = std::make_unique<FloorDb>(folder.databasePath());
    floor->applySettings(settings);
    addFloorIndexes(*floor);
    return floor;
}

struct ProgramDraw {
    explicit ProgramDraw(const QString& path) {
        connection.setConnectionString(examConnectionString(path));
        connection.open();
    }
    AdoConnection connection;
    AdoQuery share{&connection}, temp{&connection}, mark{&connection}, exam{&connection};
};

void drawProgram(benchmark::State& state) {
    const int size = int(state.range(0));
    const auto pool = PoolState(state.range(1));
    ScratchFolder folder(benchBankPath(size));
    ProgramDraw program(folder.path());
    FloorDb setup(folder.databasePath());
    for (auto _ : state) {
        state.PauseTiming();
        setPool(setup, pool);
        state.ResumeTiming();
        drawPaper(program.share, {program.temp, program.mark, program.exam}, QStringLiteral("B2"));
    }
    state.counters["questions"] = program.exam.recordCount();
}

void drawFloor(benchmark::State& state) {
    const int size = int(state.range(0));
    const auto pool = PoolState(state.range(1));
    ScratchFolder folder(benchBankPath(size));
    auto floor = floorOn(folder);
    int questions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        setPool(*floor, pool);
        state.ResumeTiming();
        questions = floorDraw(*floor);
    }
    state.counters["questions"] = questions;
}

void drawArguments(benchmark::internal::Benchmark* bench) {
    for (int pool = 0; pool < 3; ++pool)
        bench->Args({kShippedBank, pool});
    for (int size : kBenchBankSizes)
        for (int pool = 0; pool < 3; ++pool)
            bench->Args({size, pool});
}

// The answer key with the pause at 0: sequential practice (0) or mock exam (1).
void answerProgram(benchmark::State& state) {
    ProgramFixture program(benchBankPath(int(state.range(0))));
    program.find<QPushButton>(state.range(1) == 0 ? "BitBtn1" : "BitBtn4")->click();
    for (auto _ : state)
        program.key(Qt::Key_1);
    program.boxes.clear();
}

void answerFloor(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto floor = floorOn(folder);
    if (state.range(1) == 0) {
        FloorPractice practice(*floor);
        for (auto _ : state)
            practice.answer(1);
        return;
    }
    floorDraw(*floor);
    std::vector<int> ids;
    sqlite3_stmt* list = floor->statement("SELECT EXAMID FROM S_MARK ORDER BY EXAMID");
    while (sqlite3_step(list) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int(list, 0));
    sqlite3_reset(list);
    std::size_t position = 0;
    for (auto _ : state) {
        floorPaperAnswer(*floor, ids[position], 1);
        position = std::min(position + 1, ids.size() - 1);
    }
}

void answerArguments(benchmark::internal::Benchmark* bench) {
    for (int mode = 0; mode < 2; ++mode)
        bench->Args({kShippedBank, mode});
    for (int size : kBenchBankSizes)
        for (int mode = 0; mode < 2; ++mode)
            bench->Args({size, mode});
}

const char* const kModeButtons[] = {"BitBtn1", "BitBtn3", "BitBtn4"};

// The start of sequential practice (0), mock practice (1) or mock exam (2), after an exercise
// in which a hundred questions were answered.
void startProgram(benchmark::State& state) {
    ProgramFixture program(benchBankPath(int(state.range(0))));
    FloorDb setup(program.folder.databasePath());
    auto* button = program.find<QPushButton>(kModeButtons[state.range(1)]);
    for (auto _ : state) {
        state.PauseTiming();
        setAnswered(setup, 100);
        setPool(setup, PoolState::Empty);
        program.boxes.clear();
        state.ResumeTiming();
        button->click();
    }
}

void startFloor(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto floor = floorOn(folder);
    const bool paper = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<int> answered = setAnswered(*floor, 100);
        setPool(*floor, PoolState::Empty);
        state.ResumeTiming();
        if (paper)
            floorStartPaper(*floor, answered);
        else
            floorStartPractice(*floor, answered);
    }
}

void startArguments(benchmark::internal::Benchmark* bench) {
    for (int size : kBenchBankSizes)
        for (int mode = 0; mode < 3; ++mode)
            bench->Args({size, mode});
}

// Handing a mock exam in, 60 of its answers right; the score box is answered No.
void handInProgram(benchmark::State& state) {
    ProgramFixture program(benchBankPath(int(state.range(0))));
    program.find<QPushButton>("BitBtn4")->click();
    program.folder.exec(QStringLiteral("update B2 set MARK=ANSWER where ID in (select EXAMID "
                                       "from S_MARK order by EXAMID limit 60)"));
    auto* end = program.find<QPushButton>("endbtn");
    int boxes = 0;
    for (auto _ : state) {
        end->click();
        boxes += int(program.boxes.asked.size());
        program.boxes.clear();
    }
    // The confirmation and the score: two boxes each time, or the hand-in did not run.
    state.counters["boxes"] = double(boxes) / double(state.iterations());
}

void handInFloor(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto floor = floorOn(folder);
    floorDraw(*floor);
    floor->exec("update B2 set MARK=ANSWER where ID in (select EXAMID from S_MARK order by "
                "EXAMID limit 60)");
    for (auto _ : state)
        benchmark::DoNotOptimize(floorHandIn(*floor));
}

// The wrong-answer list of a paper with 40 wrong answers.
const char* const kWrongSetup = "update B2 set MARK=(ANSWER+1)%4 where ID in (select EXAMID "
                                "from S_MARK order by EXAMID limit 40)";

void wrongListProgram(benchmark::State& state) {
    ProgramFixture program(benchBankPath(int(state.range(0))));
    program.find<QPushButton>("BitBtn4")->click();
    program.folder.exec(QString::fromLatin1(kWrongSetup));
    for (auto _ : state)
        program.windows->wrongAnswers.Button1Click();
}

void wrongListFloor(benchmark::State& state) {
    ScratchFolder folder(benchBankPath(int(state.range(0))));
    auto floor = floorOn(folder);
    floorDraw(*floor);
    floor->exec(kWrongSetup);
    // The floor fills a plain text box with the same text, as the list window does.
    QPlainTextEdit box;
    for (auto _ : state) {
        sqlite3_stmt* count = floor->statement(
            "SELECT ID,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK FROM B2 WHERE answer<>mark and ID "
            "IN(SELECT EXAMID FROM S_MARK) order by id");
        int wrong = 0;
        while (sqlite3_step(count) == SQLITE_ROW)
            ++wrong;
        sqlite3_reset(count);
        QString text = wrongListHeader(wrong) + QLatin1Char('\n');
        sqlite3_stmt* list = floor->statement("SELECT ID,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK FROM B2 "
                                              "WHERE ID IN(SELECT EXAMID FROM S_MARK) order by id");
        auto textAt = [list](int column) {
            return QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(list, column)),
                sqlite3_column_bytes(list, column));
        };
        for (int position = 1; sqlite3_step(list) == SQLITE_ROW; ++position) {
            WrongQuestion question;
            question.answer = sqlite3_column_int(list, 6);
            question.mark = sqlite3_column_int(list, 7);
            if (question.mark == question.answer)
                continue;
            question.position = position;
            question.text = textAt(1);
            for (int index = 0; index < 4; ++index)
                question.choices[index] = textAt(2 + index);
            for (const QString& entry : wrongQuestionEntries(question))
                text += entry + QLatin1Char('\n');
        }
        sqlite3_reset(list);
        box.clear();
        box.setPlainText(text);
    }
}

void sizeArguments(benchmark::internal::Benchmark* bench) {
    for (int size : kBenchBankSizes)
        bench->Args({size});
}

void registerAll() {
    // One repetition a pass: bench/run.sh runs two passes and shows their spread.
    const int repetitions = 1;
    auto shape = [&](benchmark::internal::Benchmark* bench, int iterations,
                     void (*arguments)(benchmark::internal::Benchmark*)) {
        if (quick())
            bench->Args({500, 0});
        else
            arguments(bench);
        bench->Unit(benchmark::kMillisecond)
            ->Iterations(quick() ? 1 : iterations)
            ->Repetitions(repetitions)
            ->UseRealTime();
    };
    shape(benchmark::RegisterBenchmark("draw/program", drawProgram), 10, drawArguments);
    shape(benchmark::RegisterBenchmark("draw/floor", drawFloor), 10, drawArguments);
    shape(benchmark::RegisterBenchmark("answer/program", answerProgram), 100, answerArguments);
    shape(benchmark::RegisterBenchmark("answer/floor", answerFloor), 100, answerArguments);
    shape(benchmark::RegisterBenchmark("start/program", startProgram), 10, startArguments);
    shape(benchmark::RegisterBenchmark("start/floor", startFloor), 10, startArguments);
    auto sized = [&](benchmark::internal::Benchmark* bench, int iterations) {
        if (quick())
            bench->Args({500});
        else
            sizeArguments(bench);
        bench->Unit(benchmark::kMillisecond)
            ->Iterations(quick() ? 1 : iterations)
            ->Repetitions(repetitions)
            ->UseRealTime();
    };
    sized(benchmark::RegisterBenchmark("handin/program", handInProgram), 40);
    sized(benchmark::RegisterBenchmark("handin/floor", handInFloor), 40);
    sized(benchmark::RegisterBenchmark("wronglist/program", wrongListProgram), 20);
    sized(benchmark::RegisterBenchmark("wronglist/floor", wrongListFloor), 20);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    XundralApplication app(argc, argv);
    setAnswerPauseForTests(0);
    // Whole-process figures, one per fresh process: --peak-memory=program|sequential|floor DB,
    // --growth DB, --felt DB.
    if (argc == 3 && std::strncmp(argv[1], "--peak-memory=", 14) == 0)
        return runPeakMemory(QString::fromLatin1(argv[1] + 14), QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--growth") == 0)
        return runFileGrowth(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--felt") == 0)
        return runFeltLatency(QString::fromLocal8Bit(argv[2]));
    registerAll();
    registerPhysicalLimits(quick());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
