#include "exam/review_queue.h"

#include "data/learning_record.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/memory_model.h"

#include <algorithm>

std::vector<int> reviewQueue(const std::vector<ReviewCandidate>& questions, const QDateTime& now,
                             double target, int dailyCount) {
    struct Due {
        double recall;
        int id;
    };
    std::vector<Due> due;
    std::vector<int> fresh;
    for (const ReviewCandidate& question : questions) {
        if (!isSeen(question.state)) {
            fresh.push_back(question.id);
            continue;
        }
        const double recall = recallAt(question.state, now);
        if (recall < target)
            due.push_back({recall, question.id});
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const Due& a, const Due& b) { return a.recall < b.recall; });
    std::vector<int> queue;
    const std::size_t limit = std::size_t(std::max(dailyCount, 0));
    for (const Due& question : due) {
        if (queue.size() == limit)
            return queue;
        queue.push_back(question.id);
    }
    for (const int id : fresh) {
        if (queue.size() == limit)
            break;
        queue.push_back(id);
    }
    return queue;
}

std::vector<int> reviewQueueIds(SqliteDatabase& database, const QString& bankTable,
                                const QDateTime& now, double target, int dailyCount) {
    const QHash<QString, MemoryState> states = readMemoryStates(database, bankTable);
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID, STNR, DA1, DA2, DA3, DA4, TP FROM %1 "
                                          "ORDER BY ID")
                               .arg(::bankTable(bankTable)));
    std::vector<ReviewCandidate> questions;
    while (select.step()) {
        const QString choices[4] = {select.value(2).toString(), select.value(3).toString(),
                                    select.value(4).toString(), select.value(5).toString()};
        const QString digest =
            questionDigest(select.value(1).toString(), choices, select.value(6).toString());
        questions.push_back({select.value(0).toInt(), states.value(digest)});
    }
    return reviewQueue(questions, now, target, dailyCount);
}
