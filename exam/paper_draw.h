#pragma once

#include "data/exercise_rows.h"

#include <QString>

#include <optional>
#include <vector>

class AdoConnection;
class AdoQuery;

// The queries a draw works with; the main window lends its own, so that what they hold
// afterwards is what it always held.
struct DrawQueries {
    AdoQuery& pool;  // EXAM_TEMP: counts, trims and fills the rotation pool, fills S_MARK
    AdoQuery& taken; // looks a candidate up in the pool
    AdoQuery& bank;  // the category's first id and size
};

// How many questions a paper takes from one category (chapter).
struct CategoryQuota {
    int category = 0;
    int wanted = 0;
};

// Adds `quota.wanted` random questions of `quota.category` to S_MARK (all it has, if it holds
// fewer), none of them one that earlier papers of this run used, unless the pool of unused
// ones ran dry, in which case the pool starts afresh except for this paper's questions.
void drawCategory(const DrawQueries& queries, const QString& bankTable, CategoryQuota quota);

enum class PaperDraw { Drawn, NotConfigured };

// Draws a whole paper of `bankTable` into S_MARK by the SYS_CFG rows that `settings` reads,
// and opens it in `queries.bank` in ascending id. NotConfigured: no row asks for
// questions, and S_MARK is empty. Any database error, or a row without a category or with a
// count that is no number, throws DbError.
PaperDraw drawPaper(AdoQuery& settings, const DrawQueries& queries, const QString& bankTable);

// The same draw on queries of its own, with the paper's questions read out in id order;
// nothing when no SYS_CFG row asks for questions.
std::optional<std::vector<ExerciseQuestion>> drawPaperQuestions(AdoConnection& connection,
                                                                const QString& bankTable);
