#pragma once

class TmainFrm;

// For the crash test only: when the environment names a seed in XUNDRAL_TEST_DRIVE_SEED, the
// program drives itself with random number keys and mode buttons, answers every message box
// and writes one line to standard output for each thing that happened (a box, a start, an
// answer on the answer line, a hand-in), flushed at once, so the test that kills it knows what the
// learner saw up to the moment of the kill. Seed 0 answers and reports but presses nothing.
// Without the variable these do nothing.
void answerBoxesForTestsIfAsked();
void startTestDriverIfAsked(TmainFrm& window);
