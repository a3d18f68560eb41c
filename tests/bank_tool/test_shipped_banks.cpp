// The banks the program ships, built from bank/ against the pictures drawn into the program
// folder, meet every content rule a program can check. Each failure names the rule and counts.
#include "data/connection_string.h"
#include "data/question_rows.h"
#include "data/sqlite_database.h"
#include "data/topics.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/bank_rules.h"
#include "tools/bank_tool/check_report.h"
#include "tools/bank_tool/commands.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

QString percent(int part, int whole) {
    return QStringLiteral("%1 % (%2 of %3)")
        .arg(whole ? 100.0 * part / whole : 0.0, 0, 'f', 1)
        .arg(part)
        .arg(whole);
}

bool within(int part, int whole, double low, double high) {
    const double share = whole ? 100.0 * part / whole : 0.0;
    return share >= low && share <= high;
}

QString questionKey(const QuestionRow& row) {
    QStringList parts{row.tp, row.stnr, QString::number(answerCodeToColumn(row.answer)),
                      QString::number(row.stzlb1)};
    for (const QString& choice : row.da)
        parts.append(choice);
    return parts.join(QChar(0x1F));
}

// Until every shipped question names its fact and topics, and every pair check lists for a
// reader is settled, the tests that demand it skip; set these once the bank sources meet them.
constexpr bool kEveryQuestionTagged = true;
constexpr bool kEveryPairSettled = true;

// Last in a test: every broken rule at once, each with its counts.
void verifyNoFailures(const QStringList& failures) {
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QByteArray fileStart(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(3) : QByteArray();
}

} // namespace

