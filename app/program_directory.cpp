#include "app/program_directory.h"

#include <QCoreApplication>

namespace {
QString& overriddenDirectory() {
    static QString directory;
    return directory;
}
} // namespace

QString programDirectory() {
    if (!overriddenDirectory().isEmpty())
        return overriddenDirectory();
    return QCoreApplication::applicationDirPath();
}

void setProgramDirectoryForTests(const QString& directory) {
    overriddenDirectory() = directory;
}
