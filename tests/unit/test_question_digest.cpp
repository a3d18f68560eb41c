// The stored digests: what drops them, what refills them, and that a stored digest is the one
// the answer path computes, hostile rows included.
#include "data/learning_record.h"
#include "data/question_digest.h"
#include "data/schema.h"
#include "tests/support/empty_exam_database.h"

#include <QTest>

#include <set>

namespace {

const QString kC = QStringLiteral("C");

// Clean rows, and rows a hand-edited file may hold: a stem that is not UTF-8, a real and an
// integer where text belongs, missing choices, a chapter stored as text.
const char* const kRows =
    "INSERT INTO C (ID, STNR, DA1, DA2, DA3, DA4, TP, ANSWER, MARK, STZLB1, STLX) VALUES "
    "(1, '红灯亮时', '正确', '错误', NULL, NULL, '', 1, 5, 1, 1),"
    "(2, '黄灯闪烁', '正确', '错误', NULL, NULL, '', 2, 5, 1, 1),"
    "(3, '这个标志', '限速', '禁停', '让行', '注意', '/pic/a.jpg', 3, 5, 2, 2),"
    "(4, CAST(x'e7baa2ff41' AS TEXT), '正确', '错误', NULL, NULL, '', 1, 5, 2, 1),"
    "(5, 3.5, 2, '错误', NULL, NULL, NULL, 1, 5, 'x2', 1.0),"
    "(6, '高速公路', 120, 100.25, '', '', '', 1, 5, 3, 2);";

std::set<int> storedIds(SqliteDatabase& database) {
    SqliteStatement select(database,
                           QStringLiteral("SELECT ID FROM QUESTION_DIGEST WHERE BANK = 'C'"));
    std::set<int> ids;
    while (select.step())
        ids.insert(int(select.integer(0)));
    return ids;
}

qint64 scalar(SqliteDatabase& database, const QString& sql) {
    SqliteStatement select(database, sql);
    select.step();
    return select.integer(0);
}

// Every row of the bank with the digest, chapter and kind its texts give now.
void verifyMatchesTheTexts(SqliteDatabase& database) {
    const std::vector<DigestRow> rows = readDigestRows(database, kC);
    QCOMPARE(qint64(rows.size()), scalar(database, QStringLiteral("SELECT count(*) FROM C")));
    for (const DigestRow& row : rows) {
        QCOMPARE(digestFromKey(row.digestKey), digestOfQuestion(database, kC, row.id));
        const QString where = QStringLiteral(" FROM C WHERE ID = %1").arg(row.id);
        QCOMPARE(qint64(row.chapter), scalar(database, QStringLiteral("SELECT STZLB1") + where));
        QCOMPARE(row.kind, scalar(database, QStringLiteral("SELECT STLX") + where));
    }
}

} // namespace

class TestQuestionDigest : public QObject {
    Q_OBJECT
    // One file for every case, its bank written afresh before each: a new file costs a second.
    EmptyExamDatabase db;
    SqliteDatabase& database = db.database;

private slots:
    void init() {
        database.execScript(QStringLiteral("BEGIN; DELETE FROM C;") + QString::fromUtf8(kRows) +
                            QStringLiteral("DELETE FROM QUESTION_DIGEST; COMMIT;"));
    }

