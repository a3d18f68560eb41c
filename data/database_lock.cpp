#include "data/database_lock.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

int openForLock(const QString& path, int extraFlags) {
    // Non-blocking, so that a pipe in the database's place cannot hold the program at the open.
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | extraFlags);
}

int lockNow(int descriptor) {
    int rc = 0;
    do
        rc = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    return rc;
}

} // namespace

DatabaseLock::DatabaseLock(const QString& databasePath) : databasePath_(databasePath) {
    descriptor_ = openForLock(databasePath, 0);
    if (descriptor_ < 0) {
        const int error = errno;
        const QFileInfo folder(QFileInfo(databasePath).absolutePath());
        if (error == ENOENT) {
            cause_ = QStringLiteral("the file does not exist");
            chineseCause_ = folder.isDir()
                                ? QStringLiteral("文件不存在")
                                : QStringLiteral("文件夹 %1 不存在").arg(folder.absoluteFilePath());
        } else if (error == EACCES || error == EPERM) {
            cause_ = QStringLiteral("the file cannot be read (no permission)");
            chineseCause_ = QStringLiteral("没有读取这个文件的权限");
        } else {
            cause_ = QString::fromLocal8Bit(std::strerror(error));
            chineseCause_ = QStringLiteral("无法打开这个文件（错误号 %1）").arg(error);
        }
        return;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        cause_ = folder ? QStringLiteral("it is a folder, not a database file")
                        : QStringLiteral("it is not a regular file");
        chineseCause_ = folder ? QStringLiteral("这是一个文件夹，不是题库文件")
                               : QStringLiteral("这不是普通文件");
        ::close(descriptor_);
        descriptor_ = -1;
        return;
    }
    if (lockNow(descriptor_) == 0) {
        status_ = Status::Locked;
        return;
    }
    const int error = errno;
    if (error == EWOULDBLOCK) {
        status_ = Status::HeldByProgram;
        findHolder(status.st_dev, status.st_ino);
    } else {
        // A file system without flock (some network shares): nothing can guard the file there.
        cause_ = QStringLiteral("its file system cannot lock files (%1)")
                     .arg(QString::fromLocal8Bit(std::strerror(error)));
        chineseCause_ = QStringLiteral("文件所在的文件系统不能加锁");
    }
    ::close(descriptor_);
    descriptor_ = -1;
}

DatabaseLock::~DatabaseLock() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

// /proc/locks names the process that took each lock; a waiting one is marked "->" and skipped.
// Without /proc (or when the holder took its lock through another namespace) nobody is named
// rather than a guess.
void DatabaseLock::findHolder(unsigned long long device, unsigned long long inode) {
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QString key = QStringLiteral("%1:%2:%3")
                            .arg(major(device), 2, 16, QLatin1Char('0'))
                            .arg(minor(device), 2, 16, QLatin1Char('0'))
                            .arg(inode);
    static const QRegularExpression line(
        QStringLiteral(R"(^\d+:\s+FLOCK\s+\S+\s+WRITE\s+(\d+)\s+(\S+)\s)"));
    // A /proc file tells no size, so it is read to its end rather than tested for one.
    const QList<QByteArray> lines = locks.readAll().split('\n');
    for (const QByteArray& text : lines) {
        const QRegularExpressionMatch match = line.match(QString::fromLatin1(text));
        if (!match.hasMatch() || match.captured(2).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        holderPid_ = match.captured(1).toLongLong();
        QFile comm(QStringLiteral("/proc/%1/comm").arg(holderPid_));
        if (comm.open(QIODevice::ReadOnly))
            holderName_ = QString::fromLocal8Bit(comm.readAll()).trimmed();
        return;
    }
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
        return QStringLiteral("%1 is in use by another program; close it first").arg(databasePath_);
    case Status::CannotLock:
        return QStringLiteral("%1 cannot be locked for writing: %2").arg(databasePath_, cause_);
    }
    return QString();
}

FolderLock::FolderLock(const QString& folder) {
    descriptor_ = openForLock(folder, O_DIRECTORY);
    if (descriptor_ < 0)
        return;
    int rc = 0;
    do
        rc = ::flock(descriptor_, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

FolderLock::~FolderLock() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}
