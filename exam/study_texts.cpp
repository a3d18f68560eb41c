#include "exam/study_texts.h"

#include "data/answer_code.h"
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

QHash<int, AnswerAndMark> readAnswersAndMarks(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID, ANSWER, MARK FROM %1").arg(bankTable(bank)));
    QHash<int, AnswerAndMark> rows;
    while (select.step())
        rows.insert(select.value(0).toInt(), {answerCodeFromColumn(select.value(1).toInt()),
                                              answerCodeFromColumn(select.value(2).toInt())});
    return rows;
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
