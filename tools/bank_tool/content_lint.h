#pragma once

#include "data/question_rows.h"

#include <QString>

#include <vector>

// Teaching-quality checks on question content: a question that gives its answer away teaches
// nothing, and two questions testing one fact with the same choices waste a paper's slots.

// Why the question gives its answer away, or an empty string when it does not: the stem holds
// the right choice's text or a part of it that no other choice has (a number, a name), or a
// picture question's stem describes what the picture shows.
QString giveawayReason(const QuestionRow& row);

// The letters, digits and CJK characters of a text: punctuation and blanks say nothing about
// content.
QString contentCharacters(const QString& text);

// The mean of the character and character-pair Jaccard similarities of two texts, ignoring
// punctuation and blanks: 1 for the same words, 0 for nothing in common.
double textSimilarity(const QString& left, const QString& right);

struct NearDuplicate {
    std::size_t first = 0; // indexes into the rows checked, first < second
    std::size_t second = 0;
    double similarity = 0;
};

// Questions at or above this similarity, in both the stem and the right choice, read as one
// fact asked twice. Measured on the shipped banks: before their review, the closest pairs that
// test different rules ("…按规定减速、停车、避让行人的…" against "…不按规定避让校车的…", both
// "3分") reached 0.54–0.57, and a stem reworded by moving a clause kept 0.63 of its wording.
// It measures wording, not meaning: two rules written alike can pass it (the banks then word
// them apart, so that each reads as a question of its own), and a rule rewritten in new words
// can slip under it; the reading of each chapter against its rules covers what it misses.
inline constexpr double kNearDuplicateThreshold = 0.6;

// Pairs of questions that test one fact twice: the same picture with the same right choice, or
// stems and right choices alike at `threshold` or more with the same numbers in both. True/false
// questions need the same answer and stems alike by 0.1 more, since they have no choices to
// compare. Questions with two different pictures are never paired.
std::vector<NearDuplicate> findNearDuplicates(const std::vector<QuestionRow>& rows,
                                              double threshold = kNearDuplicateThreshold);
