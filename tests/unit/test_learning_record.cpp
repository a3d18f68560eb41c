// The lasting record: the wrong-question book's rules and its survival of a re-import, the
// readiness line and the per-chapter sums, and the paper rows as the database keeps them.
#include "data/learning_record.h"
#include "data/question_rows.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "exam/record_summary.h"
#include "exam/wrong_book.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kMonday(QDate(2026, 11, 30), QTime(9, 0));

PaperRecord paper(int examMode, int score, std::vector<ChapterTally> chapters = {}) {
    PaperRecord record;
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
    row.answer = 1;
    row.stzlb1 = 1;
    row.stlx = 1;
    row.stbh = id;
    return row;
}

// A database holding the schema and three questions in C.
class RecordDatabase {
public:
    RecordDatabase()
        : database(dir.filePath(QStringLiteral("exam.mdb")), QStringLiteral("k"),
                   SqliteDatabase::OpenMode::CreateIfMissing) {
        createExamSchema(database);
        insertQuestions(database, QStringLiteral("C"),
                        {question(1, QStringLiteral("甲题")), question(2, QStringLiteral("乙题")),
                         question(3, QStringLiteral("丙题"))});
    }
    std::vector<int> book() { return bookQuestionIds(database, QStringLiteral("C")); }
    void answer(int id, bool right) {
        recordAnswerInBook(database, QStringLiteral("C"), id, right, kMonday);
    }

    QTemporaryDir dir;
    SqliteDatabase database;
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
        PaperRecord second = paper(10, 70);
        second.handedIn = kMonday.addDays(1);
        insertPaperRecord(db.database, second);
        insertPaperRecord(db.database, first);
        const auto papers = readPaperRecords(db.database);
        QCOMPARE(int(papers.size()), 2);
        // Oldest first, whatever order they were written in.
        QCOMPARE(papers.at(0).score, 92);
        QCOMPARE(papers.at(0).handedIn, kMonday.addSecs(1800));
        QCOMPARE(papers.at(0).secondsUsed, 1800);
        QVERIFY(papers.at(0).passed);
        QCOMPARE(int(papers.at(0).chapters.size()), 2);
        QCOMPARE(papers.at(0).chapters.at(1).right, 54);
        QCOMPARE(papers.at(1).examMode, 10);
        QVERIFY(papers.at(1).chapters.empty());
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
        std::vector<PaperRecord> papers;
        for (const int score : examScores) {
            papers.push_back(paper(1, score));
            // Mock practice shows the answers, so it says nothing about readiness.
            papers.push_back(paper(10, 0));
        }
        QCOMPARE(readinessLine(papers), line);
    }

    void chapterSums() {
        std::vector<PaperRecord> papers;
        papers.push_back(paper(1, 0, {{1, 50, 0}}));
        for (int index = 0; index < 10; ++index)
            papers.push_back(paper(index % 2 ? 1 : 10, 90, {{1, 40, 36}, {3, 22, 20}}));
        const auto sums = chapterAccuracy(papers);
        // The oldest paper is the eleventh from the end: left out.
        QCOMPARE(sums.at(1).questions, 400);
        QCOMPARE(sums.at(1).right, 360);
        QCOMPARE(sums.at(3).right, 200);
        QVERIFY(sums.find(2) == sums.end());
    }
};

QTEST_GUILESS_MAIN(TestLearningRecord)
#include "test_learning_record.moc"
