#include "exam/paper_draw.h"

#include "data/ado_connection.h"
#include "data/ado_query.h"
#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/sqlite_database.h"
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

// The category's ids in the rotation pool, read when the model has none it can trust: the
// draw holds the write lock for its whole run, so nothing but its own inserts and its trim
// changes the pool meanwhile, and looking each candidate up here answers what one probe per
// candidate would.
std::unordered_set<int> readPool(AdoQuery& taken, int category) {
    std::unordered_set<int> inPool;
    taken.close();
    taken.setSql(QStringLiteral("SELECT EXAMID FROM EXAM_TEMP WHERE STZLB1=?"));
    taken.bind(1, category);
    taken.open();
    for (; !taken.eof(); taken.next()) {
        const AdoField id = taken.fieldByName(QStringLiteral("EXAMID"));
        if (!id.isNull())
            inPool.insert(id.asInteger());
    }
    taken.close();
    return inPool;
}

// The pool's own probe, for a candidate the model says is free: it costs one indexed lookup
// and catches a model that went wrong in some way the checks above missed.
bool probeFindsInPool(AdoQuery& taken, int candidate, int category) {
    taken.close();
    taken.setSql(QStringLiteral("SELECT * FROM EXAM_TEMP WHERE EXAMID=? AND STZLB1=?"));
    taken.bind(1, candidate);
    taken.bind(2, category);
    taken.open();
    const bool found = !taken.eof();
    taken.close();
    return found;
}

} // namespace

std::unordered_set<int>* DrawPoolModel::find(const SqliteDatabase& database, int category,
                                             int pooled) {
    const qint64 version = database.dataVersion();
    if (database.serial() != handle_ || version != version_) {
        categories_.clear();
        handle_ = database.serial();
        version_ = version;
    }
    const auto found = categories_.find(category);
    if (found == categories_.end() || found->second.size() != std::size_t(pooled))
        return nullptr;
    return &found->second;
}

std::unordered_set<int>& DrawPoolModel::keep(int category, std::unordered_set<int> ids) {
    return categories_[category] = std::move(ids);
}

