#include "data/exercise_rows.h"

#include "data/answer_code.h"
#include "data/bank_table.h"
#include "data/db_error.h"
#include "data/practice_lists.h"
#include "data/row_values.h"
#include "data/sqlite_database.h"
#include "data/transaction.h"

#include <cstdint>

namespace {

int wholeNumber(const SqliteStatement& row, int column) {
    return fieldAt(row, column).asInteger();
}

QString text(const SqliteStatement& row, int column) {
    return fieldAt(row, column).asString();
}

const QString kQuestionColumns = QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER FROM ");
const QString kBankOrder = QStringLiteral(" order by STLB,STZLB1,STLX,STBH");

std::vector<ExerciseQuestion> readList(SqliteStatement& select, std::size_t limit = SIZE_MAX) {
    std::vector<ExerciseQuestion> questions;
    while (questions.size() < limit && select.step()) {
        ExerciseQuestion question;
        question.id = wholeNumber(select, 0);
        question.tp = text(select, 1);
        question.stnr = text(select, 2);
        for (int index = 0; index < 4; ++index)
            question.da[index] = text(select, 3 + index);
        questions.push_back(question);
    }
    return questions;
}

// A practice's list: the texts of tens of thousands of questions would be most of what the
// program holds, and a column never asked for is never decoded.
std::vector<ListedQuestion> readIds(SqliteStatement& select) {
    std::vector<ListedQuestion> questions;
    while (select.step())
        questions.push_back({wholeNumber(select, 0), nullptr});
    return questions;
}

} // namespace

std::optional<ExerciseSettings> readExerciseSettings(const SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("select * from sysparam where id=1"));
    if (!select.step())
        return std::nullopt;
    ExerciseSettings settings;
    for (int column = 0; column < select.columnCount(); ++column) {
        const QString name = select.columnName(column).toLower();
        if (name == QLatin1String("timer1"))
            settings.timer1 = wholeNumber(select, column);
        else if (name == QLatin1String("timer2"))
            settings.timer2 = wholeNumber(select, column);
        else if (name == QLatin1String("ifjump"))
            settings.ifJump = wholeNumber(select, column);
        else if (name == QLatin1String("ifshow"))
            settings.ifShow = wholeNumber(select, column);
    }
    return settings;
}

void clearBankMarks(SqliteDatabase& database, const QString& bank) {
    // Only the answered rows are rewritten, found through the partial indexes whose WHERE these
    // repeat word for word; the second statement takes a NULL mark back to 5 as well.
    const QString update = QStringLiteral("update ") + bankTable(bank) +
                           QStringLiteral(" set mark=") +
                           QString::number(answerCodeToColumn(AnswerCode::NotAnswered));
    Transaction transaction(database);
    for (const QString& where : {QStringLiteral(" where mark<>") +
                                     QString::number(answerCodeToColumn(AnswerCode::NotAnswered)),
                                 QStringLiteral(" where mark is null")}) {
        SqliteStatement statement(database, update + where);
        statement.step();
    }
    transaction.commit();
}

void clearDrawPool(const SqliteDatabase& database) {
    SqliteStatement remove(database, QStringLiteral("delete from exam_temp"));
    remove.step();
}

std::vector<ListedQuestion> readBankQuestions(SqliteDatabase& database, const QString& bank) {
    // Stepping the sequential list through would decode every page of the bank; the bank-order
    // index gives the ids alone, and the list is opened only as far as its first question,
    // which is shown at once.
    const std::vector<int> ids = bankOrderIds(database, bank);
    std::vector<ListedQuestion> questions(ids.size());
    for (std::size_t index = 0; index < ids.size(); ++index)
        questions[index].id = ids[index];
    SqliteStatement select(database, kQuestionColumns + bankTable(bank) + kBankOrder);
    std::vector<ExerciseQuestion> first = readList(select, 1);
    if (!questions.empty() && !first.empty() && first.front().id == questions.front().id)
        questions.front().texts = std::make_unique<const ExerciseQuestion>(first.front());
    return questions;
}

