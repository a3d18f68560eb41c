#include "data/database_lock.h"

#include <QDir>
#include <QFileInfo>

DatabaseLock::DatabaseLock(const QString& databasePath)
    : databasePath_(databasePath), lockFilePath_(lockFilePathFor(databasePath)),
      lock_(std::make_unique<QLockFile>(lockFilePath_)) {
    // Age alone must never make a lock stale: the program holds it for as long as a learner
    // practises. Only a holder that no longer runs lets it go.
    lock_->setStaleLockTime(0);
    // QLockFile judges staleness by the pid and the name written in the file, and gives up when
    // that file is empty (its writer was killed between creating and filling it) or when its
    // own guard file was left behind by a killed process. A live holder keeps a native lock on
    // the file, which removeStaleLockFile() respects: when it succeeds, nobody held it.
    if (lock_->tryLock(0) || (lock_->error() == QLockFile::LockFailedError &&
                              lock_->removeStaleLockFile() && lock_->tryLock(0))) {
        status_ = Status::Locked;
        return;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        status_ = Status::HeldByProgram;
        QString host;
        if (!lock_->getLockInfo(&holderPid_, &host, &holderName_)) {
            // The holder is between creating the file and writing its pid.
            holderPid_ = 0;
            holderName_.clear();
        }
        return;
    }
    status_ = Status::CannotCreate;
    const QFileInfo folder(QFileInfo(lockFilePath_).absolutePath());
    if (!folder.exists())
        cause_ = QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    else if (!folder.isWritable())
        cause_ = QStringLiteral("the folder %1 is read-only").arg(folder.filePath());
    else
        cause_ = QStringLiteral("the lock file %1 cannot be written (disk full or no permission)")
                     .arg(lockFilePath_);
}

DatabaseLock::~DatabaseLock() {
    if (status_ == Status::Locked)
        lock_->unlock();
}

QString DatabaseLock::reason() const {
    switch (status_) {
    case Status::Locked:
        return QString();
    case Status::HeldByProgram:
        if (holderPid_ > 0)
            return QStringLiteral("%1 is in use by a running %2 (pid %3); close it first")
                .arg(databasePath_, holderName_.isEmpty() ? QStringLiteral("program") : holderName_)
                .arg(holderPid_);
        return QStringLiteral("%1 is in use by another program (lock file %2); close it first")
            .arg(databasePath_, lockFilePath_);
    case Status::CannotCreate:
        return QStringLiteral("%1 cannot be locked for writing: %2").arg(databasePath_, cause_);
    }
    return QString();
}

QString DatabaseLock::lockFilePathFor(const QString& databasePath) {
    const QFileInfo info(databasePath);
    const QString canonical = info.canonicalFilePath();
    return (canonical.isEmpty() ? info.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}
