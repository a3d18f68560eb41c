// config: how many questions a paper draws from each chapter (SYS_CFG).
#include "data/sqlite_database.h"
#include "data/transaction.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"

#include <vector>

namespace {

struct Banks {
    std::vector<std::vector<QuestionRow>> rows;
    std::vector<NamedBank> named;
};

Banks readBanks(SqliteDatabase& database) {
    Banks banks;
    for (const char* table : kBankTables)
        banks.rows.push_back(readQuestions(database, QLatin1String(table)));
    for (std::size_t index = 0; index < banks.rows.size(); ++index)
        banks.named.push_back({QLatin1String(kBankTables[index]), &banks.rows[index]});
    return banks;
}

// SYS_CFG may hold anything a hand edit put there; the sum must not wrap.
qint64 paperSize(const std::vector<SysCfgRow>& rows) {
    qint64 total = 0;
    for (const SysCfgRow& row : rows)
        total += row.count > 0 ? row.count : 0;
    return total;
}

int rowsForChapter(SqliteDatabase& database, int chapter) {
    SqliteStatement count(database,
                          QStringLiteral("SELECT COUNT(*) FROM SYS_CFG WHERE STZLB1 = ?"));
    count.bind(1, chapter);
    count.step();
    return count.value(0).toInt();
}

} // namespace

int showConfigCommand(const QString& databasePath, ToolStreams streams) {
    const auto database = openExamDatabase(databasePath);
    const SysCfgTable sysCfg = readSysCfg(*database);
    const Banks banks = readBanks(*database);
    QStringList lines{QStringLiteral("row  chapter  drawn")};
    for (const NamedBank& bank : banks.named)
        lines.front() += QStringLiteral("  %1 holds").arg(bank.name).leftJustified(10);
    for (const SysCfgRow& row : sysCfg.rows) {
        QString line = QString::number(row.line).leftJustified(5) +
                       QString::number(row.chapter).leftJustified(9) +
                       QString::number(row.count).leftJustified(5);
        for (const NamedBank& bank : banks.named)
            line += QStringLiteral("  ") +
                    QString::number(chapterSize(*bank.rows, row.chapter)).leftJustified(8);
        lines.append(line);
    }
    for (const QString& line : lines)
        streams.out << line.trimmed() << '\n';
    streams.out << "a paper draws " << paperSize(sysCfg.rows) << " questions\n";
    QStringList problems = sysCfg.problems;
    problems += findSysCfgShapeProblems(sysCfg.rows);
    problems += findSysCfgFitProblems(sysCfg.rows, banks.named);
    for (const QString& problem : problems)
        streams.err << databasePath << ": " << problem << '\n';
    return problems.isEmpty() ? kExitOk : kExitRefused;
}

int setConfigCommand(const QString& databasePath, int chapter, int count, ToolStreams streams) {
    const WritableExamDatabase opened = openExamDatabaseForWriting(databasePath);
    SqliteDatabase* const database = opened.database.get();
    Transaction transaction(*database);
    const Banks banks = readBanks(*database);
    const SysCfgRow wanted{chapter, count, QStringLiteral("SYS_CFG"), 0};
    QStringList refusals;
    for (const NamedBank& bank : banks.named) {
        const int size = chapterSize(*bank.rows, chapter);
        if (count > size)
            refusals.append(
                QStringLiteral("bank %1 holds %2 questions in chapter %3, fewer than %4")
                    .arg(bank.name)
                    .arg(size)
                    .arg(chapter)
                    .arg(count));
    }
    if (!refusals.isEmpty()) {
        for (const QString& refusal : refusals)
            streams.err << databasePath << ": " << refusal << '\n';
        streams.err << "SYS_CFG not changed\n";
        return kExitRefused;
    }
    // One row per chapter: an UPDATE keeps the row where it was; several rows for the chapter
    // would each be drawn, so they become one.
    const bool single = rowsForChapter(*database, chapter) == 1;
    SqliteStatement write(
        *database, single ? QStringLiteral("UPDATE SYS_CFG SET STSL = ? WHERE STZLB1 = ?")
                          : QStringLiteral("INSERT INTO SYS_CFG (STSL, STZLB1) VALUES (?, ?)"));
    if (!single) {
        SqliteStatement remove(*database, QStringLiteral("DELETE FROM SYS_CFG WHERE STZLB1 = ?"));
        remove.bind(1, chapter);
        remove.step();
    }
    write.bind(1, wanted.count);
    write.bind(2, wanted.chapter);
    write.step();
    const SysCfgTable after = readSysCfg(*database);
    transaction.commit();
    streams.out << "chapter " << chapter << " now draws " << count << " questions; a paper draws "
                << paperSize(after.rows) << '\n';
    return kExitOk;
}
