#pragma once

#include "exam/paper_result.h"

#include <QDateTime>
#include <QString>

class SqliteDatabase;

// What the lasting record keeps of the exercises on the question panel. Both run on the
// connection of the answer or hand-in they record, so that the two are written together.

// An answer stored as MARK during practice or mock practice enters or leaves the book and
// updates the question's memory model at once; a mock exam is judged only when it is handed in.
void recordAnswer(SqliteDatabase& database, const QString& bankTable, int examMode, int id,
                  bool right, const QDateTime& now);

// A handed-in paper: its row, its chapters and, for a mock exam, its answers in the book, in
// one transaction, so that a killed process leaves the whole paper or none of it.
void recordHandIn(SqliteDatabase& database, const PaperResult& result);
