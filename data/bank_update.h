#pragma once

#include <QString>

class SqliteDatabase;

struct BankUpdate {
    bool updated = false;
    QString version;         // the version of the bank brought in
    qint64 newQuestions = 0; // questions of either bank the learner's copy did not hold before
};

// Brings the bank of the shipped database into the learner's copy when the two differ: the bank
// tables (B2, C) are replaced by the shipped ones in one transaction, so a kill leaves the old
// file or the new one. The learner's rows stay: settings, record, wrong-question book and every
// other table of ours; the answers in MARK follow their questions by digest; the stored paper
// stays only if every question of it is still where it was. SYS_CFG is the shipped one unless
// the learner's counts still fit the new banks. `learner` holds no open transaction.
BankUpdate bringInShippedBank(SqliteDatabase& learner, SqliteDatabase& shipped);
