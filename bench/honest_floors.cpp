#include "bench/honest_floors.h"

#include "bench/bench_support.h"
#include "data/learning_record.h"

#include <QDateTime>
#include <QString>

#include <sqlcipher/sqlite3.h>

#include <map>
#include <random>
#include <unordered_set>

namespace {

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

// The digest of the row a statement stands on, its columns STNR, DA1..DA4, TP from `first`.
qint64 digestAt(sqlite3_stmt* row, int first) {
    const QString choices[4] = {columnText(row, first + 1), columnText(row, first + 2),
                                columnText(row, first + 3), columnText(row, first + 4)};
    return digestKey(questionDigest(columnText(row, first), choices, columnText(row, first + 5)));
}

void run(sqlite3_stmt* statement) {
    sqlite3_step(statement);
    sqlite3_reset(statement);
}

long long now() {
    return QDateTime::currentSecsSinceEpoch();
}

// The book, the memory model and the history of one stored answer; returns whether the model
// had met the question before, which is what its chapter's tally needs.
bool recordAnswer(FloorDb& db, qint64 digest, bool right) {
    const long long at = now();
    if (right) {
        // Two right answers in a row take a question out of the book.
        sqlite3_stmt* leave = db.statement(
            "DELETE FROM WRONG_BOOK WHERE BANK = 'B2' AND DIGEST = ? AND RIGHT_STREAK >= 1");
        sqlite3_bind_int64(leave, 1, digest);
        run(leave);
        sqlite3_stmt* streak = db.statement("UPDATE WRONG_BOOK SET RIGHT_STREAK = RIGHT_STREAK + 1 "
                                            "WHERE BANK = 'B2' AND DIGEST = ?");
        sqlite3_bind_int64(streak, 1, digest);
        run(streak);
    } else {
        // This SQLite has no upsert: a row made if missing, then counted.
        sqlite3_stmt* entry = db.statement("INSERT OR IGNORE INTO WRONG_BOOK (BANK, DIGEST, "
                                           "WRONG_COUNT, RIGHT_STREAK) VALUES ('B2', ?, 0, 0)");
        sqlite3_bind_int64(entry, 1, digest);
        run(entry);
        sqlite3_stmt* wrong =
            db.statement("UPDATE WRONG_BOOK SET WRONG_COUNT = WRONG_COUNT + 1, LAST_WRONG = ?2, "
                         "RIGHT_STREAK = 0 WHERE BANK = 'B2' AND DIGEST = ?1");
        sqlite3_bind_int64(wrong, 1, digest);
        sqlite3_bind_int64(wrong, 2, at);
        run(wrong);
    }
    sqlite3_stmt* state = db.statement("SELECT STABILITY, DIFFICULTY, REPS, LAPSES FROM "
                                       "MEMORY_STATE WHERE BANK = 'B2' AND DIGEST = ?");
    sqlite3_bind_int64(state, 1, digest);
    const bool seen = sqlite3_step(state) == SQLITE_ROW;
    const double stability = seen ? sqlite3_column_double(state, 0) : 0;
    const int reps = seen ? sqlite3_column_int(state, 2) : 0;
    const int lapses = seen ? sqlite3_column_int(state, 3) : 0;
    sqlite3_reset(state);
    // The model's arithmetic is a few multiplications; the floor keeps its shape, not its
    // weights.
    sqlite3_stmt* write = db.statement(
        "INSERT OR REPLACE INTO MEMORY_STATE (BANK, DIGEST, STABILITY, DIFFICULTY, LAST_REVIEW, "
        "REPS, LAPSES) VALUES ('B2', ?, ?, ?, ?, ?, ?)");
    sqlite3_bind_int64(write, 1, digest);
    sqlite3_bind_double(write, 2, right ? stability * 2.5 + 3.7 : 0.49);
    sqlite3_bind_double(write, 3, right ? 5.16 : 7.62);
    sqlite3_bind_int64(write, 4, at);
    sqlite3_bind_int(write, 5, reps + 1);
    sqlite3_bind_int(write, 6, lapses + (right ? 0 : 1));
    run(write);
    sqlite3_stmt* entry = db.statement("INSERT OR IGNORE INTO ANSWER_HISTORY (BANK, DIGEST, "
                                       "WRONG_COUNT, RIGHT_COUNT) VALUES ('B2', ?, 0, 0)");
    sqlite3_bind_int64(entry, 1, digest);
    run(entry);
    sqlite3_stmt* history = db.statement(
        "UPDATE ANSWER_HISTORY SET WRONG_COUNT = WRONG_COUNT + ?2, RIGHT_COUNT = RIGHT_COUNT + "
        "?3, LAST_RIGHT = ?3, LAST_ANSWERED = ?4 WHERE BANK = 'B2' AND DIGEST = ?1");
    sqlite3_bind_int64(history, 1, digest);
    sqlite3_bind_int(history, 2, right ? 0 : 1);
    sqlite3_bind_int(history, 3, right ? 1 : 0);
    sqlite3_bind_int64(history, 4, at);
    run(history);
    return seen;
}

struct ChapterSums {
    int firstAnswers = 0, firstRight = 0, laterAnswers = 0, laterRight = 0;
};

void addToChapter(FloorDb& db, int chapter, const ChapterSums& sums) {
    sqlite3_stmt* entry = db.statement(
        "INSERT OR IGNORE INTO MEMORY_CHAPTER (BANK, STZLB1, FIRST_ANSWERS, FIRST_RIGHT, "
        "LATER_ANSWERS, LATER_RIGHT, LATER_EXPECTED) VALUES ('B2', ?, 0, 0, 0, 0, 0.0)");
    sqlite3_bind_int(entry, 1, chapter);
    run(entry);
    sqlite3_stmt* tally = db.statement(
        "UPDATE MEMORY_CHAPTER SET FIRST_ANSWERS = FIRST_ANSWERS + ?2, FIRST_RIGHT = FIRST_RIGHT "
        "+ ?3, LATER_ANSWERS = LATER_ANSWERS + ?4, LATER_RIGHT = LATER_RIGHT + ?5, "
        "LATER_EXPECTED = LATER_EXPECTED + ?4 * 0.9 WHERE BANK = 'B2' AND STZLB1 = ?1");
    sqlite3_bind_int(tally, 1, chapter);
    sqlite3_bind_int(tally, 2, sums.firstAnswers);
    sqlite3_bind_int(tally, 3, sums.firstRight);
    sqlite3_bind_int(tally, 4, sums.laterAnswers);
    sqlite3_bind_int(tally, 5, sums.laterRight);
    run(tally);
}

void tally(ChapterSums& sums, bool seen, bool right) {
    (seen ? sums.laterAnswers : sums.firstAnswers) += 1;
    (seen ? sums.laterRight : sums.firstRight) += right ? 1 : 0;
}

void resetAnswered(FloorDb& db, const std::vector<int>& answered) {
    sqlite3_stmt* reset = db.statement("UPDATE B2 SET MARK = 5 WHERE ID = ?");
    for (int id : answered) {
        sqlite3_bind_int(reset, 1, id);
        run(reset);
    }
}

std::mt19937& randomSource() {
    static std::mt19937 source(std::random_device{}());
    return source;
}

} // namespace

