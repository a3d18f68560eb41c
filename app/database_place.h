#pragma once

#include "data/program_folders.h"

#include <QString>

#include <memory>

class DatabaseOpening;

// The folder whose db/exam.mdb holds the learner's answers.
//
// A program folder that carries the file "installed-copy" was installed: it may be read-only
// and a reinstall replaces it, so the learner works on a copy of its database in dataFolder,
// made on first start and never overwritten afterwards. A folder without it is a portable
// copy and keeps its own database while that can be written; on read-only media it falls
// back to the copy as well. With no database at all, the program folder is named, so that
// opening it reports the file missing where the learner expects it.
QString chooseDatabaseFolder(const ProgramFolder& programFolder, const DataFolder& dataFolder);

// chooseDatabaseFolder for this program: its own folder and the user's AppDataLocation; once
// the program has claimed its database (see ExamDatabaseClaim), that folder, or that failure,
// for the rest of the run, so the file opened is the file locked.
QString examDatabaseFolder();

// Fixes what examDatabaseFolder answers: `folder`; an empty one goes back to choosing afresh.
void claimDatabaseFolder(const QString& folder);
// Fixes what examDatabaseFolder answers: `error`, thrown.
void refuseDatabaseFolder(const QString& error);

// The open of the claimed database begun on a thread of its own (see DatabaseOpening), so that
// its key is derived while the windows are built; none when there is no folder to open, which
// the open on showing the window reports.
std::unique_ptr<DatabaseOpening> beginOpeningExamDatabase();
