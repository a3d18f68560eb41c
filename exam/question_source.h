#pragma once

#include "data/exercise_rows.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class AdoConnection;

// How an exercise gets its questions: a practice mode is one of these and a handler that
// starts the exercise with it. Nothing (std::nullopt) means the mode is not set up to give
// any (a paper that no chapter asks questions for); an empty list means this part of the bank
// has none. A database error is thrown.
using QuestionList = std::optional<std::vector<ListedQuestion>>;
using QuestionSource = std::function<QuestionList(AdoConnection& connection, const QString& bank)>;

// The whole bank, chapter by chapter, in bank order.
QuestionSource wholeBankQuestions();
// One chapter (1 to 4) in bank order.
QuestionSource chapterQuestions(int chapter);
// The questions of `ids`, in that order; ids no longer in the bank are left out.
QuestionSource listedQuestions(std::vector<int> ids);
// The questions of the bank's wrong-question book now in the bank, most often wrong first.
std::vector<int> wrongBookQuestionIds(AdoConnection& connection, const QString& bank);
class DrawPoolModel;
// A new mock paper drawn by the SYS_CFG rows, in id order; `pool`, when given, is kept from
// one draw to the next.
QuestionSource drawnPaperQuestions(DrawPoolModel* pool = nullptr);
