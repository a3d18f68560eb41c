#pragma once

class SqliteDatabase;

// Everything between construction and commit() happens as a whole or not at all: a
// transaction left without commit(), by an exception or an early return, is rolled back.
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
};
