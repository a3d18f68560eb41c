#pragma once

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
inline constexpr const char* kJetProvider = "Microsoft.Jet.OLEDB.4.0";
