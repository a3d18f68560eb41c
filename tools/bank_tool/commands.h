#pragma once

#include <QString>
#include <QTextStream>

#include <stdexcept>

// A command line the tool cannot run: wrong words, numbers or names. Exit status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A writing command refused because a running program holds the database. Exit status 3.
class DatabaseInUse : public std::runtime_error {
public:
    explicit DatabaseInUse(const QString& message) : std::runtime_error(message.toStdString()) {}
};

struct ToolStreams {
    QTextStream& out;
    QTextStream& err;
};

// A bank as the command line names it, known to be B2 or C: a type of its own, so that it
// cannot change places with the paths beside it.
struct BankArgument {
    QString table;
};

// Each returns the exit status; data and file errors may also be thrown as exceptions.
int checkCommand(const QString& databasePath, ToolStreams streams);
int exportCommand(const QString& databasePath, const BankArgument& bank, const QString& csvPath,
                  ToolStreams streams);
int importCommand(const QString& databasePath, const BankArgument& bank, const QString& csvPath,
                  ToolStreams streams);
int showConfigCommand(const QString& databasePath, ToolStreams streams);
int setConfigCommand(const QString& databasePath, int chapter, int count, ToolStreams streams);
int statsCommand(const QString& databasePath, ToolStreams streams);
int speakCheckCommand(const QString& databasePath, bool verbose, ToolStreams streams);
