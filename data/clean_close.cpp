#include "data/clean_close.h"

#include <QFile>
#include <QSaveFile>
#include <QThread>

#include <sys/stat.h>

namespace {

struct FileState {
    bool exists = false;
    QByteArray identity; // device, inode, size and the times of the last change
    qint64 changedNs = 0;
    qint64 modifiedNs = 0;
};

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

FileState stateOf(const QString& path) {
    struct stat info {};
    FileState state;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.changedNs = nanoseconds(info.st_ctim);
    state.modifiedNs = nanoseconds(info.st_mtim);
    state.identity =
        QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino)) +
        ' ' + QByteArray::number(qint64(info.st_size)) + ' ' +
        QByteArray::number(state.modifiedNs) + ' ' + QByteArray::number(state.changedNs);
    return state;
}

bool hasLog(const QString& databasePath) {
    return QFile::exists(databasePath + QStringLiteral("-wal")) ||
           QFile::exists(databasePath + QStringLiteral("-journal"));
}

} // namespace

QString cleanCloseNotePath(const QString& databasePath) {
    return databasePath + QStringLiteral("-clean");
}

bool closedCleanly(const QString& databasePath) {
    const QString notePath = cleanCloseNotePath(databasePath);
    QFile note(notePath);
    if (!note.open(QIODevice::ReadOnly) || hasLog(databasePath))
        return false;
    const FileState file = stateOf(databasePath);
    // The file system stamps changes at a coarse tick: only a note written at a later tick
    // than the file's last change proves that a change after it would show in the times.
    return file.exists && note.readAll().trimmed() == file.identity &&
           stateOf(notePath).modifiedNs > file.changedNs;
}

void forgetCleanClose(const QString& databasePath) {
    QFile::remove(cleanCloseNotePath(databasePath));
}

void noteCleanClose(const QString& databasePath) {
    if (hasLog(databasePath))
        return;
    const FileState file = stateOf(databasePath);
    if (!file.exists)
        return;
    const QString notePath = cleanCloseNotePath(databasePath);
    // A note stamped in the same tick as the file's last change would prove nothing; a few
    // milliseconds later it does. On a file system with whole-second times it gives up.
    for (int attempt = 0; attempt < 4; ++attempt) {
        QSaveFile note(notePath);
        if (!note.open(QIODevice::WriteOnly))
            return;
        note.write(file.identity + '\n');
        if (!note.commit())
            return;
        if (stateOf(notePath).modifiedNs > file.changedNs)
            return;
        QThread::msleep(5);
    }
    QFile::remove(notePath);
}
