#include "exam/memory_recorder.h"

#include "data/learning_record.h"
#include "data/memory_table.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/memory_model.h"

RememberedQuestion rememberedQuestion(SqliteDatabase& database, const QString& bankTable, int id) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT STNR, DA1, DA2, DA3, DA4, TP, STZLB1, STLX "
                                          "FROM %1 WHERE ID = ?")
                               .arg(::bankTable(bankTable)));
    select.bind(1, id);
    if (!select.step())
        return {};
    const QString choices[4] = {select.value(1).toString(), select.value(2).toString(),
                                select.value(3).toString(), select.value(4).toString()};
    return {questionDigest(select.value(0).toString(), choices, select.value(5).toString()),
            select.value(6).toInt(), select.value(7).toInt() == 1};
}

void recordAnswerInMemory(SqliteDatabase& database, const QString& bank,
                          const RememberedQuestion& question, bool right, const QDateTime& now) {
    if (question.digest.isEmpty())
        return;
    const MemoryState state =
        readMemoryState(database, {bank, question.digest}).value_or(MemoryState{});
    const bool first = !isSeen(state);
    addChapterEvidence(database, bank, question.chapter, first, right,
                       first ? 0.0 : chanceRight(recallAt(state, now), question.trueFalse));
    writeMemoryState(database, {bank, question.digest}, reviewed(state, right, now));
}
