// The lasting record: the wrong-question book's rules and its survival of a re-import, the
// readiness line and the per-chapter sums, and the paper rows as the database keeps them.
#include "data/learning_record.h"
#include "data/question_rows.h"
#include "data/record_figures.h"
#include "exam/record_summary.h"
#include "exam/wrong_book.h"
#include "tests/support/empty_exam_database.h"

#include <QScopeGuard>
#include <QTest>

namespace {

const QDateTime kMonday(QDate(2026, 11, 30), QTime(9, 0));

PaperRecord paper(int examMode, int score, std::vector<ChapterTally> chapters = {}) {
    PaperRecord record;
    record.bank = QStringLiteral("C");
    record.handedIn = kMonday;
    record.examMode = examMode;
    record.score = score;
    record.right = score;
    record.questions = 100;
    record.passed = score >= 90;
    record.chapters = std::move(chapters);
    return record;
}

QuestionRow question(int id, const QString& text) {
    QuestionRow row;
    row.id = id;
    row.stnr = text;
    row.da[0] = QStringLiteral("正确");
    row.da[1] = QStringLiteral("错误");
    row.answer = AnswerCode::A;
    row.stzlb1 = 1;
    row.stlx = 1;
    row.stbh = id;
    return row;
}

// A database holding the schema and three questions in C.
class RecordDatabase : public EmptyExamDatabase {
public:
    RecordDatabase() {
        insertQuestions(database, QStringLiteral("C"),
                        {question(1, QStringLiteral("甲题")), question(2, QStringLiteral("乙题")),
                         question(3, QStringLiteral("丙题"))});
    }
    std::vector<int> book() { return bookQuestionIds(database, QStringLiteral("C")); }
    void answer(int id, bool right) {
        recordAnswerInBook(database, QStringLiteral("C"), id, right, kMonday);
    }
};

} // namespace

class TestLearningRecord : public QObject {
    Q_OBJECT
private slots:
    void bookRule() {
        const QString bank = QStringLiteral("C");
        const QString digest = QStringLiteral("d");
        BookChange change = bookChangeForAnswer(std::nullopt, true, bank, digest, kMonday);
        QCOMPARE(change.action, BookAction::Unchanged);

        change = bookChangeForAnswer(std::nullopt, false, bank, digest, kMonday);
        QCOMPARE(change.action, BookAction::Write);
        QCOMPARE(change.entry.wrongCount, 1);
        BookEntry entry = change.entry;

        change = bookChangeForAnswer(entry, true, bank, digest, kMonday.addDays(1));
        QCOMPARE(change.action, BookAction::Write);
        QCOMPARE(change.entry.rightStreak, 1);
        // A wrong answer breaks the run: two more rights are needed again.
        change = bookChangeForAnswer(change.entry, false, bank, digest, kMonday.addDays(2));
        QCOMPARE(change.entry.wrongCount, 2);
        QCOMPARE(change.entry.rightStreak, 0);
        QCOMPARE(change.entry.lastWrong, kMonday.addDays(2));
        change = bookChangeForAnswer(change.entry, true, bank, digest, kMonday.addDays(3));
        QCOMPARE(change.action, BookAction::Write);
        change = bookChangeForAnswer(change.entry, true, bank, digest, kMonday.addDays(3));
        QCOMPARE(change.action, BookAction::Remove);
    }

    void bookInTheDatabase() {
        RecordDatabase db;
        db.answer(2, false);
        db.answer(3, false);
        db.answer(3, false);
        db.answer(1, true);
        // Most often wrong first.
        QCOMPARE(db.book(), (std::vector<int>{3, 2}));
        db.answer(3, true);
        db.answer(3, true);
        QCOMPARE(db.book(), (std::vector<int>{2}));

        // A re-import renumbers ids; the same question keeps its place in the book.
        db.database.execScript(QStringLiteral("UPDATE C SET ID = ID + 100;"));
        QCOMPARE(db.book(), (std::vector<int>{102}));
        // A question whose text changed is a new question: the old entry no longer matches.
        db.database.execScript(QStringLiteral("UPDATE C SET STNR = '乙题（新）' WHERE ID = 102;"));
        QVERIFY(db.book().empty());
        db.answer(102, false);
        const auto entries = readBook(db.database, QStringLiteral("C"));
        QCOMPARE(int(entries.size()), 2);
        QCOMPARE(entries.at(0).wrongCount, 1);
        QCOMPARE(db.book(), (std::vector<int>{102}));
    }

