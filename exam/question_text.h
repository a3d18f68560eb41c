#pragma once

#include <QString>

// Removes blanks and control characters at both ends, leaving any other character.
QString trimBlanks(const QString& text);

// Puts "A" + separator in front of a choice unless it already starts with its capital letter.
// An empty third or fourth choice stays empty; an empty first or second choice gets the prefix.
QString prefixChoice(const QString& text, QChar letter, const QString& separator);

// "第 3 题   共　100 题"
QString questionTitle(int number, int total);
