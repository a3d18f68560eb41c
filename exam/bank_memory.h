#pragma once

#include "data/memory_table.h"

#include <QString>

#include <vector>

class SqliteDatabase;

// Every question of a bank table with the memory the learner has of it, read in one pass over
// the bank's digests and one over MEMORY_STATE: what the chance of passing, 今日复习 and the plan
// to the exam date start from.
struct QuestionMemory {
    int id = 0;
    int chapter = 0;
    bool trueFalse = false;
    const StoredMemory* memory = nullptr; // nullptr: never answered
};

struct BankMemory {
    std::vector<StoredMemory> stored;
    std::vector<QuestionMemory> questions; // in bank order
};

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable);
// With the learner's states of the bank already read (readStoredMemories).
BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable,
                          std::vector<StoredMemory> stored);
