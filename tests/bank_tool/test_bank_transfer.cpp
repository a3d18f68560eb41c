// Export and import through the bank tool: a bank survives the round trip, an import renumbers
// and resets what it should, and one bad record leaves the whole file as it was.
#include "tests/bank_tool/tool_run.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/csv.h"

#include <QTemporaryFile>

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value) {
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

// Only the start of a PNG of 30000 x 30000 pixels: what its header claims is all check may
// look at.
QByteArray hugePngHeader() {
    const QByteArray header = QByteArray("IHDR") + bigEndian(30000) + bigEndian(30000) +
                              QByteArray("\x08\x02\x00\x00\x00", 5);
    // The reader looks for the first data chunk before it tells the size; an empty one will do.
    const QByteArray data("IDAT");
    const QByteArray end("IEND");
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + bigEndian(13) + header + bigEndian(crc32(header)) +
           bigEndian(0) + data + bigEndian(crc32(data)) + bigEndian(0) + end +
           bigEndian(crc32(end));
}

const char* const kHeader =
    "\xEF\xBB\xBFID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER,MARK,STLB,STZLB1,STLX,STBH,JX,ZT,ZSD,BS,YD\r\n";

} // namespace

class TestBankTransfer : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = toolFixtureFolder();
        db_ = folder_->databasePath();
        csv_ = folder_->path() + QStringLiteral("/bank.csv");
    }
    void cleanup() { folder_.reset(); }

    void exportThenImportKeepsTheBank_data() {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<int>("questions");
        QTest::newRow("B2") << "B2" << 23;
        QTest::newRow("C") << "C" << 20;
    }
    void exportThenImportKeepsTheBank() {
        QFETCH(QString, bank);
        QFETCH(int, questions);
        const QString before = dumpDatabase(db_);
        const ToolRun exported = runTool({"export", db_, bank, csv_});
        QCOMPARE(exported.code, 0);
        QVERIFY(readFile(csv_).startsWith(kHeader));
        QCOMPARE(int(csvTexts(readFile(csv_)).size()), questions + 1);
        const ToolRun imported = runTool({"import", db_, bank, csv_});
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        QVERIFY(imported.out.startsWith(
            QStringLiteral("imported %1 questions into bank %2").arg(questions).arg(bank)));
        QCOMPARE(dumpDatabase(db_), before);
    }

    void importOrdersByTheSortKeysAndRenumbers() {
        QCOMPARE(runTool({"export", db_, "B2", csv_}).code, 0);
        const QByteArray original = readFile(csv_);
        // Rows in reverse, ids and answers scrambled: the sort keys alone decide the order.
        std::vector<QStringList> records = csvTexts(original);
        std::reverse(records.begin() + 1, records.end());
        for (std::size_t index = 1; index < records.size(); ++index) {
            records[index][0] = QStringLiteral("x%1").arg(index);
            records[index][8] = QStringLiteral("1");
        }
        writeFile(csv_, writeCsv(records));
        QCOMPARE(runTool({"import", db_, "B2", csv_}).code, 0);
        QCOMPARE(runTool({"export", db_, "B2", csv_}).code, 0);
        QCOMPARE(readFile(csv_), original);

        // A question added at the end of chapter 1 with a made-up STBH joins its chapter, and
        // every chapter's ids still run without a gap.
        records = csvTexts(original);
        records.push_back({"", "", "新加的题", "正确", "错误", "", "", "1", "", "1", "1", "1", "99",
                           "", "安全驾驶", "added-question", "", ""});
        writeFile(csv_, writeCsv(records));
        QCOMPARE(runTool({"import", db_, "B2", csv_}).code, 0);
        QCOMPARE(folder_->scalar("SELECT STBH FROM B2 WHERE STNR = '新加的题'"), 5);
        QCOMPARE(folder_->scalar("SELECT ID FROM B2 WHERE STNR = '新加的题'"), 5);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM B2 WHERE STZLB1 = 1"), 9);
        QCOMPARE(folder_->scalar("SELECT MAX(ID) - MIN(ID) + 1 FROM B2 WHERE STZLB1 = 2"),
                 folder_->scalar("SELECT COUNT(*) FROM B2 WHERE STZLB1 = 2"));
        const ToolRun check = runTool({"check", db_});
        QVERIFY2(check.code == 0, qPrintable(check.err));
    }

    void importResetsAnswersAndThePaperButKeepsTheRest() {
        folder_->exec(
            "UPDATE B2 SET MARK = 1; UPDATE C SET MARK = 2; UPDATE sysparam SET timer2 = 30;"
            "INSERT INTO S_MARK VALUES (1); INSERT INTO EXAM_TEMP VALUES (1, 1);");
        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
        QCOMPARE(runTool({"import", db_, "C", csv_}).code, 0);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM C WHERE MARK <> 5"), 0);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM B2 WHERE MARK <> 1"), 0);
        QCOMPARE(folder_->scalar("SELECT timer2 FROM sysparam"), 30);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM S_MARK") +
                     folder_->scalar("SELECT COUNT(*) FROM EXAM_TEMP"),
                 0);
        QCOMPARE(folder_->scalar("SELECT SUM(STSL) FROM SYS_CFG"), 6);
    }

    void oneBadRecordChangesNothing_data() {
        QTest::addColumn<int>("record"); // 0 = header; C's first records are chapter 1 true/false
        QTest::addColumn<int>("column"); // -1 = append the value to the file as it stands
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("setupSql");
        QTest::addColumn<QString>("error");
        QTest::newRow("answer code") << 1 << 7 << "7"
                                     << ""
                                     << "answer code 7 is not 1 (A), 2 (B), 3 (C) or 0 (D)";
        QTest::newRow("answer beyond two choices")
            << 2 << 7 << "3"
            << ""
            << "answer code 3 (C) does not fit a question with 2 choices";
        QTest::newRow("answer not a number") << 2 << 7 << "A"
                                             << ""
                                             << "ANSWER 'A' is not a whole number";
        QTest::newRow("three choices")
            << 5 << 6 << ""
            << ""
            << "a question has two choices (DA1, DA2) or four (DA1 to DA4)";
        QTest::newRow("type does not fit") << 1 << 11 << "2"
                                           << ""
                                           << "STLX is 2 but a question with 2 choices has type 1";
        QTest::newRow("chapter not a number") << 3 << 10 << "一"
                                              << ""
                                              << "STZLB1 '一' is not a whole number";
        QTest::newRow("chapter 0") << 3 << 10 << "0"
                                   << ""
                                   << "chapter (STZLB1) 0 is not 1 or more";
        QTest::newRow("empty question") << 4 << 2 << " "
                                        << ""
                                        << "question text is empty";
        QTest::newRow("duplicate text") << 3 << 2 << "第1章第1题"
                                        << ""
                                        << "duplicate question text (first on line 2)";
        QTest::newRow("control character") << 1 << 3 << "正\x01确"
                                           << ""
                                           << "text holds a control character";
        QTest::newRow("right-to-left override")
            << 1 << 4 << "\u202E左转"
            << ""
            << "text holds the direction mark U+202E, which changes the order in which it is shown";
        QTest::newRow("isolate in a stem") << 2 << 2 << "前方\u2067路口"
                                           << ""
                                           << "text holds the direction mark U+2067";
        QTest::newRow("picture 30000 x 30000") << 1 << 1 << "/pic/huge.png"
                                               << ""
                                               << "is 30000 x 30000 pixels, more than the 4096";
        QTest::newRow("picture linked outside")
            << 1 << 1 << "/pic/outside.jpg"
            << ""
            << "picture path '/pic/outside.jpg' leads out of the program folder through a link";
        QTest::newRow("missing picture") << 1 << 1 << "/pic/none.jpg"
                                         << ""
                                         << "/pic/none.jpg does not exist";
        QTest::newRow("picture outside") << 1 << 1 << "/../sign.jpg"
                                         << ""
                                         << "picture path '/../sign.jpg' leaves the program folder";
        QTest::newRow("picture without slash") << 1 << 1 << "pic/sign.jpg"
                                               << ""
                                               << "must start with /";
        QTest::newRow("picture format") << 1 << 1 << "/pic/sign.tif"
                                        << ""
                                        << "is not a JPEG, BMP, PNG, GIF or ICO file";
        QTest::newRow("field missing") << 6 << 12 << "<drop>"
                                       << ""
                                       << "the record has 17 fields, expected 18 as the header has";
        QTest::newRow("header") << 0 << 2 << "TEXT"
                                << ""
                                << "header column 3 is 'TEXT', expected 'STNR'";
        QTest::newRow("quote never closed") << 0 << -1 << "\r\n1,\"open"
                                            << ""
                                            << "the quoted field that starts here is never closed";
        QTest::newRow("SYS_CFG no longer fits")
            << 1 << 10 << "4"
            << "UPDATE SYS_CFG SET STSL = 7 WHERE STZLB1 = 1"
            << "SYS_CFG row 1 draws 7 questions from chapter 1, but bank C holds 6 there";
    }
    void oneBadRecordChangesNothing() {
        QFETCH(int, record);
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(QString, setupSql);
        QFETCH(QString, error);
        if (!setupSql.isEmpty())
            folder_->exec(setupSql);
        writeFile(folder_->path() + QStringLiteral("/pic/huge.png"), hugePngHeader());
        QTemporaryFile outside;
        QVERIFY(outside.open());
        QFile::link(outside.fileName(), folder_->path() + QStringLiteral("/pic/outside.jpg"));
        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
        if (column < 0) {
            writeFile(csv_, readFile(csv_) + value.toUtf8());
        } else {
            std::vector<QStringList> records = csvTexts(readFile(csv_));
            if (value == QLatin1String("<drop>"))
                records[std::size_t(record)].removeAt(column);
            else
                records[std::size_t(record)][column] = value;
            writeFile(csv_, writeCsv(records));
        }
        const QString before = dumpDatabase(db_);
        const ToolRun imported = runTool({"import", db_, "C", csv_});
        QCOMPARE(imported.code, 1);
        QVERIFY2(imported.err.contains(error), qPrintable(imported.err));
        QVERIFY2(imported.err.endsWith(QStringLiteral("nothing imported\n")),
                 qPrintable(imported.err));
        QCOMPARE(dumpDatabase(db_), before);
    }

    void problemsNameFileLineAndColumnInFileOrder() {
        QCOMPARE(runTool({"export", db_, "C", csv_}).code, 0);
        std::vector<QStringList> records = csvTexts(readFile(csv_));
        records[4][7] = QStringLiteral("9");
        records[2][11] = QStringLiteral("x");
        writeFile(csv_, writeCsv(records));
        const ToolRun imported = runTool({"import", db_, "C", csv_});
        QCOMPARE(imported.code, 1);
        const QStringList lines = imported.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        // Line 3 holds 第1章第3题; its STLX is the twelfth field.
        QVERIFY2(lines[0].startsWith(csv_ + QStringLiteral(":3:")) &&
                     lines[0].endsWith(QStringLiteral("STLX 'x' is not a whole number")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(csv_ + QStringLiteral(":5:")), qPrintable(lines[1]));
        QCOMPARE(lines[2], QStringLiteral("2 problem(s); nothing imported"));
        const int column = lines[0].section(QLatin1Char(':'), 2, 2).toInt();
        const QString recordLine =
            QString::fromUtf8(readFile(csv_)).split(QStringLiteral("\r\n")).at(2);
        QCOMPARE(recordLine.left(column - 1).count(QLatin1Char(',')), 11);
    }

private:
    std::unique_ptr<TestProgramFolder> folder_;
    QString db_;
    QString csv_;
};

XUNDRAL_DATA_TEST_MAIN(TestBankTransfer)
#include "test_bank_transfer.moc"
