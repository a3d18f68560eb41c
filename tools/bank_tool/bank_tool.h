#pragma once

#include <QStringList>
#include <QTextStream>

enum ExitCode : int { kExitOk = 0, kExitRefused = 1, kExitUsage = 2, kExitInUse = 3 };

// Runs one xundral-bank command line (the arguments after the program name): results on
// `out`, problems and errors on `err`. Returns the process exit status.
int runBankTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString bankToolHelp();
