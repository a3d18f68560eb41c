// Where the program meets the desktop: Qt's own Chinese texts, bold and pictures at a
// device pixel ratio of 2, and where the learner's database lives.
#include "app/database_place.h"
#include "app/program_lock.h"
#include "data/database_lock.h"
#include "exam/question_picture.h"
#include "forms/font_faces.h"
#include "forms/message_box.h"
#include "forms/widget_setup.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <memory>
#include <unistd.h>

namespace {

// Dark pixels of a control as drawn at the screen's device pixel ratio.
int inkOf(QWidget* control) {
    const QImage image = control->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return ink;
}

// The texts of a real box's buttons, read while it is open and then closed with Cancel or No.
QStringList buttonTextsOf(MessageBox::Buttons buttons) {
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* button : box->buttons())
            // Qt's Chinese texts carry the access key after the word, as "否(&N)".
            texts << button->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
        box->reject();
    });
    MessageBox::show(nullptr, {QStringLiteral("信息提示"), QStringLiteral("?"), buttons});
    texts.sort();
    return texts;
}

} // namespace

class TestDesktopSetup : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsAreChinese() {
        QCOMPARE(buttonTextsOf(MessageBox::Buttons::OkCancel),
                 QStringList({QStringLiteral("取消"), QStringLiteral("确定")}));
        QCOMPARE(buttonTextsOf(MessageBox::Buttons::YesNo),
                 QStringList({QStringLiteral("否"), QStringLiteral("是")}));
    }

    // Run at ratios 1 and 2: bold text in the Chinese faces, which have no bold cut, must carry
    // clearly more ink than regular text, in labels as in text boxes.
    void boldHoldsAtEveryRatio() {
        QWidget window;
        const QString song = QStringLiteral("宋体");
        const QString text = QStringLiteral("当前考试类型为：大型货车B2");
        QLabel* plainLabel =
            makeLabel(&window, "plain", {0, 0}, pixelFont(song, 13), Qt::black, text);
        QLabel* boldLabel =
            makeLabel(&window, "bold", {0, 20}, pixelFont(song, 13, true), Qt::black, text);
        QTextEdit* plainBox = makeTextBox(&window, "plainBox", {0, 40, 220, 20}, Qt::white,
                                          pixelFont(song, 13), Qt::black);
        QTextEdit* boldBox = makeTextBox(&window, "boldBox", {0, 60, 220, 20}, Qt::white,
                                         pixelFont(song, 13, true), Qt::black);
        setBoxText(plainBox, text);
        setBoxText(boldBox, text);
        window.show();
        const qreal labelRatio = qreal(inkOf(boldLabel)) / inkOf(plainLabel);
        const qreal boxRatio = qreal(inkOf(boldBox)) / inkOf(plainBox);
        qInfo("device pixel ratio %g: bold/regular ink %.2f in a label, %.2f in a box",
              window.devicePixelRatioF(), labelRatio, boxRatio);
        QVERIFY(labelRatio > 2.0);
        QVERIFY(boxRatio > 2.0);
    }

    // A picture keeps its size at every ratio; above 1 its twin at twice the size is shown.
    void picturesFollowTheRatio() {
        QTemporaryDir folder;
        const auto save = [&](const char* name, int side) {
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(folder.filePath(QLatin1String(name)), "JPEG"));
        };
        save("sign.jpg", 10);
        save("sign@2x.jpg", 20);
        save("lone.jpg", 10);
        const bool doubled = qApp->devicePixelRatio() > 1;
        const QPixmap sign = loadQuestionPicture(folder.filePath(QStringLiteral("sign.jpg")));
        QCOMPARE(sign.deviceIndependentSize(), QSizeF(10, 10));
        QCOMPARE(sign.width(), doubled ? 20 : 10);
        const QPixmap lone = loadQuestionPicture(folder.filePath(QStringLiteral("lone.jpg")));
        QCOMPARE(lone.deviceIndependentSize(), QSizeF(10, 10));
        QCOMPARE(lone.devicePixelRatio(), 1.0);
    }

    void everyShippedPictureHasATwinAtTwiceItsSize() {
        const QDir program(qEnvironmentVariable("XUNDRAL_PROGRAM_DIR"));
        int checked = 0;
        for (const QString& folder : {QStringLiteral("pic"), QStringLiteral("resources")}) {
            const QDir dir(program.filePath(folder));
            for (const QFileInfo& file :
                 dir.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.bmp")})) {
                if (file.completeBaseName().endsWith(QLatin1String("@2x")))
                    continue;
                const QString twin = pictureForRatio(file.filePath(), 2);
                QVERIFY2(twin != file.filePath(), qPrintable(file.fileName()));
                QCOMPARE(QImageReader(twin).size(), QImageReader(file.filePath()).size() * 2);
                ++checked;
            }
        }
        QVERIFY(checked > 2);
    }

    void portableCopyKeepsItsOwnDatabase() {
        QTemporaryDir program, data;
        writeFile(program.filePath(QStringLiteral("db/exam.mdb")), "shipped");
        QCOMPARE(chooseDatabaseFolder(ProgramFolder{program.path()}, DataFolder{data.path()}),
                 program.path());
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("db/exam.mdb"))));
    }

    void installedCopyWorksOnTheLearnersOwnCopy() {
        QTemporaryDir program, data;
        const QString shipped = program.filePath(QStringLiteral("db/exam.mdb"));
        writeFile(shipped, "shipped");
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString own = data.filePath(QStringLiteral("sub/db/exam.mdb"));

        QCOMPARE(chooseDatabaseFolder(ProgramFolder{program.path()},
                                      DataFolder{data.filePath(QStringLiteral("sub"))}),
                 data.filePath(QStringLiteral("sub")));
        QCOMPARE(readFile(own), QByteArray("shipped"));
        QVERIFY(QFileInfo(own).permissions() & QFile::WriteOwner);

        // The learner's answers, then an update that ships a new database: the answers stay.
        writeFile(own, "answered");
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::WriteOwner);
        writeFile(shipped, "updated");
        chooseDatabaseFolder(ProgramFolder{program.path()},
                             DataFolder{data.filePath(QStringLiteral("sub"))});
        QCOMPARE(readFile(own), QByteArray("answered"));
        QVERIFY(!QFile::exists(own + QStringLiteral(".part")));
    }

    // The lock is on the file the program opens: the learner's copy, not the shipped file.
    void installedCopyLocksTheLearnersCopy() {
        QTemporaryDir program, data;
        const QString shipped = program.filePath(QStringLiteral("db/exam.mdb"));
        writeFile(shipped, "shipped");
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        const QString own = data.filePath(QStringLiteral("db/exam.mdb"));
        {
            const ExamDatabaseClaim claim(ProgramFolder{program.path()}, DataFolder{data.path()});
            QVERIFY(claim.lock() && claim.lock()->isLocked());
            QCOMPARE(DatabaseLock(own).status(), DatabaseLock::Status::HeldByProgram);
            QVERIFY(DatabaseLock(shipped).isLocked());
            // Whatever happens to the folders meanwhile, the open takes the file locked.
            QVERIFY(QFile::remove(program.filePath(QStringLiteral("installed-copy"))));
            QCOMPARE(examDatabaseFolder(), data.path());
        }
        QVERIFY(DatabaseLock(own).isLocked());
    }

    // Two first starts at once: the second waits for the first's copy and takes it as it is.
    void secondFirstStartWaitsForTheFirstCopy() {
        QTemporaryDir program, data;
        writeFile(program.filePath(QStringLiteral("db/exam.mdb")), "shipped");
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        const QString own = data.filePath(QStringLiteral("db/exam.mdb"));
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("db"))));
        auto first = std::make_unique<FolderLock>(data.filePath(QStringLiteral("db")));
        QVERIFY(first->isLocked());
        QString chosen;
        std::unique_ptr<QThread> second(QThread::create([&] {
            chosen = chooseDatabaseFolder(ProgramFolder{program.path()}, DataFolder{data.path()});
        }));
        second->start();
        QVERIFY(!second->wait(300));
        QVERIFY(!QFile::exists(own));
        writeFile(own, "first start's copy, answered");
        first.reset();
        QVERIFY(second->wait(10000));
        QCOMPARE(chosen, data.path());
        QCOMPARE(readFile(own), QByteArray("first start's copy, answered"));
    }

    void readOnlyPortableCopyFallsBackToTheDataFolder() {
        if (geteuid() == 0)
            QSKIP("root may write to any folder, so none is read-only here");
        QTemporaryDir program, data;
        writeFile(program.filePath(QStringLiteral("db/exam.mdb")), "shipped");
        const QString db = program.filePath(QStringLiteral("db"));
        QFile::setPermissions(db, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(chooseDatabaseFolder(ProgramFolder{program.path()}, DataFolder{data.path()}),
                 data.path());
        QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readFile(data.filePath(QStringLiteral("db/exam.mdb"))), QByteArray("shipped"));
    }

    void missingDatabaseIsLookedForBesideTheProgram() {
        QTemporaryDir program, data;
        QCOMPARE(chooseDatabaseFolder(ProgramFolder{program.path()}, DataFolder{data.path()}),
                 program.path());
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        QCOMPARE(chooseDatabaseFolder(ProgramFolder{program.path()}, DataFolder{data.path()}),
                 program.path());
        QVERIFY(QDir(data.path()).isEmpty());
    }
};

XUNDRAL_TEST_MAIN(TestDesktopSetup)
#include "test_desktop_setup.moc"
