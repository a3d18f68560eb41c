#include "tools/bank_tool/exam_file.h"

#include "data/connection_string.h"
#include "data/database_lock.h"
#include "data/db_error.h"
#include "data/sqlite_database.h"
#include "tools/bank_tool/commands.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The draw reads both columns as text with blanks trimmed, so a value it accepts is accepted.
bool readWholeNumber(const QVariant& value, int& number) {
    bool ok = false;
    number = value.toString().trimmed().toInt(&ok);
    return ok;
}

// The engine says "unable to open database file" for a file it can see but not use; what the
// maintainer needs is the reason.
QString openFailureCause(const QString& path, const QString& engineMessage) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!file.exists())
        return engineMessage;
    if (!file.isReadable())
        return QStringLiteral("the file cannot be read (no permission)");
    if (!file.isWritable())
        return QStringLiteral("the file is read-only (%1)").arg(engineMessage);
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is read-only (%2)")
            .arg(folder.absoluteFilePath(), engineMessage);
    return engineMessage;
}

} // namespace

std::unique_ptr<SqliteDatabase> openExamDatabase(const QString& path) {
    try {
        return std::make_unique<SqliteDatabase>(path, QString::fromLatin1(kExamDatabasePassword),
                                                SqliteDatabase::OpenMode::ExistingOnly);
    } catch (const DbError& error) {
        throw DbError(QStringLiteral("%1: %2").arg(
            path, openFailureCause(path, QString::fromUtf8(error.what()))));
    }
}

WritableExamDatabase::WritableExamDatabase() = default;
WritableExamDatabase::WritableExamDatabase(WritableExamDatabase&&) noexcept = default;
WritableExamDatabase::~WritableExamDatabase() {
    // The database closes before the lock is given up.
    database.reset();
    lock.reset();
}

WritableExamDatabase openExamDatabaseForWriting(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("%1: Could not find file '%1'").arg(path));
    WritableExamDatabase opened;
    opened.lock = std::make_unique<DatabaseLock>(path);
    switch (opened.lock->status()) {
    case DatabaseLock::Status::Locked:
        break;
    case DatabaseLock::Status::HeldByProgram:
        throw DatabaseInUse(opened.lock->reason());
    case DatabaseLock::Status::CannotCreate:
        throw DbError(opened.lock->reason());
    }
    opened.database = openExamDatabase(path);
    return opened;
}

QString programFolderOf(const QString& databasePath) {
    QDir folder = QFileInfo(databasePath).absoluteDir();
    folder.cdUp();
    return folder.absolutePath();
}

SysCfgTable readSysCfg(SqliteDatabase& database) {
    SysCfgTable table;
    SqliteStatement select(database, QStringLiteral("SELECT STZLB1, STSL FROM SYS_CFG"));
    int rowNumber = 0;
    while (select.step()) {
        SysCfgRow row;
        row.file = QStringLiteral("SYS_CFG");
        row.line = ++rowNumber;
        const bool chapterOk = readWholeNumber(select.value(0), row.chapter);
        const bool countOk = readWholeNumber(select.value(1), row.count);
        if (chapterOk && countOk)
            table.rows.push_back(row);
        else
            table.problems.append(QStringLiteral("SYS_CFG row %1: '%2' and '%3' are not both "
                                                 "whole numbers")
                                      .arg(rowNumber)
                                      .arg(select.value(0).toString(), select.value(1).toString()));
    }
    return table;
}
