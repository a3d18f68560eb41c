#pragma once

#include <QString>

// Claims a database for one writer: an advisory lock (flock) on the database file itself, held
// from construction to destruction. The lock belongs to the file, not to its name, so every path
// that reaches the file (a symlink, a hard link in another folder, a bind mount, "..") meets it;
// the kernel lets it go when its holder ends, killed or not, so nothing stale is left behind.
// SQLite's own locks are fcntl byte-range locks, which on Linux never meet flock's.
class DatabaseLock {
public:
    enum class Status {
        Locked,        // this object holds the database
        HeldByProgram, // another process holds it: see holderPid() and holderName()
        CannotLock     // the database cannot be opened to lock it (missing, unreadable, no file)
    };

    explicit DatabaseLock(const QString& databasePath);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    Status status() const { return status_; }
    bool isLocked() const { return status_ == Status::Locked; }
    // The holder, when the system says who it is; 0 and empty otherwise.
    qint64 holderPid() const { return holderPid_; }
    QString holderName() const { return holderName_; }
    // Why the lock was not taken, in English, naming the database and the holder or the cause.
    QString reason() const;
    // The same, in Chinese, for the program's boxes.
    QString chineseCause() const { return chineseCause_; }

private:
    void findHolder(unsigned long long device, unsigned long long inode);

    QString databasePath_;
    int descriptor_ = -1;
    Status status_ = Status::CannotLock;
    qint64 holderPid_ = 0;
    QString holderName_;
    QString cause_;
    QString chineseCause_;
};

// Held while the first start copies the shipped database into the learner's folder, so that two
// first starts at once copy it once and neither opens a half-copied file: the second waits.
class FolderLock {
public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool isLocked() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};
