// The rules under the two auxiliary windows: answer letters, typed whole numbers, spinner steps.
#include "data/whole_number.h"
#include "forms/up_down.h"
#include "forms/wrong_list_text.h"
#include "tests/support/test_support.h"

#include <QLineEdit>
#include <QToolButton>

class TestFormsRules : public QObject {
    Q_OBJECT
private slots:
    void answerLetters_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("letter");
        QTest::newRow("1") << 1 << QStringLiteral("A");
        QTest::newRow("2") << 2 << QStringLiteral("B");
        QTest::newRow("3") << 3 << QStringLiteral("C");
        QTest::newRow("0") << 0 << QStringLiteral("D");
        QTest::newRow("5 unanswered") << 5 << QStringLiteral("未选");
        QTest::newRow("4") << 4 << QString();
        QTest::newRow("6") << 6 << QString();
        QTest::newRow("-1") << -1 << QString();
        QTest::newRow("lowest") << std::numeric_limits<int>::min() << QString();
    }
    void answerLetters() {
        QFETCH(int, code);
        QFETCH(QString, letter);
        QCOMPARE(AnswerCodeToLetter(answerCodeFromColumn(code)), letter);
    }

    void wholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QStringLiteral("45") << true << 45;
        QTest::newRow("above 100") << QStringLiteral("120") << true << 120;
        QTest::newRow("zero") << QStringLiteral("0") << true << 0;
        QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7;
        QTest::newRow("plus") << QStringLiteral("+8") << true << 8;
        QTest::newRow("minus") << QStringLiteral("-5") << true << -5;
        QTest::newRow("minus zero") << QStringLiteral("-0") << true << 0;
        QTest::newRow("blanks around") << QStringLiteral(" \t30\r\n ") << true << 30;
        QTest::newRow("highest") << QStringLiteral("2147483647") << true << 2147483647;
        QTest::newRow("lowest") << QStringLiteral("-2147483648") << true
                                << std::numeric_limits<int>::min();
        QTest::newRow("two signs") << QStringLiteral("--5") << false << 0;
        QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648") << false << 0;
        QTest::newRow("very long") << QStringLiteral("99999999999999999999999") << false << 0;
        QTest::newRow("ideographic blank") << QStringLiteral("\u300045") << false << 0;
    }
    void wholeNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<int> parsed = parseWholeNumber(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void spinnerSteps_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("after");
        QTest::newRow("up") << QStringLiteral("45") << 1 << QStringLiteral("46");
        QTest::newRow("down") << QStringLiteral("45") << -1 << QStringLiteral("44");
        QTest::newRow("stops at 100") << QStringLiteral("100") << 1 << QStringLiteral("100");
        QTest::newRow("stops at 0") << QStringLiteral("0") << -1 << QStringLiteral("0");
        QTest::newRow("typed above") << QStringLiteral("120") << 1 << QStringLiteral("100");
        QTest::newRow("typed below") << QStringLiteral("-7") << 1 << QStringLiteral("0");
        QTest::newRow("blanks") << QStringLiteral(" 9 ") << 1 << QStringLiteral("10");
        // Text that is no number steps from where the spinner last stood (its position 8).
    }
    void spinnerSteps() {
        QFETCH(QString, shown);
        QFETCH(int, steps);
        QFETCH(QString, after);
        QWidget parent;
        auto* edit = new QLineEdit(&parent);
        UpDown spinner(&parent, "spinner", {30, 0, 14, 21}, edit, 8);
        edit->setText(shown);
        spinner.stepBy(steps);
        QCOMPARE(edit->text(), after);
    }

    void spinnerArrowsAndKeys() {
        QWidget parent;
        auto* edit = new QLineEdit(QStringLiteral("98"), &parent);
        auto* spinner = new UpDown(&parent, "spinner", {30, 0, 14, 21}, edit, 0);
        auto* up = spinner->findChild<QToolButton*>(QStringLiteral("up"));
        auto* down = spinner->findChild<QToolButton*>(QStringLiteral("down"));
        QVERIFY(up && down);
        QCOMPARE(up->focusPolicy(), Qt::NoFocus);
        for (int click = 0; click < 4; ++click)
            up->click();
        QCOMPARE(edit->text(), QStringLiteral("100"));
        down->click();
        QCOMPARE(edit->text(), QStringLiteral("99"));
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->text(), QStringLiteral("98"));
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->text(), QStringLiteral("99"));
        // Other keys still type into the edit.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("x1"));
        QCOMPARE(edit->text(), QStringLiteral("x1"));
        up->click();
        QCOMPARE(edit->text(), QStringLiteral("100"));
    }
};

XUNDRAL_TEST_MAIN(TestFormsRules)
#include "test_forms_rules.moc"
