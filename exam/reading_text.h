#pragma once

#include <QString>
#include <QStringList>

// What is said for what is shown: numbers, units and letters in words, brackets and full-width
// punctuation as pauses, and pinyin where the voice's dictionary would misread a polyphone or
// miss a tone change. The result is meant for the pinyin voice, not for the screen.
QString readingText(const QString& shown);

// A question and its choices as one reading: the stem, then "A，…；B，…" for each choice that
// is not empty. A choice that already starts with its letter is not given it twice.
QString questionReadingText(const QString& stem, const QStringList& choices);

// The reading cut after each sentence or clause end, so the first part can be synthesised and
// playing while the rest is prepared; pieces keep their punctuation.
QStringList readingSentences(const QString& reading);
