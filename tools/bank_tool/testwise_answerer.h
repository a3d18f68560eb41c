#pragma once

#include "data/question_rows.h"

#include <vector>

// An answerer that knows no traffic law and picks the choice a test-wise guesser would: the
// longest, the careful-sounding, the one without absolutes, the one that echoes the stem. A bank
// whose wrong choices are as plausible as its right ones holds it near chance (25 %). The
// content writers' script (bank_lint.py) scores the same way, so both give one number. Per
// choice, in half points:
//   +4 if it is the uniquely longest choice, +2 if it shares the greatest length
//   +2 per safety word it contains (each word counted once)
//   -4 per absolute or careless word it contains
//   +1 per pair of neighbouring characters it shares with the stem, at most 4 pairs
// The highest score wins; a tie goes to the earlier choice. Lengths and pairs count every
// character, punctuation included, as the script does.

// The index (0 for A to 3 for D) the answerer picks; -1 for a question without four choices.
int testwiseChoice(const QuestionRow& row);

struct TestwiseTally {
    int chapter = 0; // 0 for the whole bank
    int fourChoice = 0;
    int hits = 0;         // the answerer picked the right choice
    int longestRight = 0; // the uniquely longest choice is the right one
};

// One tally per chapter in chapter order, then the whole bank (chapter 0).
std::vector<TestwiseTally> tallyTestwiseAnswerer(const std::vector<QuestionRow>& rows);
