#pragma once

#include "exam/paper_result.h"

#include <QString>

// The text of the score message: every line ends in "\n\r", the question at the end in two.
QString scoreMessage(int totalQuestions, int rightAnswers);
