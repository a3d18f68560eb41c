#include "exam/study_texts.h"

#include "data/answer_code.h"
#include "data/learning_record.h"
#include "data/practice_record.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/question_text.h"

#include <QStringList>

namespace {

QString bankTitle(const QString& bank) {
    if (bank == QLatin1String("C"))
        return QStringLiteral("小型汽车C1，C2");
    if (bank == QLatin1String("B2"))
        return QStringLiteral("大型货车B2");
    return bank;
}

} // namespace

QString rightAnswerLine(const StudyText& text) {
    const int index = choiceIndex(text.answer);
    if (index < 0)
        return QStringLiteral("正确答案：？");
    return QStringLiteral("正确答案：") + prefixChoice(trimBlanks(text.choices[index]),
                                                       letterForAnswerCode(text.answer),
                                                       QStringLiteral(". "));
}

QString bankSummary(const QString& bank, const QList<std::pair<int, int>>& chapterSizes) {
    int total = 0;
    QStringList chapters;
    for (const auto& [chapter, size] : chapterSizes) {
        total += size;
        chapters.append(QStringLiteral("第%1章 %2 题").arg(chapter).arg(size));
    }
    QString summary = QStringLiteral("%1题库共 %2 题").arg(bankTitle(bank)).arg(total);
    if (!chapters.isEmpty())
        summary += QStringLiteral("：") + chapters.join(QStringLiteral("，"));
    return summary + QStringLiteral("。");
}

StudyText readStudyText(const SqliteDatabase& database, const QString& bank, int id) {
    SqliteStatement select(
        database, QStringLiteral("SELECT ANSWER, DA1, DA2, DA3, DA4, JX FROM %1 WHERE ID = ?")
                      .arg(bankTable(bank)));
    select.bind(1, id);
    StudyText text;
    if (!select.step())
        return text;
    text.answer = answerCodeFromColumn(select.value(0).toInt());
    for (int column = 0; column < 4; ++column)
        text.choices[column] = select.value(column + 1).toString();
    text.explanation = select.value(5).toString().trimmed();
    return text;
}

namespace {

// Up to this many ids a list is read row by row; a longer one (a whole-bank practice) in one
// pass over the bank, which is then about what the list holds.
constexpr qsizetype kRowByRowLimit = 1000;

} // namespace

QVector<AnswerAndMark> readAnswersAndMarks(const SqliteDatabase& database, const QString& bank,
                                           const QVector<int>& ids) {
    const AnswerAndMark missing{AnswerCode::D, AnswerCode::NotAnswered};
    QVector<AnswerAndMark> rows(ids.size(), missing);
    if (ids.size() <= kRowByRowLimit) {
        SqliteStatement select(
            database,
            QStringLiteral("SELECT ANSWER, MARK FROM %1 WHERE ID = ?").arg(bankTable(bank)));
        for (qsizetype index = 0; index < ids.size(); ++index) {
            select.reset();
            select.bind(1, ids.at(index));
            if (select.step())
                rows[index] = {answerCodeFromColumn(select.value(0).toInt()),
                               answerCodeFromColumn(select.value(1).toInt())};
        }
        return rows;
    }
    QHash<int, qsizetype> indexOfId;
    indexOfId.reserve(ids.size());
    for (qsizetype index = 0; index < ids.size(); ++index)
        indexOfId.insert(ids.at(index), index);
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID, ANSWER, MARK FROM %1").arg(bankTable(bank)));
    while (select.step()) {
        const auto found = indexOfId.constFind(select.value(0).toInt());
        if (found != indexOfId.constEnd())
            rows[*found] = {answerCodeFromColumn(select.value(1).toInt()),
                            answerCodeFromColumn(select.value(2).toInt())};
    }
    return rows;
}

SheetRows readSheetRows(const SqliteDatabase& database, const QString& bank,
                        const QVector<int>& ids) {
    if (ids.size() <= kRowByRowLimit)
        return {readAnswersAndMarks(database, bank, ids), true};
    const AnswerAndMark unanswered{AnswerCode::D, AnswerCode::NotAnswered};
    SheetRows sheet{QVector<AnswerAndMark>(ids.size(), unanswered), false};
    QHash<int, qsizetype> indexOfId;
    // The WHEREs repeat those of the partial indexes of answered rows word for word.
    for (const QString& where :
         {QStringLiteral(" WHERE MARK<>5"), QStringLiteral(" WHERE MARK IS NULL")}) {
        SqliteStatement select(
            database,
            QStringLiteral("SELECT ID, ANSWER, MARK FROM %1").arg(bankTable(bank)) + where);
        while (select.step()) {
            if (indexOfId.isEmpty()) {
                indexOfId.reserve(ids.size());
                for (qsizetype index = 0; index < ids.size(); ++index)
                    indexOfId.insert(ids.at(index), index);
            }
            const auto found = indexOfId.constFind(select.value(0).toInt());
            if (found != indexOfId.constEnd())
                sheet.rows[*found] = {answerCodeFromColumn(select.value(1).toInt()),
                                      answerCodeFromColumn(select.value(2).toInt())};
        }
    }
    return sheet;
}

QSet<int> favouritesAmong(SqliteDatabase& database, const QString& bank, const QVector<int>& ids) {
    const std::vector<QString> digests = favouriteDigests(database, bank);
    QSet<int> favourites;
    if (digests.empty())
        return favourites;
    if (ids.size() > kRowByRowLimit) {
        for (const int id : idsOfDigests(database, bank, digests))
            favourites.insert(id);
        return favourites;
    }
    const QSet<QString> marked(digests.begin(), digests.end());
    for (const int id : ids) {
        if (marked.contains(digestOfQuestion(database, bank, id)))
            favourites.insert(id);
    }
    return favourites;
}

QList<std::pair<int, int>> readChapterSizes(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("SELECT STZLB1, COUNT(*) FROM %1 GROUP BY "
                                                    "STZLB1 ORDER BY STZLB1")
                                         .arg(bankTable(bank)));
    QList<std::pair<int, int>> sizes;
    while (select.step())
        sizes.append({select.value(0).toInt(), select.value(1).toInt()});
    return sizes;
}

QString bankUpdateLine(const QString& version, qint64 newQuestions) {
    return QStringLiteral("题库已更新到 %1 版（新增 %2 题）").arg(version).arg(newQuestions);
}

QList<std::pair<int, int>> ChapterSizeCache::sizes(const SqliteDatabase& database,
                                                   const QString& bank) {
    const qint64 version = database.dataVersion();
    if (database.serial() != handle_ || version != version_) {
        sizes_.clear();
        handle_ = database.serial();
        version_ = version;
    }
    const auto found = sizes_.constFind(bank);
    if (found != sizes_.constEnd())
        return *found;
    return sizes_[bank] = readChapterSizes(database, bank);
}
