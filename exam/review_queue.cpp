#include "exam/review_queue.h"

#include "exam/bank_memory.h"
#include "exam/memory_model.h"

#include <algorithm>

std::vector<int> reviewQueue(const std::vector<ReviewCandidate>& questions, double target,
                             const QDateTime& now, int dailyCount) {
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
    const BankMemory bank = readBankMemory(database, bankTable);
    std::vector<ReviewCandidate> questions;
    questions.reserve(bank.questions.size());
    for (const QuestionMemory& question : bank.questions)
        questions.push_back(
            {question.id, question.memory ? memoryStateOf(*question.memory) : MemoryState{}});
    return reviewQueue(questions, target, now, dailyCount);
}
