#pragma once

#include <QString>

// The folder of the program's own executable, where db/ and resources/ live.
QString programDirectory();
// Tests only: run the windows against a database in a temporary folder.
void setProgramDirectoryForTests(const QString& directory);
