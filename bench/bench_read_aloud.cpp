// How soon key 9 is heard: the reading text and the first sentence's synthesis, which happen
// before the key returns, beside the floor of synthesising the whole question before playing.
#include "exam/reading_text.h"
#include "speech/audio_output.h"
#include "speech/read_aloud_player.h"
#include "speech/speech_voice.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// One of the longer questions of the banks, with its four choices.
const char* const kStem =
    "机动车在高速公路上行驶，车速超过每小时100公里时，应当与同车道前车保持100米以上的距离；"
    "车速低于每小时100公里时，与同车道前车距离可以适当缩短，但最小距离不得少于多少米？";
const char* const kChoices[] = {"30米", "50米", "80米", "100米"};

class DiscardingOutput : public AudioOutput {
public:
    void begin(int) override {}
    void append(const QByteArray& samples) override { bytes += samples.size(); }
    void endOfInput() override {}
    void stop() override {}
    qint64 bytes = 0;
};

QStringList choices() {
    QStringList list;
    for (const char* choice : kChoices)
        list.append(QString::fromUtf8(choice));
    return list;
}

void BM_KeyNineToFirstSound(benchmark::State& state) {
    DiscardingOutput output;
    ReadAloudPlayer player(SpeechVoice::instance(), output);
    for (auto _ : state) {
        player.read(readingSentences(questionReadingText(QString::fromUtf8(kStem), choices())));
        player.stop();
    }
    state.counters["first_bytes"] = double(output.bytes) / double(state.iterations());
}

void BM_FloorWholeQuestionBeforePlaying(benchmark::State& state) {
    SpeechVoice& voice = SpeechVoice::instance();
    for (auto _ : state) {
        const QByteArray samples =
            voice.synthesize(questionReadingText(QString::fromUtf8(kStem), choices()));
        benchmark::DoNotOptimize(samples.size());
    }
}

// Named as bench/results.py reads them: the program's way beside its floor, medians of three.
BENCHMARK(BM_KeyNineToFirstSound)
    ->Name("readaloud/program")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FloorWholeQuestionBeforePlaying)
    ->Name("readaloud/floor")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!SpeechVoice::instance().available()) {
        fprintf(stderr, "no voice: %s\n", qPrintable(SpeechVoice::instance().unavailableReason()));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
