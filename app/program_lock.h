#pragma once

#include "data/database_lock.h"

#include <QString>

#include <memory>

// Claims the exam database below `programDir` for this run of the program. Nothing when a
// running program (another copy, or the bank tool writing) holds it: the learner has then
// been told so and the program must end without opening the file.
std::unique_ptr<DatabaseLock> lockExamDatabase(const QString& programDir);

// The box text for a database held by another process.
QString databaseInUseText(const DatabaseLock& lock, const QString& databasePath);
