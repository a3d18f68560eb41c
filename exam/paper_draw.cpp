#include "exam/paper_draw.h"

#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/row_values.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "exam/paper_random.h"
#include "exam/question_text.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace {

// Misses in a row after which the draw stops guessing and takes the free ids in order. With
// sound data a run this long is all but impossible (one chance in millions with a single free
// id); it only ends draws that data broken in some unforeseen way would keep going for ever.
int missesBeforeInOrder(int size) {
    return 16 * size + 64;
}

void runToEnd(SqliteStatement& statement) {
    while (statement.step()) {
    }
}

// The first row's value in `column`; a statement without rows has no current record.
FieldValue firstRowValue(SqliteStatement& select, int column) {
    if (!select.step())
        throwNoCurrentRecord();
    return fieldAt(select, column);
}

int countInPool(const SqliteDatabase& database, int category) {
    SqliteStatement count(
        database, QStringLiteral("select count(*) as countnum from exam_temp where STZLB1=?"));
    count.bind(1, category);
    return firstRowValue(count, 0).asInteger();
}

// Where the category's ids start in the bank and how many it holds.
struct BankExtent {
    int baseId = 0;
    int size = 0;
};

BankExtent categoryExtent(const SqliteDatabase& database, const QString& bankTable, int category) {
    SqliteStatement extent(database,
                           QStringLiteral("SELECT MIN(ID) as BASEID,COUNT(ID) as RANDNUM FROM ") +
                               bankTable + QStringLiteral(" WHERE STZLB1=?"));
    extent.bind(1, category);
    const int baseId = firstRowValue(extent, 0).asInteger();
    return {baseId, fieldAt(extent, 1).asInteger()};
}

// One row of the rotation pool: a question and the category that drew it.
struct PoolEntry {
    int id = 0;
    int category = 0;
};

// The category's ids in the rotation pool, read when the model has none it can trust: the
// draw holds the write lock for its whole run, so nothing but its own inserts and its trim
// changes the pool meanwhile, and looking each candidate up here answers what one probe per
// candidate would.
std::unordered_set<int> readPool(const SqliteDatabase& database, int category) {
    std::unordered_set<int> inPool;
    SqliteStatement select(database, QStringLiteral("SELECT EXAMID FROM EXAM_TEMP WHERE STZLB1=?"));
    select.bind(1, category);
    while (select.step()) {
        const FieldValue id = fieldAt(select, 0);
        if (!id.isNull())
            inPool.insert(id.asInteger());
    }
    return inPool;
}

// The pool's own probe, for a candidate the model says is free: it costs one indexed lookup
// and catches a model that went wrong in some way the checks above missed.
bool probeFindsInPool(const SqliteDatabase& database, const PoolEntry& candidate) {
    SqliteStatement probe(database,
                          QStringLiteral("SELECT * FROM EXAM_TEMP WHERE EXAMID=? AND STZLB1=?"));
    probe.bind(1, candidate.id);
    probe.bind(2, candidate.category);
    return probe.step();
}

// Starts the category's pool afresh, keeping only what this paper drew.
void trimPool(const SqliteDatabase& database, int category) {
    SqliteStatement trim(database, QStringLiteral("delete from exam_temp where STZLB1=? AND "
                                                  "EXAMID NOT IN(SELECT EXAMID FROM S_MARK)"));
    trim.bind(1, category);
    runToEnd(trim);
}

void takeQuestion(const SqliteDatabase& database, const PoolEntry& taken) {
    SqliteStatement mark(database, QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (?)"));
    mark.bind(1, taken.id);
    runToEnd(mark);
    SqliteStatement pool(database,
                         QStringLiteral("INSERT INTO EXAM_TEMP(EXAMID,STZLB1) VALUES (?,?)"));
    pool.bind(1, taken.id);
    pool.bind(2, taken.category);
    runToEnd(pool);
}

} // namespace

std::unordered_set<int>* DrawPoolModel::find(const SqliteDatabase& database, PoolCount inFile) {
    const qint64 version = database.dataVersion();
    if (database.serial() != handle_ || version != version_) {
        categories_.clear();
        handle_ = database.serial();
        version_ = version;
    }
    const auto found = categories_.find(inFile.category);
    if (found == categories_.end() || found->second.size() != std::size_t(inFile.ids))
        return nullptr;
    return &found->second;
}

std::unordered_set<int>& DrawPoolModel::keep(int category, std::unordered_set<int> ids) {
    return categories_[category] = std::move(ids);
}

