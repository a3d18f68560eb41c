#include "data/bank_table.h"

#include "data/db_error.h"

#include <algorithm>
#include <iterator>

bool isBankTable(const QString& name) {
    return std::any_of(std::begin(kBankTables), std::end(kBankTables),
                       [&](const char* table) { return name == QLatin1String(table); });
}

QString bankTable(const QString& name) {
    if (!isBankTable(name))
        throw DbError(QStringLiteral("'%1' is not a question bank").arg(name));
    return name;
}
