#include "tools/bank_tool/default_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kDatabase = QStringLiteral("db/exam.mdb");

} // namespace

DefaultDatabase chooseDefaultDatabase(const ProgramFolder& programFolder,
                                      const DataFolder& dataFolder) {
    const QDir program(programFolder.path);
    if (!program.exists(QStringLiteral("installed-copy"))) {
        const QString path = program.filePath(kDatabase);
        return {path, false, QFileInfo(path).isFile()};
    }
    const QString path = QDir(dataFolder.path).filePath(kDatabase);
    return {path, true, QFileInfo(path).isFile()};
}

DefaultDatabase defaultDatabase() {
    // The program's data folder is named after its application name; the tool asks for the
    // same folder without taking that name itself.
    const DataFolder dataFolder{
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("dedode"))};
    return chooseDefaultDatabase(ProgramFolder{QCoreApplication::applicationDirPath()}, dataFolder);
}
