#pragma once

#include <QDateTime>
#include <QString>

class SqliteDatabase;

// Feeds one answer to the memory model of the question whose digest is given; the caller holds
// the transaction that also stores the answer. An empty digest (no such question) does nothing.
void recordAnswerInMemory(SqliteDatabase& database, const QString& bank, const QString& digest,
                          bool right, const QDateTime& now);
