// How long the learner waits: drawing a paper, answering a question, opening the question
// list, on a bank the size of the shipped one.
#include "exam/answer_pause.h"
#include "tests/support/program_fixture.h"

#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// 400 questions in four chapters, a paper of 42/26/22/10.
BankSources shippedSizeBank() {
    BankSources sources = sampleSources(4, 100, 0);
    const int counts[] = {42, 26, 22, 10};
    for (int chapter = 1; chapter <= 4; ++chapter)
        sources.sysCfg.push_back({chapter, counts[chapter - 1], QString(), chapter});
    return sources;
}

void drawPaper(benchmark::State& state) {
    ProgramFixture program(shippedSizeBank());
    auto* mockExam = program.find<QPushButton>("BitBtn4");
    for (auto _ : state)
        mockExam->click();
    state.counters["questions"] = program.main().totalNum();
}
BENCHMARK(drawPaper)->Unit(benchmark::kMillisecond);

void answerAndAdvance(benchmark::State& state) {
    ProgramFixture program(shippedSizeBank());
    program.find<QPushButton>("BitBtn1")->click();
    int answered = 0;
    for (auto _ : state) {
        program.key(Qt::Key_1);
        if (++answered % 390 == 0)
            program.find<QPushButton>("BitBtn1")->click();
    }
}
BENCHMARK(answerAndAdvance)->Unit(benchmark::kMillisecond);

void startSequentialPractice(benchmark::State& state) {
    ProgramFixture program(shippedSizeBank());
    auto* start = program.find<QPushButton>("BitBtn1");
    for (auto _ : state)
        start->click();
}
BENCHMARK(startSequentialPractice)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    XundralApplication app(argc, argv);
    setAnswerPauseForTests(0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
