#include "exam/bank_name.h"

#include "data/question_rows.h"

QString BankName;

QString currentBankTable() {
    return bankTable(BankName);
}
