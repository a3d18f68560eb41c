#include "exam/bank_memory.h"

#include "data/learning_record.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"

#include <algorithm>

namespace {

constexpr int kStem = 1;
constexpr int kPicture = 6;
constexpr int kAnyReal = 9;

// The digest as the answer path computes it from strings. A text that is not clean UTF-8, or a
// real number where text belongs (a hand-edited file), takes the strings' way, so that both
// ways give the same key for every row.
qint64 rowDigestKey(const SqliteStatement& row) {
    QByteArrayView texts[6];
    bool clean = row.integer(kAnyReal) == 0;
    for (int column = kStem; column <= kPicture; ++column) {
        texts[column - kStem] = row.text(column);
        clean = clean && texts[column - kStem].isValidUtf8();
    }
    if (clean)
        return questionDigestKey(texts);
    const QString choices[4] = {row.value(2).toString(), row.value(3).toString(),
                                row.value(4).toString(), row.value(5).toString()};
    return digestKey(
        questionDigest(row.value(kStem).toString(), choices, row.value(kPicture).toString()));
}

} // namespace

BankMemory readBankMemory(SqliteDatabase& database, const QString& bankTable) {
    BankMemory bank;
    bank.stored = readStoredMemories(database, bankTable);
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID, STNR, DA1, DA2, DA3, DA4, TP, STZLB1, STLX, "
                                          "'real' IN (typeof(STNR), typeof(DA1), typeof(DA2), "
                                          "typeof(DA3), typeof(DA4), typeof(TP)) "
                                          "FROM %1 ORDER BY ID")
                               .arg(::bankTable(bankTable)));
    while (select.step()) {
        QuestionMemory question;
        question.id = int(select.integer(0));
        question.chapter = int(select.integer(7));
        question.trueFalse = select.integer(8) == 1;
        const qint64 key = rowDigestKey(select);
        const auto found = std::lower_bound(
            bank.stored.begin(), bank.stored.end(), key,
            [](const StoredMemory& stored, qint64 wanted) { return stored.digestKey < wanted; });
        if (found != bank.stored.end() && found->digestKey == key && found->reps > 0)
            question.memory = &*found;
        bank.questions.push_back(question);
    }
    return bank;
}
