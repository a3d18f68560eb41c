#include "exam/answer_pause.h"

namespace {
int pauseMs = kAnswerPauseMs;
}

int answerPauseMs() {
    return pauseMs;
}

void setAnswerPauseForTests(int milliseconds) {
    pauseMs = milliseconds;
}
