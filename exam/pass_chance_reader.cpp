#include "exam/pass_chance_reader.h"

#include "data/learning_record.h"
#include "data/memory_table.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "exam/exercise_kind.h"
#include "exam/memory_model.h"
#include "exam/paper_result.h"

#include <QHash>

PassEvidence readPassEvidence(SqliteDatabase& database, const QString& bankTable,
                              const QDateTime& day) {
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
    const QHash<QString, MemoryState> states = readMemoryStates(database, bankTable);
    for (const MemoryState& state : states)
        evidence.answers += state.reps;
    SqliteStatement select(database,
                           QStringLiteral("SELECT STNR, DA1, DA2, DA3, DA4, TP, STZLB1, STLX "
                                          "FROM %1")
                               .arg(::bankTable(bankTable)));
    while (select.step()) {
        const auto index = chapterIndex.constFind(select.value(6).toInt());
        if (index == chapterIndex.constEnd())
            continue;
        ChapterOutlook& chapter = evidence.chapters[*index];
        const QString choices[4] = {select.value(1).toString(), select.value(2).toString(),
                                    select.value(3).toString(), select.value(4).toString()};
        const auto state = states.constFind(
            questionDigest(select.value(0).toString(), choices, select.value(5).toString()));
        if (state == states.constEnd() || !isSeen(*state)) {
            ++chapter.unseen;
            continue;
        }
        chapter.seenChance.push_back(
            chanceRight(recallAt(*state, day), select.value(7).toInt() == 1));
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
    SqliteStatement mocks(database, QStringLiteral("SELECT count(*) FROM PAPER_RECORD "
                                                   "WHERE BANK = ? AND EXAM_MODE = ?"));
    mocks.bind(1, bankTable);
    mocks.bind(2, examModeCode(ExamMode::MockExam));
    mocks.step();
    evidence.mockExams = mocks.value(0).toInt();
    return evidence;
}

QString passChanceLineFor(SqliteDatabase& database, const QString& bankTable,
                          const QDateTime& day) {
    const PassEvidence evidence = readPassEvidence(database, bankTable, day);
    const QString missing = missingEvidence(evidence.answers, evidence.mockExams);
    if (!missing.isEmpty())
        return passChanceLine({}, missing);
    return passChanceLine(passChance(evidence.chapters, kPassMark), QString());
}
