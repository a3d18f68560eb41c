#include "tools/bank_tool/exam_file.h"

#include "data/connection_string.h"
#include "data/db_error.h"
#include "data/sqlite_database.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The draw reads both columns as text with blanks trimmed, so a value it accepts is accepted.
bool readWholeNumber(const QVariant& value, int& number) {
    bool ok = false;
    number = value.toString().trimmed().toInt(&ok);
    return ok;
}

} // namespace

std::unique_ptr<SqliteDatabase> openExamDatabase(const QString& path) {
    try {
        return std::make_unique<SqliteDatabase>(path, QString::fromLatin1(kExamDatabasePassword),
                                                SqliteDatabase::OpenMode::ExistingOnly);
    } catch (const DbError& error) {
        throw DbError(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(error.what())));
    }
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
