#pragma once

#include "data/bank_update.h"

// An installed copy works on the learner's file in the data folder, which was copied from the
// shipped database once. When a later package ships another bank, this brings it in, keeping
// the learner's rows (see bringInShippedBank). A portable copy, or a learner's file that is
// already up to date, is left alone. Errors are thrown; the old file then stays as it was.
BankUpdate bringInNewerShippedBank();
