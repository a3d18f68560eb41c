#include "data/open_failure.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// Less than this is no room for a write-ahead log and a few pages of answers.
constexpr qint64 kTooLittleRoom = qint64{1024} * 1024;

bool isChinese(const QString& text) {
    for (const QChar character : text) {
        if (character.script() == QChar::Script_Han)
            return true;
    }
    return false;
}

QString causeOf(const QFileInfo& file, const QFileInfo& folder, const QString& engineMessage) {
    if (!folder.exists())
        return QStringLiteral("文件夹不存在");
    if (!file.exists())
        return QStringLiteral("文件不存在");
    if (!file.isFile())
        return QStringLiteral("这不是一个普通文件");
    // The program's own checks already speak Chinese and name the damage.
    if (isChinese(engineMessage))
        return engineMessage;
    if (!file.isReadable())
        return QStringLiteral("没有读取这个文件的权限");
    const QStorageInfo storage(folder.absoluteFilePath());
    if (engineMessage.contains(QLatin1String("disk is full")) ||
        (storage.isValid() && storage.bytesAvailable() >= 0 &&
         storage.bytesAvailable() < kTooLittleRoom))
        return QStringLiteral("磁盘已满，请腾出空间");
    if (!file.isWritable() || engineMessage.contains(QLatin1String("readonly")))
        return QStringLiteral("文件是只读的，不能保存答题记录");
    if (!folder.isWritable())
        return QStringLiteral("文件夹不能写入（只读或没有权限），无法在文件旁建立日志文件");
    if (engineMessage.contains(QLatin1String("not a database")) ||
        engineMessage.contains(QLatin1String("malformed")))
        return QStringLiteral("文件已损坏，或不是本程序的题库");
    return QStringLiteral("无法打开这个文件");
}

} // namespace

QString describeOpenFailure(const QFileInfo& file, const QString& engineMessage) {
    const QFileInfo folder(file.absolutePath());
    return QStringLiteral("题库没有打开，无法进行这项操作。\n\n文件：%1\n文件夹：%2\n原因：%3")
        .arg(QDir::toNativeSeparators(file.absoluteFilePath()),
             QDir::toNativeSeparators(folder.absoluteFilePath()),
             causeOf(file, folder, engineMessage));
}
