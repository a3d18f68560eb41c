// Writes an exam database with a made-up bank of a given size, for the benchmarks.
#include "data/connection_string.h"
#include "data/question_rows.h"
#include "tools/bench_bank/bench_bank.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int questions = args.size() == 3 ? args.at(2).toInt(&ok) : 0;
    if (!ok || questions < 100) {
        std::fprintf(stderr, "usage: make_bench_bank OUTPUT.mdb QUESTIONS (at least 100)\n");
        return 2;
    }
    try {
        writeExamDatabase(args.at(1), examDatabaseKey(), benchBankSources(questions), QString());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
