#include "app/shipped_bank.h"

#include "app/database_place.h"
#include "app/program_directory.h"
#include "data/connection_string.h"
#include "data/sqlite_database.h"

#include <QDir>
#include <QFileInfo>

BankUpdate bringInNewerShippedBank() {
    const QString programFolder = programDirectory();
    const QString databaseFolder = examDatabaseFolder();
    if (QFileInfo(databaseFolder) == QFileInfo(programFolder) ||
        !QDir(programFolder).exists(QStringLiteral("installed-copy")))
        return {};
    const QString shippedPath = QDir(programFolder).filePath(QStringLiteral("db/exam.mdb"));
    const QString learnerPath = QDir(databaseFolder).filePath(QStringLiteral("db/exam.mdb"));
    if (!QFileInfo(shippedPath).isFile() || !QFileInfo(learnerPath).isFile())
        return {};
    const DatabaseKey key = examDatabaseKey();
    SqliteDatabase shipped(shippedPath, key, SqliteDatabase::OpenMode::ReadOnly);
    SqliteDatabase learner(learnerPath, key, SqliteDatabase::OpenMode::ExistingOnly);
    return bringInShippedBank(learner, shipped);
}