void drawCategory(const DrawQueries& queries, const QString& bankTable, CategoryQuota quota,
                  DrawPoolModel* model, std::unordered_set<int>* paper) {
    const int category = quota.category;
    AdoQuery& pool = queries.pool;
    pool.close();
    pool.setSql(QStringLiteral("select count(*) as countnum from exam_temp where STZLB1=?"));
    pool.bind(1, category);
    pool.open();
    const int pooled = pool.fieldByName(QStringLiteral("countnum")).asInteger();
    pool.close();

    AdoQuery& bank = queries.bank;
    bank.close();
    bank.setSql(QStringLiteral("SELECT MIN(ID) as BASEID,COUNT(ID) as RANDNUM FROM ") + bankTable +
                QStringLiteral(" WHERE STZLB1=?"));
    bank.bind(1, category);
    bank.open();
    const int baseId = bank.fieldByName(QStringLiteral("BASEID")).asInteger();
    const int size = bank.fieldByName(QStringLiteral("RANDNUM")).asInteger();

    DrawPoolModel once;
    if (!model)
        model = &once;
    std::unordered_set<int> drawnHere;
    if (!paper)
        paper = &drawnHere;
    if (!queries.taken.connection())
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    const SqliteDatabase& database = queries.taken.connection()->database();
    std::unordered_set<int>* known = model->find(database, category, pooled);
    std::unordered_set<int>& inPool =
        known ? *known : model->keep(category, readPool(queries.taken, category));

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
            pool.close();
            pool.setSql(QStringLiteral("delete from exam_temp where STZLB1=? AND EXAMID NOT "
                                       "IN(SELECT EXAMID FROM S_MARK)"));
            pool.bind(1, category);
            pool.execSql();
            poolCleared = true;
            // S_MARK holds this paper's ids and nothing else: it was emptied when the draw began.
            for (auto id = inPool.begin(); id != inPool.end();)
                id = paper->count(*id) ? std::next(id) : inPool.erase(id);
        }
        if (inPool.count(candidate))
            return false;
        if (probeFindsInPool(queries.taken, candidate, category)) {
            inPool.insert(candidate);
            return false;
        }
        pool.close();
        pool.setSql(QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (?)"));
        pool.bind(1, candidate);
        pool.execSql();
        pool.setSql(QStringLiteral("INSERT INTO EXAM_TEMP(EXAMID,STZLB1) VALUES (?,?)"));
        pool.bind(1, candidate);
        pool.bind(2, category);
        pool.execSql();
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

PaperDraw drawPaperRows(AdoQuery& settings, const DrawQueries& queries, const QString& bankName,
                        DrawPoolModel& model) {
    settings.close();
    settings.setSql(QStringLiteral("delete from s_mark"));
    settings.execSql();
    settings.close();
    settings.clearSql();
    settings.setSql(QStringLiteral("SELECT STZLB1,STSL FROM SYS_CFG WHERE STSL > 0 "));
    settings.open();
    if (settings.eof())
        return PaperDraw::NotConfigured;
    const QString bank = bankTable(bankName);
    std::unordered_set<int> paperIds;
    for (; !settings.eof(); settings.next()) {
        const AdoField chapter = settings.fieldByName(QStringLiteral("STZLB1"));
        // An empty category has no number to draw by; the draw fails as a whole.
        if (chapter.isNull())
            throw DbError(QStringLiteral("SYS_CFG holds a row without a category"));
        const int category = chapter.asInteger();
        const QString countText =
            trimBlanks(settings.fieldByName(QStringLiteral("STSL")).asString());
        bool isNumber = false;
        const int wanted = countText.toInt(&isNumber);
        if (!isNumber)
            throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(countText));
        drawCategory(queries, bank, {category, wanted}, &model, &paperIds);
    }
    AdoQuery& paper = queries.bank;
    paper.close();
    paper.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER AS ZQDA FROM ") + bank +
                 QStringLiteral(" where ID in (select EXAMID from S_MARK) order by id"));
    paper.open();
    return PaperDraw::Drawn;
}

} // namespace

PaperDraw drawPaper(AdoQuery& settings, const DrawQueries& queries, const QString& bankTable,
                    DrawPoolModel* model) {
    if (!settings.connection())
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    DrawPoolModel once;
    if (!model)
        model = &once;
    // One transaction for the whole paper: a killed process leaves the last paper or the new
    // one, never part of one. It is committed however the draw ends, so a draw that fails
    // half-way keeps what it drew up to there, as every statement on its own would have.
    Transaction transaction(*settings.connection());
    try {
        const PaperDraw outcome = drawPaperRows(settings, queries, bankTable, *model);
        transaction.commit();
        return outcome;
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

std::optional<std::vector<ExerciseQuestion>>
drawPaperQuestions(AdoConnection& connection, const QString& bankTable, DrawPoolModel* model) {
    AdoQuery settings(&connection);
    AdoQuery pool(&connection);
    AdoQuery taken(&connection);
    AdoQuery paper(&connection);
    if (drawPaper(settings, {pool, taken, paper}, bankTable, model) == PaperDraw::NotConfigured)
        return std::nullopt;
    std::vector<ExerciseQuestion> questions;
    for (paper.first(); !paper.eof(); paper.next()) {
        ExerciseQuestion question;
        question.id = paper.fieldByName(QStringLiteral("ID")).asInteger();
        question.tp = paper.fieldByName(QStringLiteral("TP")).asString();
        question.stnr = paper.fieldByName(QStringLiteral("STNR")).asString();
        for (int index = 0; index < 4; ++index)
            question.da[index] =
                paper.fieldByName(QStringLiteral("DA%1").arg(index + 1)).asString();
        questions.push_back(question);
    }
    return questions;
}
