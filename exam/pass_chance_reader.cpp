#include "exam/pass_chance_reader.h"

#include "data/learning_record.h"
#include "data/memory_table.h"
#include "data/sqlite_database.h"
#include "exam/bank_memory.h"
#include "exam/exercise_kind.h"
#include "exam/memory_model.h"
#include "exam/paper_result.h"

#include <QHash>

namespace {

int mockExamsTaken(SqliteDatabase& database, const QString& bankTable) {
    SqliteStatement mocks(database, QStringLiteral("SELECT count(*) FROM PAPER_RECORD "
                                                   "WHERE BANK = ? AND EXAM_MODE = ?"));
    mocks.bind(1, bankTable);
    mocks.bind(2, examModeCode(ExamMode::MockExam));
    mocks.step();
    return mocks.value(0).toInt();
}

// What is missing, from the learner's own rows only: a learner still short of evidence is told
// so without a pass over every question of the bank.
QString missingBeforeTheBank(SqliteDatabase& database, const QString& bankTable,
                             const std::vector<StoredMemory>& stored) {
    int answers = 0;
    for (const StoredMemory& memory : stored)
        answers += memory.reps;
    return missingEvidence({answers, mockExamsTaken(database, bankTable)});
}

PassEvidence evidenceOf(SqliteDatabase& database, const QString& bankTable, const QDateTime& day,
                        const PlannedRecall* planned, std::vector<StoredMemory> stored) {
    PassEvidence evidence;
    QHash<int, std::size_t> chapterIndex;
    {
        SqliteStatement config(database, QStringLiteral("SELECT STZLB1, STSL FROM SYS_CFG"));
        while (config.step()) {
            const int drawn = config.value(1).toInt();
            if (drawn <= 0)
                continue;
            chapterIndex.insert(config.value(0).toInt(), evidence.chapters.size());
            evidence.chapters.push_back({drawn, {}, 0, 0, 0});
        }
    }
    const BankMemory bank = readBankMemory(database, bankTable, std::move(stored));
    for (const StoredMemory& memory : bank.stored)
        evidence.answers += memory.reps;
    // Seconds, not dates: a local date's conversion costs more than the model's arithmetic.
    const qint64 daySeconds = day.toSecsSinceEpoch();
    // A plan read from another pass over a bank that changed in between is not this bank's.
    if (planned != nullptr && planned->size() != bank.questions.size())
        planned = nullptr;
    for (std::size_t at = 0; at < bank.questions.size(); ++at) {
        const QuestionMemory& question = bank.questions[at];
        const auto index = chapterIndex.constFind(question.chapter);
        if (index == chapterIndex.constEnd())
            continue;
        ChapterOutlook& chapter = evidence.chapters[*index];
        if (planned != nullptr) {
            if ((*planned)[at])
                chapter.seenChance.push_back(chanceRight(*(*planned)[at], question.trueFalse));
            else
                ++chapter.unseen;
            continue;
        }
        if (question.memory == nullptr) {
            ++chapter.unseen;
            continue;
        }
        const qint64 since =
            question.memory->lastReview ? daySeconds - *question.memory->lastReview : 0;
        chapter.seenChance.push_back(chanceRight(
            recallAfter(question.memory->stability, double(since) / 86400.0), question.trueFalse));
    }
    for (const ChapterEvidence& tally : readChapterEvidence(database, bankTable)) {
        const auto index = chapterIndex.constFind(tally.chapter);
        if (index == chapterIndex.constEnd())
            continue;
        ChapterOutlook& chapter = evidence.chapters[*index];
        chapter.firstAnswers = tally.firstAnswers;
        chapter.firstRight = tally.firstRight;
        chapter.laterAnswers = tally.laterAnswers;
        chapter.laterRight = tally.laterRight;
        chapter.laterExpected = tally.laterExpected;
    }
    evidence.mockExams = mockExamsTaken(database, bankTable);
    return evidence;
}

} // namespace

PassEvidence readPassEvidence(SqliteDatabase& database, const QString& bankTable,
                              const QDateTime& day, const PlannedRecall* planned) {
    return evidenceOf(database, bankTable, day, planned, readStoredMemories(database, bankTable));
}

QString passChanceLineFor(SqliteDatabase& database, const QString& bankTable, const QDateTime& day,
                          const PlannedRecall* planned) {
    std::vector<StoredMemory> stored = readStoredMemories(database, bankTable);
    if (const QString missing = missingBeforeTheBank(database, bankTable, stored);
        !missing.isEmpty())
        return passChanceLine({}, missing);
    const PassEvidence evidence = evidenceOf(database, bankTable, day, planned, std::move(stored));
    const QString missing = missingEvidence(evidence);
    if (!missing.isEmpty())
        return passChanceLine({}, missing);
    return passChanceLine(passChance(kPassMark, evidence.chapters), QString());
}
