#pragma once

class SqliteDatabase;

// Everything between construction and commit() happens as a whole or not at all: a
// transaction left without commit(), by an exception or an early return, is rolled back.
// Opened inside another, it is a part of that one: its commit() keeps its work for the outer
// commit, and leaving it without commit() rolls back its work only.
class Transaction {
public:
    explicit Transaction(SqliteDatabase& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteDatabase& database_;
    bool open_ = true;
    bool nested_ = false;
};