void addFloorIndexes(FloorDb& db) {
    db.exec("CREATE INDEX IF NOT EXISTS FLOOR_ORDER ON B2 (STLB, STZLB1, STLX, STBH);");
}

void drawPaperRows(FloorDb& db) {
    db.exec("DELETE FROM S_MARK;");
    sqlite3_stmt* chapters = db.statement("SELECT STZLB1, STSL FROM SYS_CFG WHERE STSL > 0");
    std::vector<std::pair<int, int>> rows;
    while (sqlite3_step(chapters) == SQLITE_ROW)
        rows.emplace_back(sqlite3_column_int(chapters, 0), sqlite3_column_int(chapters, 1));
    sqlite3_reset(chapters);
    std::mt19937& random = randomSource();
    for (const auto& [chapter, wanted] : rows) {
        // The ids of a chapter are gap-free, so its two ends give its size from the index.
        sqlite3_stmt* range = db.statement("SELECT MIN(ID), MAX(ID) FROM B2 WHERE STZLB1 = ?");
        sqlite3_bind_int(range, 1, chapter);
        sqlite3_step(range);
        const int base = sqlite3_column_int(range, 0);
        const int size = sqlite3_column_int(range, 1) - base + 1;
        sqlite3_reset(range);
        // The pool's rows of a chapter lie in its id range of the pool's own index; a pool row
        // of another bank's chapter (after a switch of bank) is not in this file's runs.
        sqlite3_stmt* count = db.statement("SELECT count(*) FROM EXAM_TEMP WHERE EXAMID BETWEEN "
                                           "?2 AND ?3 AND STZLB1 = ?1");
        sqlite3_bind_int(count, 1, chapter);
        sqlite3_bind_int(count, 2, base);
        sqlite3_bind_int(count, 3, base + size - 1);
        sqlite3_step(count);
        const int pooled = sqlite3_column_int(count, 0);
        sqlite3_reset(count);
        const int target = std::min(wanted, size);
        std::vector<int> drawn;
        std::unordered_set<int> inPaper;
        auto take = [&](int id) {
            drawn.push_back(id);
            inPaper.insert(id);
        };
        const int free = size - pooled;
        if (free * 4 >= size && free > target) {
            sqlite3_stmt* probe =
                db.statement("SELECT 1 FROM EXAM_TEMP WHERE EXAMID = ? AND STZLB1 = ?");
            std::uniform_int_distribution<int> offset(0, size - 1);
            while (int(drawn.size()) < target) {
                const int candidate = base + offset(random);
                if (inPaper.count(candidate))
                    continue;
                sqlite3_bind_int(probe, 1, candidate);
                sqlite3_bind_int(probe, 2, chapter);
                const bool pooledAlready = sqlite3_step(probe) == SQLITE_ROW;
                sqlite3_reset(probe);
                if (!pooledAlready)
                    take(candidate);
            }
        } else {
            sqlite3_stmt* unused = db.statement(
                "SELECT ID FROM B2 WHERE STZLB1 = ?1 AND NOT EXISTS (SELECT 1 FROM EXAM_TEMP "
                "WHERE EXAMID = B2.ID AND STZLB1 = ?1)");
            sqlite3_bind_int(unused, 1, chapter);
            std::vector<int> ids;
            while (sqlite3_step(unused) == SQLITE_ROW)
                ids.push_back(sqlite3_column_int(unused, 0));
            sqlite3_reset(unused);
            std::shuffle(ids.begin(), ids.end(), random);
            for (int index = 0; index < int(ids.size()) && int(drawn.size()) < target; ++index)
                take(ids[std::size_t(index)]);
        }
        sqlite3_stmt* mark = db.statement("INSERT INTO S_MARK (EXAMID) VALUES (?)");
        sqlite3_stmt* pool = db.statement("INSERT INTO EXAM_TEMP (EXAMID, STZLB1) VALUES (?, ?)");
        auto store = [&](std::size_t from) {
            for (std::size_t index = from; index < drawn.size(); ++index) {
                sqlite3_bind_int(mark, 1, drawn[index]);
                run(mark);
                sqlite3_bind_int(pool, 1, drawn[index]);
                sqlite3_bind_int(pool, 2, chapter);
                run(pool);
            }
        };
        store(0);
        if (int(drawn.size()) < target) {
            // The chapter ran out: its pool keeps only this paper's questions, and the rest of
            // the chapter is free again.
            sqlite3_stmt* clear = db.statement(
                "DELETE FROM EXAM_TEMP WHERE EXAMID BETWEEN ?2 AND ?3 AND STZLB1 = ?1 AND EXAMID "
                "NOT IN (SELECT EXAMID FROM S_MARK)");
            sqlite3_bind_int(clear, 1, chapter);
            sqlite3_bind_int(clear, 2, base);
            sqlite3_bind_int(clear, 3, base + size - 1);
            run(clear);
            const std::size_t first = drawn.size();
            std::uniform_int_distribution<int> offset(0, size - 1);
            while (int(drawn.size()) < target) {
                const int candidate = base + offset(random);
                if (!inPaper.count(candidate))
                    take(candidate);
            }
            store(first);
        }
    }
}

