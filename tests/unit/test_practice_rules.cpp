// The practices beyond the original's, without a window: random order, most-missed ranking,
// key 7's rule, the favourites and the resume state keyed by digest through a re-import, and
// the topic and kind lists.
#include "data/learning_record.h"
#include "data/practice_lists.h"
#include "data/practice_record.h"
#include "data/question_rows.h"
#include "data/schema.h"
#include "data/table_info.h"
#include "exam/exercise_kind.h"
#include "exam/learning_recorder.h"
#include "exam/paper_result.h"
#include "exam/practice_memory.h"
#include "exam/practice_rules.h"
#include "tests/support/empty_exam_database.h"

#include <QTest>

#include <set>

namespace {

const QDateTime kMonday(QDate(2026, 11, 30), QTime(9, 0));
const QString kC = QStringLiteral("C");

QuestionRow question(int id, const QString& text, bool fourChoices,
                     const QString& picture = QString()) {
    QuestionRow row;
    row.id = id;
    row.stnr = text;
    row.tp = picture;
    row.da[0] = fourChoices ? QStringLiteral("甲") : QStringLiteral("正确");
    row.da[1] = fourChoices ? QStringLiteral("乙") : QStringLiteral("错误");
    if (fourChoices) {
        row.da[2] = QStringLiteral("丙");
        row.da[3] = QStringLiteral("丁");
    }
    row.answer = AnswerCode::A;
    row.stzlb1 = 1 + id % 2;
    row.stlx = fourChoices ? 2 : 1;
    row.stbh = id;
    return row;
}

// Six questions in C: 1–3 true/false, 4–6 four-choice, 5 and 6 with a picture; odd ids in
// chapter 2, even ones in chapter 1.
class PracticeDatabase : public EmptyExamDatabase {
public:
    PracticeDatabase() {
        insertQuestions(
            database, kC,
            {question(1, QStringLiteral("一"), false), question(2, QStringLiteral("二"), false),
             question(3, QStringLiteral("三"), false), question(4, QStringLiteral("四"), true),
             question(5, QStringLiteral("五"), true, QStringLiteral("/pic/a.jpg")),
             question(6, QStringLiteral("六"), true, QStringLiteral("/pic/b.jpg"))});
        if (!hasColumn(database, kC, QStringLiteral("ZT")))
            database.execScript(QStringLiteral("ALTER TABLE C ADD COLUMN ZT TEXT;"));
        database.execScript(QStringLiteral(
            "UPDATE C SET ZT = '标志 数字' WHERE ID = 1; UPDATE C SET ZT = '标线' WHERE ID = 2;"
            "UPDATE C SET ZT = '数字' WHERE ID = 3; UPDATE C SET ZT = '标志' WHERE ID = 4;"
            "UPDATE C SET ZT = '高速公路' WHERE ID = 5;"));
    }
    // A re-import that puts a new question first: every id moves by one.
    void reimport() {
        database.execScript(
            QStringLiteral("UPDATE C SET ID = ID + 1000;"
                           "UPDATE C SET ID = ID - 999;"
                           "INSERT INTO C (ID, STNR, DA1, DA2, ANSWER, MARK, "
                           "STLB, STZLB1, STLX, STBH) "
                           "VALUES (1, '新题', '正确', '错误', 1, 5, 1, 1, 1, 0);"));
    }
    QString digest(int id) { return digestOfQuestion(database, kC, id); }
    int scalar(const QString& sql) {
        SqliteStatement select(database, sql);
        return select.step() ? int(select.integer(0)) : -1;
    }
};

} // namespace

class TestPracticeRules : public QObject {
    Q_OBJECT
private slots:
    void shuffleShowsEachQuestionOnce() {
        std::vector<int> ids(500);
        for (int index = 0; index < 500; ++index)
            ids[std::size_t(index)] = index + 1;
        const std::vector<int> first = shuffledOrder(ids, 42);
        QCOMPARE(std::set<int>(first.begin(), first.end()).size(), ids.size());
        QCOMPARE(first.size(), ids.size());
        QVERIFY(first != ids);
        QCOMPARE(shuffledOrder(ids, 42), first);
        QVERIFY(shuffledOrder(ids, 43) != first);
        QVERIFY(shuffledOrder({}, 1).empty());
    }

