#pragma once

#include <QString>

// Bank names are spliced into SQL text, so nothing but these two may ever reach it.
inline constexpr const char* kBankTables[] = {"B2", "C"};
bool isBankTable(const QString& name);
// The name itself, for splicing; throws DbError for anything but a bank table.
QString bankTable(const QString& name);
