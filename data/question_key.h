#pragma once

#include <QString>

// A question as the learner's records know it: its bank and the digest of its text, which
// stays the same when the bank is renumbered.
struct QuestionKey {
    QString bank;
    QString digest;
};