int readPaper(FloorDb& db) {
    sqlite3_stmt* paper = db.statement("SELECT ID, TP, STNR, DA1, DA2, DA3, DA4, ANSWER FROM B2 "
                                       "WHERE ID IN (SELECT EXAMID FROM S_MARK) ORDER BY ID");
    int questions = 0;
    while (sqlite3_step(paper) == SQLITE_ROW) {
        for (int column = 1; column < 8; ++column)
            sqlite3_column_text(paper, column);
        ++questions;
    }
    sqlite3_reset(paper);
    return questions;
}

int floorDraw(FloorDb& db) {
    db.exec("BEGIN IMMEDIATE;");
    drawPaperRows(db);
    db.exec("COMMIT;");
    return readPaper(db);
}

void floorStartPractice(FloorDb& db, const std::vector<int>& answered) {
    db.exec("BEGIN IMMEDIATE;");
    resetAnswered(db, answered);
    // The kept practice holds the answered questions only: none yet.
    db.exec("DELETE FROM PRACTICE_ITEM WHERE BANK = 'B2' AND MODE = 1 AND SCOPE = '';");
    sqlite3_stmt* state = db.statement(
        "INSERT OR REPLACE INTO PRACTICE_STATE (BANK, MODE, SCOPE, POSITION, SEED, SAVED_AT) "
        "VALUES ('B2', 1, '', 1, 0, ?)");
    sqlite3_bind_int64(state, 1, now());
    run(state);
    db.exec("COMMIT;");
    sqlite3_stmt* order = db.statement("SELECT ID FROM B2 ORDER BY STLB, STZLB1, STLX, STBH");
    std::vector<int> ids;
    while (sqlite3_step(order) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int(order, 0));
    sqlite3_reset(order);
    sqlite3_stmt* shown =
        db.statement("SELECT ANSWER, MARK, TP, STNR, DA1, DA2, DA3, DA4 FROM B2 WHERE ID = ?");
    sqlite3_bind_int(shown, 1, ids.front());
    sqlite3_step(shown);
    for (int column = 2; column < 8; ++column)
        sqlite3_column_text(shown, column);
    sqlite3_reset(shown);
}

