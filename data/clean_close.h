#pragma once

#include <QString>

// A note beside the database that the program closed it cleanly, and what the file looked like
// then. An open that finds the file as the note describes may skip reading every page: nothing
// has touched it since a check passed. Any change to the file, a copy, a crash (the note is
// taken away at open and written only after a clean close) or a note older than the file's
// last change means the full check.

QString cleanCloseNotePath(const QString& databasePath);

// Whether the note is there and the file, untouched since, has no log beside it.
bool closedCleanly(const QString& databasePath);

// Takes the note away; the open that found it is now responsible for the file.
void forgetCleanClose(const QString& databasePath);

// Written once the connection is closed and the log folded into the file. Does nothing when a
// log is still there, and gives up quietly when the folder takes no file.
void noteCleanClose(const QString& databasePath);
