#include "data/record_figures.h"

#include "data/db_error.h"
#include "data/sqlite_database.h"

#include <QList>

#include <limits>

namespace {

// A paper's row is sound when every figure is a whole number in its range. Text that reads as
// a number already became one through the columns' integer affinity when it was written.
const QString kSoundPaper = QStringLiteral(
    "BANK IN ('C', 'B2') AND typeof(EXAM_MODE) = 'integer' AND EXAM_MODE IN (1, 10) "
    "AND typeof(MINUTES) = 'integer' AND MINUTES BETWEEN 0 AND 100000 "
    "AND typeof(SECONDS_USED) = 'integer' AND SECONDS_USED BETWEEN 0 AND 100000000 "
    "AND typeof(QUESTIONS) = 'integer' AND QUESTIONS BETWEEN 0 AND 100000 "
    "AND typeof(RIGHT_ANSWERS) = 'integer' AND RIGHT_ANSWERS BETWEEN 0 AND QUESTIONS "
    "AND typeof(SCORE) = 'integer' AND SCORE BETWEEN 0 AND 100 "
    "AND typeof(PASSED) = 'integer' AND PASSED IN (0, 1) "
    "AND typeof(HANDED_IN) = 'text' AND julianday(HANDED_IN) IS NOT NULL");
const QString kSoundChapter = QStringLiteral(
    "typeof(STZLB1) = 'integer' AND STZLB1 BETWEEN 1 AND 1000 "
    "AND typeof(QUESTIONS) = 'integer' AND QUESTIONS BETWEEN 0 AND 100000 "
    "AND typeof(RIGHT_ANSWERS) = 'integer' AND RIGHT_ANSWERS BETWEEN 0 AND QUESTIONS");
const QString kNewestFirst = QStringLiteral(" ORDER BY HANDED_IN DESC, ID DESC");

qint64 checkedWhole(const QVariant& value, qint64 least, qint64 most) {
    if (value.typeId() != QMetaType::LongLong)
        throw DbError(QStringLiteral("学习记录中有一个数值不是整数。"));
    const qint64 whole = value.toLongLong();
    if (whole < least || whole > most)
        throw DbError(QStringLiteral("学习记录中有一个数值超出范围：%1").arg(whole));
    return whole;
}

int checkedInt(const QVariant& value, qint64 least = 0,
               qint64 most = std::numeric_limits<int>::max()) {
    return int(checkedWhole(value, least, most));
}

qint64 countOf(SqliteDatabase& database, const QString& sql, const QVariantList& values = {}) {
    SqliteStatement select(database, sql);
    int index = 0;
    for (const QVariant& value : values)
        select.bind(++index, value);
    select.step();
    return checkedWhole(select.value(0), 0, std::numeric_limits<qint64>::max());
}

} // namespace

QString newestPaperBank(SqliteDatabase& database) {
    // Each bank's newest through the index, rather than every paper sorted.
    PaperLine newest;
    for (const QString& bank : {QStringLiteral("C"), QStringLiteral("B2")}) {
        const std::vector<PaperLine> papers = newestPapers(database, bank, {0, 1});
        if (!papers.empty() &&
            (newest.bank.isEmpty() || papers[0].handedIn > newest.handedIn ||
             (papers[0].handedIn == newest.handedIn && papers[0].id > newest.id)))
            newest = papers[0];
    }
    return newest.bank;
}

qint64 soundPaperCount(SqliteDatabase& database, const QString& bank) {
    return countOf(
        database,
        QStringLiteral("SELECT count(*) FROM PAPER_RECORD NOT INDEXED WHERE BANK = ? AND ") +
            kSoundPaper,
        {bank});
}

std::vector<PaperLine> newestPapers(SqliteDatabase& database, const QString& bank,
                                    const PaperPage& page, int examMode) {
    // Both banks: a second BANK = ? that always holds, so one statement serves both ways and
    // one bank's reading can still walk the index.
    const bool oneBank = !bank.isEmpty();
    SqliteStatement select(
        database,
        QStringLiteral("SELECT ID, HANDED_IN, BANK, EXAM_MODE, MINUTES, SECONDS_USED, QUESTIONS, "
                       "RIGHT_ANSWERS, SCORE, PASSED, STARTED FROM PAPER_RECORD WHERE ") +
            (oneBank ? QStringLiteral("BANK = ?") : QStringLiteral("? IS NULL")) +
            QStringLiteral(" AND (? = 0 OR EXAM_MODE = ?) AND ") + kSoundPaper + kNewestFirst +
            QStringLiteral(" LIMIT ? OFFSET ?"));
    select.bind(1, oneBank ? QVariant(bank) : QVariant());
    select.bind(2, examMode);
    select.bind(3, examMode);
    select.bind(4, page.count);
    select.bind(5, page.offset);
    std::vector<PaperLine> papers;
    while (select.step()) {
        PaperLine paper;
        paper.id = select.value(0).toLongLong();
        paper.handedIn = QDateTime::fromString(select.value(1).toString(), Qt::ISODate);
        paper.bank = select.value(2).toString();
        paper.examMode = checkedInt(select.value(3));
        paper.minutes = checkedInt(select.value(4));
        paper.secondsUsed = checkedInt(select.value(5));
        paper.questions = checkedInt(select.value(6));
        paper.right = checkedInt(select.value(7));
        paper.score = checkedInt(select.value(8), 0, 100);
        paper.passed = checkedInt(select.value(9), 0, 1) == 1;
        paper.started = QDateTime::fromString(select.value(10).toString(), Qt::ISODate);
        papers.push_back(paper);
    }
    return papers;
}

std::vector<ChapterSum> chapterSums(SqliteDatabase& database, const QString& bank, int papers) {
    // At most `papers` × 100,000 questions a chapter: far inside 64 bits, so the sums in SQL
    // cannot overflow.
    SqliteStatement select(
        database, QStringLiteral("SELECT c.STZLB1, sum(c.QUESTIONS), sum(c.RIGHT_ANSWERS) "
                                 "FROM PAPER_CHAPTER c JOIN (SELECT ID FROM PAPER_RECORD "
                                 "WHERE BANK = ? AND ") +
                      kSoundPaper + kNewestFirst +
                      QStringLiteral(" LIMIT ?) p ON c.PAPER_ID = p.ID WHERE ") + kSoundChapter +
                      QStringLiteral(" GROUP BY c.STZLB1 ORDER BY c.STZLB1"));
    select.bind(1, bank);
    select.bind(2, papers);
    std::vector<ChapterSum> sums;
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    while (select.step())
        sums.push_back({checkedInt(select.value(0), 1, 1000),
                        checkedWhole(select.value(1), 0, most),
                        checkedWhole(select.value(2), 0, most)});
    return sums;
}

DamagedRows damagedRows(SqliteDatabase& database) {
    DamagedRows damaged;
    damaged.papers =
        countOf(database, QStringLiteral("SELECT count(*) FROM PAPER_RECORD NOT INDEXED "
                                         "WHERE NOT coalesce(") +
                              kSoundPaper + QStringLiteral(", 0)"));
    damaged.chapters = countOf(database, QStringLiteral("SELECT count(*) FROM PAPER_CHAPTER "
                                                        "WHERE NOT coalesce(") +
                                             kSoundChapter + QStringLiteral(", 0)"));
    return damaged;
}

qint64 bookSize(SqliteDatabase& database, const QString& bank) {
    return countOf(database, QStringLiteral("SELECT count(*) FROM WRONG_BOOK WHERE BANK = ?"),
                   {bank});
}
