// The bank sources and the database builder: what they accept, what they refuse, and the
// data properties the paper draw relies on.
#include "data/bank_source.h"
#include "data/question_rows.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "data/table_info.h"
#include "data/topics.h"
#include "tests/support/test_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString parseError(const QString& text) {
    try {
        parseBankText(text, {QStringLiteral("ch1.txt"), 1});
    } catch (const BankSourceError& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

class TestBankSources : public QObject {
    Q_OBJECT
private slots:
    void parsesRecords() {
        const auto questions =
            parseBankText(QStringLiteral("# comment\n\nQ: 问题一？\nA: 正确\nB: 错误\nK: B\n\r\n\n"
                                         "Q: 问题二？\nP: x.jpg\nA: 甲\nB: 乙\nC: 丙\nD: 丁\nK: D"),
                          {QStringLiteral("ch3.txt"), 3});
        QCOMPARE(int(questions.size()), 2);
        QCOMPARE(questions[0].answerCode, AnswerCode::B);
        QVERIFY(questions[0].isTrueFalse());
        QCOMPARE(questions[1].answerCode, AnswerCode::D);
        QCOMPARE(questions[1].picture, QStringLiteral("x.jpg"));
        QCOMPARE(questions[1].line, 9);
        QCOMPARE(questions[1].chapter, 3);
        QVERIFY(questions[1].explanation.isEmpty());
    }

    // The explanation, fact key, notes and topics travel from the source lines through the
    // builder into their columns.
    void sourceLinesReachTheirColumns() {
        const auto questions = parseBankText(
            QStringLiteral(
                "Q: 问？\nA: 正确\nB: 错误\nK: A\nE: 因为规定如此。\nF: law-carry-licence\n"
                "V: 从反面问\nS: sign-a 同图异问\nS: sign-b：另一条\nT: 驾驶证登记  数字"),
            {QStringLiteral("ch1.txt"), 1});
        const auto rows = numberQuestions(questions);
        QCOMPARE(rows.at(0).jx, QStringLiteral("因为规定如此。"));
        QCOMPARE(rows.at(0).zsd, QStringLiteral("law-carry-licence"));
        QCOMPARE(rows.at(0).bs, QStringLiteral("从反面问"));
        QCOMPARE(rows.at(0).yd, QStringLiteral("sign-a 同图异问\nsign-b：另一条"));
        QCOMPARE(rows.at(0).zt, QStringLiteral("驾驶证登记 数字"));
    }

    // A file of an earlier version (no JX; or JX but no topic and fact columns) gains the
    // columns on migration, twice over without harm, and keeps every row and value.
    void oldFilesMigrateKeepingEveryRow_data() {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("values");
        QTest::newRow("without JX") << QString() << QString();
        QTest::newRow("with JX") << QStringLiteral(", JX TEXT") << QStringLiteral(", '解析'");
    }
    void oldFilesMigrateKeepingEveryRow() {
        QFETCH(QString, columns);
        QFETCH(QString, values);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.mdb"));
        {
            SqliteDatabase old(path, DatabaseKey{QStringLiteral("k")},
                               SqliteDatabase::OpenMode::CreateIfMissing);
            old.execScript(
                QStringLiteral("CREATE TABLE B2 (ID INTEGER PRIMARY KEY, TP TEXT, STNR TEXT, "
                               "DA1 TEXT, DA2 TEXT, DA3 TEXT, DA4 TEXT, ANSWER INTEGER, "
                               "MARK INTEGER, STLB INTEGER, STZLB1 INTEGER, STLX INTEGER, "
                               "STBH INTEGER%1);"
                               "CREATE TABLE C AS SELECT * FROM B2;"
                               "INSERT INTO C VALUES (1, '', '旧题', '正确', '错误', '', '', 1, 5, "
                               "1, 1, 1, 1%2);"
                               "INSERT INTO C VALUES (2, '', '旧题二', '正确', '错误', '', '', 2, "
                               "1, 1, 1, 1, 2%2);")
                    .arg(columns, values));
            const auto before = readQuestions(old, QStringLiteral("C"));
            QCOMPARE(int(before.size()), 2);
            QVERIFY(before.at(0).zt.isEmpty() && before.at(0).zsd.isEmpty());
            migrateExamSchema(old);
            migrateExamSchema(old);
            for (const char* table : {"B2", "C"}) {
                for (const char* column : kBankTextColumnsAfterStbh)
                    QVERIFY(hasColumn(old, {QLatin1String(table), QLatin1String(column)}));
            }
        }
        SqliteDatabase reopened(path, DatabaseKey{QStringLiteral("k")},
                                SqliteDatabase::OpenMode::ExistingOnly);
        const auto kept = readQuestions(reopened, QStringLiteral("C"));
        QCOMPARE(int(kept.size()), 2);
        QCOMPARE(kept.at(1).stnr, QStringLiteral("旧题二"));
        QCOMPARE(kept.at(1).mark, AnswerCode::A);
        QCOMPARE(kept.at(0).jx, values.isEmpty() ? QString() : QStringLiteral("解析"));
        QVERIFY(kept.at(0).zt.isEmpty());
    }

    // The program, the bank tool and the writers' guide name the same topics in one order.
    void topicVocabularyMatchesTheFormatGuide() {
        QFile guide(qEnvironmentVariable("XUNDRAL_SOURCE_DIR") + QStringLiteral("/bank/FORMAT.md"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(guide.readAll());
        const qsizetype start = text.indexOf(QStringLiteral("| Topic | Holds |"));
        QVERIFY(start >= 0);
        QStringList documented;
        for (const QString& line : text.mid(start).split(QLatin1Char('\n')).mid(2)) {
            if (!line.startsWith(QLatin1Char('|')))
                break;
            documented.append(line.section(QLatin1Char('|'), 1, 1).trimmed());
        }
        QStringList defined;
        for (const Topic topic : allTopics()) {
            defined.append(topicName(topic));
            QCOMPARE(topicForName(topicName(topic)), std::optional<Topic>(topic));
        }
        QCOMPARE(defined, documented);
        QVERIFY(!topicForName(QStringLiteral("标")));
        QCOMPARE(splitTopics(QStringLiteral(" 标志  数字 ")), (QStringList{"标志", "数字"}));
    }

    void refusesBadRecordsWithFileAndLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing answer") << "Q: 问？\nA: 正确\nB: 错误\n"
                                        << "ch1.txt:1:1: record has no answer (K:)";
        QTest::newRow("answer beyond two choices")
            << "\nQ: 问？\nA: 正确\nB: 错误\nK: C"
            << "ch1.txt:2:4: answer 'C' does not fit a question with 2 choices";
        QTest::newRow("answer not a letter") << "Q: 问？\nA: 正确\nB: 错误\nK: 1"
                                             << "ch1.txt:1:1: answer '1' is not one of A, B, C, D";
        QTest::newRow("three choices")
            << "Q: 问？\nA: 一\nB: 二\nC: 三\nK: A"
            << "ch1.txt:1:1: record must have two choices (A, B) or four (A to D)";
        QTest::newRow("no question") << "A: 一\nB: 二\nK: A"
                                     << "ch1.txt:1:1: record has no question text (Q:)";
        QTest::newRow("unknown key") << "Q: 问？\nX: 一"
                                     << "ch1.txt:2:1: unknown key 'X'";
        QTest::newRow("no blank after colon")
            << "Q:问？"
            << "ch1.txt:1:1: expected 'KEY: text' with KEY one of Q P A B C D K E F V S T";
        QTest::newRow("key twice") << "Q: 问？\nQ: 又问？"
                                   << "ch1.txt:2:1: key 'Q' given twice in one record";
        QTest::newRow("explanation twice") << "Q: 问？\nE: 因为甲\nE: 因为乙"
                                           << "ch1.txt:3:1: key 'E' given twice in one record";
    }
    void refusesBadRecordsWithFileAndLine() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QCOMPARE(parseError(text), error);
    }

    void idsRunWithoutGapsPerChapter() {
        BankSources sources;
        // Chapters out of order and true/false mixed in: the builder sorts and numbers.
        sources.common = {fourChoiceQuestion(2, QStringLiteral("b1"), AnswerCode::A),
                          trueFalseQuestion(1, QStringLiteral("a1"), true),
                          trueFalseQuestion(2, QStringLiteral("b2"), false),
                          fourChoiceQuestion(1, QStringLiteral("a2"), AnswerCode::D),
                          trueFalseQuestion(1, QStringLiteral("a3"), false)};
        const auto rows = numberQuestions(sources.common);
        QStringList order;
        for (const QuestionRow& row : rows)
            order << QStringLiteral("%1:%2:%3:%4")
                         .arg(row.id)
                         .arg(row.stzlb1)
                         .arg(row.stlx)
                         .arg(row.stnr);
        QCOMPARE(order, (QStringList{"1:1:1:a1", "2:1:1:a3", "3:1:2:a2", "4:2:1:b2", "5:2:2:b1"}));
        QCOMPARE(rows[2].stbh, 3);
        QCOMPARE(rows[3].stbh, 1);
    }

    void builderRefusesBrokenBanks() {
        QTemporaryDir dir;
        BankSources duplicate = sampleSources(1, 4, 2);
        duplicate.common.push_back(duplicate.common.front());
        duplicate.common.back().line = 99;
        QVERIFY(builderError(dir.filePath(QStringLiteral("a.mdb")), duplicate)
                    .contains(QStringLiteral("fixture:99:4: duplicate question text")));

        BankSources tooMany = sampleSources(2, 4, 2);
        tooMany.sysCfg[1].count = 5;
        tooMany.sysCfg[1].line = 7;
        QCOMPARE(builderError(dir.filePath(QStringLiteral("b.mdb")), tooMany),
                 QStringLiteral(
                     "fixture:7:1: chapter 2 holds 4 questions, fewer than the 5 a paper draws"));

        BankSources missingPicture = sampleSources(1, 2, 1);
        missingPicture.common.push_back(fourChoiceQuestion(1, QStringLiteral("图"), AnswerCode::A,
                                                           QStringLiteral("nothing.jpg")));
        QVERIFY(builderError(dir.filePath(QStringLiteral("c.mdb")), missingPicture, dir.path())
                    .contains(QStringLiteral("picture 'nothing.jpg' does not exist")));
        // A refused build leaves no database behind.
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("b.mdb"))));
    }

    void shippedSourcesLoad() {
        const QString folder = qEnvironmentVariable("XUNDRAL_SOURCE_DIR") + QStringLiteral("/bank");
        const BankSources sources = loadBankSources(folder);
        QVERIFY(!sources.common.empty());
        QCOMPARE(sources.sysParam.timer2, 45);
        QCOMPARE(int(sources.sysCfg.size()), 4);
    }

private:
    static QString builderError(const QString& path, const BankSources& sources,
                                const QString& pictures = QString()) {
        try {
            writeExamDatabase(path, DatabaseKey{QStringLiteral("k")}, sources, pictures);
        } catch (const std::exception& error) {
            return QString::fromUtf8(error.what());
        }
        return QString();
    }
};

XUNDRAL_DATA_TEST_MAIN(TestBankSources)
#include "test_bank_sources.moc"
