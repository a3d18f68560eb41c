#include "app/bank_name.h"

QString BankName;
