#pragma once

#include "app/database_place.h"
#include "data/database_lock.h"

#include <QString>

#include <memory>

// The exam database this run works on, chosen once (see chooseDatabaseFolder) and locked before
// anything reads it; from then on examDatabaseFolder names it. On an installed copy the lock is
// on the learner's copy in the data folder, the file actually opened.
class ExamDatabaseClaim {
public:
    ExamDatabaseClaim(const ProgramFolder& programFolder, const DataFolder& dataFolder);
    ~ExamDatabaseClaim();
    ExamDatabaseClaim(const ExamDatabaseClaim&) = delete;
    ExamDatabaseClaim& operator=(const ExamDatabaseClaim&) = delete;

    QString databasePath() const { return databasePath_; }
    // Null when no database could be chosen: the open then reports why.
    const DatabaseLock* lock() const { return lock_.get(); }
    bool heldByAnother() const {
        return lock_ && lock_->status() == DatabaseLock::Status::HeldByProgram;
    }

private:
    QString databasePath_;
    std::unique_ptr<DatabaseLock> lock_;
};

// Claims the exam database for this program. Nothing when a running program (another copy, or
// the bank tool writing) holds it: the learner has then been told so and the program must end
// without opening the file.
std::unique_ptr<ExamDatabaseClaim> lockExamDatabase();

// The box text for a database held by another process.
QString databaseInUseText(const DatabaseLock& lock, const QString& databasePath);