    void mostMissedOrder() {
        const auto at = [](int hours) { return kMonday.addSecs(hours * 3600); };
        const std::vector<AnswerHistory> history = {
            {QStringLiteral("right-only"), 0, 5, true, at(9)},
            {QStringLiteral("once-old"), 1, 0, false, at(1)},
            {QStringLiteral("twice-then-right"), 2, 1, true, at(8)},
            {QStringLiteral("twice-wrong-last"), 2, 0, false, at(2)},
            {QStringLiteral("once-recent"), 1, 0, false, at(5)},
            {QStringLiteral("thrice"), 3, 4, true, at(0)},
        };
        QCOMPARE(rankMostMissed(history),
                 (std::vector<QString>{QStringLiteral("thrice"), QStringLiteral("twice-wrong-last"),
                                       QStringLiteral("twice-then-right"),
                                       QStringLiteral("once-recent"), QStringLiteral("once-old")}));
        QVERIFY(rankMostMissed({}).empty());
    }

    void favouriteKey_data() {
        QTest::addColumn<ExamMode>("examMode");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("handedIn");
        QTest::addColumn<bool>("acts");
        QTest::newRow("practice") << ExamMode::SequentialPractice << true << false << true;
        QTest::newRow("mock practice") << ExamMode::MockPractice << true << false << true;
        QTest::newRow("mock exam") << ExamMode::MockExam << true << false << false;
        QTest::newRow("mock exam handed in") << ExamMode::MockExam << true << true << true;
        QTest::newRow("start panel") << ExamMode::SequentialPractice << false << false << false;
    }
    void favouriteKey() {
        QFETCH(ExamMode, examMode);
        QFETCH(bool, running);
        QFETCH(bool, handedIn);
        QFETCH(bool, acts);
        QCOMPARE(favouriteKeyActs(examMode, running, handedIn), acts);
    }

    void tablesComeWithTheMigration() {
        PracticeDatabase db;
        db.database.execScript(QStringLiteral("DROP TABLE FAVOURITE; DROP TABLE PRACTICE_ITEM;"));
        migrateExamSchema(db.database);
        migrateExamSchema(db.database);
        setFavourite(db.database, {kC, db.digest(2)}, true, kMonday);
        QVERIFY(isFavourite(db.database, {kC, db.digest(2)}));
    }

    void favouritesFollowTheQuestion() {
        PracticeDatabase db;
        setFavourite(db.database, {kC, db.digest(4)}, true, kMonday);
        setFavourite(db.database, {kC, db.digest(2)}, true, kMonday.addSecs(60));
        setFavourite(db.database, {kC, db.digest(5)}, true, kMonday.addSecs(120));
        setFavourite(db.database, {kC, db.digest(5)}, false, kMonday.addSecs(180));
        // Marked twice stays one mark, at its first time.
        setFavourite(db.database, {kC, db.digest(4)}, true, kMonday.addSecs(240));
        QCOMPARE(idsOfDigests(db.database, kC, favouriteDigests(db.database, kC)),
                 (std::vector<int>{4, 2}));
        db.reimport();
        QCOMPARE(idsOfDigests(db.database, kC, favouriteDigests(db.database, kC)),
                 (std::vector<int>{5, 3}));
        QVERIFY(favouriteDigests(db.database, QStringLiteral("B2")).empty());
    }