void floorStartPaper(FloorDb& db, const std::vector<int>& answered) {
    db.exec("BEGIN IMMEDIATE;");
    resetAnswered(db, answered);
    drawPaperRows(db);
    db.exec("COMMIT;");
    readPaper(db);
}

FloorPractice::FloorPractice(FloorDb& db) : db_(db) {
    sqlite3_stmt* order = db.statement("SELECT ID FROM B2 ORDER BY STLB, STZLB1, STLX, STBH");
    while (sqlite3_step(order) == SQLITE_ROW)
        ids_.push_back(sqlite3_column_int(order, 0));
    sqlite3_reset(order);
}

void FloorPractice::answer(int code) {
    const int id = ids_[position_];
    db_.exec("BEGIN IMMEDIATE;");
    sqlite3_stmt* store = db_.statement("UPDATE B2 SET MARK = ? WHERE ID = ?");
    const QByteArray literal = QByteArray::number(code);
    sqlite3_bind_text(store, 1, literal.constData(), int(literal.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(store, 2, id);
    run(store);
    // One read of the answered row: its digest, chapter, verdict and explanation.
    sqlite3_stmt* row = db_.statement(
        "SELECT STNR, DA1, DA2, DA3, DA4, TP, STZLB1, ANSWER, JX FROM B2 WHERE ID = ?");
    sqlite3_bind_int(row, 1, id);
    sqlite3_step(row);
    const qint64 digest = digestAt(row, 0);
    const int chapter = sqlite3_column_int(row, 6);
    const bool right = sqlite3_column_int(row, 7) == code;
    sqlite3_column_text(row, 8);
    sqlite3_reset(row);
    sqlite3_stmt* item =
        db_.statement("INSERT OR REPLACE INTO PRACTICE_ITEM (BANK, MODE, SCOPE, POS, DIGEST, MARK) "
                      "VALUES ('B2', 1, '', ?, ?, ?)");
    sqlite3_bind_int(item, 1, int(position_) + 1);
    sqlite3_bind_int64(item, 2, digest);
    sqlite3_bind_int(item, 3, code);
    run(item);
    sqlite3_stmt* state = db_.statement("UPDATE PRACTICE_STATE SET POSITION = ?, SAVED_AT = ? "
                                        "WHERE BANK = 'B2' AND MODE = 1 AND SCOPE = ''");
    sqlite3_bind_int(state, 1, int(position_) + 1);
    sqlite3_bind_int64(state, 2, now());
    run(state);
    ChapterSums sums;
    tally(sums, recordAnswer(db_, digest, right), right);
    addToChapter(db_, chapter, sums);
    db_.exec("COMMIT;");
    ++answered_;
    right_ += right ? 1 : 0;
    position_ = std::min(position_ + 1, ids_.size() - 1);
    sqlite3_stmt* next =
        db_.statement("SELECT ANSWER, MARK, TP, STNR, DA1, DA2, DA3, DA4 FROM B2 WHERE ID = ?");
    sqlite3_bind_int(next, 1, ids_[position_]);
    sqlite3_step(next);
    for (int column = 2; column < 8; ++column)
        sqlite3_column_text(next, column);
    sqlite3_reset(next);
}

void floorPaperAnswer(FloorDb& db, int id, int code) {
    sqlite3_stmt* store = db.statement("UPDATE B2 SET MARK = ? WHERE ID = ?");
    const QByteArray literal = QByteArray::number(code);
    sqlite3_bind_text(store, 1, literal.constData(), int(literal.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(store, 2, id);
    run(store);
}

int floorHandIn(FloorDb& db) {
    db.exec("BEGIN IMMEDIATE;");
    sqlite3_stmt* paper =
        db.statement("SELECT b.STNR, b.DA1, b.DA2, b.DA3, b.DA4, b.TP, b.STZLB1, b.ANSWER, b.MARK "
                     "FROM S_MARK a JOIN B2 b ON b.ID = a.EXAMID");
    struct Answered {
        qint64 digest;
        int chapter;
        bool right;
    };
    std::vector<Answered> answers;
    std::map<int, std::pair<int, int>> chapters;
    int score = 0, questions = 0;
    while (sqlite3_step(paper) == SQLITE_ROW) {
        const int chapter = sqlite3_column_int(paper, 6);
        const int mark = sqlite3_column_int(paper, 8);
        const bool right = sqlite3_column_int(paper, 7) == mark;
        ++questions;
        score += right ? 1 : 0;
        auto& [inChapter, rightInChapter] = chapters[chapter];
        ++inChapter;
        rightInChapter += right ? 1 : 0;
        if (mark != 5)
            answers.push_back({digestAt(paper, 0), chapter, right});
    }
    sqlite3_reset(paper);
    const QByteArray at = QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8();
    sqlite3_stmt* record = db.statement(
        "INSERT INTO PAPER_RECORD (STARTED, HANDED_IN, BANK, EXAM_MODE, MINUTES, SECONDS_USED, "
        "QUESTIONS, RIGHT_ANSWERS, SCORE, PASSED) VALUES (?1, ?1, 'B2', 1, 45, 0, ?2, ?3, ?3, ?4)");
    sqlite3_bind_text(record, 1, at.constData(), int(at.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(record, 2, questions);
    sqlite3_bind_int(record, 3, score);
    sqlite3_bind_int(record, 4, score >= 90 ? 1 : 0);
    run(record);
    const long long paperId = sqlite3_last_insert_rowid(db.handle());
    sqlite3_stmt* chapterRow = db.statement("INSERT INTO PAPER_CHAPTER (PAPER_ID, STZLB1, "
                                            "QUESTIONS, RIGHT_ANSWERS) VALUES (?, ?, ?, ?)");
    for (const auto& [chapter, figures] : chapters) {
        sqlite3_bind_int64(chapterRow, 1, paperId);
        sqlite3_bind_int(chapterRow, 2, chapter);
        sqlite3_bind_int(chapterRow, 3, figures.first);
        sqlite3_bind_int(chapterRow, 4, figures.second);
        run(chapterRow);
    }
    std::map<int, ChapterSums> sums;
    for (const Answered& answer : answers)
        tally(sums[answer.chapter], recordAnswer(db, answer.digest, answer.right), answer.right);
    for (const auto& [chapter, chapterSums] : sums)
        addToChapter(db, chapter, chapterSums);
    db.exec("COMMIT;");
    // The start panel's chance of passing reads the bank's model back.
    sqlite3_stmt* model = db.statement("SELECT DIGEST, STABILITY, DIFFICULTY, LAST_REVIEW, REPS, "
                                       "LAPSES FROM MEMORY_STATE WHERE BANK = 'B2'");
    while (sqlite3_step(model) == SQLITE_ROW)
        sqlite3_column_double(model, 1);
    sqlite3_reset(model);
    sqlite3_stmt* chapterModel =
        db.statement("SELECT STZLB1, FIRST_ANSWERS, FIRST_RIGHT, LATER_ANSWERS, LATER_RIGHT, "
                     "LATER_EXPECTED FROM MEMORY_CHAPTER WHERE BANK = 'B2'");
    while (sqlite3_step(chapterModel) == SQLITE_ROW)
        sqlite3_column_int(chapterModel, 1);
    sqlite3_reset(chapterModel);
    return score;
}
