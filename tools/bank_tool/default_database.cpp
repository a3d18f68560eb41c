#include "tools/bank_tool/default_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kDatabase = QStringLiteral("db/exam.mdb");

} // namespace

DefaultDatabase chooseDefaultDatabase(const QString& programFolder, const QString& dataFolder) {
    const QDir program(programFolder);
    if (!program.exists(QStringLiteral("installed-copy"))) {
        const QString path = program.filePath(kDatabase);
        return {path, false, QFileInfo(path).isFile()};
    }
    const QString path = QDir(dataFolder).filePath(kDatabase);
    return {path, true, QFileInfo(path).isFile()};
}

DefaultDatabase defaultDatabase() {
    // The program's data folder is named after its application name; the tool asks for the
    // same folder without taking that name itself.
    const QString dataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("dedode"));
    return chooseDefaultDatabase(QCoreApplication::applicationDirPath(), dataFolder);
}