    void writesToTheBank_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<int>>("dropped");
        QTest::newRow("an answer") << "UPDATE C SET MARK = 2 WHERE ID = 2" << QList<int>{};
        QTest::newRow("the reset of every answer") << "update C set mark=5" << QList<int>{};
        QTest::newRow("an explanation") << "UPDATE C SET JX = '解析' WHERE ID = 1" << QList<int>{};
        QTest::newRow("the stem") << "UPDATE C SET STNR = '绿灯亮时' WHERE ID = 1" << QList<int>{1};
        QTest::newRow("a choice") << "UPDATE C SET DA4 = '注意行人' WHERE ID = 3" << QList<int>{3};
        QTest::newRow("the picture")
            << "UPDATE C SET TP = '/pic/b.jpg' WHERE ID = 3" << QList<int>{3};
        QTest::newRow("the chapter") << "UPDATE C SET STZLB1 = 4 WHERE ID = 2" << QList<int>{2};
        QTest::newRow("the kind") << "UPDATE C SET STLX = 2 WHERE ID = 5" << QList<int>{5};
        QTest::newRow("a new id") << "UPDATE C SET ID = 9 WHERE ID = 6" << QList<int>{6};
        QTest::newRow("deleted") << "DELETE FROM C WHERE ID = 4" << QList<int>{4};
        QTest::newRow("every row deleted, as the bank update does")
            << "DELETE FROM C" << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("replaced") << "INSERT OR REPLACE INTO C (ID, STNR, DA1, DA2, STZLB1, STLX) "
                                     "VALUES (2, '新题', '正确', '错误', 1, 1)"
                                  << QList<int>{2};
        QTest::newRow("added") << "INSERT INTO C (ID, STNR, DA1, DA2, STZLB1, STLX) "
                                  "VALUES (7, '新题', '正确', '错误', 1, 1)"
                               << QList<int>{};
        QTest::newRow("a re-import's worth added")
            << "WITH RECURSIVE n(i) AS (SELECT 7 UNION ALL SELECT i + 1 FROM n WHERE i < 1400) "
               "INSERT INTO C (ID, STNR, DA1, DA2, STZLB1, STLX) "
               "SELECT i, '第' || i || '题', '正确', '错误', i % 4, 1 FROM n"
            << QList<int>{};
    }
    void writesToTheBank() {
        QFETCH(QString, statement);
        QFETCH(QList<int>, dropped);
        // The first pass writes every digest, in one commit; the next finds them all.
        const int commits = database.commitCount();
        verifyMatchesTheTexts(database);
        QCOMPARE(database.commitCount(), commits + 1);
        QCOMPARE(storedIds(database), (std::set<int>{1, 2, 3, 4, 5, 6}));
        verifyMatchesTheTexts(database);
        QCOMPARE(database.commitCount(), commits + 1);

        database.execScript(statement);
        std::set<int> left{1, 2, 3, 4, 5, 6};
        for (const int id : dropped)
            left.erase(id);
        QCOMPARE(storedIds(database), left);
        verifyMatchesTheTexts(database);
        QCOMPARE(storedIds(database).size(),
                 std::size_t(scalar(database, QStringLiteral("SELECT count(*) FROM C"))));
        QCOMPARE(scalar(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                 "name = 'QUESTION_DIGEST_KEY'")),
                 1);
    }

    // A bank table dropped and made again by hand takes its triggers with it: nothing kept the
    // rows honest, so the next open starts them afresh. A handle that may not write computes
    // what it needs and leaves the file as it was.
    void writesBehindTheTriggers() {
        verifyMatchesTheTexts(database);
        database.execScript(QStringLiteral("CREATE TABLE C2 AS SELECT * FROM C; DROP TABLE C;"
                                           "ALTER TABLE C2 RENAME TO C;"
                                           "UPDATE C SET STNR = STNR || '？';"));
        migrateExamSchema(database);
        QCOMPARE(storedIds(database), std::set<int>{});
        database.execScript(QStringLiteral("UPDATE C SET TP = 'x' WHERE ID = 6;"));
        {
            SqliteDatabase reader(database.path(), DatabaseKey{QStringLiteral("k")},
                                  SqliteDatabase::OpenMode::ReadOnly);
            verifyMatchesTheTexts(reader);
            QCOMPARE(storedIds(reader), std::set<int>{});
            QCOMPARE(idsOfDigestKeys(reader, kC,
                                     {digestKey(digestOfQuestion(reader, kC, 3)), qint64(42),
                                      digestKey(digestOfQuestion(reader, kC, 1))}),
                     (std::vector<int>{3, 1}));
        }
        verifyMatchesTheTexts(database);
        QCOMPARE(storedIds(database), (std::set<int>{1, 2, 3, 4, 5, 6}));
        // Two questions with the same texts: the lower id holds the digest.
        database.execScript(
            QStringLiteral("UPDATE C SET STNR = (SELECT STNR FROM C WHERE ID = 1) WHERE ID = 2;"));
        const qint64 red = digestKey(digestOfQuestion(database, kC, 1));
        QCOMPARE(idsOfDigestKeys(database, kC, {red}), std::vector<int>{1});
        QCOMPARE(digestKeysOfIds(database, kC, {2, 8, 1}),
                 (std::vector<std::optional<qint64>>{red, std::nullopt, red}));
    }
};

QTEST_GUILESS_MAIN(TestQuestionDigest)
#include "test_question_digest.moc"
