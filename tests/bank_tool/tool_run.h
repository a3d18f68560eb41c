#pragma once

#include "data/bank_source.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs the bank tool in this process, as `xundral-bank arguments...` would.
ToolRun runTool(const QStringList& arguments);

// Every table of the database file, rows in storage order, values with their types: two
// dumps are equal only when nothing at all changed.
QString dumpDatabase(const QString& path);

// Two banks with the awkward cases: a picture, quotes, commas, a line break in a text,
// truck-only questions in several chapters. SYS_CFG draws 2 from each of chapters 1 to 3.
BankSources toolFixtureSources();
// Creates the picture files the fixture's questions refer to below `programDir`.
void addFixturePictures(const QString& programDir);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
