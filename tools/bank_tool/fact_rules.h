#pragma once

#include "data/question_rows.h"
#include "tools/bank_tool/bank_rules.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// Every question names the fact it tests (ZSD) and one to three topics (ZT), so that no fact is
// asked twice by accident and topic practice holds every question it should.

// A fact key is a short slug: lower-case ASCII letters, digits and hyphens.
bool isFactKey(const QString& text);

// The partners' fact keys that the settled notes (YD, one a line) name; a note is the other
// question's fact key, an optional colon, a blank and the reason both stay.
QStringList settledPartners(const QuestionRow& row);

// Missing, unknown, repeated or too many topics; a missing or malformed fact key; a fact key
// shared without both questions marked as variants, or by more than two; a settled note that
// names no question of `knownFactKeys` (the fact keys of every bank, since a note on a question
// of both banks may name a truck-only partner).
std::vector<RowProblem> findFactProblems(const std::vector<QuestionRow>& rows,
                                         const QSet<QString>& knownFactKeys);

// Two questions sharing a fact key that both mark as variants: one fact asked from two sides
// on purpose, however alike they read.
bool areDeclaredVariants(const QuestionRow& left, const QuestionRow& right);

struct PairToRead {
    enum class Reason { SharedPicture, RightChoiceInStem };
    std::size_t first = 0; // for RightChoiceInStem: the question whose right choice it is
    std::size_t second = 0;
    Reason reason = Reason::SharedPicture;
};

// The right choice of a four-choice question must hold at least this many letters and digits
// to count as stated by another stem: shorter ones ("3分", "30米") turn up in stems that ask
// other rules.
inline constexpr int kMinimumStatedChoiceLength = 4;
// A right choice that stands in more stems than this is a common term ("高速公路", "非机动车"
// stand in dozens), not an answer another question gives away; on the shipped banks the
// choices in one to three stems are those worth reading.
inline constexpr int kMaxStemsStatingAChoice = 3;

// Pairs a reader should look at, since they may ask one fact twice where the wording differs:
// two questions on one picture, or a four-choice question whose right choice stands in
// another's stem. Pairs that share a fact key are left to findFactProblems; pairs one of whose
// settled notes names the other's fact key are settled and left out.
std::vector<PairToRead> findPairsToRead(const std::vector<QuestionRow>& rows);
