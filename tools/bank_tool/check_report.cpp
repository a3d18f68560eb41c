#include "tools/bank_tool/check_report.h"

#include "data/program_folders.h"
#include "data/sqlite_database.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/content_lint.h"
#include "tools/bank_tool/fact_rules.h"

#include <QSet>

#include <iterator>
#include <limits>
#include <set>
#include <utility>

namespace {

const BankColumn kNumericColumns[] = {BankColumn::Answer, BankColumn::Mark, BankColumn::Stlb,
                                      BankColumn::Stzlb1, BankColumn::Stlx, BankColumn::Stbh};

// Cells of the numeric columns that hold no whole number the program can use (text, a
// fraction, NULL, a number past 32 bits). The rows read them as 0, so every rule about such a
// cell would report a 0 that is not in the file: they are reported as they stand instead.
std::set<std::pair<int, BankColumn>>
findUnreadableNumbers(SqliteDatabase& database, const QString& name, QStringList& problems) {
    QStringList columns;
    for (const BankColumn column : kNumericColumns)
        columns.append(bankColumnName(column));
    SqliteStatement select(database, QStringLiteral("SELECT ID, %1 FROM %2 ORDER BY ID")
                                         .arg(columns.join(QStringLiteral(", ")), name));
    std::set<std::pair<int, BankColumn>> cells;
    for (int row = 0; select.step(); ++row) {
        for (int index = 0; index < int(std::size(kNumericColumns)); ++index) {
            const QVariant value = select.value(index + 1);
            const bool whole = value.typeId() == QMetaType::LongLong;
            const bool fits = whole && value.toLongLong() >= std::numeric_limits<int>::min() &&
                              value.toLongLong() <= std::numeric_limits<int>::max();
            if (fits)
                continue;
            const BankColumn column = kNumericColumns[index];
            cells.insert({row, column});
            QString shown;
            if (value.isNull())
                shown = QStringLiteral("is empty (NULL)");
            else if (whole)
                shown = QStringLiteral("%1 is out of range").arg(value.toLongLong());
            else
                shown = QStringLiteral("'%1' is not a whole number").arg(value.toString());
            problems.append(
                QStringLiteral("table %1, ID %2, column %3: %3 %4")
                    .arg(name, select.value(0).toString(), bankColumnName(column), shown));
        }
    }
    return cells;
}

BankReport checkBank(SqliteDatabase& database, const QString& name, const ProgramFolder& program) {
    BankReport report;
    report.name = name;
    report.rows = readQuestions(database, name);
    const std::set<std::pair<int, BankColumn>> unreadable =
        findUnreadableNumbers(database, name, report.problems);
    for (const RowProblem& problem : findRowProblems(report.rows, program.path)) {
        if (unreadable.count({problem.row, problem.column}) > 0)
            continue;
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
    for (const NearDuplicate& pair : findNearDuplicates(report.rows)) {
        if (areDeclaredVariants(report.rows[pair.first], report.rows[pair.second]))
            continue;
        report.problems.append(
            QStringLiteral("table %1, IDs %2 and %3: test one fact twice (similarity %4)")
                .arg(name)
                .arg(report.rows[pair.first].id)
                .arg(report.rows[pair.second].id)
                .arg(pair.similarity, 0, 'f', 2));
    }
    report.testwise = tallyTestwiseAnswerer(report.rows);
    return report;
}

QString rowName(const QuestionRow& row) {
    return row.zsd.isEmpty() ? QStringLiteral("ID %1").arg(row.id)
                             : QStringLiteral("ID %1 (%2)").arg(row.id).arg(row.zsd);
}

void checkFacts(BankReport& report, const QSet<QString>& knownFactKeys) {
    const std::vector<QuestionRow>& rows = report.rows;
    for (const RowProblem& problem : findFactProblems(rows, knownFactKeys)) {
        QString text = QStringLiteral("table %1, ID %2, column %3: %4")
                           .arg(report.name)
                           .arg(rows[std::size_t(problem.row)].id)
                           .arg(bankColumnName(problem.column), problem.message);
        if (problem.earlierRow >= 0)
            text +=
                QStringLiteral(" (first at ID %1)").arg(rows[std::size_t(problem.earlierRow)].id);
        report.factProblems.append(text);
    }
    for (const PairToRead& pair : findPairsToRead(rows)) {
        const QuestionRow& first = rows[pair.first];
        const QuestionRow& second = rows[pair.second];
        const QString what =
            pair.reason == PairToRead::Reason::SharedPicture
                ? QStringLiteral("%1 and %2 share the picture %3")
                      .arg(rowName(first), rowName(second), first.tp)
                : QStringLiteral("the right choice of %1, '%2', stands in the stem of %3")
                      .arg(rowName(first), first.da[choiceIndex(first.answer)], rowName(second));
        report.pairsToRead.append(
            QStringLiteral("table %1: %2: do they ask one fact? Settle with an S note naming the "
                           "other's fact key, or change one")
                .arg(report.name, what));
    }
}

QString checkSysParam(SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("SELECT timer2 FROM sysparam WHERE id = 1"));
    if (!select.step())
        return QStringLiteral("sysparam has no settings row (id 1)");
    // The settings dialog offers 0 to 100 minutes; a paper needs at least one.
    bool ok = false;
    const qint64 minutes = select.value(0).toString().trimmed().toLongLong(&ok);
    if (!ok || minutes < 1 || minutes > 100)
        return QStringLiteral("sysparam timer2 '%1' is not an examination time of 1 to 100 "
                              "minutes")
            .arg(select.value(0).toString());
    return QString();
}

} // namespace

int CheckReport::problemCount() const {
    int count = int(problems.size());
    for (const BankReport& bank : banks)
        count += int(bank.problems.size() + bank.factProblems.size() + bank.pairsToRead.size());
    return count;
}

CheckReport checkExamDatabase(SqliteDatabase& database, const QString& programDir) {
    CheckReport report;
    QSet<QString> factKeys;
    for (const char* table : kBankTables) {
        report.banks.push_back(
            checkBank(database, QLatin1String(table), ProgramFolder{programDir}));
        for (const QuestionRow& row : report.banks.back().rows)
            factKeys.insert(row.zsd.trimmed());
    }
    for (BankReport& bank : report.banks)
        checkFacts(bank, factKeys);
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
