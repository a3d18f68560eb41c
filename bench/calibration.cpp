// The full calibration run: simulated learners (tests/simulation) through the memory model,
// the chance of passing against the papers they then sit. Prints the reliability table and the
// Brier scores as Markdown. Usage: calibration [learners] [seed]
#include "tests/simulation/learner_simulation.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    SimulationSettings settings;
    settings.learners = argc > 1 ? std::atoi(argv[1]) : 2000;
    settings.seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 7;
    const std::vector<LearnerOutcome> outcomes = simulateLearners(settings);
    const CalibrationReport report = calibrationReport(outcomes, 1.96);
    const CalibrationReport wide = calibrationReport(outcomes, 2.58);
    std::printf("learners: %d simulated, %d with enough data for a number\n\n", settings.learners,
                report.eligible);
    std::printf("| predicted | learners | mean predicted | observed pass rate | 95%% band "
                "| within 95%% | within 99%% |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (std::size_t index = 0; index < report.bins.size(); ++index) {
        const ReliabilityBin& bin = report.bins[index];
        if (bin.learners == 0) {
            std::printf("| %.1f–%.1f | 0 | | | | | |\n", index / 10.0, (index + 1) / 10.0);
            continue;
        }
        std::printf("| %.1f–%.1f | %d | %.3f | %.3f | %.3f–%.3f | %s | %s |\n", index / 10.0,
                    (index + 1) / 10.0, bin.learners, bin.meanPredicted, bin.observed, bin.bandLow,
                    bin.bandHigh, bin.withinBand() ? "yes" : "no",
                    wide.bins[index].withinBand() ? "yes" : "no");
    }
    std::printf("\nBrier score: model %.4f, last five mock exams %.4f\n", report.brierModel,
                report.brierNaive);
    std::printf("90%% interval covers the true P(pass) for %.1f %% of learners\n",
                100.0 * report.coverage);
    return 0;
}
