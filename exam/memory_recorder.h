#pragma once

#include <QDateTime>
#include <QString>

class SqliteDatabase;

// A question as the memory model knows it across re-imports.
struct RememberedQuestion {
    QString digest; // empty: no such question
    int chapter = 0;
    bool trueFalse = false;
};

// The question that holds `id` in the bank table now.
RememberedQuestion rememberedQuestion(SqliteDatabase& database, const QString& bankTable, int id);

// Feeds one answer to the question's memory model and to its chapter's evidence; the caller
// holds the transaction that also stores the answer.
void recordAnswerInMemory(SqliteDatabase& database, const QString& bank,
                          const RememberedQuestion& question, bool right, const QDateTime& now);
