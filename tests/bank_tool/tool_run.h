#pragma once

#include "data/bank_source.h"
#include "tests/support/file_bytes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TestProgramFolder;

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs the bank tool in this process, as `xundral-bank arguments...` would.
ToolRun runTool(const QStringList& arguments);

// Runs the installed executable in a process of its own, so a tool that hangs fails the test
// (code -1) instead of holding it. `prefix` is put in front, e.g. to run it as another user.
ToolRun runToolProcess(const QStringList& arguments, int timeoutMs = 20000,
                       const QStringList& prefix = {});
QString installedToolPath();

// Every table of the database file, rows in storage order, values with their types: two
// dumps are equal only when nothing at all changed.
QString dumpDatabase(const QString& path);

// Two banks with the awkward cases: a picture, quotes, commas, a line break in a text,
// truck-only questions in several chapters. SYS_CFG draws 2 from each of chapters 1 to 3.
BankSources toolFixtureSources();
// A program folder of its own holding those banks and the pictures their questions refer to.
std::unique_ptr<TestProgramFolder> toolFixtureFolder();

// The texts of a CSV file's records, field by field.
std::vector<QStringList> csvTexts(const QByteArray& bytes);
