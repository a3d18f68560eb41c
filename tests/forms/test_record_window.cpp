// The record window on a database holding papers: what it shows and what it exports.
#include "data/learning_record.h"
#include "data/memory_table.h"
#include "data/schema.h"
#include "data/sqlite_database.h"
#include "exam/daily_count.h"
#include "forms/record_window.h"
#include "tests/support/empty_exam_database.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

PaperRecord paper(const QDateTime& handedIn, int examMode, int score) {
    PaperRecord record;
    record.bank = QStringLiteral("C");
    record.examMode = examMode;
    record.started = handedIn.addSecs(-1500);
    record.handedIn = handedIn;
    record.minutes = 45;
    record.secondsUsed = 1500;
    record.questions = 100;
    record.right = score;
    record.score = score;
    record.passed = score >= 90;
    record.chapters = {{1, 42, score * 42 / 100}, {2, 26, 26}, {3, 22, 11}, {4, 10, 10}};
    return record;
}

} // namespace

class TestRecordWindow : public QObject {
    Q_OBJECT
private slots:
    void showsAndExportsTheRecord() {
        EmptyExamDatabase empty;
        SqliteDatabase& database = empty.database;
        const QDateTime day(QDate(2026, 12, 1), QTime(20, 0));
        const int scores[] = {72, 88, 91, 95, 90, 93};
        for (int index = 0; index < 6; ++index)
            insertPaperRecord(database, paper(day.addDays(index), 1, scores[index]));
        insertPaperRecord(database, paper(day.addDays(7), 10, 60));
        writeBookEntry(database, {QStringLiteral("C"), QStringLiteral("x"), 2, day, 0});

        RecordWindow window([&]() -> SqliteDatabase& { return database; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The mock practice at the end does not count; the last five exams were 88 to 93.
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("readinessLabel"))->text(),
                 QStringLiteral("最近5次模拟考试及格4次，平均91分。"));
        // Papers but no answers in the memory model yet: no number.
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("passChanceLabel"))
                    ->text()
                    .contains(QStringLiteral("通过概率：数据不足（还需答题 200 道")));
        // The exam date is kept in the database and gives the plan to that day.
        auto* plan = window.findChild<QLabel*>(QStringLiteral("studyPlanLabel"));
        QCOMPARE(plan->text(), QStringLiteral("设定考试日期后，这里给出每天的复习量。"));
        const QDate examDay = QDate::currentDate().addDays(10);
        window.findChild<QDateEdit*>(QStringLiteral("examDateEdit"))->setDate(examDay);
        QCOMPARE(readExamDate(database), examDay);
        // An empty bank holds everything it has.
        QCOMPARE(plan->text(),
                 QStringLiteral("距考试还有 10 天：每天复习 50 题，考试时预计平均记住 "
                                "100%；不再复习也能保持 90% 以上。"));
        // The daily count beside it: anything out of bounds is refused in words and changes
        // nothing; a sound count is kept and a window opened later (a restart) shows it.
        auto* count = window.findChild<QLineEdit*>(QStringLiteral("dailyCountEdit"));
        auto* countError = window.findChild<QLabel*>(QStringLiteral("dailyCountError"));
        QCOMPARE(count->text(), QStringLiteral("50"));
        for (const QString& typed : {QStringLiteral("9"), QStringLiteral("五十")}) {
            count->setText(typed);
            emit count->editingFinished();
            QVERIFY(countError->isVisible());
            QCOMPARE(countError->text(),
                     QStringLiteral("每天复习的题数请填 10 到 500 之间的整数。"));
        }
        QCOMPARE(dailyCount(database), 50);
        count->setText(QStringLiteral("１２０"));
        emit count->editingFinished();
        QVERIFY(!countError->isVisible());
        QCOMPARE(count->text(), QStringLiteral("120"));
        QVERIFY(plan->text().contains(QStringLiteral("每天复习 120 题")));
        {
            RecordWindow later([&]() -> SqliteDatabase& { return database; });
            later.show();
            QCOMPARE(later.findChild<QLineEdit*>(QStringLiteral("dailyCountEdit"))->text(),
                     QStringLiteral("120"));
            QCOMPARE(later.findChild<QDateEdit*>(QStringLiteral("examDateEdit"))->date(), examDay);
        }
        QCOMPARE(readExamDate(database), examDay);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("bookSizesLabel"))->text(),
                 QStringLiteral("错题本：小型汽车 1 题，大型货车 0 题"));
        const QAbstractItemModel* table =
            window.findChild<QTableView*>(QStringLiteral("paperTable"))->model();
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->index(0, 1).data().toString(), QStringLiteral("模拟练习"));
        QCOMPARE(table->index(1, 2).data().toString(), QStringLiteral("93分"));
        QCOMPARE(table->index(1, 3).data().toString(), QStringLiteral("25分00秒"));
        auto* scoreChart = window.findChild<QChartView*>(QStringLiteral("scoreChart"));
        // Mock exams, mock practice and the pass line.
        QCOMPARE(scoreChart->chart()->series().size(), 3);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("damagedLabel"))->isHidden());

        // The other bank has no papers yet; a damaged row is named, not shown.
        database.execScript(QStringLiteral("UPDATE PAPER_RECORD SET SCORE = -1 WHERE ID = 1"));
        window.refresh();
        QCOMPARE(table->rowCount(), 6);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("damagedLabel"))
                    ->text()
                    .startsWith(QStringLiteral("学习记录中有1条记录已损坏")));
        window.showBank(QStringLiteral("B2"));
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("bankChoice"))->currentText(),
                 QStringLiteral("大型货车"));
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("readinessLabel"))
                    ->text()
                    .startsWith(QStringLiteral("还没有模拟考试记录")));
        window.showBank(QStringLiteral("C"));

        const QString path = empty.dir.filePath(QStringLiteral("record.csv"));
        QString error;
        QVERIFY2(window.exportPapers(path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8); // header, six sound papers, the empty rest after the last CRLF
        QCOMPARE(lines.at(1), QStringLiteral("2026-12-02 20:00:00,2026-12-02 19:35:00,小型汽车,"
                                             "模拟考试,45,1500,100,88,88,不及格"));
        QVERIFY(!window.exportPapers(empty.dir.filePath(QStringLiteral("no/such/folder/x.csv")),
                                     &error));
        QVERIFY(error.contains(QStringLiteral("无法写入文件")));

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isHidden());
    }

    // A long record: the table reads a page at a time, the score chart draws the newest only.
    void longRecord() {
        EmptyExamDatabase empty;
        SqliteDatabase& database = empty.database;
        const QDateTime day(QDate(2026, 1, 1), QTime(20, 0));
        database.execScript(QStringLiteral("BEGIN"));
        for (int index = 0; index < 1000; ++index)
            insertPaperRecord(database, paper(day.addSecs(index * 600), 1 + 9 * (index % 2), 80));
        database.execScript(QStringLiteral("COMMIT"));
        RecordWindow window([&]() -> SqliteDatabase& { return database; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* view = window.findChild<QTableView*>(QStringLiteral("paperTable"));
        QVERIFY(view->model()->rowCount() < 1000);
        view->scrollToBottom();
        while (view->model()->canFetchMore(QModelIndex()))
            view->model()->fetchMore(QModelIndex());
        QCOMPARE(view->model()->rowCount(), 1000);
        QChart* chart = window.findChild<QChartView*>(QStringLiteral("scoreChart"))->chart();
        QCOMPARE(chart->title(), QStringLiteral("最近50份试卷的成绩（共1000份）"));
    }

    void emptyRecord() {
        EmptyExamDatabase empty;
        SqliteDatabase& database = empty.database;
        RecordWindow window([&]() -> SqliteDatabase& { return database; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QTableView*>(QStringLiteral("paperTable"))->model()->rowCount(),
                 0);
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("readinessLabel"))
                    ->text()
                    .startsWith(QStringLiteral("还没有模拟考试记录")));
    }
};

QTEST_MAIN(TestRecordWindow)
#include "test_record_window.moc"
