// Damaged and foreign files where the exam database belongs: the program says what is wrong,
// does not crash or hang, and leaves the file byte for byte as it found it.
#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "tests/support/file_bytes.h"
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

namespace {

// The page of our SQLCipher files: the first 16 bytes of the file are the key's salt; every
// page ends in 48 reserved bytes, a 16-byte IV, a 20-byte HMAC and padding nothing reads.
constexpr qint64 kPage = 1024;
constexpr qint64 kIv = kPage - 48;
constexpr qint64 kHmac = kPage - 32;

using Damage = std::function<void(TestProgramFolder&)>;

// Flips every bit of the byte at `offset`; a negative offset counts from the end.
Damage flip(qint64 offset) {
    return [offset](TestProgramFolder& folder) {
        QByteArray bytes = readFile(folder.databasePath());
        const qint64 at = offset < 0 ? bytes.size() + offset : offset;
        QVERIFY(at >= 0 && at < bytes.size());
        bytes[at] = char(~bytes[at]);
        writeFile(folder.databasePath(), bytes);
    };
}

Damage rewrite(std::function<QByteArray(QByteArray)> change) {
    return [change](TestProgramFolder& folder) {
        writeFile(folder.databasePath(), change(readFile(folder.databasePath())));
    };
}

Damage replaceWith(const QByteArray& bytes) {
    return rewrite([bytes](const QByteArray&) { return bytes; });
}

Damage sql(const QString& statements) {
    return [statements](TestProgramFolder& folder) { folder.exec(statements); };
}

// The table rebuilt without one column; the engine knows no DROP COLUMN.
Damage withoutColumn(const char* table, const char* column) {
    static const QMap<QString, QStringList> columns{
        {QStringLiteral("B2"),
         {"ID", "TP", "STNR", "DA1", "DA2", "DA3", "DA4", "ANSWER", "MARK", "STLB", "STZLB1",
          "STLX", "STBH", "JX"}},
        {QStringLiteral("C"),
         {"ID", "TP", "STNR", "DA1", "DA2", "DA3", "DA4", "ANSWER", "MARK", "STLB", "STZLB1",
          "STLX", "STBH", "JX"}},
        {QStringLiteral("sysparam"), {"id", "timer1", "timer2", "ifjump", "ifshow"}},
        {QStringLiteral("SYS_CFG"), {"STZLB1", "STSL"}}};
    const QString name = QLatin1String(table);
    QStringList kept = columns.value(name);
    kept.removeAll(QLatin1String(column));
    return sql(QStringLiteral("create table kept as select %1 from %2; drop table %2;"
                              "alter table kept rename to %2;")
                   .arg(kept.join(QLatin1Char(',')), name));
}

// A snapshot of the db folder: every entry's name and, for files, a digest of the bytes.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    const QDir dir(folder + QStringLiteral("/db"));
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        QString entry = info.fileName() + (info.isDir() ? QStringLiteral("/") : QString());
        if (info.isFile())
            entry += QLatin1Char(' ') + QString::fromLatin1(fileDigest(info.filePath()).toHex());
        entries.append(entry);
    }
    return entries;
}

} // namespace

