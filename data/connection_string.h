#pragma once

#include "data/database_key.h"

#include <QString>

// The parts of an OLE DB style connection string that our engine needs.
struct ConnectionParams {
    QString provider;
    QString password;
    QString dataSource;
};

// Keys are matched without regard to case and surrounding blanks, as OLE DB does.
// Throws DbError("Provider cannot be found") for any provider we do not stand in for.
ConnectionParams parseConnectionString(const QString& connectionString);

// The program's own connection string for the database beside the executable.
QString examConnectionString(const QString& programDir);

inline constexpr const char* kExamDatabasePassword = "tavrendol";
// The key of the program's own database files.
inline DatabaseKey examDatabaseKey() {
    return DatabaseKey{QString::fromLatin1(kExamDatabasePassword)};
}

inline constexpr const char* kJetProvider = "Microsoft.Jet.OLEDB.4.0";
