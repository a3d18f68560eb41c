#include "tools/bank_tool/check_report.h"

#include "data/sqlite_database.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/content_lint.h"

namespace {

BankReport checkBank(SqliteDatabase& database, const QString& name, const QString& programDir) {
    BankReport report{name, readQuestions(database, name), {}};
    for (const RowProblem& problem : findRowProblems(report.rows, programDir)) {
        const QuestionRow& row = report.rows[std::size_t(problem.row)];
        QString text = QStringLiteral("table %1, ID %2, column %3: %4")
                           .arg(name)
                           .arg(row.id)
                           .arg(bankColumnName(problem.column), problem.message);
        if (problem.earlierRow >= 0)
            text += QStringLiteral(" (first at ID %1)")
                        .arg(report.rows[std::size_t(problem.earlierRow)].id);
        report.problems.append(text);
    }
    for (const QString& gap : findIdGaps(report.rows))
        report.problems.append(QStringLiteral("table %1, %2").arg(name, gap));
    for (const QuestionRow& row : report.rows) {
        if (const QString reason = giveawayReason(row); !reason.isEmpty())
            report.problems.append(QStringLiteral("table %1, ID %2: gives its answer away: %3")
                                       .arg(name)
                                       .arg(row.id)
                                       .arg(reason));
    }
    for (const NearDuplicate& pair : findNearDuplicates(report.rows))
        report.problems.append(
            QStringLiteral("table %1, IDs %2 and %3: test one fact twice (similarity %4)")
                .arg(name)
                .arg(report.rows[pair.first].id)
                .arg(report.rows[pair.second].id)
                .arg(pair.similarity, 0, 'f', 2));
    return report;
}

QString checkSysParam(SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("SELECT timer2 FROM sysparam WHERE id = 1"));
    if (!select.step())
        return QStringLiteral("sysparam has no settings row (id 1)");
    bool ok = false;
    const int minutes = select.value(0).toString().trimmed().toInt(&ok);
    if (!ok || minutes < 1)
        return QStringLiteral("sysparam timer2 '%1' is not an examination time in minutes")
            .arg(select.value(0).toString());
    return QString();
}

QString padded(const QString& text, int width) {
    return text.leftJustified(width);
}

} // namespace

int CheckReport::problemCount() const {
    int count = int(problems.size());
    for (const BankReport& bank : banks)
        count += int(bank.problems.size());
    return count;
}

CheckReport checkExamDatabase(SqliteDatabase& database, const QString& programDir) {
    CheckReport report;
    for (const char* table : kBankTables)
        report.banks.push_back(checkBank(database, QLatin1String(table), programDir));
    report.sysCfg = readSysCfg(database);
    report.problems = report.sysCfg.problems;
    std::vector<NamedBank> banks;
    for (const BankReport& bank : report.banks)
        banks.push_back({bank.name, &bank.rows});
    report.problems += findSysCfgShapeProblems(report.sysCfg.rows);
    report.problems += findSysCfgFitProblems(report.sysCfg.rows, banks);
    if (const QString sysParam = checkSysParam(database); !sysParam.isEmpty())
        report.problems.append(sysParam);
    return report;
}

void printCheckReport(const CheckReport& report, const QString& databasePath, QTextStream& out,
                      QTextStream& err) {
    for (const BankReport& bank : report.banks) {
        out << "bank " << bank.name << ": " << bank.rows.size() << " questions\n";
        out << "  chapter  questions  true/false  four-choice  pictures  drawn\n";
        for (const ChapterSummary& chapter : summarizeChapters(bank.rows)) {
            int drawn = 0;
            for (const SysCfgRow& row : report.sysCfg.rows)
                drawn += row.chapter == chapter.chapter && row.count > 0 ? row.count : 0;
            out << "  " << padded(QString::number(chapter.chapter), 9)
                << padded(QString::number(chapter.questions), 11)
                << padded(QString::number(chapter.trueFalse), 12)
                << padded(QString::number(chapter.fourChoice), 13)
                << padded(QString::number(chapter.pictures), 10) << drawn << '\n';
        }
    }
    int paper = 0;
    for (const SysCfgRow& row : report.sysCfg.rows)
        paper += row.count > 0 ? row.count : 0;
    out << "SYS_CFG: a paper draws " << paper << " questions\n";
    for (const BankReport& bank : report.banks) {
        for (const QString& problem : bank.problems)
            err << databasePath << ": " << problem << '\n';
    }
    for (const QString& problem : report.problems)
        err << databasePath << ": " << problem << '\n';
    if (report.problemCount() == 0)
        out << "no problems found\n";
    else
        err << report.problemCount() << " problem(s) found\n";
}
