#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Claims a database for one writer: a lock file beside it, `<database>.lock`, held from
// construction to destruction. A lock left by a process that no longer runs (killed, crashed)
// is taken over; one held by a running process is not, and the holder is named.
class DatabaseLock {
public:
    enum class Status {
        Locked,        // this object holds the database
        HeldByProgram, // a running process holds it: see holderPid() and holderName()
        CannotCreate   // the lock file cannot be written (read-only folder, full disk)
    };

    explicit DatabaseLock(const QString& databasePath);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    Status status() const { return status_; }
    bool isLocked() const { return status_ == Status::Locked; }
    qint64 holderPid() const { return holderPid_; }
    QString holderName() const { return holderName_; }
    QString lockFilePath() const { return lockFilePath_; }
    // Why the lock was not taken, in English, naming the database and the holder or the cause.
    QString reason() const;

    // The same file for every spelling of the database's path (relative, through a symlink).
    static QString lockFilePathFor(const QString& databasePath);

private:
    QString databasePath_;
    QString lockFilePath_;
    std::unique_ptr<QLockFile> lock_;
    Status status_ = Status::CannotCreate;
    qint64 holderPid_ = 0;
    QString holderName_;
    QString cause_;
};
