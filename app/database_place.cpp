#include "app/database_place.h"

#include "app/program_directory.h"
#include "data/connection_string.h"
#include "data/database_lock.h"
#include "data/database_opening.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace {

const QString kDatabase = QStringLiteral("db/exam.mdb");
const QString kInstalledMarker = QStringLiteral("installed-copy");

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

bool databaseWritableIn(const QString& folder) {
    const QFileInfo file(QDir(folder).filePath(kDatabase));
    // SQLite creates its journal beside the file, so the folder must take new files as well.
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

// The shipped database becomes the learner's copy in the data folder.
void copyDatabase(const QString& source, const DataFolder& dataFolder) {
    const QString target = QDir(dataFolder.path).filePath(kDatabase);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        fail(QStringLiteral("无法建立文件夹：%1").arg(QFileInfo(target).absolutePath()));
    // Copied under another name and renamed, so an interrupted first start leaves no half
    // database that a later start would take for the learner's own.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    QFile file(source);
    if (!file.copy(partial))
        fail(QStringLiteral("无法把题库复制到 %1：%2").arg(target, file.errorString()));
    // The installed file is read-only; the copy must take the learner's answers.
    QFile::setPermissions(partial, QFile::permissions(partial) | QFile::WriteOwner);
    if (!QFile::rename(partial, target))
        fail(QStringLiteral("无法把题库复制到 %1").arg(target));
}

QString& claimedFolder() {
    static QString folder;
    return folder;
}

QString& claimError() {
    static QString error;
    return error;
}

} // namespace

QString chooseDatabaseFolder(const ProgramFolder& programFolder, const DataFolder& dataFolder) {
    const QDir program(programFolder.path);
    const QString shipped = program.filePath(kDatabase);
    const QString copy = QDir(dataFolder.path).filePath(kDatabase);
    if (!program.exists(kInstalledMarker) && databaseWritableIn(programFolder.path))
        return programFolder.path;
    if (QFileInfo::exists(copy))
        return dataFolder.path;
    // Without a database to copy, the connection reports the missing file by its usual place.
    if (!QFileInfo(shipped).isFile())
        return programFolder.path;
    const QString copyFolder = QFileInfo(copy).absolutePath();
    if (!QDir().mkpath(copyFolder))
        fail(QStringLiteral("无法建立文件夹：%1").arg(copyFolder));
    // Two first starts at once: the second waits here until the first has put its copy in
    // place, then takes that copy as it is instead of copying over it.
    const FolderLock copying(copyFolder);
    if (!QFileInfo::exists(copy))
        copyDatabase(shipped, dataFolder);
    return dataFolder.path;
}

QString examDatabaseFolder() {
    if (!claimedFolder().isEmpty())
        return claimedFolder();
    if (!claimError().isEmpty())
        fail(claimError());
    return chooseDatabaseFolder(
        ProgramFolder{programDirectory()},
        DataFolder{QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
}

void claimDatabaseFolder(const QString& folder) {
    claimedFolder() = folder;
    claimError().clear();
}

void refuseDatabaseFolder(const QString& error) {
    claimedFolder().clear();
    claimError() = error;
}

std::unique_ptr<DatabaseOpening> beginOpeningExamDatabase() {
    try {
        return std::make_unique<DatabaseOpening>(examConnectionString(examDatabaseFolder()));
    } catch (const std::exception&) {
        return nullptr;
    }
}
