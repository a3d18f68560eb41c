#include "tools/bank_tool/bank_tool.h"

#include "data/program_version.h"
#include "data/question_rows.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/default_database.h"

#include <QDir>

#include <exception>

namespace {

void expectArguments(const QStringList& arguments, qsizetype count, const char* synopsis) {
    if (arguments.size() != count)
        throw UsageError(QStringLiteral("%1 takes %2 argument(s): %3")
                             .arg(arguments.front())
                             .arg(count - 1)
                             .arg(QLatin1String(synopsis)));
}

BankArgument bankArgument(const QString& text) {
    if (!isBankTable(text))
        throw UsageError(QStringLiteral("BANK must be B2 or C, not '%1'").arg(text));
    return {text};
}

int wholeNumberArgument(const QString& text, const char* name, int smallest) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < smallest)
        throw UsageError(QStringLiteral("%1 must be a whole number of %2 or more, not '%3'")
                             .arg(QLatin1String(name))
                             .arg(smallest)
                             .arg(text));
    return value;
}

// A command line that leaves its database out: one word fewer than with it, and (where the
// word after the command could be either) that word is not a database but what follows one.
bool leavesDatabaseOut(const QStringList& arguments) {
    const QString& command = arguments.front();
    const qsizetype words = arguments.size();
    if (command == QLatin1String("check") || command == QLatin1String("stats"))
        return words == 1;
    if (command == QLatin1String("export") || command == QLatin1String("import"))
        return words == 3 && isBankTable(arguments.at(1));
    if (command == QLatin1String("config")) {
        bool number = false;
        return words == 1 || (words == 3 && (arguments.at(1).toInt(&number), number));
    }
    return false;
}

QStringList withDefaultDatabase(QStringList arguments, QTextStream& err) {
    if (arguments.isEmpty() || !leavesDatabaseOut(arguments))
        return arguments;
    const DefaultDatabase database = defaultDatabase();
    if (!database.exists && database.learnersCopy)
        throw UsageError(QStringLiteral("no learner's database at %1 yet: start Xundral once, "
                                        "or name a database")
                             .arg(QDir::toNativeSeparators(database.path)));
    err << "xundral-bank: "
        << (database.learnersCopy ? "the learner's database " : "the program's database ")
        << QDir::toNativeSeparators(database.path) << '\n';
    arguments.insert(1, database.path);
    return arguments;
}

int dispatch(QStringList arguments, ToolStreams streams) {
    if (arguments.isEmpty())
        throw UsageError(QStringLiteral("no command given"));
    arguments = withDefaultDatabase(arguments, streams.err);
    for (const QString& argument : arguments) {
        // "-5" is a number for config to refuse with a clearer message, not an option.
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 &&
            !argument.at(1).isDigit() &&
            !(argument == QLatin1String("--all") &&
              arguments.front() == QLatin1String("speak-check")))
            throw UsageError(QStringLiteral("unknown option '%1'").arg(argument));
    }
    const QString command = arguments.front();
    if (command == QLatin1String("check")) {
        expectArguments(arguments, 2, "check DB");
        return checkCommand(arguments.at(1), streams);
    }
    if (command == QLatin1String("export")) {
        expectArguments(arguments, 4, "export DB BANK FILE.csv");
        return exportCommand(arguments.at(1), bankArgument(arguments.at(2)), arguments.at(3),
                             streams);
    }
    if (command == QLatin1String("import")) {
        expectArguments(arguments, 4, "import DB BANK FILE.csv");
        return importCommand(arguments.at(1), bankArgument(arguments.at(2)), arguments.at(3),
                             streams);
    }
    if (command == QLatin1String("config")) {
        if (arguments.size() == 2)
            return showConfigCommand(arguments.at(1), streams);
        if (arguments.size() != 4)
            throw UsageError(QStringLiteral("config takes DB, or DB CHAPTER COUNT"));
        return setConfigCommand(arguments.at(1), wholeNumberArgument(arguments.at(2), "CHAPTER", 1),
                                wholeNumberArgument(arguments.at(3), "COUNT", 0), streams);
    }
    if (command == QLatin1String("stats")) {
        expectArguments(arguments, 2, "stats DB");
        return statsCommand(arguments.at(1), streams);
    }
    if (command == QLatin1String("speak-check")) {
        const bool verbose = arguments.size() == 3 && arguments.at(2) == QLatin1String("--all");
        if (!verbose)
            expectArguments(arguments, 2, "speak-check DB [--all]");
        return speakCheckCommand(arguments.at(1), verbose, streams);
    }
    throw UsageError(QStringLiteral("unknown command '%1'").arg(command));
}

} // namespace