ExerciseQuestion readQuestionTexts(const SqliteDatabase& database, const QString& bank, int id) {
    SqliteStatement select(database, QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4 FROM ") +
                                         bankTable(bank) + QStringLiteral(" WHERE ID = ?"));
    select.bind(1, id);
    std::vector<ExerciseQuestion> found = readList(select);
    if (found.empty()) {
        ExerciseQuestion gone;
        gone.id = id;
        return gone;
    }
    return found.front();
}

std::vector<ListedQuestion> readChapterQuestions(SqliteDatabase& database, const QString& bank,
                                                 int chapter) {
    std::vector<ListedQuestion> questions;
    for (const int id : chapterIds(database, bank, chapter))
        questions.push_back({id, nullptr});
    return questions;
}

std::vector<ListedQuestion> readQuestionsInOrder(SqliteDatabase& database, const QString& bank,
                                                 const std::vector<int>& ids) {
    // The order lives in a temporary table of this connection, so the list can follow it
    // without writing to the learner's file.
    database.execScript(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS PRACTICE_ORDER "
                                       "(POS INTEGER PRIMARY KEY, ID INTEGER);"
                                       "DELETE FROM temp.PRACTICE_ORDER;"));
    {
        SqliteStatement insert(
            database, QStringLiteral("INSERT INTO temp.PRACTICE_ORDER (POS, ID) VALUES (?, ?)"));
        int position = 0;
        for (const int id : ids) {
            insert.reset();
            insert.bind(1, ++position);
            insert.bind(2, id);
            insert.step();
        }
    }
    SqliteStatement select(
        database, QStringLiteral("SELECT b.ID,b.TP,b.STNR,b.DA1,b.DA2,b.DA3,b.DA4,b.ANSWER FROM ") +
                      bankTable(bank) +
                      QStringLiteral(" b, temp.PRACTICE_ORDER o WHERE b.ID = o.ID ORDER BY o.POS"));
    return readIds(select);
}

AnswerAndMark readAnswerAndMark(const SqliteDatabase& database, const QString& bank, int id) {
    SqliteStatement select(database, QStringLiteral("select ANSWER,MARK,TP from ") +
                                         bankTable(bank) + QStringLiteral(" where id=?"));
    select.bind(1, id);
    if (!select.step())
        throwNoCurrentRecord();
    return {answerCodeFromColumn(wholeNumber(select, 0)),
            answerCodeFromColumn(wholeNumber(select, 1))};
}

std::optional<AnswerCode> readMark(const SqliteDatabase& database, const QString& bank, int id) {
    SqliteStatement select(database, QStringLiteral("select MARK from ") + bankTable(bank) +
                                         QStringLiteral(" where id=?"));
    select.bind(1, id);
    if (!select.step())
        return std::nullopt;
    return answerCodeFromColumn(wholeNumber(select, 0));
}

int writeMark(const SqliteDatabase& database, const QString& bank, int id, AnswerCode mark) {
    SqliteStatement update(database, QStringLiteral("UPDATE ") + bankTable(bank) +
                                         QStringLiteral(" SET MARK = ? WHERE id = ?"));
    // The code goes in as text, as the quoted literal always did.
    update.bind(1, QString::number(answerCodeToColumn(mark)));
    update.bind(2, id);
    while (update.step()) {
    }
    return database.changes();
}

QString countRightAnswers(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database, QStringLiteral("select count(id) as rightnum from ") +
                                         bankTable(bank) + QStringLiteral(" where answer=mark"));
    if (!select.step())
        throwNoCurrentRecord();
    return text(select, 0);
}

int countAnswered(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("select count(id) as answered from ") + bankTable(bank) +
                               QStringLiteral(" where mark<>") +
                               QString::number(answerCodeToColumn(AnswerCode::NotAnswered)));
    if (!select.step())
        throwNoCurrentRecord();
    return wholeNumber(select, 0);
}

int countPaperRightAnswers(const SqliteDatabase& database, const QString& bank) {
    SqliteStatement select(database,
                           QStringLiteral("select count(a.examid) as rightnum from s_mark a,") +
                               bankTable(bank) +
                               QStringLiteral(" b where b.answer=b.mark and a.examid=b.id"));
    if (!select.step())
        throwNoCurrentRecord();
    return wholeNumber(select, 0);
}
