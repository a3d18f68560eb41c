// The CSV reader and writer: RFC 4180 edge cases, where errors point, and a randomized
// write-then-read round trip.
#include "tests/support/test_data.h"
#include "tools/bank_tool/csv.h"

#include <QRandomGenerator>

namespace {

// Records as "field|field", line breaks inside fields made visible.
QStringList render(const std::vector<CsvRecord>& records) {
    QStringList lines;
    for (const CsvRecord& record : records) {
        QStringList fields;
        for (const CsvField& field : record) {
            QString text = field.text;
            text.replace(QLatin1Char('\r'), QLatin1String("<CR>"));
            text.replace(QLatin1Char('\n'), QLatin1String("<LF>"));
            fields.append(text);
        }
        lines.append(fields.join(QLatin1Char('|')));
    }
    return lines;
}

QString parseFailure(const QByteArray& bytes) {
    try {
        parseCsv(bytes);
    } catch (const CsvError& error) {
        return QStringLiteral("%1:%2: %3")
            .arg(error.line())
            .arg(error.column())
            .arg(error.message());
    }
    return QStringLiteral("accepted");
}

QString randomField(QRandomGenerator& random) {
    // Every character that needs care in CSV, Chinese text, a character outside the BMP and
    // the byte order mark, which must survive inside a field.
    static const QString alphabet = QStringLiteral("a, \"\r\n\t中文正确\U0001F697\uFEFF");
    QString field;
    const int length = random.bounded(0, 10);
    for (int index = 0; index < length; ++index) {
        const int pick = random.bounded(int(alphabet.size()));
        if (alphabet.at(pick).isHighSurrogate() && pick + 1 < alphabet.size())
            field += alphabet.mid(pick, 2);
        else if (!alphabet.at(pick).isLowSurrogate())
            field += alphabet.at(pick);
    }
    return field;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void readsRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("CRLF") << QByteArray("a,b,c\r\nd,e,f\r\n") << QStringList{"a|b|c", "d|e|f"};
        QTest::newRow("LF, no final break") << QByteArray("a,b\nc,d") << QStringList{"a|b", "c|d"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("comma and doubled quotes")
            << QByteArray("\"x, y\",\"say \"\"hi\"\"\"\n") << QStringList{"x, y|say \"hi\""};
        QTest::newRow("line breaks inside quotes kept")
            << QByteArray("\"one\r\ntwo\",\"3\n4\"\r\nz")
            << QStringList{"one<CR><LF>two|3<LF>4", "z"};
        QTest::newRow("BOM dropped") << QByteArray("\xEF\xBB\xBFID,TP\r\n") << QStringList{"ID|TP"};
        QTest::newRow("only a BOM") << QByteArray("\xEF\xBB\xBF") << QStringList{};
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("empty trailing fields")
            << QByteArray("a,,\r\n,,\r\n") << QStringList{"a||", "||"};
        QTest::newRow("comma at end of file") << QByteArray("a,") << QStringList{"a|"};
        QTest::newRow("blank line is one empty field")
            << QByteArray("a\n\nb\n") << QStringList{"a", "", "b"};
        QTest::newRow("empty quoted field") << QByteArray("\"\",x,\"\"") << QStringList{"|x|"};
        QTest::newRow("blanks kept") << QByteArray(" a , b ") << QStringList{" a | b "};
    }
    void readsRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        QCOMPARE(render(parseCsv(bytes)), records);
    }

    void refusesWithLineAndColumn_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("never closed") << QByteArray("a,b\nc,\"open\nmore")
                                      << "2:3: the quoted field that starts here is never closed";
        QTest::newRow("quote in a plain field")
            << QByteArray("ab\"c")
            << "1:3: a quote inside a field without quotes (quote the whole "
               "field and write the quote twice)";
        QTest::newRow("text after the closing quote")
            << QByteArray("\"ab\"x,1")
            << "1:5: expected a comma or a line break after the closing "
               "quote (a quote inside a quoted field is written twice)";
        QTest::newRow("columns count characters") << QByteArray("中文,\"x\"y") << "1:7: expected";
        QTest::newRow("lines count breaks in quotes and CRLF once")
            << QByteArray("\"a\r\nb\"\r\nc\"d") << "3:2: a quote inside";
        QTest::newRow("BOM takes no column") << QByteArray("\xEF\xBB\xBF"
                                                           "a\"")
                                             << "1:2: a quote";
        QTest::newRow("invalid UTF-8")
            << QByteArray("ok\r\n中\xFF") << "2:2: the file is not valid UTF-8 text";
        QTest::newRow("overlong UTF-8") << QByteArray("\xC0\xAF") << "1:1: the file is not valid";
        QTest::newRow("UTF-8 surrogate")
            << QByteArray("x\xED\xA0\x80") << "1:2: the file is not valid";
        QTest::newRow("truncated UTF-8")
            << QByteArray("ab\xE4\xB8") << "1:3: the file is not valid";
    }
    void refusesWithLineAndColumn() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString failure = parseFailure(bytes);
        QVERIFY2(failure.startsWith(error), qPrintable(failure));
    }

    void fieldsKnowWhereTheyStart() {
        const auto records = parseCsv(QByteArray("a,\"b\nc\",d\n中,,e"));
        QStringList positions;
        for (const CsvRecord& record : records) {
            for (const CsvField& field : record)
                positions << QStringLiteral("%1:%2").arg(field.line).arg(field.column);
        }
        QCOMPARE(positions, (QStringList{"1:1", "1:3", "2:4", "3:1", "3:3", "3:4"}));
    }

    void writesBomCrlfAndQuotesOnlyWhenNeeded() {
        const QByteArray written = writeCsv({{"a", "b,c", "d\"e", "", "中"}, {"x\ny"}});
        QCOMPARE(written, QByteArray("\xEF\xBB\xBF"
                                     "a,\"b,c\",\"d\"\"e\",,中\r\n\"x\ny\"\r\n"));
    }

    void randomRecordsSurviveWriteAndRead() {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 500; ++round) {
            std::vector<QStringList> records(std::size_t(random.bounded(0, 12)));
            for (QStringList& record : records) {
                const int fields = random.bounded(1, 8);
                for (int index = 0; index < fields; ++index)
                    record.append(randomField(random));
            }
            std::vector<QStringList> readBack;
            for (const CsvRecord& record : parseCsv(writeCsv(records))) {
                QStringList fields;
                for (const CsvField& field : record)
                    fields.append(field.text);
                readBack.push_back(fields);
            }
            QVERIFY2(readBack == records, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

XUNDRAL_DATA_TEST_MAIN(TestCsv)
#include "test_csv.moc"
