// Inputs the fuzzers found, kept so that what they broke stays mended.
#include "data/connection_string.h"
#include "tests/support/test_data.h"

class TestFuzzFindings : public QObject {
    Q_OBJECT
private slots:
    // A program folder the connection string cut at a semicolon or trimmed: the program then
    // looked for its database somewhere else.
    void anyProgramFolderNamesItsOwnDatabase_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("semicolon") << "/home/a;b/xundral";
        QTest::newRow("a whole connection string")
            << "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=x;Data "
               "Source=/opt/xundral/db/exam.mdb;Persist Security Info=true";
        QTest::newRow("blanks around") << " /opt/x ";
        QTest::newRow("quotes") << "\"/opt/'x'\"";
        QTest::newRow("plain") << "/opt/xundral";
    }
    void anyProgramFolderNamesItsOwnDatabase() {
        QFETCH(QString, folder);
        const QString text = examConnectionString(folder);
        const ConnectionParams params = parseConnectionString(text);
        QCOMPARE(params.dataSource, folder + QStringLiteral("/db/exam.mdb"));
        QCOMPARE(params.password, QLatin1String(kExamDatabasePassword));
        if (folder == QLatin1String("/opt/xundral"))
            QVERIFY(text.contains(QStringLiteral("Data Source=/opt/xundral/db/exam.mdb;")));
    }

    void quotedValuesFollowOleDbRules() {
        const ConnectionParams params = parseConnectionString(
            QStringLiteral("Data Source = 'a;''b' ; provider=\"Microsoft.Jet.OLEDB.4.0\";"
                           "Jet OLEDB:Database Password=\"\"\"\" x;extra"));
        QCOMPARE(params.dataSource, QStringLiteral("a;'b"));
        QCOMPARE(params.password, QStringLiteral("\""));
    }
};

XUNDRAL_DATA_TEST_MAIN(TestFuzzFindings)
#include "test_fuzz_findings.moc"
