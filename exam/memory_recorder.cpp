#include "exam/memory_recorder.h"

#include "data/memory_table.h"
#include "exam/memory_model.h"

void recordAnswerInMemory(SqliteDatabase& database, const QString& bank, const QString& digest,
                          bool right, const QDateTime& now) {
    if (digest.isEmpty())
        return;
    const MemoryState state = readMemoryState(database, bank, digest).value_or(MemoryState{});
    writeMemoryState(database, bank, digest, reviewed(state, right, now));
}
