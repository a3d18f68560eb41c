// The settings dialog: loading and saving the sysparam row, refusing what is not a whole
// number without touching the row, its keys and tab order, and the effect on the next paper.
#include "data/connection_string.h"
#include "data/sqlite_database.h"
#include "exam/answer_pause.h"
#include "forms/system_set_form.h"
#include "tests/support/program_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// The program's one settings dialog, found as a learner would: among its windows.
TSystemSetFrm* settingsDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<TSystemSetFrm*>(window))
            return found;
    }
    return nullptr;
}

// Every column of every row, with the type of what is stored.
QString sysparamRows(const TestProgramFolder& folder) {
    SqliteDatabase database(folder.databasePath(), examDatabaseKey(),
                            SqliteDatabase::OpenMode::ExistingOnly);
    SqliteStatement select(
        database, QStringLiteral("select quote(id)||','||quote(timer1)||','||quote(timer2)"
                                 "||','||quote(ifjump)||','||quote(ifshow) from sysparam"));
    QStringList rows;
    while (select.step())
        rows.append(select.value(0).toString());
    return rows.join(QLatin1Char(';'));
}

// The settings dialog of a running program, shown as the main window shows it but without
// blocking the test.
struct SettingsFixture {
    explicit SettingsFixture(const SysParamRow& row = {8, 45, 1, 1}) : program(sources(row)) {
        settingsDialog()->show();
    }
    ~SettingsFixture() { settingsDialog()->hide(); }

