#pragma once

#include "data/row_values.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class AdoConnection;
class SqliteDatabase;

// One column of the current record.
using AdoField = FieldValue;

// A statement holder in the manner of an ADO query: the text is set whole or line by line;
// open() runs a SELECT and keeps its rows as they were at that moment, execSql() runs
// anything else. Values from outside the program go in through bind(), never into the text;
// setting or clearing the text drops the values bound so far.
class AdoQuery {
public:
    explicit AdoQuery(AdoConnection* connection = nullptr) : connection_(connection) {}

    void setConnection(AdoConnection* connection) { connection_ = connection; }
    AdoConnection* connection() const { return connection_; }

    QString sql() const { return sqlLines_.join(QLatin1Char('\n')); }
    void setSql(const QString& text);
    void addSql(const QString& line) { sqlLines_.append(line); }
    void clearSql();
    // Binds the value of the `position`th "?" of the statement, counted from 1.
    void bind(int position, const QVariant& value);

    void open();
    void close();
    // Returns the number of rows the statement inserted, changed or deleted.
    int execSql();
    bool active() const { return active_; }

    void first();
    void next();
    void prior();
    bool eof() const;
    bool bof() const;
    int recordCount() const;
    // 1-based number of the current record; 0 when there is none.
    int recNo() const;

    AdoField fieldByName(const QString& name) const;

private:
    void requireActive() const;
    // The column's index in the open statement; throws DbError when there is no such column.
    qsizetype columnIndex(const QString& name) const;

    AdoConnection* connection_;
    QStringList sqlLines_;
    std::vector<std::pair<int, QVariant>> bindings_;
    bool active_ = false;
    QStringList columns_;
    std::vector<std::vector<QVariant>> rows_;
    int current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};

// Everything between construction and commit() happens as a whole or not at all: a
// transaction left without commit(), by an exception or an early return, is rolled back.
class Transaction {
public:
    explicit Transaction(SqliteDatabase& database);
    explicit Transaction(AdoConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteDatabase& database_;
    bool open_ = true;
};
