#pragma once

// How long the answer line stays on screen, blocking, before the answer is stored.
inline constexpr int kAnswerPauseMs = 500;

int answerPauseMs();
// Tests only: a shorter pause keeps a whole paper's run quick.
void setAnswerPauseForTests(int milliseconds);
