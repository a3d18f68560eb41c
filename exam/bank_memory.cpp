#include "exam/bank_memory.h"

#include "data/question_digest.h"

#include <algorithm>

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable) {
    return readBankMemory(database, bankTable, readStoredMemories(database, bankTable));
}

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable,
                          std::vector<StoredMemory> stored) {
    BankMemory bank;
    bank.stored = std::move(stored);
    const std::vector<DigestRow> rows = readDigestRows(database, bankTable);
    bank.questions.reserve(rows.size());
    for (const DigestRow& row : rows) {
        QuestionMemory question;
        question.id = int(row.id);
        question.chapter = row.chapter;
        question.trueFalse = row.kind == 1;
        const auto found = std::lower_bound(
            bank.stored.begin(), bank.stored.end(), row.digestKey,
            [](const StoredMemory& stored, qint64 wanted) { return stored.digestKey < wanted; });
        if (found != bank.stored.end() && found->digestKey == row.digestKey && found->reps > 0)
            question.memory = &*found;
        bank.questions.push_back(question);
    }
    return bank;
}
