#include "data/row_values.h"

#include "data/db_error.h"
#include "data/sqlite_database.h"

#include <cmath>
#include <limits>

int FieldValue::asInteger() const {
    switch (value_.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong: {
        const qint64 number = value_.toLongLong();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(number));
        return int(number);
    }
    case QMetaType::Double: {
        const double number = std::round(value_.toDouble());
        if (!(number >= std::numeric_limits<int>::min() &&
              number <= std::numeric_limits<int>::max()))
            throw DbError(
                QStringLiteral("'%1' is not a valid integer value").arg(value_.toDouble()));
        return int(number);
    }
    default: {
        const QString text = value_.toString();
        bool ok = false;
        const int number = text.trimmed().toInt(&ok);
        if (!ok)
            throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        return number;
    }
    }
}

QString FieldValue::asString() const {
    if (value_.isNull())
        return QString();
    return value_.toString();
}

FieldValue fieldAt(const SqliteStatement& row, int column) {
    return FieldValue(row.value(column));
}

int columnNamed(const SqliteStatement& row, const QString& name) {
    for (int column = 0; column < row.columnCount(); ++column) {
        if (row.columnName(column).compare(name, Qt::CaseInsensitive) == 0)
            return column;
    }
    throw DbError(QStringLiteral("Field '%1' not found").arg(name));
}

void throwNoCurrentRecord() {
    throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                 "deleted. Requested operation requires a current record"));
}
