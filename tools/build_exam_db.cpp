// Builds the shipped exam database from the bank sources at build time.
#include "data/bank_source.h"
#include "data/bank_stamp.h"
#include "data/connection_string.h"
#include "data/program_version.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: build_exam_db BANK_FOLDER PICTURE_FOLDER OUTPUT.mdb\n");
        return 2;
    }
    try {
        const BankSources sources = loadBankSources(args.at(1));
        QDir().mkpath(QFileInfo(args.at(3)).absolutePath());
        writeExamDatabase(args.at(3), examDatabaseKey(), sources, args.at(2));
        std::printf("%s: %zu common and %zu truck-only questions\n", qPrintable(args.at(3)),
                    sources.common.size(), sources.truck.size());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