    void paperJudgedAtHandIn() {
        RecordDatabase db;
        db.database.execScript(QStringLiteral(
            "INSERT INTO S_MARK VALUES (1); INSERT INTO S_MARK VALUES (2); "
            "INSERT INTO S_MARK VALUES (3);"
            "UPDATE C SET MARK = 2 WHERE ID = 1; UPDATE C SET MARK = 1 WHERE ID = 2;"));
        recordPaperInBook(db.database, QStringLiteral("C"), kMonday);
        // 1 answered wrongly enters; 2 answered right and 3 unanswered change nothing.
        QCOMPARE(db.book(), (std::vector<int>{1}));
        const auto tallies = tallyPaperChapters(db.database, QStringLiteral("C"));
        QCOMPARE(int(tallies.size()), 1);
        QCOMPARE(tallies.at(0).questions, 3);
        QCOMPARE(tallies.at(0).right, 1);
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 tallyPaperChapters(db.database, QStringLiteral("C; DROP")));
    }

    void papersRoundTrip() {
        RecordDatabase db;
        PaperRecord first = paper(1, 92, {{1, 40, 38}, {2, 60, 54}});
        first.bank = QStringLiteral("C");
        first.started = kMonday;
        first.handedIn = kMonday.addSecs(1800);
        first.minutes = 45;
        first.secondsUsed = 1800;
        PaperRecord second = paper(10, 70, {{1, 10, 1}});
        second.handedIn = kMonday.addDays(1);
        insertPaperRecord(db.database, second);
        insertPaperRecord(db.database, first);
        const auto papers = newestPapers(db.database, QStringLiteral("C"), PaperPage{});
        QCOMPARE(int(papers.size()), 2);
        // Newest first, whatever order they were written in.
        QCOMPARE(papers.at(1).score, 92);
        QCOMPARE(papers.at(1).started, kMonday);
        QCOMPARE(papers.at(1).handedIn, kMonday.addSecs(1800));
        QCOMPARE(papers.at(1).secondsUsed, 1800);
        QVERIFY(papers.at(1).passed);
        QCOMPARE(papers.at(0).examMode, 10);
        QCOMPARE(int(newestPapers(db.database, QStringLiteral("C"), PaperPage{}, 1).size()), 1);
        QVERIFY(newestPapers(db.database, QStringLiteral("B2"), PaperPage{}).empty());
        QCOMPARE(newestPaperBank(db.database), QStringLiteral("C"));
        // The chapters of the newest paper only, then of both.
        auto sums = chapterSums(db.database, QStringLiteral("C"), 1);
        QCOMPARE(int(sums.size()), 1);
        QCOMPARE(sums.at(0).right, 1);
        sums = chapterSums(db.database, QStringLiteral("C"), 10);
        QCOMPARE(sums.at(0).questions, 50);
        QCOMPARE(sums.at(0).right, 39);
        QCOMPARE(sums.at(1).right, 54);
        QCOMPARE(damagedRows(db.database).total(), 0);
    }

    void readiness_data() {
        QTest::addColumn<std::vector<int>>("examScores");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << std::vector<int>{}
                              << "还没有模拟考试记录，交一份模拟考试试卷后这里会显示成绩情况。";
        QTest::newRow("fewer than five")
            << std::vector<int>{80, 95} << "已有2次模拟考试及格1次，平均88分。";
        QTest::newRow("last five passed, an old failure aside")
            << std::vector<int>{40, 90, 91, 92, 93, 99}
            << "最近5次模拟考试全部及格，平均93分，可以预约考试了。";
        QTest::newRow("last five mixed")
            << std::vector<int>{95, 89, 90, 60, 100} << "最近5次模拟考试及格3次，平均87分。";
    }
    void readiness() {
        QFETCH(std::vector<int>, examScores);
        QFETCH(QString, line);
        RecordDatabase db;
        for (std::size_t index = 0; index < examScores.size(); ++index) {
            PaperRecord exam = paper(1, examScores[index]);
            exam.handedIn = kMonday.addDays(qint64(index));
            insertPaperRecord(db.database, exam);
            // Mock practice shows the answers, so it says nothing about readiness.
            PaperRecord practice = paper(10, 0);
            practice.handedIn = exam.handedIn.addSecs(60);
            insertPaperRecord(db.database, practice);
        }
        QCOMPARE(
            readinessLine(newestPapers(db.database, QStringLiteral("C"), {0, kReadinessPapers}, 1)),
            line);
    }

    void chapterSumsOfTheNewestPapers() {
        RecordDatabase db;
        PaperRecord oldest = paper(1, 0, {{1, 50, 0}});
        oldest.handedIn = kMonday;
        insertPaperRecord(db.database, oldest);
        for (int index = 0; index < 10; ++index) {
            PaperRecord newer = paper(index % 2 ? 1 : 10, 90, {{1, 40, 36}, {3, 22, 20}});
            newer.handedIn = kMonday.addDays(index + 1);
            insertPaperRecord(db.database, newer);
        }
        // A paper of the other bank never mixes in.
        PaperRecord truck = paper(1, 50, {{1, 99, 0}});
        truck.bank = QStringLiteral("B2");
        truck.handedIn = kMonday.addDays(20);
        insertPaperRecord(db.database, truck);
        const auto sums = chapterSums(db.database, QStringLiteral("C"), kChapterAccuracyPapers);
        // The oldest paper is the eleventh from the end: left out.
        QCOMPARE(int(sums.size()), 2);
        QCOMPARE(sums.at(0).questions, 400);
        QCOMPARE(sums.at(0).right, 360);
        QCOMPARE(accuracyPercent(sums.at(0)), 90);
        QCOMPARE(sums.at(1).chapter, 3);
        QCOMPARE(sums.at(1).right, 200);
        QCOMPARE(accuracyPercent({1, 1000, 999}), 99);
        QCOMPARE(accuracyPercent({1, 0, 0}), 0);
    }

    // Rows a damaged or hand-edited file may hold. Each is left out of every figure and
    // counted as damaged; none throws, wraps or reads as a number it is not.
    void hostileRows_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("damagedPapers");
        QTest::addColumn<int>("damagedChapters");
        const auto row = [](const char* name, const char* change, int papers, int chapters) {
            QTest::newRow(name) << QString::fromUtf8(change) << papers << chapters;
        };
        row("NULL score", "UPDATE PAPER_RECORD SET SCORE = NULL WHERE ID = 2", 1, 0);
        row("text score", "UPDATE PAPER_RECORD SET SCORE = 'ninety' WHERE ID = 2", 1, 0);
        row("fraction", "UPDATE PAPER_RECORD SET SCORE = 93.5 WHERE ID = 2", 1, 0);
        row("negative score", "UPDATE PAPER_RECORD SET SCORE = -5 WHERE ID = 2", 1, 0);
        row("huge score", "UPDATE PAPER_RECORD SET SCORE = 9223372036854775807 WHERE ID = 2", 1, 0);
        row("score above 100", "UPDATE PAPER_RECORD SET SCORE = 2147483647 WHERE ID = 2", 1, 0);
        row("far beyond 64 bits", "UPDATE PAPER_RECORD SET SCORE = 1e300 WHERE ID = 2", 1, 0);
        row("blob", "UPDATE PAPER_RECORD SET SCORE = x'00ff' WHERE ID = 2", 1, 0);
        row("negative seconds", "UPDATE PAPER_RECORD SET SECONDS_USED = -1 WHERE ID = 2", 1, 0);
        row("huge seconds",
            "UPDATE PAPER_RECORD SET SECONDS_USED = 9223372036854775807 WHERE ID = 2", 1, 0);
        row("more right than asked", "UPDATE PAPER_RECORD SET RIGHT_ANSWERS = 101 WHERE ID = 2", 1,
            0);
        row("passed neither 0 nor 1", "UPDATE PAPER_RECORD SET PASSED = 7 WHERE ID = 2", 1, 0);
        row("NULL bank", "UPDATE PAPER_RECORD SET BANK = NULL WHERE ID = 2", 1, 0);
        row("unknown kind", "UPDATE PAPER_RECORD SET EXAM_MODE = 3 WHERE ID = 2", 1, 0);
        row("no time", "UPDATE PAPER_RECORD SET HANDED_IN = 'yesterday' WHERE ID = 2", 1, 0);
        row("NULL time", "UPDATE PAPER_RECORD SET HANDED_IN = NULL WHERE ID = 2", 1, 0);
        row("huge chapter sum",
            "UPDATE PAPER_CHAPTER SET QUESTIONS = 9223372036854775807, "
            "RIGHT_ANSWERS = 9223372036854775807 WHERE PAPER_ID = 2",
            0, 1);
        row("negative chapter", "UPDATE PAPER_CHAPTER SET RIGHT_ANSWERS = -40 WHERE PAPER_ID = 2",
            0, 1);
        row("text chapter", "UPDATE PAPER_CHAPTER SET STZLB1 = 'one' WHERE PAPER_ID = 2", 0, 1);
        row("NULL chapter counts",
            "UPDATE PAPER_CHAPTER SET QUESTIONS = NULL, RIGHT_ANSWERS = NULL WHERE PAPER_ID = 2", 0,
            1);
    }
    void hostileRows() {
        QFETCH(QString, change);
        QFETCH(int, damagedPapers);
        QFETCH(int, damagedChapters);
        // One file for every row (a keyed open is slow); each row's change is rolled back.
        static RecordDatabase db;
        static const bool filled = [] {
            for (int index = 0; index < 3; ++index) {
                PaperRecord exam = paper(1, 90 + index, {{1, 40, 30 + index}});
                exam.handedIn = kMonday.addDays(index);
                insertPaperRecord(db.database, exam);
            }
            return true;
        }();
        Q_UNUSED(filled);
        db.database.execScript(QStringLiteral("BEGIN"));
        const auto rollBack =
            qScopeGuard([&] { db.database.execScript(QStringLiteral("ROLLBACK")); });
        db.database.execScript(change);
        const DamagedRows damaged = damagedRows(db.database);
        QCOMPARE(damaged.papers, damagedPapers);
        QCOMPARE(damaged.chapters, damagedChapters);
        QVERIFY(damagedLine(damaged).contains(QStringLiteral("1条记录已损坏")));
        const QString bank = QStringLiteral("C");
        const auto exams = newestPapers(db.database, bank, {0, kReadinessPapers}, 1);
        QCOMPARE(qint64(exams.size()), 3 - damagedPapers);
        QCOMPARE(soundPaperCount(db.database, bank), 3 - damagedPapers);
        // Papers 1 and 3 (90 and 92) always stand: their average is 91 with or without 91.
        QCOMPARE(readinessLine(exams),
                 QStringLiteral("已有%1次模拟考试及格%1次，平均91分。").arg(3 - damagedPapers));
        const auto sums = chapterSums(db.database, bank, kChapterAccuracyPapers);
        QCOMPARE(int(sums.size()), 1);
        QCOMPARE(sums.at(0).questions, 80);
        QCOMPARE(sums.at(0).right, 62);
    }
};

QTEST_GUILESS_MAIN(TestLearningRecord)
#include "test_learning_record.moc"
