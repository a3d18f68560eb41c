#include "tools/bank_tool/tool_files.h"

#include "data/write_target_guard.h"

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
    const QString refused = refusedWriteTarget({path, databasePath});
    if (!refused.isEmpty())
        fail(path, QStringLiteral("cannot write: %1").arg(refused));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, QStringLiteral("cannot write: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(path, QStringLiteral("cannot write: %1").arg(file.errorString()));
}
