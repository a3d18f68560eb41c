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

std::optional<MemoryState> readMemoryState(SqliteDatabase& database, const QString& bank,
                                           const QString& digest) {
    SqliteStatement select(
        database, QStringLiteral("SELECT STABILITY, DIFFICULTY, LAST_REVIEW, REPS, "
                                 "LAPSES FROM MEMORY_STATE WHERE BANK = ? AND DIGEST = ?"));
    select.bind(1, bank);
    select.bind(2, digestKey(digest));
    if (!select.step())
        return std::nullopt;
    return stateFrom(select, 0);
}

void writeMemoryState(SqliteDatabase& database, const QString& bank, const QString& digest,
                      const MemoryState& state) {
    SqliteStatement upsert(database,
                           QStringLiteral("INSERT OR REPLACE INTO MEMORY_STATE (BANK, DIGEST, "
                                          "STABILITY, DIFFICULTY, LAST_REVIEW, REPS, LAPSES) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    upsert.bind(1, bank);
    upsert.bind(2, digestKey(digest));
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
