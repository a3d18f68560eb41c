// export and import: a bank to and from CSV.
#include "data/database_lock.h"
#include "data/question_digest.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"
#include "tools/bank_tool/question_csv.h"
#include "tools/bank_tool/tool_files.h"

namespace {

void replaceBank(SqliteDatabase& database, const QString& bank,
                 const std::vector<QuestionRow>& rows) {
    database.execScript(QStringLiteral("DELETE FROM %1;").arg(bankTable(bank)));
    insertQuestions(database, bank, rows);
    database.execScript(QStringLiteral("DELETE FROM S_MARK; DELETE FROM EXAM_TEMP;"));
    // The new questions' digests go in with them, so that the program's first pass over the
    // bank need not read every text.
    writeMissingDigests(database);
}

QString chapterCounts(const std::vector<QuestionRow>& rows) {
    QStringList parts;
    for (const ChapterSummary& chapter : summarizeChapters(rows))
        parts.append(QStringLiteral("chapter %1: %2").arg(chapter.chapter).arg(chapter.questions));
    return parts.join(QStringLiteral(", "));
}

} // namespace

int exportCommand(const QString& databasePath, const BankArgument& bank, const QString& csvPath,
                  ToolStreams streams) {
    const auto database = openExamDatabase(databasePath);
    const std::vector<QuestionRow> rows = readQuestions(*database, bank.table);
    writeExportFile(csvPath, questionsToCsv(rows), databasePath);
    streams.out << "exported " << rows.size() << " questions of bank " << bank.table << " to "
                << csvPath << '\n';
    return kExitOk;
}

int importCommand(const QString& databasePath, const BankArgument& bank, const QString& csvPath,
                  ToolStreams streams) {
    const WritableExamDatabase opened = openExamDatabaseForWriting(databasePath);
    SqliteDatabase* const database = opened.database.get();
    std::vector<CsvRecord> records;
    try {
        records = parseCsv(readInputFile(csvPath));
    } catch (const CsvError& error) {
        streams.err << csvPath << ':' << error.line() << ':' << error.column() << ": "
                    << error.message() << "\nnothing imported\n";
        return kExitRefused;
    }
    CsvQuestions questions = questionsFromCsv(records, csvPath);
    for (const RowProblem& problem : findRowProblems(questions.rows, programFolderOf(databasePath)))
        questions.problems.push_back(describeRowProblem(questions, problem, csvPath));
    sortProblems(questions.problems);

    Transaction transaction(*database);
    std::vector<QuestionRow> rows = questions.rows;
    renumberQuestions(rows);
    for (QuestionRow& row : rows)
        row.mark = AnswerCode::NotAnswered;
    QStringList problems;
    for (const CsvProblem& problem : questions.problems)
        problems.append(problem.text);
    if (problems.isEmpty()) {
        // Only this bank changes, so only it can stop fitting a SYS_CFG that fitted before.
        for (const QString& problem :
             findSysCfgFitProblems(readSysCfg(*database).rows, {{bank.table, &rows}}))
            problems.append(databasePath + QStringLiteral(": ") + problem);
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems)
            streams.err << problem << '\n';
        streams.err << problems.size() << " problem(s); nothing imported\n";
        return kExitRefused;
    }
    // A file of the previous version gains the explanation column here, inside the same
    // transaction, so a refused or interrupted import leaves it as it was.
    migrateExamSchema(*database);
    replaceBank(*database, bank.table, rows);
    transaction.commit();
    streams.out << "imported " << rows.size() << " questions into bank " << bank.table << " ("
                << chapterCounts(rows) << ")\n";
    return kExitOk;
}
