#pragma once

#include "data/program_folders.h"

#include <QString>

// The database a command works on when the command line names none. An installed copy (its
// program folder carries `installed-copy`) keeps the learner's own file in the data folder,
// which is the one to look after: the shipped file is replaced by the next package. A portable
// copy keeps its database in its own folder.
struct DefaultDatabase {
    QString path;
    bool learnersCopy = false; // the data folder's copy of an installed program
    bool exists = false;
};

DefaultDatabase chooseDefaultDatabase(const ProgramFolder& programFolder,
                                      const DataFolder& dataFolder);
// The same for the running tool: its own folder, and the data folder the program uses.
DefaultDatabase defaultDatabase();
