// The small pure rules the windows are built on.
#include "app/clock_line.h"
#include "app/key_codes.h"
#include "data/connection_string.h"
#include "data/db_error.h"
#include "exam/countdown_clock.h"
#include "exam/paper_random.h"
#include "exam/question_text.h"
#include "exam/score_message.h"
#include "forms/error_report.h"
#include "tests/support/test_support.h"

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void clockLine_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("line");
        QTest::newRow("morning") << QDateTime(QDate(2012, 3, 5), QTime(8, 7, 9))
                                 << QStringLiteral("当前时间：2012年3月05日   08时07分09 秒");
        QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 1), QTime(0, 0, 0))
                                  << QStringLiteral("当前时间：2026年12月01日   00时00分00 秒");
        QTest::newRow("last second") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59))
                                     << QStringLiteral("当前时间：1999年12月31日   23时59分59 秒");
    }
    void clockLine() {
        QFETCH(QDateTime, now);
        QFETCH(QString, line);
        QCOMPARE(formatClockLine(now), line);
    }

    void choicePrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("withBlank");
        QTest::addColumn<QString>("withoutBlank");
        const QChar a('A'), c('C'), d('D'), b('B');
        QTest::newRow("plain") << "正确" << a << "A. 正确"
                               << "A.正确";
        QTest::newRow("already lettered") << "A、靠右" << a << "A、靠右"
                                          << "A、靠右";
        QTest::newRow("already with point") << "B.减速" << b << "B.减速"
                                            << "B.减速";
        QTest::newRow("small letter") << "a、靠右" << a << "A. a、靠右"
                                      << "A.a、靠右";
        QTest::newRow("other capital") << "B开头" << a << "A. B开头"
                                       << "A.B开头";
        QTest::newRow("empty A") << "" << a << "A. "
                                 << "A.";
        QTest::newRow("empty B") << "" << b << "B. "
                                 << "B.";
        QTest::newRow("empty C stays") << "" << c << ""
                                       << "";
        QTest::newRow("empty D stays") << "" << d << ""
                                       << "";
        QTest::newRow("D text") << "停车" << d << "D. 停车"
                                << "D.停车";
    }
    void choicePrefix() {
        QFETCH(QString, text);
        QFETCH(QChar, letter);
        QFETCH(QString, withBlank);
        QFETCH(QString, withoutBlank);
        QCOMPARE(prefixChoice(text, letter, QStringLiteral(". ")), withBlank);
        QCOMPARE(prefixChoice(text, letter, QStringLiteral(".")), withoutBlank);
    }

    void trimmingKeepsInnerAndWideBlanks() {
        QCOMPARE(trimBlanks(QStringLiteral(" \t\r\n题 目\u3000 \n")),
                 QStringLiteral("题 目\u3000"));
        QCOMPARE(trimBlanks(QString()), QString());
        QCOMPARE(questionTitle(3, 100), QStringLiteral("第 3 题   共\u3000100 题"));
    }

    void keyTranslation_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        const int none = Qt::NoModifier, pad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
        QTest::newRow("1") << int(Qt::Key_1) << none << 49;
        QTest::newRow("0") << int(Qt::Key_0) << none << 48;
        QTest::newRow("ctrl 1") << int(Qt::Key_1) << int(Qt::ControlModifier) << 49;
        QTest::newRow("shift 1 is !") << int(Qt::Key_Exclam) << shift << 49;
        QTest::newRow("shift 8 is *") << int(Qt::Key_Asterisk) << shift << 56;
        QTest::newRow("shift 0 is )") << int(Qt::Key_ParenRight) << shift << 48;
        QTest::newRow("pad 1") << int(Qt::Key_1) << pad << 97;
        QTest::newRow("pad 0") << int(Qt::Key_0) << pad << 96;
        QTest::newRow("pad 8") << int(Qt::Key_8) << pad << 104;
        QTest::newRow("pad *") << int(Qt::Key_Asterisk) << pad << 106;
        QTest::newRow("pad end (num lock off)") << int(Qt::Key_End) << pad << 35;
        QTest::newRow("pad left (num lock off)") << int(Qt::Key_Left) << pad << 37;
        QTest::newRow("pad 5 without num lock") << int(Qt::Key_Clear) << pad << 12;
        QTest::newRow("letter") << int(Qt::Key_S) << none << 83;
        QTest::newRow("unknown") << int(Qt::Key_Launch0) << none << 0;
    }
    void keyTranslation() {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QCOMPARE(translateKey(qtKey, Qt::KeyboardModifiers(modifiers)), code);
    }

    void connectionString() {
        const QString ours = examConnectionString(QStringLiteral("/opt/xundral"));
        QCOMPARE(ours, QStringLiteral(
                           "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=tavrendol;"
                           "Data Source=/opt/xundral/db/exam.mdb;Persist Security Info=true"));
        const ConnectionParams params = parseConnectionString(ours);
        QCOMPARE(params.password, QStringLiteral("tavrendol"));
        QCOMPARE(params.dataSource, QStringLiteral("/opt/xundral/db/exam.mdb"));
        const ConnectionParams loose = parseConnectionString(
            QStringLiteral(" provider = microsoft.jet.oledb.4.0 ; DATA SOURCE=/a b/x.mdb;;"));
        QCOMPARE(loose.dataSource, QStringLiteral("/a b/x.mdb"));
        QCOMPARE(loose.password, QString());
        for (const char* bad : {"Provider=SQLOLEDB;Data Source=x", "Data Source=x", ""}) {
            try {
                parseConnectionString(QString::fromLatin1(bad));
                QFAIL(bad);
            } catch (const DbError& error) {
                QCOMPARE(QString::fromUtf8(error.what()),
                         QStringLiteral("Provider cannot be found"));
            }
        }
    }

    void errorReportFullStop() {
        QCOMPARE(errorReportText(QStringLiteral("no such table: B3")),
                 QStringLiteral("no such table: B3."));
        QCOMPARE(errorReportText(QStringLiteral("Already stopped.")),
                 QStringLiteral("Already stopped."));
        QCOMPARE(errorReportText(QStringLiteral("ends in a blank ")),
                 QStringLiteral("ends in a blank "));
        QCOMPARE(errorReportText(QStringLiteral("ends in -")), QStringLiteral("ends in -"));
        QCOMPARE(errorReportText(QStringLiteral("找不到图片文件")),
                 QStringLiteral("找不到图片文件."));
        QCOMPARE(errorReportText(QString()), QString());
    }

    void countdownTicks_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("start of 45") << "0:45:00"
                                     << "0:44:59";
        QTest::newRow("single-digit minutes") << "0:5:00"
                                              << "0:04:59";
        QTest::newRow("minute border") << "0:10:00"
                                       << "0:09:59";
        QTest::newRow("hour border") << "1:00:00"
                                     << "0:59:59";
        QTest::newRow("last second") << "0:00:01"
                                     << "0:00:00";
        QTest::newRow("already zero") << "0:00:00"
                                      << "0:00:00";
        QTest::newRow("zero minutes") << "0:0:00"
                                      << "0:00:00";
        QTest::newRow("unreadable") << "12"
                                    << "0:00:00";
        QTest::newRow("spliced minutes above 59") << "0:100:00"
                                                  << "1:39:59";
    }
    void countdownTicks() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(countdownAfterTick(before), after);
    }

    void countdownStart() {
        QCOMPARE(countdownStartText(45), QStringLiteral("0:45:00"));
        QCOMPARE(countdownStartText(5), QStringLiteral("0:5:00"));
        QCOMPARE(countdownStartText(0), QStringLiteral("0:0:00"));
        QCOMPARE(countdownStartText(60), QStringLiteral("1:00:00"));
        QCOMPARE(countdownStartText(100), QStringLiteral("1:40:00"));
        QCOMPARE(countdownStartText(-3), QStringLiteral("0:00:00"));
        QString text = countdownStartText(45);
        int ticks = 0;
        while (text != kCountdownZero) {
            text = countdownAfterTick(text);
            ++ticks;
        }
        QCOMPARE(ticks, 2700);
        text = countdownStartText(100);
        for (int tick = 0; tick < 60 * 40 + 1; ++tick)
            text = countdownAfterTick(text);
        QCOMPARE(text, QStringLiteral("0:59:59"));
    }

    // Whatever minutes the settings row holds: below one the first tick ends the paper, and a
    // large value counts down a second a tick without wrapping round.
    void countdownFromAnyMinutes_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("afterOneTick");
        QTest::addColumn<int>("secondsUsed");
        QTest::newRow("-5") << -5 << "0:00:00"
                            << "0:00:00" << 0;
        QTest::newRow("0") << 0 << "0:0:00"
                           << "0:00:00" << 0;
        QTest::newRow("2000000") << 2000000 << "33333:20:00"
                                 << "33333:19:59" << 1;
        QTest::newRow("10^9") << 1000000000 << "16666666:40:00"
                              << "16666666:39:59" << 1;
        QTest::newRow("int max") << 2147483647 << "35791394:07:00"
                                 << "35791394:06:59" << 1;
    }
    void countdownFromAnyMinutes() {
        QFETCH(int, minutes);
        QFETCH(QString, start);
        QFETCH(QString, afterOneTick);
        QFETCH(int, secondsUsed);
        QCOMPARE(countdownStartText(minutes), start);
        QCOMPARE(countdownAfterTick(start), afterOneTick);
        QCOMPARE(countdownSecondsUsed(minutes, afterOneTick), secondsUsed);
        // An unreadable label counts as all the time used, which must still fit an int.
        QVERIFY(countdownSecondsUsed(minutes, QStringLiteral("?")) >= 0);
    }

    void countdownLabelsTooLongToRead() {
        QCOMPARE(countdownSeconds(QStringLiteral("999999999999:59:59")),
                 999999999999LL * 3600 + 59 * 60 + 59);
        QCOMPARE(countdownSeconds(QStringLiteral("9999999999999:00:00")), -1);
        QCOMPARE(countdownAfterTick(QStringLiteral("0:0:9999999999999")), kCountdownZero);
    }

    void paperRandomIsUniformAndFreshlySeeded() {
        PaperRandom random(QStringLiteral("1"));
        int counts[10] = {};
        const int samples = 20000;
        for (int sample = 0; sample < samples; ++sample) {
            const int offset = random.offset(10);
            QVERIFY(offset >= 0 && offset < 10);
            ++counts[offset];
        }
        double chiSquare = 0;
        for (int count : counts)
            chiSquare += (count - samples / 10.0) * (count - samples / 10.0) / (samples / 10.0);
        // 9 degrees of freedom: 27.88 is exceeded by chance once in a thousand runs.
        QVERIFY2(chiSquare < 27.88, qPrintable(QString::number(chiSquare)));

        // Categories seeded in the same instant, or one category twice, draw differently.
        auto sequence = [](PaperRandom& generator) {
            QList<int> values;
            for (int index = 0; index < 12; ++index)
                values.append(generator.offset(1000));
            return values;
        };
        PaperRandom first(QStringLiteral("2")), second(QStringLiteral("3")),
            again(QStringLiteral("3"));
        const QList<int> a = sequence(first), b = sequence(second), c = sequence(again);
        QVERIFY(a != b);
        QVERIFY(b != c);
    }

    void scoreText() {
        const QString pass =
            QStringLiteral("总试题数：     100\n\r答对题数：     90\n\r实际得分：     90分\n\r"
                           "恭喜你,过关了！\n\r\n\r您想查看试卷吗？\n\r\n\r");
        QCOMPARE(scoreMessage(100, 90), pass);
        const QString fail =
            QStringLiteral("总试题数：     100\n\r答对题数：     89\n\r实际得分：     89分\n\r"
                           "考试成绩不及格,继续努力！\n\r\n\r您想查看试卷吗？\n\r\n\r");
        QCOMPARE(scoreMessage(100, 89), fail);
        QVERIFY(scoreMessage(80, 0).contains(QStringLiteral("实际得分：     0分")));
    }
};

XUNDRAL_TEST_MAIN(TestRules)
#include "test_rules.moc"
