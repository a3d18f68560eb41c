#include "data/practice_lists.h"

#include "data/bank_table.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"

namespace {

const QString kSequentialOrder = QStringLiteral(" ORDER BY STLB, STZLB1, STLX, STBH, ID");

std::vector<int> selectIds(SqliteDatabase& database, const QString& bank, const QString& where,
                           const QVariant& value = QVariant()) {
    SqliteStatement select(database, QStringLiteral("SELECT ID FROM ") + bankTable(bank) + where +
                                         kSequentialOrder);
    if (value.isValid())
        select.bind(1, value);
    std::vector<int> ids;
    while (select.step())
        ids.push_back(int(select.integer(0)));
    return ids;
}

} // namespace

std::vector<int> bankOrderIds(SqliteDatabase& database, const QString& bankTable) {
    return selectIds(database, bankTable, QString());
}

std::vector<int> chapterIds(SqliteDatabase& database, const QString& bankTable, int chapter) {
    return selectIds(database, bankTable, QStringLiteral(" WHERE STZLB1 = ?"), chapter);
}

std::vector<int> topicIds(SqliteDatabase& database, const QString& bankTable,
                          const QString& topic) {
    if (topic.isEmpty() || !hasColumn(database, bankTable, QStringLiteral("ZT")))
        return {};
    // Blanks round the column and the name, so that no topic matches inside another.
    return selectIds(database, bankTable, QStringLiteral(" WHERE instr(' ' || ZT || ' ', ?) > 0"),
                     QLatin1Char(' ') + topic + QLatin1Char(' '));
}

std::vector<int> kindIds(SqliteDatabase& database, const QString& bankTable, QuestionKind kind) {
    switch (kind) {
    case QuestionKind::TrueFalse:
        return selectIds(database, bankTable, QStringLiteral(" WHERE ifnull(trim(DA3), '') = ''"));
    case QuestionKind::FourChoice:
        return selectIds(database, bankTable, QStringLiteral(" WHERE ifnull(trim(DA3), '') <> ''"));
    case QuestionKind::Picture:
        return selectIds(database, bankTable, QStringLiteral(" WHERE ifnull(TP, '') <> ''"));
    }
    return {};
}

QString kindName(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::TrueFalse:
        return QStringLiteral("判断题");
    case QuestionKind::FourChoice:
        return QStringLiteral("单选题");
    case QuestionKind::Picture:
        return QStringLiteral("图片题");
    }
    return QString();
}
