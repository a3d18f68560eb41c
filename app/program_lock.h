#pragma once

#include "data/database_lock.h"

#include <QString>

#include <memory>

// Claims the exam database the program works on (see examDatabaseFolder) for this run. Nothing when
// a running program (another copy, or the bank tool writing) holds it: the learner has then been
// told so and the program must end without opening the file.
std::unique_ptr<DatabaseLock> lockExamDatabase();

// The box text for a database held by another process.
QString databaseInUseText(const DatabaseLock& lock, const QString& databasePath);
