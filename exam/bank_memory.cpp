#include "exam/bank_memory.h"

#include "data/question_digest.h"

#include <QHash>

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable) {
    return readBankMemory(database, bankTable, readStoredMemories(database, bankTable));
}

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable,
                          std::vector<StoredMemory> stored) {
    BankMemory bank;
    bank.stored = std::move(stored);
    // A hash finds a question's state in a few steps where a search of the sorted states takes
    // a dozen, and the bank's questions are many.
    QHash<qint64, const StoredMemory*> memoryOf;
    memoryOf.reserve(qsizetype(bank.stored.size()));
    for (const StoredMemory& memory : bank.stored) {
        if (!memoryOf.contains(memory.digestKey))
            memoryOf.insert(memory.digestKey, &memory);
    }
    const std::vector<DigestRow> rows = readDigestRows(database, bankTable);
    bank.questions.reserve(rows.size());
    for (const DigestRow& row : rows) {
        const StoredMemory* memory = memoryOf.value(row.digestKey, nullptr);
        bank.questions.push_back({int(row.id), row.chapter, row.kind == 1,
                                  memory != nullptr && memory->reps > 0 ? memory : nullptr});
    }
    return bank;
}
