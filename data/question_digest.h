#pragma once

#include <QString>

#include <optional>
#include <vector>

class SqliteDatabase;

// Every question's digest (learning_record.h), kept in QUESTION_DIGEST beside the bank tables
// with the chapter and kind the learner's passes need: a pass that joins the learner's rows to
// a bank reads this compact table instead of every question's texts. Triggers on the bank
// tables drop a question's row when whatever writes the bank (a re-import, an edit by hand)
// changes what the digest is made of; the first pass that finds rows missing computes them.

// Creates the table, its index and the triggers when missing; safe on every open. A bank whose
// triggers went missing (its table dropped and made again) loses its rows first, for nothing
// kept them honest meanwhile.
void createDigestTable(SqliteDatabase& database);

// Writes the rows every question of both banks lacks; the caller holds the transaction (a new
// file's, so that it ships complete).
void writeMissingDigests(SqliteDatabase& database);

struct DigestRow {
    qint64 id = 0;        // a hand-edited file may hold any 64-bit id
    qint64 digestKey = 0; // as the record's tables store it
    int chapter = 0;      // STZLB1
    qint64 kind = 0;      // STLX: 1 true/false, 2 four choices
};

// Every question of a bank table in id order. Missing digests are computed from the texts and
// written in one commit of their own; a handle that cannot write them (read-only, inside a
// transaction, or a file without the table) gets them computed for this pass alone.
std::vector<DigestRow> readDigestRows(SqliteDatabase& database, const QString& bankTable);

// The digest key of each id's question, in the ids' order; nullopt for an id not in the bank.
std::vector<std::optional<qint64>>
digestKeysOfIds(SqliteDatabase& database, const QString& bankTable, const std::vector<int>& ids);

// The lowest id holding each digest key, in the keys' order; keys not in the bank are skipped.
std::vector<int> idsOfDigestKeys(SqliteDatabase& database, const QString& bankTable,
                                 const std::vector<qint64>& keys);
