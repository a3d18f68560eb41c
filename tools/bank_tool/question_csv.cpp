#include "tools/bank_tool/question_csv.h"

#include <algorithm>
#include <limits>
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

// The header decides the columns: all of them, or the first 13 to 17 as earlier versions wrote
// them (without JX, or without the topic and fact columns). Returns the problem, or an empty
// text with `columns` set.
QString headerProblem(const CsvRecord& header, const QString& fileName, int& columns) {
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
    columns = int(header.size());
    if (columns > kBankColumnCount || columns < kRequiredBankColumnCount)
        return QStringLiteral("%1: the header has %2 columns, expected %3 (%4), or the first %5 "
                              "or more of them")
            .arg(location(fileName, header.front()))
            .arg(header.size())
            .arg(kBankColumnCount)
            .arg(expected.join(QLatin1Char(',')))
            .arg(kRequiredBankColumnCount);
    return QString();
}

// A spreadsheet runs a cell that starts with one of these as a formula.
bool startsLikeFormula(const QString& text, qsizetype from) {
    if (from >= text.size())
        return false;
    const char16_t first = text.at(from).unicode();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
           first == u'\r';
}

qsizetype leadingApostrophes(const QString& text) {
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == QLatin1Char('\''))
        ++count;
    return count;
}

class RecordReader {
public:
    RecordReader(const CsvRecord& record, const QString& fileName,
                 std::vector<CsvProblem>& problems)
        : record_(record), fileName_(fileName), problems_(problems) {}

    QString text(BankColumn column) const {
        if (int(column) >= int(record_.size()))
            return QString();
        return restoreFormulaText(field(column).text);
    }

    int number(BankColumn column) {
        const CsvField& source = field(column);
        bool ok = false;
        const qint64 value = source.text.trimmed().toLongLong(&ok);
        const bool fits =
            value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
        if (!ok || !fits) {
            problems_.push_back(problemAt(fileName_, source,
                                          QStringLiteral("%1 '%2' is %3")
                                              .arg(bankColumnName(column), source.text,
                                                   ok ? QStringLiteral("out of range")
                                                      : QStringLiteral("not a whole number"))));
            failed_ = true;
            return 0;
        }
        return int(value);
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

QString neutralizeFormulaText(const QString& text) {
    // Apostrophes already in front are counted too, so that a text which really starts with
    // "'=" comes back as it was.
    if (startsLikeFormula(text, leadingApostrophes(text)))
        return QLatin1Char('\'') + text;
    return text;
}

QString restoreFormulaText(const QString& text) {
    const qsizetype apostrophes = leadingApostrophes(text);
    if (apostrophes > 0 && startsLikeFormula(text, apostrophes))
        return text.mid(1);
    return text;
}

QByteArray questionsToCsv(const std::vector<QuestionRow>& rows) {
    std::vector<QStringList> records;
    records.reserve(rows.size() + 1);
    records.push_back(bankColumnNames());
    for (const QuestionRow& row : rows) {
        QStringList record{QString::number(row.id),
                           row.tp,
                           row.stnr,
                           row.da[0],
                           row.da[1],
                           row.da[2],
                           row.da[3],
                           QString::number(answerCodeToColumn(row.answer)),
                           QString::number(answerCodeToColumn(row.mark)),
                           QString::number(row.stlb),
                           QString::number(row.stzlb1),
                           QString::number(row.stlx),
                           QString::number(row.stbh),
                           row.jx,
                           row.zt,
                           row.zsd,
                           row.bs,
                           row.yd};
        for (const BankColumn column :
             {BankColumn::Tp, BankColumn::Stnr, BankColumn::Da1, BankColumn::Da2, BankColumn::Da3,
              BankColumn::Da4, BankColumn::Jx, BankColumn::Zt, BankColumn::Zsd, BankColumn::Bs,
              BankColumn::Yd})
            record[int(column)] = neutralizeFormulaText(record[int(column)]);
        records.push_back(record);
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
    int columns = kBankColumnCount;
    if (const QString problem = headerProblem(records.front(), fileName, columns);
        !problem.isEmpty()) {
        result.problems.push_back({1, 1, problem});
        return result;
    }
    for (std::size_t index = 1; index < records.size(); ++index) {
        const CsvRecord& record = records[index];
        if (isBlank(record))
            continue;
        if (int(record.size()) != columns) {
            const CsvField& at =
                int(record.size()) > columns ? record[std::size_t(columns)] : record.back();
            result.problems.push_back(problemAt(fileName, at,
                                                QStringLiteral("the record has %1 fields, "
                                                               "expected %2 as the header has")
                                                    .arg(record.size())
                                                    .arg(columns)));
            continue;
        }
        RecordReader reader(record, fileName, result.problems);
        QuestionRow row;
        row.tp = reader.text(BankColumn::Tp);
        row.stnr = reader.text(BankColumn::Stnr);
        for (int choice = 0; choice < 4; ++choice)
            row.da[choice] = reader.text(BankColumn(int(BankColumn::Da1) + choice));
        row.answer = answerCodeFromColumn(reader.number(BankColumn::Answer));
        row.stlb = reader.number(BankColumn::Stlb);
        row.stzlb1 = reader.number(BankColumn::Stzlb1);
        row.stlx = reader.number(BankColumn::Stlx);
        row.stbh = reader.number(BankColumn::Stbh);
        row.jx = reader.text(BankColumn::Jx);
        row.zt = reader.text(BankColumn::Zt);
        row.zsd = reader.text(BankColumn::Zsd);
        row.bs = reader.text(BankColumn::Bs);
        row.yd = reader.text(BankColumn::Yd);
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
    // A column the file left off reads as empty; its problem is put at the record's end.
    const CsvField& field = std::size_t(problem.column) < record.size()
                                ? record[std::size_t(problem.column)]
                                : record.back();
    CsvProblem described = problemAt(fileName, field, problem.message);
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
