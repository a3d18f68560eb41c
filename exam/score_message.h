#pragma once

#include <QString>

inline constexpr int kPassMark = 90;

// The text of the score message: every line ends in "\n\r", the question at the end in two.
QString scoreMessage(int totalQuestions, int rightAnswers);
