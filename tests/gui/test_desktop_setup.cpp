// Where the program meets the desktop: Qt's own Chinese texts and where the learner's
// database lives.
#include "app/database_place.h"
#include "forms/message_box.h"
#include "tests/support/test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    void portableCopyKeepsItsOwnDatabase() {
        QTemporaryDir program, data;
        writeFile(program.filePath(QStringLiteral("db/exam.mdb")), "shipped");
        QCOMPARE(chooseDatabaseFolder(program.path(), data.path()), program.path());
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("db/exam.mdb"))));
    }

    void installedCopyWorksOnTheLearnersOwnCopy() {
        QTemporaryDir program, data;
        const QString shipped = program.filePath(QStringLiteral("db/exam.mdb"));
        writeFile(shipped, "shipped");
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString own = data.filePath(QStringLiteral("sub/db/exam.mdb"));

        QCOMPARE(chooseDatabaseFolder(program.path(), data.filePath(QStringLiteral("sub"))),
                 data.filePath(QStringLiteral("sub")));
        QCOMPARE(readFile(own), QByteArray("shipped"));
        QVERIFY(QFileInfo(own).permissions() & QFile::WriteOwner);

        // The learner's answers, then an update that ships a new database: the answers stay.
        writeFile(own, "answered");
        QFile::setPermissions(shipped, QFile::ReadOwner | QFile::WriteOwner);
        writeFile(shipped, "updated");
        chooseDatabaseFolder(program.path(), data.filePath(QStringLiteral("sub")));
        QCOMPARE(readFile(own), QByteArray("answered"));
        QVERIFY(!QFile::exists(own + QStringLiteral(".part")));
    }

    void readOnlyPortableCopyFallsBackToTheDataFolder() {
        if (geteuid() == 0)
            QSKIP("root may write to any folder, so none is read-only here");
        QTemporaryDir program, data;
        writeFile(program.filePath(QStringLiteral("db/exam.mdb")), "shipped");
        const QString db = program.filePath(QStringLiteral("db"));
        QFile::setPermissions(db, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(chooseDatabaseFolder(program.path(), data.path()), data.path());
        QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readFile(data.filePath(QStringLiteral("db/exam.mdb"))), QByteArray("shipped"));
    }

    void missingDatabaseIsLookedForBesideTheProgram() {
        QTemporaryDir program, data;
        QCOMPARE(chooseDatabaseFolder(program.path(), data.path()), program.path());
        writeFile(program.filePath(QStringLiteral("installed-copy")), "");
        QCOMPARE(chooseDatabaseFolder(program.path(), data.path()), program.path());
        QVERIFY(QDir(data.path()).isEmpty());
    }
};

XUNDRAL_TEST_MAIN(TestDesktopSetup)
#include "test_desktop_setup.moc"