    void mostMissedFromEveryMode() {
        PracticeDatabase db;
        LearningRecorder recorder;
        const auto answer = [&](ExamMode mode, int id, bool right, int seconds) {
            recorder.answerStored(db.database, {kC, mode, id, right ? AnswerCode::A : AnswerCode::B,
                                                right, true, kMonday.addSecs(seconds)});
        };
        answer(ExamMode::SequentialPractice, 3, false, 0);
        answer(ExamMode::MockPractice, 5, false, 60);
        answer(ExamMode::SequentialPractice, 5, false, 90);
        answer(ExamMode::SequentialPractice, 1, true, 120);
        // A mock exam counts at hand-in, not before.
        answer(ExamMode::MockExam, 6, false, 150);
        db.database.execScript(QStringLiteral("INSERT INTO S_MARK VALUES (6);"
                                              "UPDATE C SET MARK = 2 WHERE ID = 6;"));
        PaperResult paper;
        paper.bank = kC;
        paper.examMode = ExamMode::MockExam;
        paper.handedInAt = kMonday.addSecs(200);
        recorder.paperHandedIn(db.database, paper);
        const auto ranked = rankMostMissed(readAnswerHistory(db.database, kC));
        QCOMPARE(idsOfDigests(db.database, kC, ranked), (std::vector<int>{5, 6, 3}));
    }

    void resumeAcrossAReimport() {
        PracticeDatabase db;
        const std::vector<int> order = shuffledOrder({1, 2, 3, 4, 5, 6}, 7);
        PracticeMemory memory;
        memory.begin(db.database, kC, PracticeMode::Random, QString(), 7, order, kMonday);
        memory.answered(db.database, db.digest(order[0]), AnswerCode::B, kMonday);
        memory.questionShown(2);
        memory.answered(db.database, db.digest(order[1]), AnswerCode::A, kMonday.addSecs(10));
        memory.questionShown(3);
        memory.savePosition(db.database, kMonday.addSecs(30));
        // Another practice of another mode saved earlier is not the latest.
        PracticeMemory older;
        older.begin(db.database, kC, PracticeMode::Chapter, QStringLiteral("1"), 0, {1, 3},
                    kMonday.addSecs(-60));

        auto found = findResumablePractice(db.database, kC);
        QVERIFY(found);
        QCOMPARE(found->state.mode, PracticeMode::Random);
        QCOMPARE(found->ids, order);
        QCOMPARE(found->position, 3);
        QCOMPARE(found->marks.at(0), AnswerCode::B);
        QCOMPARE(found->marks.at(1), AnswerCode::A);
        QCOMPARE(found->marks.at(2), AnswerCode::NotAnswered);

        db.reimport();
        found = findResumablePractice(db.database, kC);
        std::vector<int> moved = order;
        for (int& id : moved)
            ++id;
        QCOMPARE(found->ids, moved);
        QVERIFY(!findResumablePractice(db.database, QStringLiteral("B2")));
    }

    // Sequential practice keeps its head and the questions answered, not its list; the place
    // follows its question through a re-import.
    void resumeInBankOrder() {
        PracticeDatabase db;
        PracticeMemory memory;
        memory.beginInBankOrder(db.database, kC, PracticeMode::Sequential, QString(), kMonday);
        memory.questionShown(1, 2);
        memory.answered(db.database, db.digest(2), AnswerCode::B, kMonday);
        memory.questionShown(2, 4);
        memory.answered(db.database, db.digest(4), AnswerCode::A, kMonday.addSecs(10));
        memory.answered(db.database, db.digest(4), AnswerCode::C, kMonday.addSecs(20));
        memory.questionShown(3, 6);
        memory.savePosition(db.database, kMonday.addSecs(30));
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM PRACTICE_ITEM")), 2);

        auto found = findResumablePractice(db.database, kC);
        QVERIFY(found && found->inBankOrder);
        QCOMPARE(found->ids, (std::vector<int>{2, 4, 6, 1, 3, 5}));
        QCOMPARE(found->position, 3);
        QCOMPARE(found->marks,
                 (std::vector<AnswerCode>{AnswerCode::B, AnswerCode::C, AnswerCode::NotAnswered,
                                          AnswerCode::NotAnswered, AnswerCode::NotAnswered,
                                          AnswerCode::NotAnswered}));
        db.reimport();
        found = findResumablePractice(db.database, kC);
        QCOMPARE(found->ids, (std::vector<int>{1, 3, 5, 7, 2, 4, 6}));
        QCOMPARE(found->position, 4);
        QCOMPARE(found->marks.at(1), AnswerCode::B);
        QCOMPARE(found->marks.at(2), AnswerCode::C);
        QCOMPARE(found->marks.at(0), AnswerCode::NotAnswered);
    }

