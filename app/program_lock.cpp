#include "app/program_lock.h"

#include "app/database_place.h"
#include "app/program_directory.h"
#include "data/connection_string.h"
#include "forms/error_report.h"
#include "forms/message_box.h"

#include <QDir>

#include <exception>

QString databaseInUseText(const DatabaseLock& lock, const QString& databasePath) {
    const QString holder = lock.holderPid() > 0
                               ? QStringLiteral("%1（进程号 %2）")
                                     .arg(lock.holderName().isEmpty() ? QStringLiteral("另一个程序")
                                                                      : lock.holderName())
                                     .arg(lock.holderPid())
                               : QStringLiteral("另一个程序");
    return QStringLiteral("题库文件 %1 正在被 %2 使用。\n\n"
                          "两个程序同时写同一个题库会丢失答题记录，所以本程序现在退出。"
                          "请先关闭正在运行的程序，再重新启动。")
        .arg(QDir::toNativeSeparators(databasePath), holder);
}

std::unique_ptr<DatabaseLock> lockExamDatabase() {
    QString folder;
    try {
        folder = examDatabaseFolder();
    } catch (const std::exception&) {
        // No database to work on (its first copy failed): opening the connection reports why.
        folder = programDirectory();
    }
    const QString databasePath = parseConnectionString(examConnectionString(folder)).dataSource;
    auto lock = std::make_unique<DatabaseLock>(databasePath);
    if (lock->status() != DatabaseLock::Status::HeldByProgram)
        // Also when no lock file can be made (a read-only folder, a full disk, no database
        // folder at all): the program then cannot write either, and opening the database
        // says what is wrong in the usual way.
        return lock;
    MessageBox::show(nullptr, {QString::fromLatin1(kApplicationTitle),
                               databaseInUseText(*lock, databasePath), MessageBox::Buttons::Ok,
                               MessageBox::Icon::Error});
    return nullptr;
}
