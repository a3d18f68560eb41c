#include "data/question_rows.h"

#include "data/db_error.h"
#include "data/question_digest.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"
#include "data/topics.h"
#include "data/transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <tuple>

std::vector<QuestionRow> numberQuestions(const std::vector<BankQuestion>& questions) {
    std::vector<QuestionRow> rows;
    rows.reserve(questions.size());
    for (const BankQuestion& question : questions) {
        QuestionRow row;
        if (!question.picture.isEmpty())
            row.tp = QLatin1Char('/') + QLatin1String(kPictureFolder) + QLatin1Char('/') +
                     question.picture;
        row.stnr = question.text;
        for (int index = 0; index < question.choices.size() && index < 4; ++index)
            row.da[index] = question.choices.at(index);
        row.answer = question.answerCode;
        row.stzlb1 = question.chapter;
        row.stlx = question.isTrueFalse() ? 1 : 2;
        row.jx = question.explanation;
        row.zt = joinTopics(question.topics);
        row.zsd = question.factKey;
        row.bs = question.variantNote;
        row.yd = question.settledNotes.join(QLatin1Char('\n'));
        rows.push_back(row);
    }
    renumberQuestions(rows);
    return rows;
}

void renumberQuestions(std::vector<QuestionRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const QuestionRow& left, const QuestionRow& right) {
                         return std::tie(left.stzlb1, left.stlb, left.stlx, left.stbh) <
                                std::tie(right.stzlb1, right.stlb, right.stlx, right.stbh);
                     });
    int numberInChapter = 0;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        if (index == 0 || rows[index].stzlb1 != rows[index - 1].stzlb1)
            numberInChapter = 0;
        rows[index].id = qint64(index) + 1;
        rows[index].stbh = ++numberInChapter;
    }
}

int chapterSize(const std::vector<QuestionRow>& rows, int chapter) {
    return int(std::count_if(rows.begin(), rows.end(),
                             [&](const QuestionRow& row) { return row.stzlb1 == chapter; }));
}

void validateBank(const std::vector<BankQuestion>& questions, const QString& pictureDir) {
    QHash<QString, const BankQuestion*> seen;
    for (const BankQuestion& question : questions) {
        if (const BankQuestion* first = seen.value(question.text))
            throw BankSourceError(question.file, question.line, 4,
                                  QStringLiteral("duplicate question text (first at %1:%2)")
                                      .arg(first->file)
                                      .arg(first->line));
        seen.insert(question.text, &question);
        if (!question.picture.isEmpty() && !pictureDir.isEmpty() &&
            !QFileInfo(pictureDir + QLatin1Char('/') + question.picture).isFile())
            throw BankSourceError(question.file, question.line, 1,
                                  QStringLiteral("picture '%1' does not exist in %2")
                                      .arg(question.picture, pictureDir));
    }
}

void validateSysCfg(const std::vector<SysCfgRow>& rows,
                    const std::vector<std::vector<QuestionRow>*>& banks) {
    for (const SysCfgRow& row : rows) {
        for (const std::vector<QuestionRow>* bank : banks) {
            const int size = chapterSize(*bank, row.chapter);
            if (row.count > size)
                throw BankSourceError(row.file, row.line, 1,
                                      QStringLiteral("chapter %1 holds %2 questions, fewer than "
                                                     "the %3 a paper draws")
                                          .arg(row.chapter)
                                          .arg(size)
                                          .arg(row.count));
        }
    }
}

