#pragma once

#include <QString>

// The table of the current question bank, "B2" or "C"; written by the main window's creation
// and its examination-type menu only.
extern QString BankName;

// BankName, checked, for splicing into a statement; throws DbError if it names anything but
// a bank table.
QString currentBankTable();
