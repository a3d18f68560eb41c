// The record window's export meets the one write guard before it asks anything: the running
// database and the files beside it are refused with a Chinese box and keep every byte, a pipe
// stays a pipe, and only a plain existing file brings the question whether to replace it.
#include "data/learning_record.h"
#include "forms/record_window.h"
#include "tests/support/empty_exam_database.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_support.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

class TestRecordExportGuard : public QObject {
    Q_OBJECT
private slots:
    void init() {
        empty_ = std::make_unique<EmptyExamDatabase>();
        empty_->database.useWriteAheadLog();
        PaperRecord paper;
        paper.bank = QStringLiteral("C");
        paper.examMode = 1;
        paper.handedIn = QDateTime(QDate(2026, 12, 1), QTime(20, 0));
        paper.started = paper.handedIn.addSecs(-600);
        paper.questions = 100;
        insertPaperRecord(empty_->database, paper);
        window_ = std::make_unique<RecordWindow>(
            [this]() -> SqliteDatabase& { return empty_->database; });
        window_->refresh();
    }
    void cleanup() {
        window_.reset();
        empty_.reset();
    }

    void refusedBeforeAnyQuestion_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::newRow("the database") << "exam.mdb"
                                      << "它是正在使用的题库文件";
        QTest::newRow("a symlink to it") << "link.csv"
                                         << "它是正在使用的题库文件";
        QTest::newRow("its write-ahead log") << "exam.mdb-wal"
                                             << "它是题库的预写日志文件";
        QTest::newRow("a pipe") << "pipe.csv"
                                << "它是一个管道";
    }
    void refusedBeforeAnyQuestion() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFile::link(empty_->dir.filePath(QStringLiteral("exam.mdb")),
                    empty_->dir.filePath("link.csv"));
        ::mkfifo(QFile::encodeName(empty_->dir.filePath(QStringLiteral("pipe.csv"))).constData(),
                 0600);
        const QString target = empty_->dir.filePath(name);
        const bool pipe = name == QLatin1String("pipe.csv");
        // Reading a pipe would wait for a writer.
        const QByteArray before = pipe ? QByteArray() : readFile(target);
        MessageBoxScript boxes;
        boxes.setDefaultAnswer(MessageBox::Result::Yes);
        window_->exportChosenFile(target);
        QCOMPARE(boxes.asked.size(), 1);
        QCOMPARE(boxes.asked[0].icon, MessageBox::Icon::Error);
        QCOMPARE(boxes.asked[0].text,
                 QStringLiteral("不能写入文件 %1：%2，请另选一个文件名。").arg(target, kind));
        if (!pipe)
            QCOMPARE(readFile(target), before);
        QVERIFY(!QFileInfo(empty_->dir.filePath(QStringLiteral("pipe.csv"))).isFile());
        QCOMPARE(empty_->database.path(), empty_->dir.filePath(QStringLiteral("exam.mdb")));
        SqliteStatement papers(empty_->database,
                               QStringLiteral("SELECT count(*) FROM PAPER_RECORD"));
        QVERIFY(papers.step());
        QCOMPARE(papers.value(0).toInt(), 1);
    }

    void anOrdinaryFileIsReplacedOnlyWhenTheLearnerSaysSo() {
        const QString target = empty_->dir.filePath(QStringLiteral("record.csv"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
        file.close();
        MessageBoxScript boxes;
        boxes.answerNext(MessageBox::Result::No);
        window_->exportChosenFile(target);
        QCOMPARE(boxes.asked.size(), 1);
        QCOMPARE(boxes.asked[0].buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(readFile(target), QByteArray("mine"));
        boxes.clear();
        boxes.answerNext(MessageBox::Result::Yes);
        window_->exportChosenFile(target);
        QCOMPARE(boxes.texts().last(), QStringLiteral("已导出1份试卷的成绩。"));
        QVERIFY(readFile(target).startsWith("\xEF\xBB\xBF"));
    }

private:
    std::unique_ptr<EmptyExamDatabase> empty_;
    std::unique_ptr<RecordWindow> window_;
};

XUNDRAL_TEST_MAIN(TestRecordExportGuard)
#include "test_record_export_guard.moc"