QString bankToolHelp() {
    return QStringLiteral(
        "usage: xundral-bank COMMAND [DB] ARGUMENTS\n"
        "       xundral-bank --version\n"
        "\n"
        "Checks, exports and imports the question banks of a Xundral exam database\n"
        "(db/exam.mdb in the program folder). BANK is B2 (large truck) or C (small car).\n"
        "\n"
        "  check DB                 check both banks, SYS_CFG and sysparam; print a\n"
        "                           summary per chapter, a test-wise answerer's rate\n"
        "                           and the questions per topic\n"
        "  export DB BANK FILE.csv  write a bank as CSV: UTF-8 with a byte order mark, a\n"
        "                           header row, one column per table column (JX, ZT,\n"
        "                           ZSD, BS, YD last); FILE.csv must be a regular file\n"
        "                           or new, and not the database\n"
        "  import DB BANK FILE.csv  replace a bank from CSV; nothing changes unless every\n"
        "                           record is sound and SYS_CFG still fits\n"
        "  config DB                show SYS_CFG: questions a paper draws per chapter\n"
        "  config DB CHAPTER COUNT  set the questions drawn from CHAPTER (0: none); the\n"
        "                           count must fit the chapter in both banks\n"
        "  stats DB                 print the learner's record: every handed-in paper,\n"
        "                           readiness, accuracy per chapter, wrong-question books\n"
        "  speak-check DB [--all]   render what the read-aloud voice says for every\n"
        "                           question and report known risks (a polyphone the\n"
        "                           table missed, an undecided tone of 一 or 不, a mark\n"
        "                           without a Mandarin reading, English); --all also\n"
        "                           prints every reading with its phonemes\n"
        "\n"
        "import and config with a COUNT write to the database: they refuse while a running\n"
        "Xundral holds it (the lock file DB.lock beside it). check, export and config DB\n"
        "only read, and run at any time.\n"
        "\n"
        "Picture paths (TP) are appended to the program folder, the folder above the\n"
        "database's, as the program does. An import ignores the ID and MARK columns: it\n"
        "orders the questions by STZLB1, STLB, STLX and STBH, numbers ID and STBH afresh\n"
        "so that each chapter's ids run without a gap, and sets every MARK to 5. It keeps\n"
        "sysparam, SYS_CFG and the other bank, and empties the stored paper (S_MARK,\n"
        "EXAM_TEMP), whose ids would now name other questions. It reads a regular file of\n"
        "at most 64 MB, with all columns or without some of the last ones (JX, ZT, ZSD,\n"
        "BS, YD, left off from the end; what a file lacks stays empty). A text holds at\n"
        "most 260 characters in TP, 4000 in STNR, 2000 in each of DA1 to DA4 and in BS,\n"
        "8000 in JX and YD, 200 in ZT and ZSD.\n"
        "\n"
        "ZT holds one to three topics separated by a blank, ZSD the fact key of the rule\n"
        "the question tests, BS why a question is a deliberate variant of the other one\n"
        "with its fact key, YD a reader's settled notes, one a line: the other\n"
        "question's fact key, a blank, and why both stay (bank/FORMAT.md). check refuses\n"
        "a missing, unknown or fourth topic, a missing fact key, a fact key of two\n"
        "questions unless both are variants (at most two), and lists for a reader the\n"
        "pairs no note settles: two questions on one picture, or a right choice that\n"
        "stands in another question's stem. Import takes these columns as they are.\n"
        "\n"
        "A text that a spreadsheet would take for a formula (one that starts with =, +, -,\n"
        "@, a tab or a carriage return) is exported with an apostrophe in front; the import\n"
        "takes that apostrophe away again, so the bank comes back exactly.\n"
        "\n"
        "DB may be left out: an installed copy then works on the learner's own database in\n"
        "the data folder, a portable copy on db/exam.mdb in its folder; the tool says which.\n"
        "\n"
        "Exit status: 0 done, 1 data refused or problems found (check and config DB too),\n"
        "2 usage error, 3 the database is in use by a running Xundral.\n");
}

int runBankTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << bankToolHelp();
        return kExitOk;
    }
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "xundral-bank " << programVersion() << '\n';
        return kExitOk;
    }
    try {
        return dispatch(arguments, ToolStreams{out, err});
    } catch (const UsageError& error) {
        err << "xundral-bank: " << QString::fromUtf8(error.what())
            << "\nTry 'xundral-bank --help'.\n";
        return kExitUsage;
    } catch (const DatabaseInUse& error) {
        err << "xundral-bank: " << QString::fromUtf8(error.what()) << '\n';
        return kExitInUse;
    } catch (const std::exception& error) {
        err << "xundral-bank: " << QString::fromUtf8(error.what()) << '\n';
        return kExitRefused;
    }
}
