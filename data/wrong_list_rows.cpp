#include "data/wrong_list_rows.h"

#include "data/bank_table.h"
#include "data/row_values.h"
#include "data/sqlite_database.h"

#include <QVariant>

#include <array>
#include <vector>

namespace {

const QString kSelectColumns = QStringLiteral("SELECT ID,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK FROM ");
constexpr int kColumns = 8;

} // namespace

int countWrongPaperQuestions(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(
        database,
        kSelectColumns + bankTable(bank) +
            QStringLiteral(" WHERE answer<>mark and ID IN(SELECT EXAMID FROM S_MARK) order by id"));
    int count = 0;
    while (select.step())
        ++count;
    return count;
}

void forEachWrongPaperQuestion(const SqliteDatabase& database, const QString& bank,
                               const std::function<void(const WrongQuestion&)>& each) {
    std::vector<std::array<QVariant, kColumns>> rows;
    {
        SqliteStatement select(
            database, kSelectColumns + bankTable(bank) +
                          QStringLiteral(" WHERE ID IN(SELECT EXAMID FROM S_MARK) order by id"));
        while (select.step()) {
            std::array<QVariant, kColumns> row;
            for (int column = 0; column < kColumns; ++column)
                row[std::size_t(column)] = select.value(column);
            rows.push_back(std::move(row));
        }
    }
    int position = 0;
    for (const std::array<QVariant, kColumns>& row : rows) {
        ++position;
        WrongQuestion question;
        question.mark = answerCodeFromColumn(FieldValue(row[7]).asInteger());
        question.answer = answerCodeFromColumn(FieldValue(row[6]).asInteger());
        if (question.mark == question.answer)
            continue;
        question.position = position;
        question.text = FieldValue(row[1]).asString();
        for (int index = 0; index < 4; ++index)
            question.choices[index] = FieldValue(row[2 + std::size_t(index)]).asString();
        each(question);
    }
}
