#pragma once

#include <QString>
#include <QVariant>

class SqliteStatement;

// One stored value, read as the cursor-style query always read it, so that a hostile row
// reads as it always did.
class FieldValue {
public:
    explicit FieldValue(QVariant value) : value_(std::move(value)) {}
    // NULL reads as 0; text that is not a whole number throws DbError.
    int asInteger() const;
    // NULL reads as empty text.
    QString asString() const;
    bool isNull() const { return value_.isNull(); }

private:
    QVariant value_;
};

// The value in `column` of the row `row` stands on.
FieldValue fieldAt(const SqliteStatement& row, int column);
// The index of the column named `name`, in any case; throws DbError when there is none.
int columnNamed(const SqliteStatement& row, const QString& name);
// What a read of a row that is not there says.
[[noreturn]] void throwNoCurrentRecord();
