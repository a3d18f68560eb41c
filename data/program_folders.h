#pragma once

#include <QString>

// The folder the program runs from, and the user's data folder: two types, so that the one
// cannot be passed where the other belongs.
struct ProgramFolder {
    QString path;
};
struct DataFolder {
    QString path;
};
