#include "data/write_target_guard.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

struct Companion {
    QString suffix;
    QString what;
};

// SQLite names its companions after the path it was given, so each is looked for beside every
// spelling of the database.
const Companion kCompanions[] = {
    {QString(), QStringLiteral("正在使用的题库文件")},
    {QStringLiteral("-journal"), QStringLiteral("题库的回滚日志文件")},
    {QStringLiteral("-wal"), QStringLiteral("题库的预写日志文件")},
    {QStringLiteral("-shm"), QStringLiteral("题库的共享内存文件")},
    {QStringLiteral(".lock"), QStringLiteral("题库的锁文件")},
    {QStringLiteral("-clean"), QStringLiteral("题库的正常关闭记录")},
};

bool statOf(const QString& path, struct stat& status) {
    return ::stat(QFile::encodeName(path).constData(), &status) == 0;
}

// The folder resolved, the name kept: two spellings of a file that need not exist yet.
QString resolvedName(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool sameFile(const QString& target, const QString& companion) {
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(companion).absoluteFilePath() ||
        resolvedName(target) == resolvedName(companion))
        return true;
    struct stat a {};
    struct stat b {};
    return statOf(target, a) && statOf(companion, b) && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// Where a write to `target` lands: through a symlink (dangling ones too, which QSaveFile would
// follow), else the path itself.
QString landingPlace(const QString& target) {
    QString place = target;
    for (int hop = 0; hop < 16 && QFileInfo(place).isSymLink(); ++hop)
        place = QFileInfo(place).symLinkTarget();
    return place;
}

QString kindOf(const QString& path) {
    struct stat status {};
    if (!statOf(path, status) || S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("一个文件夹");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("一个管道");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QStringLiteral("一个设备");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("一个套接字");
    return QStringLiteral("一个特殊文件");
}

QString refusal(const QString& why) {
    return QStringLiteral("它是%1，请另选一个文件名").arg(why);
}

} // namespace

QString refusedWriteTarget(const WriteRequest& request) {
    const QString& target = request.target;
    const QString& databasePath = request.databasePath;
    const QString place = landingPlace(target);
    if (!databasePath.isEmpty()) {
        // The database's own canonical name as well: the program may have opened it through a
        // symlink, and SQLite then keeps its log beside the link.
        QStringList databases{databasePath};
        const QString canonical = QFileInfo(databasePath).canonicalFilePath();
        if (!canonical.isEmpty() && canonical != databasePath)
            databases.append(canonical);
        for (const Companion& companion : kCompanions) {
            for (const QString& database : databases) {
                if (sameFile(target, database + companion.suffix) ||
                    sameFile(place, database + companion.suffix))
                    return refusal(companion.what);
            }
        }
    }
    const QString kind = kindOf(target);
    if (!kind.isEmpty())
        return refusal(kind);
    return QString();
}
