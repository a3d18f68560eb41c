#include "tools/bank_tool/exam_file.h"

#include "data/connection_string.h"
#include "data/database_lock.h"
#include "data/db_error.h"
#include "data/sqlite_database.h"
#include "data/whole_number.h"
#include "tools/bank_tool/commands.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// The draw reads both columns by the same rule, so a value it accepts is accepted. Returns
// why a value is refused, or an empty text.
QString readWholeNumber(const QVariant& value, int& number) {
    if (value.isNull())
        return QStringLiteral("is empty");
    if (const std::optional<int> parsed = parseWholeNumber(value.toString())) {
        number = *parsed;
        return QString();
    }
    bool wide = false;
    value.toString().trimmed().toLongLong(&wide);
    return (wide ? QStringLiteral("'%1' is out of range")
                 : QStringLiteral("'%1' is not a whole number"))
        .arg(value.toString());
}

// The engine says "unable to open database file" for a file it can see but not use; what the
// maintainer needs is the reason.
QString openFailureCause(const QString& path, const DbError& error) {
    QString engineMessage = QString::fromUtf8(error.what());
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

std::unique_ptr<SqliteDatabase> openExamFile(const QString& path, SqliteDatabase::OpenMode mode) {
    try {
        return std::make_unique<SqliteDatabase>(path, examDatabaseKey(), mode);
    } catch (const DbError& error) {
        throw DbError(QStringLiteral("%1: %2").arg(path, openFailureCause(path, error)));
    }
}

} // namespace

std::unique_ptr<SqliteDatabase> openExamDatabase(const QString& path) {
    const QFileInfo log(path + QStringLiteral("-wal"));
    if (log.size() > 0 && DatabaseLock(path).isLocked())
        // Nobody runs on the file, so the log was left by a program that did not close: the
        // last answers live only there, and a reader may not fold them into the file.
        throw DbError(QStringLiteral("%1: the answers of a program that did not close are still "
                                     "in its log %2; start Xundral on it once and close it, then "
                                     "run this again")
                          .arg(path, log.filePath()));
    return openExamFile(path, SqliteDatabase::OpenMode::ReadOnly);
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
    case DatabaseLock::Status::CannotLock:
        throw DbError(opened.lock->reason());
    }
    // The lock is taken on a file that may only be read; a write would fail half-way in with
    // the engine's bare "readonly database".
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isWritable())
        throw DbError(QStringLiteral("%1 cannot be written: the folder %2 is read-only (the "
                                     "journal is kept beside the file)")
                          .arg(path, folder.absoluteFilePath()));
    if (!file.isWritable())
        throw DbError(QStringLiteral("%1 cannot be written: the file is read-only").arg(path));
    opened.database = openExamFile(path, SqliteDatabase::OpenMode::ExistingOnly);
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
        const QString chapter = readWholeNumber(select.value(0), row.chapter);
        const QString count = readWholeNumber(select.value(1), row.count);
        if (!chapter.isEmpty())
            table.problems.append(
                QStringLiteral("SYS_CFG row %1: STZLB1 %2").arg(rowNumber).arg(chapter));
        if (!count.isEmpty())
            table.problems.append(
                QStringLiteral("SYS_CFG row %1: STSL %2").arg(rowNumber).arg(count));
        if (chapter.isEmpty() && count.isEmpty())
            table.rows.push_back(row);
    }
    return table;
}
