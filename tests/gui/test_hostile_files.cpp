// What a hostile bank or a hostile disk does to the window: a long stem scrolls in its own box,
// a picture path that leads out of the program folder is refused, and a full disk at start-up is
// told in Chinese by every later box.
#include "tests/support/program_fixture.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>

#include <unistd.h>

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void aLongStemScrollsInItsBox() {
        ProgramFixture program(sampleSources(1, 4, 2));
        const QString stem = QString(4000, QChar(u'路'));
        program.folder.exec(QStringLiteral("update B2 set STNR='%1'").arg(stem));
        auto* box = program.find<QTextEdit>("re_SubJect");
        const QRect before = box->geometry();
        program.find<QPushButton>("BitBtn1")->click();
        QCOMPARE(program.box("re_SubJect"), stem);
        QCOMPARE(box->geometry(), before);
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(program.find<QWidget>("re_sel1")->geometry(), QRect(45, 191, 442, 60));
    }

    void aPicturePathOutOfTheProgramFolderIsRefused() {
        QTemporaryDir outside;
        const QString picture = outside.filePath(QStringLiteral("outside.png"));
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(picture));
        // As many ".." as it takes from the current folder to the root, then the file.
        const QString tp =
            QStringLiteral("/..").repeated(QDir::currentPath().count(u'/')) + picture;
        ProgramFixture program(sampleSources(1, 4, 2));
        program.folder.exec(QStringLiteral("update B2 set TP='%1'").arg(tp));
        program.find<QPushButton>("BitBtn1")->click();
        const QStringList texts = program.boxes.texts();
        QVERIFY2(texts.size() == 2 &&
                     texts.last().startsWith(QStringLiteral("图片路径 %1 指向程序文件夹").arg(tp)),
                 qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(program.find<QLabel>("Image_sign")->pixmap().isNull());
        // The question itself is there to answer.
        QCOMPARE(program.box("re_SubJect"), QStringLiteral("第1章第1题"));
    }

    void aFullDiskAtStartUpIsToldInChinese() {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir disk;
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=4m"), QStringLiteral("tmpfs"), disk.path()}) !=
            0)
            QSKIP("no tmpfs here");
        const auto unmount =
            qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {disk.path()}); });
        const TestProgramFolder source(sampleSources(1, 4, 2));
        QVERIFY(QDir().mkpath(disk.filePath(QStringLiteral("db"))));
        const QString database = disk.filePath(QStringLiteral("db/exam.mdb"));
        QVERIFY(QFile::copy(source.databasePath(), database));
        QFile filler(disk.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        ProgramDirectoryOverride directory(disk.path());
        MessageBoxScript boxes;
        {
            ProgramWindows windows;
            windows.main.show();
            QCOMPARE(boxes.asked.size(), 1);
            boxes.clear();
            windows.main.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
            QVERIFY(!boxes.asked.isEmpty());
            QCOMPARE(boxes.asked.last().text,
                     QStringLiteral("题库没有打开，无法进行这项操作。\n\n文件：%1\n文件夹：%2\n"
                                    "原因：磁盘已满，请腾出空间.")
                         .arg(database, disk.filePath(QStringLiteral("db"))));
        }
    }
};

XUNDRAL_TEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
