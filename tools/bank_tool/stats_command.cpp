// stats: the learner's record as text, for a driving school that reads a copied database.
#include "data/record_figures.h"
#include "data/sqlite_database.h"
#include "exam/pass_chance_reader.h"
#include "exam/record_summary.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/commands.h"
#include "tools/bank_tool/exam_file.h"

#include <algorithm>

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
        out << databasePath << " 中还没有学习记录（还没有交过试卷）。\n";
        return kExitOk;
    }
    // The record is the learner's: it is printed in the learner's language.
    std::vector<PaperLine> papers = newestPapers(*database, QString(), PaperPage{});
    std::reverse(papers.begin(), papers.end());
    out << "学习记录：共" << papers.size() << "份试卷\n";
    for (const PaperLine& paper : papers) {
        out << "  " << paper.handedIn.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << "  "
            << bankDisplayName(paper.bank) << "  " << examModeDisplayName(paper.examMode) << "  "
            << paper.score << "分  " << durationText(paper.secondsUsed) << "  "
            << (paper.passed ? "及格" : "不及格") << '\n';
    }
    for (const QString& bank : {QStringLiteral("C"), QStringLiteral("B2")}) {
        if (soundPaperCount(*database, bank) == 0)
            continue;
        const QString name = bankDisplayName(bank);
        out << name << "："
            << readinessLine(newestPapers(*database, bank, {0, kReadinessPapers}, 1)) << '\n';
        out << name << "最近" << kChapterAccuracyPapers << "份试卷各章正确率：\n";
        for (const ChapterSum& sum : chapterSums(*database, bank, kChapterAccuracyPapers)) {
            out << "  第" << sum.chapter << "章：" << sum.questions << "题答对" << sum.right
                << "题";
            if (sum.questions > 0)
                out << "（" << accuracyPercent(sum) << "%）";
            out << '\n';
        }
    }
    if (hasMemoryTable(*database)) {
        const QDateTime now = QDateTime::currentDateTime();
        for (const QString& bank : {QStringLiteral("C"), QStringLiteral("B2")})
            out << bankDisplayName(bank) << "：" << passChanceLineFor(*database, bank, now) << '\n';
    }
    out << "错题本：小型汽车 " << bookSize(*database, QStringLiteral("C")) << " 题，大型货车 "
        << bookSize(*database, QStringLiteral("B2")) << " 题\n";
    const QString damaged = damagedLine(damagedRows(*database));
    if (!damaged.isEmpty())
        out << damaged << '\n';
    return kExitOk;
}
