#pragma once

#include "data/bank_source.h"

// A made-up bank of `questions` questions in four chapters, sized like the shipped paper's
// shares (42, 26, 22 and 10 in a hundred), with SYS_CFG drawing the shipped 42/26/22/10.
// Texts are as long as real ones, so pages hold as many rows as they would.
BankSources benchBankSources(int questions);

// The chapter sizes benchBankSources gives a bank of `questions` questions.
int benchChapterSize(int questions, int chapter);
