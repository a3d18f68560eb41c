#pragma once

#include <QString>

// The program's version as the build names it ("1.1"); the package, the help and the bank
// stamp all say this one.
QString programVersion();