    static BankSources sources(const SysParamRow& row) {
        BankSources result = sampleSources(2, 4, 2);
        result.sysParam = row;
        return result;
    }
    template <typename Widget = QWidget> Widget* find(const char* name) {
        auto* widget = settingsDialog()->findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QRadioButton* item(const char* group, int index) {
        return find<QRadioButton>(qPrintable(QStringLiteral("%1_%2").arg(group).arg(index)));
    }
    int selected(const char* group) {
        return item(group, 0)->isChecked() ? 0 : item(group, 1)->isChecked() ? 1 : -1;
    }
    // Typed key by key where the test keyboard has the characters, pasted otherwise.
    void type(const char* name, const QString& text) {
        QLineEdit* target = edit(name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (ascii)
            QTest::keyClicks(target, text);
        else
            target->insert(text);
    }
    void save() { find<QPushButton>("Button1")->click(); }
    QString rows() { return sysparamRows(program.folder); }

    ProgramFixture program;
};

const QString kSaved = QStringLiteral("保存系统设置成功!");
const QString kFailed = QStringLiteral("保存系统设置失败!");

} // namespace

class TestSystemSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAnswerPauseForTests(0); }

    void layout() {
        SettingsFixture settings;
        QCOMPARE(settingsDialog()->windowTitle(), QStringLiteral("系统设置"));
        QCOMPARE(settingsDialog()->size(), QSize(327, 273));
        QCOMPARE(settingsDialog()->minimumSize(), settingsDialog()->maximumSize());
        QVERIFY(!(settingsDialog()->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(settings.find<QLabel>("Label2")->text(), QStringLiteral("熟知题时间规定为(秒)："));
        QCOMPARE(settings.find<QLabel>("Label6")->text(), QStringLiteral("是否显示答案提示："));
        QCOMPARE(settings.find<QLabel>("Label6")->pos(), QPoint(27, 205));
        QCOMPARE(settings.edit("timer1")->geometry(), QRect(212, 29, 30, 21));
        QCOMPARE(settings.find("UpDown2")->geometry(), QRect(242, 89, 15, 21));
        QCOMPARE(settings.find("ifjump")->geometry(), QRect(207, 136, 81, 39));
        QCOMPARE(settings.find<QPushButton>("Button2")->text(), QStringLiteral("退出"));
        QCOMPARE(settings.item("ifshow", 1)->text(), QStringLiteral("是"));
        // Two columns: the items stand side by side.
        QCOMPARE(settings.item("ifjump", 0)->y(), settings.item("ifjump", 1)->y());
        QCOMPARE(settingsDialog()->palette().color(QPalette::Window), QColor(166, 202, 240));
    }

    void loadAndSaveRoundTrip() {
        SettingsFixture settings({8, 45, 1, 0});
        QCOMPARE(settings.edit("timer1")->text(), QStringLiteral("8"));
        QCOMPARE(settings.edit("timer2")->text(), QStringLiteral("45"));
        QCOMPARE(settings.selected("ifjump"), 1);
        QCOMPARE(settings.selected("ifshow"), 0);
        const QString stored = settings.rows();
        settings.save();
        QCOMPARE(settings.rows(), stored);
        QCOMPARE(settings.program.boxes.asked.size(), 1);
        const MessageBox::Request box = settings.program.boxes.asked[0];
        QCOMPARE(box.text, kSaved);
        QCOMPARE(box.caption, QStringLiteral("dedode"));
        QCOMPARE(box.buttons, MessageBox::Buttons::Ok);
        QCOMPARE(box.icon, MessageBox::Icon::None);
        QVERIFY(settingsDialog()->isVisible());

        settings.type("timer1", QStringLiteral("12"));
        settings.type("timer2", QStringLiteral("100"));
        settings.item("ifjump", 0)->click();
        settings.item("ifshow", 1)->click();
        settings.save();
        QCOMPARE(settings.rows(), QStringLiteral("1,12,100,0,1"));
        QVERIFY(settingsDialog()->isVisible());
        QCOMPARE(settings.program.boxes.texts(), (QStringList{kSaved, kSaved}));

        // Changes closed with "退出" are dropped; the next showing loads the row.
        settings.type("timer2", QStringLiteral("5"));
        settings.item("ifshow", 0)->click();
        settings.find<QPushButton>("Button2")->click();
        QVERIFY(settingsDialog()->isHidden());
        QCOMPARE(settings.rows(), QStringLiteral("1,12,100,0,1"));
        settingsDialog()->show();
        QCOMPARE(settings.edit("timer2")->text(), QStringLiteral("100"));
        QCOMPARE(settings.selected("ifshow"), 1);
        // ...and so does the close box.
        settings.type("timer1", QStringLiteral("99"));
        QVERIFY(settingsDialog()->windowHandle()->close());
        QVERIFY(settingsDialog()->isHidden());
        settingsDialog()->show();
        QCOMPARE(settings.edit("timer1")->text(), QStringLiteral("12"));
        QCOMPARE(settings.rows(), QStringLiteral("1,12,100,0,1"));
        QCOMPARE(settings.program.boxes.asked.size(), 2);
    }

    void choicesAboveOneAndNegative() {
        SettingsFixture settings({8, 45, 7, -3});
        QCOMPARE(settings.selected("ifjump"), 1);
        QCOMPARE(settings.selected("ifshow"), -1);
        settings.save();
        QCOMPARE(settings.rows(), QStringLiteral("1,8,45,1,-1"));
    }

    void wholeNumbersAreSavedAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("top of the spinner") << QStringLiteral("100") << QStringLiteral("100");
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("blanks around") << QStringLiteral("  60 ") << QStringLiteral("60");
    }
    void wholeNumbersAreSavedAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        SettingsFixture settings;
        settings.type("timer2", typed);
        settings.save();
        QCOMPARE(settings.program.boxes.texts(), QStringList{kSaved});
        QCOMPARE(settings.rows(), QStringLiteral("1,8,%1,1,1").arg(stored));
    }

    void badInputChangesNothing_data() {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("minutes");
        const QString eight = QStringLiteral("8");
        const QString sixty = QStringLiteral("60");
        QTest::newRow("empty timer1") << QString() << sixty;
        QTest::newRow("empty timer2") << eight << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ") << sixty;
        QTest::newRow("letters") << QStringLiteral("abc") << sixty;
        QTest::newRow("number and letter") << eight << QStringLiteral("60分");
        QTest::newRow("decimal") << QStringLiteral("4.5") << sixty;
        QTest::newRow("exponent") << eight << QStringLiteral("1e2");
        QTest::newRow("hexadecimal") << QStringLiteral("0x10") << sixty;
        QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648") << sixty;
        QTest::newRow("below 32 bits") << eight << QStringLiteral("-2147483649");
        QTest::newRow("twenty digits") << eight << QStringLiteral("99999999999999999999");
        QTest::newRow("other column") << QStringLiteral("8,timer2=0") << sixty;
        QTest::newRow("every row") << eight << QStringLiteral("60 where 1=1");
        QTest::newRow("second statement") << eight << QStringLiteral("1; drop table B2");
        QTest::newRow("comment") << QStringLiteral("8 --") << sixty;
        QTest::newRow("sign alone") << QStringLiteral("-") << sixty;
        QTest::newRow("blank after sign") << eight << QStringLiteral("- 60");
        QTest::newRow("full-width digits") << QStringLiteral("８") << sixty;
        // Minutes the spinner cannot reach: the countdown would never end or end at once.
        QTest::newRow("minutes negative") << eight << QStringLiteral("-5");
        QTest::newRow("minutes above 100") << eight << QStringLiteral("101");
        QTest::newRow("minutes 2000000") << eight << QStringLiteral("2000000");
        QTest::newRow("minutes int max") << eight << QStringLiteral("2147483647");
    }
    void badInputChangesNothing() {
        QFETCH(QString, seconds);
        QFETCH(QString, minutes);
        SettingsFixture settings({7, 33, 0, 1});
        const QString stored = settings.rows();
        const int questions =
            settings.program.folder.scalar(QStringLiteral("select count(*) from B2"));
        // The choices differ from the row, so a half-done save would show.
        settings.item("ifjump", 1)->click();
        settings.item("ifshow", 0)->click();
        settings.type("timer1", seconds);
        settings.type("timer2", minutes);
        settings.save();
        QCOMPARE(settings.program.boxes.texts(), QStringList{kFailed});
        QCOMPARE(settings.program.boxes.asked[0].caption, QStringLiteral("dedode"));
        QCOMPARE(settings.program.boxes.asked[0].icon, MessageBox::Icon::None);
        QCOMPARE(settings.rows(), stored);
        QCOMPARE(settings.program.folder.scalar(QStringLiteral("select count(*) from B2")),
                 questions);
        // The dialog keeps what was typed, to be corrected and saved again.
        QVERIFY(settingsDialog()->isVisible());
        QCOMPARE(settings.edit("timer1")->text(), seconds);
        QCOMPARE(settings.edit("timer2")->text(), minutes);
        settings.type("timer1", QStringLiteral("9"));
        settings.type("timer2", QStringLiteral("61"));
        settings.save();
        QCOMPARE(settings.rows(), QStringLiteral("1,9,61,1,0"));
    }

    void aMissingRowIsNotReportedAsSaved() {
        SettingsFixture settings;
        settings.program.folder.exec(QStringLiteral("delete from sysparam"));
        settings.save();
        QCOMPARE(settings.program.boxes.texts(), QStringList{kFailed});
    }

    void keysAndTabOrder() {
        SettingsFixture settings;
        QApplication::setActiveWindow(settingsDialog());
        QVERIFY(QTest::qWaitForWindowActive(settingsDialog()));
        QCOMPARE(QApplication::focusWidget(), settings.edit("timer1"));
        const QList<QWidget*> order{settings.item("ifjump", 1), settings.item("ifshow", 1),
                                    settings.edit("timer2"),    settings.find("Button1"),
                                    settings.find("Button2"),   settings.edit("timer1")};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // Enter and Esc press neither button, wherever the focus is.
        for (QWidget* focus :
             {settings.find("timer1"), settings.find("Button1"), settings.find("Button2")}) {
            focus->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(focus, key);
        }
        QVERIFY(settingsDialog()->isVisible());
        QVERIFY(settings.program.boxes.asked.isEmpty());

        // A choice with nothing selected is passed over.
        settings.program.folder.exec(QStringLiteral("update sysparam set ifjump=-1"));
        settingsDialog()->hide();
        settingsDialog()->show();
        QApplication::setActiveWindow(settingsDialog());
        QVERIFY(QTest::qWaitForWindowActive(settingsDialog()));
        settings.edit("timer1")->setFocus();
        QTest::keyClick(settings.edit("timer1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), settings.item("ifshow", 1));
    }

    void theSavedMinutesStartTheNextMockExam() {
        SettingsFixture settings;
        settingsDialog()->hide();
        // Through the main window's button, as the learner does; the dialog is modal there.
        QTimer::singleShot(0, settingsDialog(), [&settings] {
            settings.type("timer2", QStringLiteral("75"));
            settings.save();
            settings.find<QPushButton>("Button2")->click();
        });
        settings.program.find<QPushButton>("BitBtn5")->click();
        QVERIFY(settingsDialog()->isHidden());
        QCOMPARE(settings.program.boxes.texts(), QStringList{kSaved});
        settings.program.find<QPushButton>("BitBtn4")->click();
        QCOMPARE(settings.program.label("examtime"), QStringLiteral("1:15:00"));
    }
};

XUNDRAL_TEST_MAIN(TestSystemSettings)
#include "test_system_settings.moc"
