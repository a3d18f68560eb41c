#include "tools/bank_tool/question_csv.h"

#include <algorithm>
#include <tuple>

namespace {

QString location(const QString& fileName, const CsvField& field) {
    return QStringLiteral("%1:%2:%3").arg(fileName).arg(field.line).arg(field.column);
}

bool isBlank(const CsvRecord& record) {
    return std::all_of(record.begin(), record.end(),
                       [](const CsvField& field) { return field.text.trimmed().isEmpty(); });
}

CsvProblem problemAt(const QString& fileName, const CsvField& field, const QString& message) {
    return {field.line, field.column, location(fileName, field) + QStringLiteral(": ") + message};
}

QString headerProblem(const CsvRecord& header, const QString& fileName) {
    const QStringList expected = bankColumnNames();
    for (int index = 0; index < kBankColumnCount && index < int(header.size()); ++index) {
        const CsvField& field = header[std::size_t(index)];
        if (field.text.trimmed().compare(expected.at(index), Qt::CaseInsensitive) != 0)
            return QStringLiteral("%1: header column %2 is '%3', expected '%4' (the columns are "
                                  "%5)")
                .arg(location(fileName, field))
                .arg(index + 1)
                .arg(field.text, expected.at(index), expected.join(QLatin1Char(',')));
    }
    if (int(header.size()) != kBankColumnCount)
        return QStringLiteral("%1: the header has %2 columns, expected %3 (%4)")
            .arg(location(fileName, header.front()))
            .arg(header.size())
            .arg(kBankColumnCount)
            .arg(expected.join(QLatin1Char(',')));
    return QString();
}

class RecordReader {
public:
    RecordReader(const CsvRecord& record, const QString& fileName,
                 std::vector<CsvProblem>& problems)
        : record_(record), fileName_(fileName), problems_(problems) {}

    QString text(BankColumn column) const { return field(column).text; }

    int number(BankColumn column) {
        const CsvField& source = field(column);
        bool ok = false;
        const int value = source.text.trimmed().toInt(&ok);
        if (!ok) {
            problems_.push_back(problemAt(fileName_, source,
                                          QStringLiteral("%1 '%2' is not a whole number")
                                              .arg(bankColumnName(column), source.text)));
            failed_ = true;
        }
        return value;
    }

    bool failed() const { return failed_; }

private:
    const CsvField& field(BankColumn column) const { return record_[std::size_t(column)]; }

    const CsvRecord& record_;
    const QString& fileName_;
    std::vector<CsvProblem>& problems_;
    bool failed_ = false;
};

} // namespace

QByteArray questionsToCsv(const std::vector<QuestionRow>& rows) {
    std::vector<QStringList> records;
    records.reserve(rows.size() + 1);
    records.push_back(bankColumnNames());
    for (const QuestionRow& row : rows) {
        records.push_back(
            {QString::number(row.id), row.tp, row.stnr, row.da[0], row.da[1], row.da[2], row.da[3],
             QString::number(row.answer), QString::number(row.mark), QString::number(row.stlb),
             QString::number(row.stzlb1), QString::number(row.stlx), QString::number(row.stbh)});
    }
    return writeCsv(records);
}

CsvQuestions questionsFromCsv(const std::vector<CsvRecord>& records, const QString& fileName) {
    CsvQuestions result;
    if (records.empty()) {
        result.problems.push_back(
            {1, 1,
             QStringLiteral("%1:1:1: the file is empty; it needs at least the header row")
                 .arg(fileName)});
        return result;
    }
    if (const QString problem = headerProblem(records.front(), fileName); !problem.isEmpty()) {
        result.problems.push_back({1, 1, problem});
        return result;
    }
    for (std::size_t index = 1; index < records.size(); ++index) {
        const CsvRecord& record = records[index];
        if (isBlank(record))
            continue;
        if (int(record.size()) != kBankColumnCount) {
            const CsvField& at = int(record.size()) > kBankColumnCount
                                     ? record[std::size_t(kBankColumnCount)]
                                     : record.back();
            result.problems.push_back(
                problemAt(fileName, at,
                          QStringLiteral("the record has %1 fields, expected %2")
                              .arg(record.size())
                              .arg(kBankColumnCount)));
            continue;
        }
        RecordReader reader(record, fileName, result.problems);
        QuestionRow row;
        row.tp = reader.text(BankColumn::Tp);
        row.stnr = reader.text(BankColumn::Stnr);
        for (int choice = 0; choice < 4; ++choice)
            row.da[choice] = reader.text(BankColumn(int(BankColumn::Da1) + choice));
        row.answer = reader.number(BankColumn::Answer);
        row.stlb = reader.number(BankColumn::Stlb);
        row.stzlb1 = reader.number(BankColumn::Stzlb1);
        row.stlx = reader.number(BankColumn::Stlx);
        row.stbh = reader.number(BankColumn::Stbh);
        if (reader.failed())
            continue;
        result.rows.push_back(row);
        result.records.push_back(record);
    }
    return result;
}

CsvProblem describeRowProblem(const CsvQuestions& questions, const RowProblem& problem,
                              const QString& fileName) {
    const CsvRecord& record = questions.records[std::size_t(problem.row)];
    CsvProblem described =
        problemAt(fileName, record[std::size_t(problem.column)], problem.message);
    if (problem.earlierRow >= 0)
        described.text += QStringLiteral(" (first on line %1)")
                              .arg(questions.records[std::size_t(problem.earlierRow)].front().line);
    return described;
}

void sortProblems(std::vector<CsvProblem>& problems) {
    std::stable_sort(
        problems.begin(), problems.end(), [](const CsvProblem& left, const CsvProblem& right) {
            return std::tie(left.line, left.column) < std::tie(right.line, right.column);
        });
}