void drawCategory(const SqliteDatabase& database, const QString& bankTable, CategoryQuota quota,
                  DrawPoolModel* model, std::unordered_set<int>* paper) {
    const int category = quota.category;
    const int pooled = countInPool(database, category);
    const BankExtent extent = categoryExtent(database, bankTable, category);
    const int baseId = extent.baseId;
    const int size = extent.size;

    DrawPoolModel once;
    if (!model)
        model = &once;
    std::unordered_set<int> drawnHere;
    if (!paper)
        paper = &drawnHere;
    std::unordered_set<int>* known = model->find(database, {category, pooled});
    std::unordered_set<int>& inPool =
        known ? *known : model->keep(category, readPool(database, category));

    // A category asking for more than it holds gets all it has, an empty one nothing, so the
    // loop below always ends.
    const int target = std::min(quota.wanted, size);
    int drawn = 0;
    bool poolCleared = false;
    // One candidate: clear the pool once it is used up, reject the candidate if it is still
    // in it, take it otherwise. Returns whether it was taken.
    auto consider = [&](int candidate) {
        // Once the pool is cleared it holds only this paper's ids, so repeating the deletion
        // before later candidates would remove nothing.
        if (!poolCleared && pooled + drawn >= size) {
            trimPool(database, category);
            poolCleared = true;
            // S_MARK holds this paper's ids and nothing else: it was emptied when the draw began.
            for (auto id = inPool.begin(); id != inPool.end();)
                id = paper->count(*id) ? std::next(id) : inPool.erase(id);
        }
        if (inPool.count(candidate))
            return false;
        if (probeFindsInPool(database, {candidate, category})) {
            inPool.insert(candidate);
            return false;
        }
        takeQuestion(database, {candidate, category});
        inPool.insert(candidate);
        paper->insert(candidate);
        ++drawn;
        return true;
    };

    PaperRandom random(QString::number(category));
    const int missLimit = missesBeforeInOrder(size);
    int misses = 0;
    while (drawn < target && misses < missLimit) {
        if (consider(baseId + random.offset(size)))
            misses = 0;
        else
            ++misses;
    }
    // The clearing of the pool may free ids behind the first pass, hence a second one.
    for (int pass = 0; pass < 2 && drawn < target; ++pass) {
        for (int id = baseId; id < baseId + size && drawn < target; ++id)
            consider(id);
    }
}

namespace {

// One SYS_CFG row as read, before anything is made of it.
struct CategoryRow {
    FieldValue chapter;
    FieldValue count;
};

// The rows are all read before the first category is drawn, so a row that cannot be drawn
// by stops the draw after the ones above it.
std::vector<CategoryRow> readCategoryRows(const SqliteDatabase& database) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT STZLB1,STSL FROM SYS_CFG WHERE STSL > 0 "));
    std::vector<CategoryRow> rows;
    while (select.step())
        rows.push_back({fieldAt(select, 0), fieldAt(select, 1)});
    return rows;
}

std::vector<ExerciseQuestion> readPaper(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(
        database, QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER AS ZQDA FROM ") + bank +
                      QStringLiteral(" where ID in (select EXAMID from S_MARK) order by id"));
    std::vector<ExerciseQuestion> questions;
    while (select.step()) {
        ExerciseQuestion question;
        question.id = fieldAt(select, 0).asInteger();
        question.tp = fieldAt(select, 1).asString();
        question.stnr = fieldAt(select, 2).asString();
        for (int index = 0; index < 4; ++index)
            question.da[index] = fieldAt(select, 3 + index).asString();
        questions.push_back(question);
    }
    return questions;
}

std::optional<std::vector<ExerciseQuestion>>
drawPaperRows(const SqliteDatabase& database, const QString& bankName, DrawPoolModel& model) {
    SqliteStatement clear(database, QStringLiteral("delete from s_mark"));
    runToEnd(clear);
    const std::vector<CategoryRow> rows = readCategoryRows(database);
    if (rows.empty())
        return std::nullopt;
    const QString bank = bankTable(bankName);
    std::unordered_set<int> paperIds;
    for (const CategoryRow& row : rows) {
        // An empty category has no number to draw by; the draw fails as a whole.
        if (row.chapter.isNull())
            throw DbError(QStringLiteral("SYS_CFG holds a row without a category"));
        const int category = row.chapter.asInteger();
        const QString countText = trimBlanks(row.count.asString());
        bool isNumber = false;
        const int wanted = countText.toInt(&isNumber);
        if (!isNumber)
            throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(countText));
        drawCategory(database, bank, {category, wanted}, &model, &paperIds);
    }
    return readPaper(database, bank);
}

} // namespace

std::optional<std::vector<ExerciseQuestion>>
drawPaper(SqliteDatabase& database, const QString& bankName, DrawPoolModel* model) {
    DrawPoolModel once;
    if (!model)
        model = &once;
    // One transaction for the whole paper: a killed process leaves the last paper or the new
    // one, never part of one. It is committed however the draw ends, so a draw that fails
    // half-way keeps what it drew up to there, as every statement on its own would have.
    Transaction transaction(database);
    try {
        auto paper = drawPaperRows(database, bankName, *model);
        transaction.commit();
        return paper;
    } catch (...) {
        // Whether the commit below keeps what was drawn or the engine rolled it back already,
        // the file is the one to believe.
        model->forget();
        try {
            transaction.commit();
        } catch (const DbError&) {
            // The engine already rolled back (a full disk, say): the error that did it is the
            // one to report.
        }
        throw;
    }
}