void insertQuestions(SqliteDatabase& database, const QString& table,
                     const std::vector<QuestionRow>& rows) {
    SqliteStatement insert(database,
                           QStringLiteral("INSERT INTO %1 (ID, TP, STNR, DA1, DA2, DA3, DA4, "
                                          "ANSWER, MARK, STLB, STZLB1, STLX, STBH, JX, ZT, ZSD, "
                                          "BS, YD) VALUES "
                                          "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                               .arg(bankTable(table)));
    for (const QuestionRow& row : rows) {
        insert.reset();
        const QVariant values[] = {row.id,
                                   row.tp,
                                   row.stnr,
                                   row.da[0],
                                   row.da[1],
                                   row.da[2],
                                   row.da[3],
                                   answerCodeToColumn(row.answer),
                                   answerCodeToColumn(row.mark),
                                   row.stlb,
                                   row.stzlb1,
                                   row.stlx,
                                   row.stbh,
                                   row.jx,
                                   row.zt,
                                   row.zsd,
                                   row.bs,
                                   row.yd};
        int index = 1;
        for (const QVariant& value : values)
            insert.bind(index++, value);
        insert.step();
    }
}

std::vector<QuestionRow> readQuestions(SqliteDatabase& database, const QString& table) {
    // A file of an earlier version lacks the later text columns: its questions read as
    // unexplained and untagged.
    QStringList later;
    for (const char* column : kBankTextColumnsAfterStbh) {
        const QString name = QLatin1String(column);
        later.append(hasColumn(database, {table, name}) ? name : QStringLiteral("''"));
    }
    SqliteStatement select(database, QStringLiteral("SELECT ID, TP, STNR, DA1, DA2, DA3, DA4, "
                                                    "ANSWER, MARK, STLB, STZLB1, STLX, STBH, %2 "
                                                    "FROM %1 ORDER BY ID")
                                         .arg(bankTable(table), later.join(QStringLiteral(", "))));
    std::vector<QuestionRow> rows;
    while (select.step()) {
        QuestionRow row;
        row.id = select.value(0).toLongLong();
        row.tp = select.value(1).toString();
        row.stnr = select.value(2).toString();
        for (int index = 0; index < 4; ++index)
            row.da[index] = select.value(3 + index).toString();
        row.answer = answerCodeFromColumn(select.value(7).toInt());
        row.mark = answerCodeFromColumn(select.value(8).toInt());
        row.stlb = select.value(9).toInt();
        row.stzlb1 = select.value(10).toInt();
        row.stlx = select.value(11).toInt();
        row.stbh = select.value(12).toInt();
        row.jx = select.value(13).toString();
        row.zt = select.value(14).toString();
        row.zsd = select.value(15).toString();
        row.bs = select.value(16).toString();
        row.yd = select.value(17).toString();
        rows.push_back(row);
    }
    return rows;
}

void writeExamDatabase(const QString& path, const DatabaseKey& key, const BankSources& sources,
                       const QString& pictureDir) {
    std::vector<BankQuestion> smallCar = sources.common;
    std::vector<BankQuestion> truck = sources.common;
    truck.insert(truck.end(), sources.truck.begin(), sources.truck.end());
    validateBank(smallCar, pictureDir);
    validateBank(truck, pictureDir);
    std::vector<QuestionRow> carRows = numberQuestions(smallCar);
    std::vector<QuestionRow> truckRows = numberQuestions(truck);
    validateSysCfg(sources.sysCfg, {&carRows, &truckRows});

    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        SqliteDatabase database(partial, key, SqliteDatabase::OpenMode::CreateIfMissing);
        createExamSchema(database);
        Transaction transaction(database);
        insertQuestions(database, QStringLiteral("B2"), truckRows);
        insertQuestions(database, QStringLiteral("C"), carRows);
        for (const SysCfgRow& row : sources.sysCfg) {
            SqliteStatement insert(
                database, QStringLiteral("INSERT INTO SYS_CFG (STZLB1, STSL) VALUES (?, ?)"));
            insert.bind(1, row.chapter);
            insert.bind(2, row.count);
            insert.step();
        }
        SqliteStatement param(database, QStringLiteral("INSERT INTO sysparam (id, timer1, timer2, "
                                                       "ifjump, ifshow) VALUES (1, ?, ?, ?, ?)"));
        param.bind(1, sources.sysParam.timer1);
        param.bind(2, sources.sysParam.timer2);
        param.bind(3, sources.sysParam.ifjump);
        param.bind(4, sources.sysParam.ifshow);
        param.step();
        writeMissingDigests(database);
        transaction.commit();
    }
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) !=
        0)
        throw DbError(QStringLiteral("cannot move %1 to %2").arg(partial, path));
}
