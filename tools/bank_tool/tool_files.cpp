#include "tools/bank_tool/tool_files.h"

#include "data/database_lock.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>
#include <sys/stat.h>

namespace {

[[noreturn]] void fail(const QString& path, const QString& cause) {
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, cause).toStdString());
}

QString kindOf(const QFileInfo& info) {
    if (info.isDir())
        return QStringLiteral("a folder");
    struct stat status {};
    if (::stat(QFile::encodeName(info.filePath()).constData(), &status) == 0) {
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return QStringLiteral("a device");
        if (S_ISFIFO(status.st_mode))
            return QStringLiteral("a pipe");
        if (S_ISSOCK(status.st_mode))
            return QStringLiteral("a socket");
    }
    return QStringLiteral("something other than a regular file");
}

bool sameFile(const QString& left, const QString& right) {
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(left).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(right).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

QByteArray readInputFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists())
        fail(path, QStringLiteral("cannot read: no such file"));
    if (!info.isFile())
        fail(path, QStringLiteral("cannot read: it is %1; a bank file must be a regular file")
                       .arg(kindOf(info)));
    if (info.size() > limit)
        fail(path, QStringLiteral("cannot read: the file holds %1 bytes, more than the %2 a "
                                  "bank file may hold")
                       .arg(info.size())
                       .arg(limit));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot read: %1").arg(file.errorString()));
    // The file may have grown since it was looked at: never read past the limit.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        fail(path, QStringLiteral("cannot read: the file is larger than the %1 bytes a bank file "
                                  "may hold")
                       .arg(limit));
    if (file.error() != QFile::NoError)
        fail(path, QStringLiteral("cannot read: %1").arg(file.errorString()));
    return bytes;
}

void writeExportFile(const QString& path, const QByteArray& bytes, const QString& databasePath) {
    const QFileInfo target(path);
    const QStringList companions = {databasePath, databasePath + QStringLiteral("-journal"),
                                    databasePath + QStringLiteral("-wal"),
                                    DatabaseLock::lockFilePathFor(databasePath)};
    for (const QString& companion : companions) {
        const QFileInfo other(companion);
        const bool sameName = !target.canonicalFilePath().isEmpty() &&
                              target.canonicalFilePath() == other.canonicalFilePath();
        if (sameName || target.absoluteFilePath() == other.absoluteFilePath() ||
            sameFile(path, companion))
            fail(path, QStringLiteral("cannot write: it is the database being exported (%1); "
                                      "name another file")
                           .arg(companion));
    }
    if (target.exists() && !target.isFile())
        fail(path, QStringLiteral("cannot write: it is %1; the export writes a regular file only")
                       .arg(kindOf(target)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, QStringLiteral("cannot write: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(path, QStringLiteral("cannot write: %1").arg(file.errorString()));
}
