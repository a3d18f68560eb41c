#include "data/memory_table.h"

#include "data/sqlite_database.h"

namespace {

// Keys and times as the wrong-question book stores them: the digest's 64 bits as one integer,
// seconds since the epoch.
QVariant digestKey(const QString& digest) {
    return QVariant(qint64(digest.toULongLong(nullptr, 16)));
}

QString digestFromKey(const QVariant& value) {
    return QStringLiteral("%1").arg(quint64(value.toLongLong()), 16, 16, QLatin1Char('0'));
}

MemoryState stateFrom(const SqliteStatement& select, int first) {
    MemoryState state;
    state.stability = select.value(first).toDouble();
    state.difficulty = select.value(first + 1).toDouble();
    const QVariant last = select.value(first + 2);
    if (!last.isNull())
        state.lastReview = QDateTime::fromSecsSinceEpoch(last.toLongLong());
    state.reps = select.value(first + 3).toInt();
    state.lapses = select.value(first + 4).toInt();
    return state;
}

} // namespace

std::optional<MemoryState> readMemoryState(SqliteDatabase& database, const QuestionKey& question) {
    SqliteStatement select(
        database, QStringLiteral("SELECT STABILITY, DIFFICULTY, LAST_REVIEW, REPS, "
                                 "LAPSES FROM MEMORY_STATE WHERE BANK = ? AND DIGEST = ?"));
    select.bind(1, question.bank);
    select.bind(2, digestKey(question.digest));
    if (!select.step())
        return std::nullopt;
    return stateFrom(select, 0);
}

void writeMemoryState(SqliteDatabase& database, const QuestionKey& question,
                      const MemoryState& state) {
    SqliteStatement upsert(database,
                           QStringLiteral("INSERT OR REPLACE INTO MEMORY_STATE (BANK, DIGEST, "
                                          "STABILITY, DIFFICULTY, LAST_REVIEW, REPS, LAPSES) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    upsert.bind(1, question.bank);
    upsert.bind(2, digestKey(question.digest));
    upsert.bind(3, state.stability);
    upsert.bind(4, state.difficulty);
    upsert.bind(5, state.lastReview.isValid() ? QVariant(state.lastReview.toSecsSinceEpoch())
                                              : QVariant());
    upsert.bind(6, state.reps);
    upsert.bind(7, state.lapses);
    upsert.step();
}

QHash<QString, MemoryState> readMemoryStates(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("SELECT DIGEST, STABILITY, DIFFICULTY, "
                                                    "LAST_REVIEW, REPS, LAPSES FROM MEMORY_STATE "
                                                    "WHERE BANK = ?"));
    select.bind(1, bank);
    QHash<QString, MemoryState> states;
    while (select.step())
        states.insert(digestFromKey(select.value(0)), stateFrom(select, 1));
    return states;
}

std::vector<StoredMemory> readStoredMemories(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("SELECT DIGEST, STABILITY, DIFFICULTY, "
                                                    "LAST_REVIEW, REPS, LAPSES FROM MEMORY_STATE "
                                                    "WHERE BANK = ? ORDER BY DIGEST"));
    select.bind(1, bank);
    std::vector<StoredMemory> states;
    while (select.step()) {
        const QVariant last = select.value(3);
        states.push_back({select.integer(0), select.value(1).toDouble(), select.value(2).toDouble(),
                          last.isNull() ? std::nullopt : std::optional<qint64>(last.toLongLong()),
                          select.value(4).toInt(), select.value(5).toInt()});
    }
    return states;
}

MemoryState memoryStateOf(const StoredMemory& stored) {
    MemoryState state;
    state.stability = stored.stability;
    state.difficulty = stored.difficulty;
    // In UTC: the same instant, without the local time zone's lookups a bank's worth of dates
    // would pay for.
    if (stored.lastReview)
        state.lastReview = QDateTime::fromSecsSinceEpoch(*stored.lastReview, Qt::UTC);
    state.reps = stored.reps;
    state.lapses = stored.lapses;
    return state;
}

void addChapterEvidence(SqliteDatabase& database, const QString& bank, int chapter, bool first,
                        bool right, double expected) {
    SqliteStatement insert(database, QStringLiteral("INSERT OR IGNORE INTO MEMORY_CHAPTER (BANK, "
                                                    "STZLB1, FIRST_ANSWERS, FIRST_RIGHT, "
                                                    "LATER_ANSWERS, LATER_RIGHT, LATER_EXPECTED) "
                                                    "VALUES (?, ?, 0, 0, 0, 0, 0.0)"));
    insert.bind(1, bank);
    insert.bind(2, chapter);
    insert.step();
    SqliteStatement update(
        database,
        first ? QStringLiteral("UPDATE MEMORY_CHAPTER SET FIRST_ANSWERS = FIRST_ANSWERS + 1, "
                               "FIRST_RIGHT = FIRST_RIGHT + ? WHERE BANK = ? AND STZLB1 = ?")
              : QStringLiteral("UPDATE MEMORY_CHAPTER SET LATER_ANSWERS = LATER_ANSWERS + 1, "
                               "LATER_RIGHT = LATER_RIGHT + ?, LATER_EXPECTED = LATER_EXPECTED "
                               "+ ? WHERE BANK = ? AND STZLB1 = ?"));
    int index = 1;
    update.bind(index++, right ? 1 : 0);
    if (!first)
        update.bind(index++, expected);
    update.bind(index++, bank);
    update.bind(index, chapter);
    update.step();
}

std::vector<ChapterEvidence> readChapterEvidence(SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("SELECT STZLB1, FIRST_ANSWERS, FIRST_RIGHT, "
                                                    "LATER_ANSWERS, LATER_RIGHT, LATER_EXPECTED "
                                                    "FROM MEMORY_CHAPTER WHERE BANK = ? "
                                                    "ORDER BY STZLB1"));
    select.bind(1, bank);
    std::vector<ChapterEvidence> chapters;
    while (select.step())
        chapters.push_back({select.value(0).toInt(), select.value(1).toInt(),
                            select.value(2).toInt(), select.value(3).toInt(),
                            select.value(4).toInt(), select.value(5).toDouble()});
    return chapters;
}

QDate readExamDate(SqliteDatabase& database) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT EXAM_DATE FROM STUDY_PLAN WHERE ID = 1"));
    if (!select.step())
        return QDate();
    return QDate::fromString(select.value(0).toString(), Qt::ISODate);
}

namespace {

// The one row is updated in place, so that setting the date keeps the count and the other way
// round.
void writePlanColumn(SqliteDatabase& database, const QString& column, const QVariant& value) {
    SqliteStatement insert(database,
                           QStringLiteral("INSERT OR IGNORE INTO STUDY_PLAN (ID) VALUES (1)"));
    insert.step();
    SqliteStatement update(database,
                           QStringLiteral("UPDATE STUDY_PLAN SET %1 = ? WHERE ID = 1").arg(column));
    update.bind(1, value);
    update.step();
}

} // namespace

void writeExamDate(SqliteDatabase& database, const QDate& date) {
    writePlanColumn(database, QStringLiteral("EXAM_DATE"),
                    date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant());
}

std::optional<qint64> readDailyCount(SqliteDatabase& database) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT DAILY_COUNT FROM STUDY_PLAN WHERE ID = 1"));
    if (!select.step())
        return std::nullopt;
    const QVariant value = select.value(0);
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

void writeDailyCount(SqliteDatabase& database, int count) {
    writePlanColumn(database, QStringLiteral("DAILY_COUNT"), count);
}
