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
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace {

bool quick() {
    return qEnvironmentVariableIsSet("XUNDRAL_BENCH_QUICK");
}

// A floor on its own copy, paying what the program's connection pays: the program's own open
// chooses the settings, and the floor copies them once that connection is closed again.
std::unique_ptr<FloorDb> floorOn(const ScratchFolder& folder) {
    auto floor = withProgramSettings(folder);
    addFloorIndexes(*floor);
    return floor;
}

// Program and floor take turns, iteration by iteration and in alternating order, so that both
// meet the same disk: on a machine shared with other work a sync costs ten times more in one
// second than in the next. Each side's setting up is left out of its time.
struct Side {
    std::function<void()> prepare;
    std::function<void()> act;
};

void runInTurn(benchmark::State& state, Side program, Side floor) {
    double programMs = 0, floorMs = 0;
    auto timed = [](Side& side) {
        side.prepare();
        const auto start = std::chrono::steady_clock::now();
        side.act();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    bool programFirst = true;
    for (auto _ : state) {
        if (programFirst) {
            programMs += timed(program);
            floorMs += timed(floor);
        } else {
            floorMs += timed(floor);
            programMs += timed(program);
        }
        programFirst = !programFirst;
    }
    state.counters["program_ms"] = programMs / double(state.iterations());
    state.counters["floor_ms"] = floorMs / double(state.iterations());
}

void nothing() {}

struct ProgramDraw {
    explicit ProgramDraw(const QString& path) {
        connection.setConnectionString(examConnectionString(path));
        connection.open();
    }
    AdoConnection connection;
    // As the main window keeps it; the pool set by another connection before every draw makes
    // it read each category again, as the first draw after start-up does.
    DrawPoolModel pool;
};

void draw(benchmark::State& state) {
    const QString bank = benchBankPath(int(state.range(0)));
    const auto pool = PoolState(state.range(1));
    ScratchFolder programFolder(bank), floorFolder(bank);
    ProgramDraw program(programFolder.path());
    FloorDb setup(programFolder.databasePath());
    auto floor = floorOn(floorFolder);
    std::size_t questions = 0;
    runInTurn(state,
              {[&] { setPool(setup, pool); },
               [&] {
                   const auto paper = drawPaper(program.connection.database(), QStringLiteral("B2"),
                                                &program.pool);
                   questions = paper ? paper->size() : 0;
               }},
              {[&] { setPool(*floor, pool); }, [&] { floorDraw(*floor); }});
    state.counters["questions"] = double(questions);
}

void drawArguments(benchmark::internal::Benchmark* bench) {
    for (int pool = 0; pool < 3; ++pool)
        bench->Args({kShippedBank, pool});
    for (int size : kBenchBankSizes)
        for (int pool = 0; pool < 3; ++pool)
            bench->Args({size, pool});
}

// The answer key with the pause at 0: sequential practice (0) or mock exam (1).
void answer(benchmark::State& state) {
    const QString bank = benchBankPath(int(state.range(0)));
    const bool paper = state.range(1) == 1;
    ProgramFixture program(bank);
    program.find<QPushButton>(paper ? "BitBtn4" : "BitBtn1")->click();
    ScratchFolder folder(bank);
    auto floor = floorOn(folder);
    std::unique_ptr<FloorPractice> practice;
    std::vector<int> ids;
    if (paper) {
        floorDraw(*floor);
        sqlite3_stmt* list = floor->statement("SELECT EXAMID FROM S_MARK ORDER BY EXAMID");
        while (sqlite3_step(list) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int(list, 0));
        sqlite3_reset(list);
    } else {
        practice = std::make_unique<FloorPractice>(*floor);
    }
    std::size_t position = 0;
    runInTurn(state, {nothing, [&] { program.key(Qt::Key_1); }},
              {nothing, [&] {
                   if (!paper) {
                       practice->answer(1);
                       return;
                   }
                   floorPaperAnswer(*floor, ids[position], 1);
                   position = std::min(position + 1, ids.size() - 1);
               }});
    program.boxes.clear();
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
void start(benchmark::State& state) {
    const QString bank = benchBankPath(int(state.range(0)));
    const bool paper = state.range(1) != 0;
    ProgramFixture program(bank);
    FloorDb setup(program.folder.databasePath());
    auto* button = program.find<QPushButton>(kModeButtons[state.range(1)]);
    ScratchFolder folder(bank);
    auto floor = floorOn(folder);
    std::vector<int> answered;
    runInTurn(state,
              {[&] {
                   setAnswered(setup, 100);
                   setPool(setup, PoolState::Empty);
                   program.boxes.clear();
               },
               [&] { button->click(); }},
              {[&] {
                   answered = setAnswered(*floor, 100);
                   setPool(*floor, PoolState::Empty);
               },
               [&] {
                   if (paper)
                       floorStartPaper(*floor, answered);
                   else
                       floorStartPractice(*floor, answered);
               }});
    program.boxes.clear();
}

void startArguments(benchmark::internal::Benchmark* bench) {
    for (int size : kBenchBankSizes)
        for (int mode = 0; mode < 3; ++mode)
            bench->Args({size, mode});
}

const char* const kSixtyRight = "update B2 set MARK=ANSWER where ID in (select EXAMID from S_MARK "
                                "order by EXAMID limit 60)";

// Handing a mock exam in, 60 of its answers right; every box is answered No.
void handIn(benchmark::State& state) {
    const QString bank = benchBankPath(int(state.range(0)));
    ProgramFixture program(bank);
    program.find<QPushButton>("BitBtn4")->click();
    program.folder.exec(QString::fromLatin1(kSixtyRight));
    auto* end = program.find<QPushButton>("endbtn");
    ScratchFolder folder(bank);
    auto floor = floorOn(folder);
    floorDraw(*floor);
    floor->exec(kSixtyRight);
    int boxes = 0;
    runInTurn(state,
              {[&] {
                   boxes += int(program.boxes.asked.size());
                   program.boxes.clear();
               },
               [&] {
                   end->click();
                   // What the program defers until the start screen is shown is the learner's
                   // wait all the same.
                   QCoreApplication::processEvents();
               }},
              {nothing, [&] { benchmark::DoNotOptimize(floorHandIn(*floor)); }});
    boxes += int(program.boxes.asked.size());
    program.boxes.clear();
    // The confirmation, the score and the offer of the wrong answers: three boxes each time,
    // or the hand-in did not run.
    state.counters["boxes"] = double(boxes) / double(state.iterations());
}

// The wrong-answer list of a paper with 40 wrong answers.
const char* const kWrongSetup = "update B2 set MARK=(ANSWER+1)%4 where ID in (select EXAMID "
                                "from S_MARK order by EXAMID limit 40)";

// Both of the list's SELECTs, and the same text put into a plain text box.
void floorWrongList(FloorDb& floor, QPlainTextEdit& box) {
    sqlite3_stmt* count = floor.statement(
        "SELECT ID,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK FROM B2 WHERE answer<>mark and ID "
        "IN(SELECT EXAMID FROM S_MARK) order by id");
    int wrong = 0;
    while (sqlite3_step(count) == SQLITE_ROW)
        ++wrong;
    sqlite3_reset(count);
    QString text = wrongListHeader(wrong) + QLatin1Char('\n');
    sqlite3_stmt* list = floor.statement("SELECT ID,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK FROM B2 "
                                         "WHERE ID IN(SELECT EXAMID FROM S_MARK) order by id");
    auto textAt = [list](int column) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, column)),
                                 sqlite3_column_bytes(list, column));
    };
    for (int position = 1; sqlite3_step(list) == SQLITE_ROW; ++position) {
        WrongQuestion question;
        question.answer = answerCodeFromColumn(sqlite3_column_int(list, 6));
        question.mark = answerCodeFromColumn(sqlite3_column_int(list, 7));
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

void wrongList(benchmark::State& state) {
    const QString bank = benchBankPath(int(state.range(0)));
    ProgramFixture program(bank);
    program.find<QPushButton>("BitBtn4")->click();
    program.folder.exec(QString::fromLatin1(kWrongSetup));
    ScratchFolder folder(bank);
    auto floor = floorOn(folder);
    floorDraw(*floor);
    floor->exec(kWrongSetup);
    QPlainTextEdit box;
    runInTurn(state, {nothing, [&] { program.windows->wrongAnswers.Button1Click(); }},
              {nothing, [&] { floorWrongList(*floor, box); }});
}

void sizeArguments(benchmark::internal::Benchmark* bench) {
    for (int size : kBenchBankSizes)
        bench->Args({size});
}

void registerAll() {
    // One repetition a pass: bench/run.sh runs two passes and shows their spread.
    auto shape = [](benchmark::internal::Benchmark* bench, int iterations,
                    void (*arguments)(benchmark::internal::Benchmark*),
                    std::vector<int64_t> quickArguments) {
        if (quick())
            bench->Args(quickArguments);
        else
            arguments(bench);
        bench->Unit(benchmark::kMillisecond)->Iterations(quick() ? 1 : iterations)->UseRealTime();
    };
    shape(benchmark::RegisterBenchmark("draw", draw), 10, drawArguments, {500, 0});
    shape(benchmark::RegisterBenchmark("answer", answer), 100, answerArguments, {500, 0});
    shape(benchmark::RegisterBenchmark("start", start), 10, startArguments, {500, 0});
    shape(benchmark::RegisterBenchmark("handin", handIn), 40, sizeArguments, {500});
    shape(benchmark::RegisterBenchmark("wronglist", wrongList), 20, sizeArguments, {500});
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
