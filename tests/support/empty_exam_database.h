#pragma once

#include "data/schema.h"
#include "data/sqlite_database.h"

#include <QTemporaryDir>

// An exam database of the current schema with nothing in it, in a temporary folder of its own.
struct EmptyExamDatabase {
    EmptyExamDatabase() { createExamSchema(database); }

    QTemporaryDir dir;
    SqliteDatabase database{dir.filePath(QStringLiteral("exam.mdb")),
                            DatabaseKey{QStringLiteral("k")},
                            SqliteDatabase::OpenMode::CreateIfMissing};
};
