#pragma once

#include <QString>

// Measurements of a whole process, each run in a fresh one by bench/run.sh.

// Peak resident memory over a whole mock exam, on the program ("program") or on the floor (a
// bare window, the keyed file and the same statements). Prints {"peak_kib": N}.
int runPeakMemory(const QString& which, const QString& database);

// The file's size before and after 20 papers with 1,000 answers, and the largest WAL seen.
int runFileGrowth(const QString& database);
