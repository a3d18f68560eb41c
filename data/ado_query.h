#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class AdoConnection;

// One column of the current record.
class AdoField {
public:
    AdoField(QString name, QVariant value) : name_(std::move(name)), value_(std::move(value)) {}
    // NULL reads as 0; text that is not a whole number throws DbError.
    int asInteger() const;
    // NULL reads as empty text.
    QString asString() const;
    bool isNull() const { return value_.isNull(); }

private:
    QString name_;
    QVariant value_;
};

// A statement holder in the manner of an ADO query: the text is set whole or line by line;
// open() runs a SELECT and keeps its rows as they were at that moment, execSql() runs
// anything else.
class AdoQuery {
public:
    explicit AdoQuery(AdoConnection* connection = nullptr) : connection_(connection) {}

    void setConnection(AdoConnection* connection) { connection_ = connection; }
    AdoConnection* connection() const { return connection_; }

    QString sql() const { return sqlLines_.join(QLatin1Char('\n')); }
    void setSql(const QString& text);
    void addSql(const QString& line) { sqlLines_.append(line); }
    void clearSql() { sqlLines_.clear(); }

    void open();
    void close();
    void execSql();
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

    AdoConnection* connection_;
    QStringList sqlLines_;
    bool active_ = false;
    QStringList columns_;
    std::vector<std::vector<QVariant>> rows_;
    int current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};
