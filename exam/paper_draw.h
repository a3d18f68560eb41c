#pragma once

#include "data/exercise_rows.h"

#include <QString>

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class AdoConnection;
class AdoQuery;
class SqliteDatabase;

// What the rotation pool (EXAM_TEMP) holds per category, kept from one draw to the next of a
// run, so that a draw reads only what it adds rather than every id its categories ever gave.
// A category is read again when the file was opened anew, when another connection wrote to it,
// or when its count in the file disagrees.
class DrawPoolModel {
public:
    // The category's pooled ids, or nothing when they must be read again.
    std::unordered_set<int>* find(const SqliteDatabase& database, int category, int pooled);
    std::unordered_set<int>& keep(int category, std::unordered_set<int> ids);
    void forget() { categories_.clear(); }

private:
    quint64 handle_ = 0;
    qint64 version_ = 0;
    std::unordered_map<int, std::unordered_set<int>> categories_;
};

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
// `paper` holds the ids this paper drew so far (all S_MARK holds); the category's are added.
void drawCategory(const DrawQueries& queries, const QString& bankTable, CategoryQuota quota,
                  DrawPoolModel* model = nullptr, std::unordered_set<int>* paper = nullptr);

enum class PaperDraw { Drawn, NotConfigured };

// Draws a whole paper of `bankTable` into S_MARK by the SYS_CFG rows that `settings` reads,
// and opens it in `queries.bank` in ascending id. NotConfigured: no row asks for
// questions, and S_MARK is empty. Any database error, or a row without a category or with a
// count that is no number, throws DbError.
PaperDraw drawPaper(AdoQuery& settings, const DrawQueries& queries, const QString& bankTable,
                    DrawPoolModel* model = nullptr);

// The same draw on queries of its own, with the paper's questions read out in id order;
// nothing when no SYS_CFG row asks for questions.
std::optional<std::vector<ExerciseQuestion>> drawPaperQuestions(AdoConnection& connection,
                                                                const QString& bankTable,
                                                                DrawPoolModel* model = nullptr);