    // A file of the version before holds a sequential practice as its whole list.
    void resumeAWholeListFromBefore() {
        PracticeDatabase db;
        db.database.execScript(QStringLiteral(
            "DROP TABLE PRACTICE_STATE; CREATE TABLE PRACTICE_STATE (BANK TEXT NOT NULL, "
            "MODE INTEGER NOT NULL, SCOPE TEXT NOT NULL, POSITION INTEGER, SEED INTEGER, "
            "SAVED_AT INTEGER, PRIMARY KEY (BANK, MODE, SCOPE)) WITHOUT ROWID;"
            "INSERT INTO PRACTICE_STATE VALUES ('C', 1, '', 2, 0, 1764489600);"));
        const std::vector<int> order{2, 4, 6, 1, 3, 5};
        for (std::size_t place = 0; place < order.size(); ++place)
            db.database.execScript(QStringLiteral("INSERT INTO PRACTICE_ITEM VALUES "
                                                  "('C', 1, '', %1, %2, %3);")
                                       .arg(place + 1)
                                       .arg(digestKey(db.digest(order[place])))
                                       .arg(place == 0 ? 2 : 5));
        migrateExamSchema(db.database);

        const auto found = findResumablePractice(db.database, kC);
        QVERIFY(found && !found->inBankOrder);
        QCOMPARE(found->ids, order);
        QCOMPARE(found->position, 2);
        QCOMPARE(found->marks.at(0), AnswerCode::B);
        QCOMPARE(found->marks.at(1), AnswerCode::NotAnswered);
        PracticeMemory memory;
        memory.resume(found->state);
        memory.questionShown(2, 4);
        memory.answered(db.database, db.digest(4), AnswerCode::A, kMonday);
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM PRACTICE_ITEM")), 6);
        QCOMPARE(db.scalar(QStringLiteral("SELECT MARK FROM PRACTICE_ITEM WHERE POS = 2")), 1);
    }

    void resumePlaceWhenQuestionsLeave() {
        PracticeState state;
        for (const char* digest : {"a", "b", "c", "d"})
            state.items.push_back({QLatin1String(digest), AnswerCode::NotAnswered});
        state.position = 2;
        QHash<QString, int> bank{
            {QStringLiteral("a"), 10}, {QStringLiteral("c"), 30}, {QStringLiteral("d"), 40}};
        ResumePlan plan = planResume(state, bank);
        QCOMPARE(plan.ids, (std::vector<int>{10, 30, 40}));
        QCOMPARE(plan.position, 2); // "b" left: the next question that stayed
        state.position = 4;
        bank.remove(QStringLiteral("d"));
        QCOMPARE(planResume(state, bank).position, 2);
    }

    void topicsAndKinds() {
        PracticeDatabase db;
        QCOMPARE(topicIds(db.database, kC, QStringLiteral("标志")), (std::vector<int>{4, 1}));
        QCOMPARE(topicIds(db.database, kC, QStringLiteral("数字")), (std::vector<int>{1, 3}));
        QVERIFY(topicIds(db.database, kC, QStringLiteral("标")).empty());
        QCOMPARE(kindIds(db.database, kC, QuestionKind::TrueFalse), (std::vector<int>{2, 1, 3}));
        QCOMPARE(kindIds(db.database, kC, QuestionKind::Picture), (std::vector<int>{6, 5}));
        QCOMPARE(kindIds(db.database, kC, QuestionKind::FourChoice).size(), std::size_t(3));
    }
};

QTEST_GUILESS_MAIN(TestPracticeRules)
#include "test_practice_rules.moc"
