#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

class SqliteDatabase;

// The record's figures as the record window and the bank tool show them, summed and limited
// in SQL so that a record of a hundred thousand papers reads as fast as one of ten. Only sound
// rows count: a row whose figures are not whole numbers within their range (NULL, text, a
// fraction, negative, huge, more right answers than questions, an unknown bank or kind of
// paper, a time that is no time) is damaged, counted apart and never summed or drawn. Every
// figure is 64 bits wide and converted with a check, so no file can make a sum wrap.

struct PaperLine {
    qint64 id = 0;
    QDateTime started;
    QDateTime handedIn;
    QString bank;
    int examMode = 0;
    int minutes = 0;
    int secondsUsed = 0;
    int questions = 0;
    int right = 0;
    int score = 0;
    bool passed = false;
};

struct ChapterSum {
    int chapter = 0;
    qint64 questions = 0;
    qint64 right = 0;
};

struct DamagedRows {
    qint64 papers = 0;
    qint64 chapters = 0;
    qint64 total() const { return papers + chapters; }
};

// The bank ("C" or "B2") of the newest sound paper; empty when there is none.
QString newestPaperBank(SqliteDatabase& database);
qint64 soundPaperCount(SqliteDatabase& database, const QString& bank);
// A page of papers: `count` of them (all when it is negative) from place `offset`.
struct PaperPage {
    qint64 offset = 0;
    int count = -1;
};
// Sound papers of `bank` (of both banks when it is empty), newest first, the page of them; with
// `examMode` other than 0 only papers of that kind.
std::vector<PaperLine> newestPapers(SqliteDatabase& database, const QString& bank,
                                    const PaperPage& page, int examMode = 0);
// Per chapter, the questions and right answers of the newest `papers` sound papers of `bank`.
std::vector<ChapterSum> chapterSums(SqliteDatabase& database, const QString& bank, int papers);
DamagedRows damagedRows(SqliteDatabase& database);
qint64 bookSize(SqliteDatabase& database, const QString& bank);
