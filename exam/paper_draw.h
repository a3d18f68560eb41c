#pragma once

#include "data/exercise_rows.h"

#include <QString>

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class SqliteDatabase;

// A category's pool and the number of ids the file holds in it now.
struct PoolCount {
    int category = 0;
    int ids = 0;
};

// What the rotation pool (EXAM_TEMP) holds per category, kept from one draw to the next of a
// run, so that a draw reads only what it adds rather than every id its categories ever gave.
// A category is read again when the file was opened anew, when another connection wrote to it,
// or when its count in the file disagrees.
class DrawPoolModel {
public:
    // The category's pooled ids, or nothing when they must be read again.
    std::unordered_set<int>* find(const SqliteDatabase& database, PoolCount inFile);
    std::unordered_set<int>& keep(int category, std::unordered_set<int> ids);
    void forget() { categories_.clear(); }

private:
    quint64 handle_ = 0;
    qint64 version_ = 0;
    std::unordered_map<int, std::unordered_set<int>> categories_;
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
void drawCategory(const SqliteDatabase& database, const QString& bankTable, CategoryQuota quota,
                  DrawPoolModel* model = nullptr, std::unordered_set<int>* paper = nullptr);

// Draws a whole paper of `bankName` into S_MARK by the SYS_CFG rows and reads its questions in
// ascending id. Nothing: no row asks for questions, and S_MARK is empty. Any database error, or
// a row without a category or with a count that is no number, throws DbError.
std::optional<std::vector<ExerciseQuestion>>
drawPaper(SqliteDatabase& database, const QString& bankName, DrawPoolModel* model = nullptr);
