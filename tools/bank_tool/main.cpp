// xundral-bank: checks, exports and imports the question banks of an exam database.
#include "tools/bank_tool/bank_tool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runBankTool(arguments, out, err);
}
