// stats: the learner's record as text, for a driving school that reads a copied database.
#include "data/learning_record.h"
#include "data/sqlite_database.h"
#include "exam/pass_chance_reader.h"
#include "exam/record_summary.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"

namespace {

// A file of an earlier version has no record tables yet; reading must not add them.
bool hasRecordTables(SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                    "type = 'table' AND name IN "
                                                    "('PAPER_RECORD', 'PAPER_CHAPTER', "
                                                    "'WRONG_BOOK')"));
    select.step();
    return select.value(0).toInt() == 3;
}

bool hasMemoryTable(SqliteDatabase& database) {
    SqliteStatement select(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                    "type = 'table' AND name = 'MEMORY_STATE'"));
    select.step();
    return select.value(0).toInt() == 1;
}

} // namespace

int statsCommand(const QString& databasePath, ToolStreams streams) {
    const auto database = openExamDatabase(databasePath);
    QTextStream& out = streams.out;
    if (!hasRecordTables(*database)) {
        out << "no learning record in " << databasePath << " (no paper handed in yet)\n";
        return kExitOk;
    }
    const std::vector<PaperRecord> papers = readPaperRecords(*database);
    out << "papers: " << papers.size() << '\n';
    for (const PaperRecord& paper : papers) {
        out << "  " << paper.handedIn.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << "  "
            << bankDisplayName(paper.bank) << "  " << examModeDisplayName(paper.examMode) << "  "
            << paper.score << "分  " << durationText(paper.secondsUsed) << "  "
            << (paper.passed ? "及格" : "不及格") << '\n';
    }
    out << "readiness: " << readinessLine(papers) << '\n';
    out << "accuracy per chapter over the last " << kChapterAccuracyPapers << " papers:\n";
    for (const auto& [chapter, tally] : chapterAccuracy(papers)) {
        out << "  chapter " << chapter << ": " << tally.right << " of " << tally.questions;
        if (tally.questions > 0)
            out << " (" << QString::number(100.0 * tally.right / tally.questions, 'f', 1) << " %)";
        out << '\n';
    }
    if (hasMemoryTable(*database)) {
        const QDateTime now = QDateTime::currentDateTime();
        for (const char* bank : {"C", "B2"})
            out << "chance of passing, " << bank << ": "
                << passChanceLineFor(*database, QLatin1String(bank), now) << '\n';
    }
    out << "wrong-question book: C " << readBook(*database, QStringLiteral("C")).size() << ", B2 "
        << readBook(*database, QStringLiteral("B2")).size() << '\n';
    return kExitOk;
}
