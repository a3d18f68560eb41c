#pragma once

#include <cstdint>
#include <vector>

// Simulated learners for measuring how well the chance of passing is calibrated. Their true
// memory follows a law of its own, not the model's: exponential forgetting towards what they
// knew before studying, with rates drawn per learner and per question, chapters of different
// difficulty, and guessing (a forgotten true/false question is right half the time, a
// four-choice one a quarter). Their answers run through the memory model; each then sits one
// real paper drawn by the SYS_CFG counts on the exam day.

struct SimulationSettings {
    int learners = 300;
    std::uint64_t seed = 1;
    std::vector<int> chapterSizes{600, 350, 300, 150};
    std::vector<int> drawn{42, 26, 22, 10};
    int passMark = 90;
};

struct LearnerOutcome {
    bool eligible = false; // enough answers and a mock exam for the model to give a number
    double predicted = 0.0;
    double low = 0.0;
    double high = 0.0;
    double truth = 0.0;  // P(pass) from the learner's true recall
    double naive = 0.0;  // pass rate of the last five mock exams
    bool passed = false; // the real paper on the exam day
};

std::vector<LearnerOutcome> simulateLearners(const SimulationSettings& settings);

struct ReliabilityBin {
    int learners = 0;
    double meanPredicted = 0.0;
    double observed = 0.0;
    double bandLow = 0.0; // Wilson interval on the observed rate
    double bandHigh = 0.0;
    bool withinBand() const { return meanPredicted >= bandLow && meanPredicted <= bandHigh; }
};

struct CalibrationReport {
    int eligible = 0;
    std::vector<ReliabilityBin> bins; // one per tenth of the predicted range
    double brierModel = 0.0;
    double brierNaive = 0.0;
    double coverage = 0.0; // share of learners whose true P(pass) lies in the interval
};

// `z` sets the width of the reliability bands (2.58 for 99 %).
CalibrationReport calibrationReport(const std::vector<LearnerOutcome>& outcomes, double z);