class TestDamagedDatabases : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void damagedFileIsRefusedAndLeftAlone_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("expected");
        const QString notOurs = QStringLiteral("file is encrypted or is not a database");
        const QString unreadable =
            QStringLiteral("^题库文件 .*(已损坏|无法读取)|^database disk image is malformed");
        const QString missingTable = QStringLiteral("缺少数据表");
        const QString missingColumn = QStringLiteral("缺少列");
        const QString notWhole = QStringLiteral("不是整数");

        // Bytes of the header page: the salt, the encrypted header, its IV and HMAC.
        QTest::newRow("salt, first byte") << flip(0) << notOurs;
        QTest::newRow("salt, last byte") << flip(15) << notOurs;
        QTest::newRow("header, page size field") << flip(16) << notOurs;
        QTest::newRow("header, schema cookie") << flip(40) << notOurs;
        QTest::newRow("header page, schema table") << flip(600) << notOurs;
        QTest::newRow("header page, IV") << flip(kIv) << notOurs;
        QTest::newRow("header page, HMAC") << flip(kHmac) << notOurs;
        // Data pages, read only when their table is.
        QTest::newRow("page 2, first byte") << flip(kPage) << unreadable;
        QTest::newRow("page 2, middle") << flip(kPage + 512) << unreadable;
        QTest::newRow("page 3, HMAC") << flip(2 * kPage + kHmac) << unreadable;
        QTest::newRow("last page, first byte") << flip(-kPage) << unreadable;
        QTest::newRow("last page, HMAC") << flip(-kPage + kHmac) << unreadable;
        QTest::newRow("page 2 zeroed") << rewrite([](QByteArray bytes) {
            return bytes.replace(kPage, kPage, QByteArray(kPage, '\0'));
        }) << unreadable;
        QTest::newRow("pages 2 and 3 swapped") << rewrite([](QByteArray bytes) {
            const QByteArray second = bytes.mid(kPage, kPage);
            const QByteArray third = bytes.mid(2 * kPage, kPage);
            return bytes.replace(kPage, kPage, third).replace(2 * kPage, kPage, second);
        }) << unreadable;
        QTest::newRow("cut to its first page")
            << rewrite([](const QByteArray& bytes) { return bytes.left(kPage); }) << unreadable;
        QTest::newRow("cut in half") << rewrite([](const QByteArray& bytes) {
            return bytes.left(bytes.size() / 2 / kPage * kPage);
        }) << unreadable;
        QTest::newRow("last page cut short")
            << rewrite([](const QByteArray& bytes) { return bytes.left(bytes.size() - 100); })
            << unreadable;

        // Files that are not our database at all.
        QTest::newRow("another key") << sql(QStringLiteral("PRAGMA rekey = 'another';")) << notOurs;
        QTest::newRow("empty file") << replaceWith({}) << missingTable;
        QTest::newRow("CSV text") << replaceWith("ID,STNR,DA1\n1,\"text\",A\n") << notOurs;
        QTest::newRow("zero bytes") << replaceWith(QByteArray(3 * kPage, '\0')) << notOurs;
        QTest::newRow("random bytes") << replaceWith([] {
            QByteArray bytes(5 * kPage, '\0');
            quint32 state = 12345;
            for (char& byte : bytes) {
                state = state * 1103515245 + 12345;
                byte = char(state >> 24);
            }
            return bytes;
        }()) << notOurs;
        QTest::newRow("plain SQLite header")
            << replaceWith(QByteArray("SQLite format 3\0", 16) + QByteArray(kPage - 16, '\x7f'))
            << notOurs;

        // Ours by its key, but not what the program reads.
        for (const char* table : {"B2", "C", "SYS_CFG", "S_MARK", "EXAM_TEMP", "sysparam"})
            QTest::newRow(qPrintable(QStringLiteral("no table %1").arg(QLatin1String(table))))
                << sql(QStringLiteral("drop table %1").arg(QLatin1String(table))) << missingTable;
        QTest::newRow("B2 without ANSWER") << withoutColumn("B2", "ANSWER") << missingColumn;
        QTest::newRow("C without MARK") << withoutColumn("C", "MARK") << missingColumn;
        QTest::newRow("sysparam without timer2")
            << withoutColumn("sysparam", "timer2") << missingColumn;
        QTest::newRow("SYS_CFG without STSL") << withoutColumn("SYS_CFG", "STSL") << missingColumn;
        QTest::newRow("answer 'x'")
            << sql(QStringLiteral("update B2 set ANSWER='x' where ID=3")) << notWhole;
        QTest::newRow("answer 1.5")
            << sql(QStringLiteral("update B2 set ANSWER=1.5 where ID=3")) << notWhole;
        QTest::newRow("chapter text")
            << sql(QStringLiteral("update C set STZLB1='abc' where ID=2")) << notWhole;
        QTest::newRow("mark NULL") << sql(QStringLiteral("update B2 set MARK=NULL")) << notWhole;
        QTest::newRow("minutes text")
            << sql(QStringLiteral("update sysparam set timer2='abc'")) << notWhole;
        QTest::newRow("count text")
            << sql(QStringLiteral("update SYS_CFG set STSL='1 OR 1=1'")) << notWhole;
        QTest::newRow("chapter injected")
            << sql(QStringLiteral("update SYS_CFG set STZLB1='1 OR 1=1' where STZLB1=1"))
            << notWhole;
        QTest::newRow("paper id text")
            << sql(QStringLiteral("insert into S_MARK values ('seven')")) << notWhole;
    }

    void damagedFileIsRefusedAndLeftAlone() {
        QFETCH(Damage, damage);
        QFETCH(QString, expected);
        TestProgramFolder folder(sampleSources(2, 40, 3));
        try {
            damage(folder);
        } catch (const std::exception& error) {
            QFAIL(error.what());
        }
        if (QTest::currentTestFailed())
            return;
        const QStringList before = snapshot(folder.path());

        ProgramDirectoryOverride directory(folder.path());
        MessageBoxScript boxes;
        {
            ProgramWindows windows;
            windows.main.show();
            QVERIFY(!boxes.asked.isEmpty());
            const MessageBox::Request first = boxes.asked[0];
            QCOMPARE(first.icon, MessageBox::Icon::Error);
            QVERIFY2(first.text.contains(QRegularExpression(expected)), qPrintable(first.text));
            // Every command after that fails with its own report and starts nothing.
            for (const char* button : {"BitBtn1", "BitBtn3", "BitBtn4"}) {
                windows.main.findChild<QPushButton*>(QLatin1String(button))->click();
                QVERIFY(windows.main.findChild<QWidget*>(QStringLiteral("GroupBox2"))->isHidden() ||
                        windows.main.findChild<QWidget*>(QStringLiteral("A_btn"))->isHidden());
            }
            for (Qt::Key key : {Qt::Key_1, Qt::Key_6, Qt::Key_8})
                QTest::keyClick(&windows.main, key);
            // Each of those boxes tells the learner in Chinese which file failed and why.
            for (qsizetype index = 1; index < boxes.asked.size(); ++index) {
                const QString text = boxes.asked[index].text;
                if (boxes.asked[index].icon == MessageBox::Icon::Error)
                    QVERIFY2(text.startsWith(QStringLiteral("题库没有打开")) &&
                                 text.contains(folder.databasePath()) &&
                                 text.contains(QStringLiteral("原因：")),
                             qPrintable(text));
            }
        }
        QCOMPARE(snapshot(folder.path()), before);
    }

    void directoryInPlaceOfTheFile() {
        TestProgramFolder folder(sampleSources(1, 4, 2));
        QVERIFY(QFile::remove(folder.databasePath()));
        QVERIFY(QDir().mkdir(folder.databasePath()));
        const QStringList before = snapshot(folder.path());
        ProgramDirectoryOverride directory(folder.path());
        MessageBoxScript boxes;
        {
            ProgramWindows windows;
            windows.main.show();
            QCOMPARE(boxes.asked.size(), 1);
            QVERIFY(boxes.asked[0].text.contains(folder.databasePath()));
            windows.main.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
        }
        QCOMPARE(snapshot(folder.path()), before);
    }

    // An unencrypted database with the right tables is still not the program's.
    void plainDatabaseWithOurTables() {
        TestProgramFolder folder(sampleSources(1, 4, 2));
        QVERIFY(QFile::remove(folder.databasePath()));
        {
            SqliteDatabase plain(folder.databasePath(), DatabaseKey{},
                                 SqliteDatabase::OpenMode::CreateIfMissing);
            plain.execScript(QStringLiteral("CREATE TABLE B2 (ID INTEGER PRIMARY KEY);"));
        }
        const QStringList before = snapshot(folder.path());
        ProgramDirectoryOverride directory(folder.path());
        MessageBoxScript boxes;
        {
            ProgramWindows windows;
            windows.main.show();
            QCOMPARE(boxes.texts(),
                     QStringList{QStringLiteral("file is encrypted or is not a database.")});
        }
        QCOMPARE(snapshot(folder.path()), before);
    }

    void soundFileStillOpens() {
        ProgramFixture program(sampleSources(2, 40, 3));
        QVERIFY(program.boxes.asked.isEmpty());
        program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(program.main().totalNum(), 6);
    }
};

XUNDRAL_TEST_MAIN(TestDamagedDatabases)
#include "test_damaged_databases.moc"
