#include "app/program_lock.h"

#include "app/database_place.h"
#include "app/program_directory.h"
#include "data/connection_string.h"
#include "forms/error_report.h"
#include "forms/message_box.h"

#include <QDir>
#include <QStandardPaths>

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

ExamDatabaseClaim::ExamDatabaseClaim(const ProgramFolder& programFolder,
                                     const DataFolder& dataFolder) {
    QString folder;
    try {
        folder = chooseDatabaseFolder(programFolder, dataFolder);
    } catch (const std::exception& error) {
        // No database to work on (its first copy failed): the open reports this, and no later
        // attempt picks another file that nothing locked.
        refuseDatabaseFolder(QString::fromUtf8(error.what()));
        return;
    }
    databasePath_ = parseConnectionString(examConnectionString(folder)).dataSource;
    lock_ = std::make_unique<DatabaseLock>(databasePath_);
    claimDatabaseFolder(folder);
}

ExamDatabaseClaim::~ExamDatabaseClaim() {
    claimDatabaseFolder(QString());
}

std::unique_ptr<ExamDatabaseClaim> lockExamDatabase() {
    auto claim = std::make_unique<ExamDatabaseClaim>(
        ProgramFolder{programDirectory()},
        DataFolder{QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    // Also when the file cannot be locked (missing, unreadable, a folder): opening the database
    // then says what is wrong in the usual way.
    if (!claim->heldByAnother())
        return claim;
    MessageBox::show(nullptr, {QString::fromLatin1(kApplicationTitle),
                               databaseInUseText(*claim->lock(), claim->databasePath()),
                               MessageBox::Buttons::Ok, MessageBox::Icon::Error});
    return nullptr;
}