class TestShippedBanks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        programDir_ = qEnvironmentVariable("XUNDRAL_PROGRAM_DIR");
        QDir(dir_.path()).mkpath(QStringLiteral("db"));
        const QString path = dir_.path() + QStringLiteral("/db/exam.mdb");
        try {
            const BankSources sources = loadBankSources(qEnvironmentVariable("XUNDRAL_SOURCE_DIR") +
                                                        QStringLiteral("/bank"));
            writeExamDatabase(path, examDatabaseKey(), sources,
                              programDir_ + QStringLiteral("/pic"));
            const auto database = openExamDatabase(path);
            report_ = checkExamDatabase(*database, programDir_);
            SqliteStatement param(*database,
                                  QStringLiteral("SELECT timer1 || '/' || timer2 || '/' || "
                                                 "ifjump || '/' || ifshow FROM sysparam"));
            while (param.step())
                sysParam_ += param.value(0).toString();
        } catch (const std::exception& error) {
            buildError_ = QStringLiteral("the builder refused the sources: ") +
                          QString::fromUtf8(error.what());
        }
    }

    void builtAndCheckedWithoutProblems() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QStringList problems = report_.problems;
        for (const BankReport& bank : report_.banks)
            problems += bank.problems;
        verifyNoFailures(problems);
    }

    // The read-aloud voice says every question without a known risk (xundral-bank speak-check).
    void readAloudWithoutKnownRisks() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = speakCheckCommand(dir_.path() + QStringLiteral("/db/exam.mdb"), false,
                                           ToolStreams{outStream, errStream});
        outStream.flush();
        errStream.flush();
        QVERIFY2(code == 0, qPrintable(out + err));
        QVERIFY2(out.endsWith(QStringLiteral(" 0 at risk\n")), qPrintable(out));
    }

    void bankSizes() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        const auto& truck = bank("B2");
        const auto& car = bank("C");
        QStringList failures;
        // The depth of the official small-car bank, chapter by chapter.
        if (car.size() < 1300)
            failures << QStringLiteral("C holds %1 questions, want at least 1300").arg(car.size());
        const int chapterFloors[] = {545, 335, 280, 135};
        for (int chapter = 1; chapter <= 4; ++chapter) {
            const int size = chapterSize(car, chapter);
            if (size < chapterFloors[chapter - 1])
                failures << QStringLiteral("C chapter %1 holds %2 questions, want at least %3")
                                .arg(chapter)
                                .arg(size)
                                .arg(chapterFloors[chapter - 1]);
        }
        if (truck.size() < 1500)
            failures
                << QStringLiteral("B2 holds %1 questions, want at least 1500").arg(truck.size());
        QSet<QString> truckKeys;
        for (const QuestionRow& row : truck)
            truckKeys.insert(questionKey(row));
        const auto missing = std::count_if(car.begin(), car.end(), [&](const QuestionRow& row) {
            return !truckKeys.contains(questionKey(row));
        });
        if (missing > 0)
            failures << QStringLiteral("%1 questions of C are not in B2 as they stand in C")
                            .arg(missing);
        const int truckOnly = int(truck.size()) - int(car.size() - std::size_t(missing));
        if (truckOnly < 200)
            failures << QStringLiteral("B2 has %1 questions beyond C's, want at least 200")
                            .arg(truckOnly);
        verifyNoFailures(failures);
    }

    void chaptersAndSysCfg() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QStringList failures;
        std::map<int, int> drawn;
        int paper = 0;
        for (const SysCfgRow& row : report_.sysCfg.rows) {
            drawn[row.chapter] += row.count;
            paper += row.count;
        }
        if (paper != 100)
            failures << QStringLiteral("SYS_CFG draws %1 questions per paper, want 100").arg(paper);
        for (const BankReport& bank : report_.banks) {
            std::set<int> chapters;
            for (const QuestionRow& row : bank.rows)
                chapters.insert(row.stzlb1);
            if (chapters != std::set<int>{1, 2, 3, 4})
                failures << QStringLiteral("%1 has %2 chapters, want exactly 1 to 4")
                                .arg(bank.name)
                                .arg(chapters.size());
            for (int chapter = 1; chapter <= 4; ++chapter) {
                const int size = chapterSize(bank.rows, chapter);
                if (drawn[chapter] < 1 || size < 8 * drawn[chapter])
                    failures << QStringLiteral("%1 chapter %2 holds %3 questions, SYS_CFG draws "
                                               "%4: want at least eight papers' worth")
                                    .arg(bank.name)
                                    .arg(chapter)
                                    .arg(size)
                                    .arg(drawn[chapter]);
            }
        }
        verifyNoFailures(failures);
    }

    void questionTypesAndAnswerBalance_data() { bankRows(); }
    void questionTypesAndAnswerBalance() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        const auto& rows = bank(name);
        int trueFalse = 0, saysTrue = 0, fourChoice = 0, oddChoices = 0;
        int letters[4] = {0, 0, 0, 0}; // A B C D
        for (const QuestionRow& row : rows) {
            if (choiceCount(row) == 2) {
                ++trueFalse;
                saysTrue += row.answer == AnswerCode::A ? 1 : 0;
                oddChoices +=
                    row.da[0] == QStringLiteral("正确") && row.da[1] == QStringLiteral("错误") ? 0
                                                                                               : 1;
            } else {
                ++fourChoice;
                ++letters[std::clamp(choiceIndex(row.answer), 0, 3)];
            }
        }
        QStringList failures;
        if (!within(trueFalse, int(rows.size()), 35, 45))
            failures << QStringLiteral("%1: true/false questions are %2, want 35-45 %")
                            .arg(name, percent(trueFalse, int(rows.size())));
        if (oddChoices > 0)
            failures << QStringLiteral(
                            "%1: %2 true/false questions do not offer exactly 正确 / 错误")
                            .arg(name)
                            .arg(oddChoices);
        if (!within(saysTrue, trueFalse, 40, 60))
            failures << QStringLiteral(
                            "%1: 正确 is the answer of %2 true/false questions, want 40-60 %")
                            .arg(name, percent(saysTrue, trueFalse));
        for (int letter = 0; letter < 4; ++letter) {
            if (!within(letters[letter], fourChoice, 0, 30))
                failures
                    << QStringLiteral(
                           "%1: %2 is the answer of %3 four-choice questions, want at most 30 %")
                           .arg(name, QChar(u'A' + letter), percent(letters[letter], fourChoice));
        }
        verifyNoFailures(failures);
    }

    void picturesPresentInBothFormats_data() { bankRows(); }
    void picturesPresentInBothFormats() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        int withPicture = 0, jpeg = 0, bmp = 0;
        QStringList failures;
        for (const QuestionRow& row : bank(name)) {
            if (row.tp.isEmpty())
                continue;
            ++withPicture;
            const QString path = programDir_ + row.tp;
            const QByteArray start = fileStart(path);
            const QString suffix = QFileInfo(path).suffix().toLower();
            if (suffix == QLatin1String("jpg") && start.startsWith("\xFF\xD8\xFF"))
                ++jpeg;
            else if (suffix == QLatin1String("bmp") && start.startsWith("BM"))
                ++bmp;
            else
                failures << QStringLiteral(
                                "%1 ID %2: %3 is missing or not a JPEG / BMP file as its name says")
                                .arg(name)
                                .arg(row.id)
                                .arg(path);
        }
        if (withPicture < 60)
            failures << QStringLiteral("%1: %2 questions carry a picture, want at least 60")
                            .arg(name)
                            .arg(withPicture);
        if (jpeg == 0 || bmp == 0)
            failures << QStringLiteral("%1: pictures are %2 JPEG and %3 BMP, want some of each")
                            .arg(name)
                            .arg(jpeg)
                            .arg(bmp);
        verifyNoFailures(failures);
    }

    // Every question teaches: an explanation long enough to give a reason, and pictures enough
    // to recognise signs, markings, gestures, lights and lamps by sight.
    void explanationsAndPictures_data() { bankRows(); }
    void explanationsAndPictures() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        QStringList failures;
        QSet<QString> pictures;
        for (const QuestionRow& row : bank(name)) {
            if (row.jx.trimmed().size() < 12)
                failures << QStringLiteral("%1 ID %2 has no real explanation: '%3'")
                                .arg(name)
                                .arg(row.id)
                                .arg(row.jx);
            if (!row.tp.isEmpty())
                pictures.insert(row.tp);
        }
        failures = failures.mid(0, 20);
        const int wanted = name == QLatin1String("B2") ? 250 : 240;
        if (pictures.size() < wanted)
            failures << QStringLiteral("%1 shows %2 distinct pictures, want at least %3")
                            .arg(name)
                            .arg(pictures.size())
                            .arg(wanted);
        verifyNoFailures(failures);
    }

    void noDuplicateTexts_data() { bankRows(); }
    void noDuplicateTexts() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        QSet<QString> seen;
        QStringList duplicates;
        for (const QuestionRow& row : bank(name)) {
            if (seen.contains(row.stnr.trimmed()))
                duplicates << QStringLiteral("%1 ID %2 repeats a text: %3")
                                  .arg(name)
                                  .arg(row.id)
                                  .arg(row.stnr);
            seen.insert(row.stnr.trimmed());
        }
        verifyNoFailures(duplicates);
    }

    // Every question names its fact and one to three topics of the vocabulary; a fact is asked
    // once, or twice as marked variants.
    void factKeysAndTopics_data() { bankRows(); }
    void factKeysAndTopics() {
        if (!kEveryQuestionTagged)
            QSKIP("enable with kEveryQuestionTagged once the sources carry F and T everywhere");
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        int noFact = 0, badTopics = 0, repeated = 0;
        std::map<QString, std::vector<const QuestionRow*>> byFact;
        for (const QuestionRow& row : bank(name)) {
            if (row.zsd.isEmpty())
                ++noFact;
            else
                byFact[row.zsd].push_back(&row);
            const QStringList topics = splitTopics(row.zt);
            const bool known = std::all_of(topics.begin(), topics.end(), [](const QString& topic) {
                return topicForName(topic).has_value();
            });
            badTopics += topics.isEmpty() || topics.size() > 3 || !known ? 1 : 0;
        }
        for (const auto& [fact, rows] : byFact) {
            const bool variants =
                rows.size() == 2 && !rows[0]->bs.isEmpty() && !rows[1]->bs.isEmpty();
            repeated += rows.size() > 1 && !variants ? 1 : 0;
        }
        QStringList failures;
        if (noFact > 0)
            failures << QStringLiteral("%1: %2 questions name no fact (F)").arg(name).arg(noFact);
        if (badTopics > 0)
            failures << QStringLiteral("%1: %2 questions lack one to three known topics (T)")
                            .arg(name)
                            .arg(badTopics);
        if (repeated > 0)
            failures << QStringLiteral("%1: %2 fact keys are used twice without being variants, "
                                       "or more than twice")
                            .arg(name)
                            .arg(repeated);
        const QStringList topicsAndFacts =
            problemsOf(name).filter(QRegularExpression(QStringLiteral("column (ZT|ZSD):")));
        failures += topicsAndFacts.mid(0, 20);
        verifyNoFailures(failures);
    }

    // Two questions on one picture, or a right choice standing in another stem, were read and
    // kept for a reason written down in a note that names the other question's fact key.
    void pairsToReadAreSettled_data() { bankRows(); }
    void pairsToReadAreSettled() {
        if (!kEveryPairSettled)
            QSKIP("enable with kEveryPairSettled once an S note settles every pair check lists");
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        QStringList failures =
            problemsOf(name).filter(QRegularExpression(QStringLiteral("column YD:")));
        for (const BankReport& report : report_.banks) {
            if (report.name == name && !report.pairsToRead.isEmpty())
                failures << QStringLiteral("%1 pairs unsettled, the first:")
                                .arg(report.pairsToRead.size())
                         << report.pairsToRead.mid(0, 20);
        }
        verifyNoFailures(failures);
    }

    void settingsRow() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QCOMPARE(sysParam_, QStringLiteral("8/45/1/1")); // timer1/timer2/ifjump/ifshow
    }

    void sortKeysGiveChapterOrderTrueFalseFirst_data() { bankRows(); }
    void sortKeysGiveChapterOrderTrueFalseFirst() {
        QVERIFY2(buildError_.isEmpty(), qPrintable(buildError_));
        QFETCH(QString, name);
        std::vector<QuestionRow> rows = bank(name);
        const auto keys = [](const QuestionRow& row) {
            return std::make_tuple(row.stlb, row.stzlb1, row.stlx, row.stbh);
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const QuestionRow& left, const QuestionRow& right) {
                             return keys(left) < keys(right);
                         });
        QStringList failures;
        for (std::size_t index = 1; index < rows.size(); ++index) {
            const QuestionRow& row = rows[index];
            const QuestionRow& before = rows[index - 1];
            if (keys(before) == keys(row))
                failures << QStringLiteral("%1 IDs %2 and %3 share their sort keys")
                                .arg(name)
                                .arg(before.id)
                                .arg(row.id);
            const auto place = [](const QuestionRow& at) {
                return QStringLiteral("ID %1, chapter %2, type %3")
                    .arg(at.id)
                    .arg(at.stzlb1)
                    .arg(at.stlx);
            };
            if (std::make_pair(row.stzlb1, row.stlx) < std::make_pair(before.stzlb1, before.stlx))
                failures
                    << QStringLiteral("%1: %2 comes after %3").arg(name, place(row), place(before));
        }
        failures = failures.mid(0, 20);
        verifyNoFailures(failures);
    }

private:
    QStringList problemsOf(const QString& name) const {
        for (const BankReport& report : report_.banks) {
            if (report.name == name)
                return report.factProblems;
        }
        return {};
    }

    static void bankRows() {
        QTest::addColumn<QString>("name");
        QTest::newRow("B2") << QStringLiteral("B2");
        QTest::newRow("C") << QStringLiteral("C");
    }

    const std::vector<QuestionRow>& bank(const QString& name) const {
        static const std::vector<QuestionRow> none;
        for (const BankReport& report : report_.banks) {
            if (report.name == name)
                return report.rows;
        }
        return none;
    }

    QTemporaryDir dir_;
    QString programDir_;
    QString buildError_;
    CheckReport report_;
    QString sysParam_;
};

XUNDRAL_DATA_TEST_MAIN(TestShippedBanks)
#include "test_shipped_banks.moc"
