// The bank tool's command line: exit codes and messages for bad usage, what check finds, and
// config's refusals.
#include "tests/bank_tool/tool_run.h"
#include "tests/support/test_data.h"
#include "tools/bank_tool/default_database.h"

#include <QProcess>
#include <QRegularExpression>

class TestBankToolCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = toolFixtureFolder();
        db_ = folder_->databasePath();
    }
    void cleanup() { folder_.reset(); }

    // Left out, the database is the learner's copy on an installed program (never the shipped
    // file the next package replaces) and the folder's own on a portable copy.
    void choosesTheDefaultDatabase_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("learnerCopyMade");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("exists");
        QTest::newRow("portable") << false << false << "program/db/exam.mdb" << true;
        QTest::newRow("installed") << true << true << "data/db/exam.mdb" << true;
        QTest::newRow("installed, never started") << true << false << "data/db/exam.mdb" << false;
    }
    void choosesTheDefaultDatabase() {
        QFETCH(bool, installed);
        QFETCH(bool, learnerCopyMade);
        QFETCH(QString, expected);
        QFETCH(bool, exists);
        const QTemporaryDir root;
        const QDir dir(root.path());
        dir.mkpath(QStringLiteral("program/db"));
        writeFile(dir.filePath(QStringLiteral("program/db/exam.mdb")), "shipped");
        if (installed)
            writeFile(dir.filePath(QStringLiteral("program/installed-copy")), "");
        if (learnerCopyMade) {
            dir.mkpath(QStringLiteral("data/db"));
            writeFile(dir.filePath(QStringLiteral("data/db/exam.mdb")), "learner");
        }
        const DefaultDatabase chosen =
            chooseDefaultDatabase(ProgramFolder{dir.filePath(QStringLiteral("program"))},
                                  DataFolder{dir.filePath(QStringLiteral("data"))});
        QCOMPARE(chosen.path, dir.filePath(expected));
        QCOMPARE(chosen.learnersCopy, installed);
        QCOMPARE(chosen.exists, exists);
    }

    void refusesBadUsage_data() {
        QTest::addColumn<QStringList>("arguments"); // DB stands for the fixture database
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QStringList{} << 2
                                 << "xundral-bank: no command given\nTry 'xundral-bank --help'.\n";
        QTest::newRow("unknown command") << QStringList{"frob"} << 2 << "unknown command 'frob'";
        QTest::newRow("too few") << QStringList{"export", "DB"} << 2
                                 << "export takes 3 argument(s): export DB BANK FILE.csv";
        QTest::newRow("too many") << QStringList{"export", "DB", "C"} << 2
                                  << "export takes 3 argument(s): export DB BANK FILE.csv";
        QTest::newRow("unknown option")
            << QStringList{"check", "DB", "--all"} << 2 << "unknown option '--all'";
        QTest::newRow("other table") << QStringList{"export", "DB", "SYS_CFG", "x.csv"} << 2
                                     << "BANK must be B2 or C, not 'SYS_CFG'";
        QTest::newRow("bank in lower case")
            << QStringList{"import", "DB", "c", "x.csv"} << 2 << "BANK must be B2 or C, not 'c'";
        QTest::newRow("SQL in the bank name")
            << QStringList{"export", "DB", "C; DROP TABLE B2", "x.csv"} << 2
            << "BANK must be B2 or C";
        QTest::newRow("chapter not a number")
            << QStringList{"config", "DB", "二", "5"} << 2
            << "CHAPTER must be a whole number of 1 or more, not '二'";
        QTest::newRow("chapter 0") << QStringList{"config", "DB", "0", "5"} << 2
                                   << "CHAPTER must be a whole number of 1 or more, not '0'";
        QTest::newRow("negative count") << QStringList{"config", "DB", "1", "-3"} << 2
                                        << "COUNT must be a whole number of 0 or more, not '-3'";
        QTest::newRow("config with one number")
            << QStringList{"config", "DB", "1"} << 2
            << "xundral-bank: config takes DB, or DB CHAPTER COUNT\n";
        QTest::newRow("no database") << QStringList{"check", "nowhere/exam.mdb"} << 1
                                     << "xundral-bank: nowhere/exam.mdb: Could not find file";
        QTest::newRow("no CSV file")
            << QStringList{"import", "DB", "C", "nowhere.csv"} << 1 << "nowhere.csv: cannot read";
    }
    void refusesBadUsage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, error);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^DB$")), db_);
        const QString before = dumpDatabase(db_);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(dumpDatabase(db_), before);
    }

    void refusesAFileThatIsNotAnExamDatabase() {
        const QString other = folder_->path() + QStringLiteral("/other.mdb");
        writeFile(other, QByteArray(4096, 'x'));
        const ToolRun run = runTool({"check", other});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("xundral-bank: ") + other +
                                    QStringLiteral(": file is")),
                 qPrintable(run.err));
    }

    void helpExplainsTheCommands() {
        const ToolRun run = runTool({"import", "--help"});
        QCOMPARE(run.code, 0);
        for (const char* command :
             {"check DB", "export DB BANK FILE.csv", "import DB BANK FILE.csv",
              "config DB CHAPTER COUNT", "Exit status"})
            QVERIFY2(run.out.contains(QLatin1String(command)), command);
    }

    void checkSummarisesEachChapter() {
        const ToolRun run = runTool({"check", db_});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral(
                     "bank B2: 23 questions\n"
                     "  chapter  questions  true/false  four-choice  pictures  drawn\n"
                     "  1        8          4           4            1         2\n"
                     "  2        8          4           4            0         2\n"
                     "  3        7          3           4            1         2\n"
                     "  test-wise answerer (knows no traffic law) on four-choice questions, "
                     "chance 25 %:\n"
                     "  chapter  four-choice  right  rate     longest is right\n"
                     // Every fixture choice is as long as the others and repeats the stem:
                     // the answerer picks A, the right answer of half of them.
                     "  1        4            2      50.0 %   0.0 %\n"
                     "  2        4            2      50.0 %   0.0 %\n"
                     "  3        4            2      50.0 %   0.0 %\n"
                     "  all      12           6      50.0 %   0.0 %\n"
                     "  topics: 标志 0 信号灯 0 交警手势 0 标线 0 灯光仪表 0 数字 1 记分罚款 0 "
                     "驾驶证登记 0 高速公路 0 恶劣天气夜间 0 应急急救 0 新能源 0 货车客车 0 "
                     "通行规则 1 安全驾驶 22 事故责任 0; untagged 0\n"
                     "  right answers: A 50.0 % B 8.3 % C 33.3 % D 8.3 %; true/false 正确 "
                     "63.6 %\n")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("bank C: 20 questions\n")));
        QVERIFY(run.out.endsWith(
            QStringLiteral("SYS_CFG: a paper draws 6 questions\nno problems found\n")));
    }

    void checkNamesEveryBrokenRule() {
        folder_->exec("UPDATE C SET ID = 100 WHERE ID = 9;"    // gap in chapter 2 of C
                      "UPDATE B2 SET ANSWER = 3 WHERE ID = 1;" // C on a true/false question
                      "UPDATE B2 SET STNR = '第1章第1题' WHERE ID = 2;" // duplicate text
                      "UPDATE C SET TP = '/pic/gone.jpg' WHERE ID = 3;" // missing picture
                      "UPDATE C SET DA4 = '' WHERE ID = 4;"             // three choices
                      "INSERT INTO SYS_CFG VALUES (3, 9);"              // chapter 3 twice, too many
                      "DELETE FROM sysparam;");
        const ToolRun run = runTool({"check", db_});
        QCOMPARE(run.code, 1);
        const QStringList expected = {
            "table B2, ID 1, column ANSWER: answer code 3 (C) does not fit a question with 2 "
            "choices",
            "table B2, ID 2, column STNR: duplicate question text (first at ID 1)",
            "table C, ID 3, column TP: picture file " + folder_->path() +
                "/pic/gone.jpg does not exist",
            "table C, ID 4, column DA4: a question has two choices (DA1, DA2) or four (DA1 to DA4)",
            "table C, chapter 2: ids 8 to 100 hold 7 questions, so some are missing (the first gap "
            "follows ID 8)",
            "SYS_CFG row 4 draws from chapter 3 again (row 3 already does)",
            "SYS_CFG row 4 draws 9 questions from chapter 3, but bank B2 holds 7 there",
            "SYS_CFG row 4 draws 9 questions from chapter 3, but bank C holds 6 there",
            "sysparam has no settings row (id 1)",
        };
        for (const QString& problem : expected)
            QVERIFY2(run.err.contains(db_ + QStringLiteral(": ") + problem + QLatin1Char('\n')),
                     qPrintable(problem + "\n---\n" + run.err));
        QVERIFY(run.err.endsWith(QStringLiteral("%1 problem(s) found\n").arg(expected.size())));
    }

    // Each row plants one fault (or one thing that must pass) in the fixture's bank C, whose
    // chapter 1 holds true/false IDs 1 to 3 and four-choice IDs 4 to 7 (7 shows sign.jpg).
    void checkJudgesTopicsFactsAndNotes_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("expected"); // after "table C"
        const QString twice = QStringLiteral("UPDATE C SET ZSD = 'speed-x' WHERE ID IN (3, 5);");
        const QString reread = QStringLiteral(": do they ask one fact? Settle with an S note "
                                              "naming the other's fact key, or change one");
        QTest::newRow("no topic") << "UPDATE C SET ZT = ' ' WHERE ID = 3"
                                  << QStringList{", ID 3, column ZT: no topic; give one to three "
                                                 "of the topics in bank/FORMAT.md"};
        QTest::newRow("unknown and repeated topics")
            << "UPDATE C SET ZT = '标志 驾照 标志' WHERE ID = 3"
            << QStringList{", ID 3, column ZT: '驾照' is not one of the topics in bank/FORMAT.md",
                           ", ID 3, column ZT: topic '标志' given twice"};
        QTest::newRow("four topics")
            << "UPDATE C SET ZT = '标志 标线 数字 新能源' WHERE ID = 3"
            << QStringList{", ID 3, column ZT: 4 topics, more than the 3 a question may have"};
        QTest::newRow("no fact key")
            << "UPDATE C SET ZSD = '' WHERE ID = 3"
            << QStringList{", ID 3, column ZSD: no fact key: name the rule the question tests"};
        QTest::newRow("malformed fact key")
            << "UPDATE C SET ZSD = 'Sign_A' WHERE ID = 3"
            << QStringList{", ID 3, column ZSD: fact key 'Sign_A' is not a slug of a-z, 0-9 and "
                           "single hyphens"};
        const QString used = QStringLiteral(", ID 5, column ZSD: fact key 'speed-x' is already "
                                            "used; mark both questions as variants (V) or let "
                                            "one test another fact (first at ID 3)");
        QTest::newRow("one fact twice") << twice << QStringList{used};
        QTest::newRow("one side marked as a variant")
            << twice + "UPDATE C SET BS = '反问' WHERE ID = 3" << QStringList{used};
        QTest::newRow("two variants")
            << twice + "UPDATE C SET BS = '反问' WHERE ID IN (3, 5)" << QStringList{};
        QTest::newRow("variants may read alike")
            << "UPDATE C SET STNR = '机动车在高速公路上发生故障时，可以在应急车道内倒车。', "
               "ANSWER = 2, ZSD = 'expressway-no-reversing', BS = '正面' WHERE ID = 1;"
               "UPDATE C SET STNR = '机动车在高速公路上发生故障后，可以在应急车道倒车。', "
               "ANSWER = 2, ZSD = 'expressway-no-reversing', BS = '反面' WHERE ID = 2"
            << QStringList{};
        QTest::newRow("three variants")
            << "UPDATE C SET ZSD = 'speed-x', BS = '反问' WHERE ID IN (3, 5, 6)"
            << QStringList{", ID 6, column ZSD: fact key 'speed-x' is already used by two "
                           "questions; at most two variants may share a fact (first at ID 3)"};
        QTest::newRow("settled note without a key")
            << "UPDATE C SET YD = '同图异问' WHERE ID = 3"
            << QStringList{", ID 3, column YD: settled note '同图异问' must be the other "
                           "question's fact key, a blank and the reason both stay"};
        QTest::newRow("settled note naming no question")
            << "UPDATE C SET YD = 'sign-none 另问' WHERE ID = 3"
            << QStringList{", ID 3, column YD: settled note names the fact key 'sign-none', "
                           "which no question has"};
        QTest::newRow("settled note naming a truck-only question")
            << "UPDATE B2 SET ZSD = 'truck-one' WHERE STNR = '货车一';"
               "UPDATE C SET YD = 'truck-one: 另问' WHERE ID = 3"
            << QStringList{};
        const QString sharePicture =
            QStringLiteral("UPDATE C SET TP = '/pic/sign.jpg', ZSD = 'sign-a' WHERE ID = 4;"
                           "UPDATE C SET ZSD = 'sign-b' WHERE ID = 7;");
        QTest::newRow("shared picture")
            << sharePicture
            << QStringList{": ID 4 (sign-a) and ID 7 (sign-b) share the picture /pic/sign.jpg" +
                           reread};
        QTest::newRow("shared picture, settled")
            << sharePicture + "UPDATE C SET YD = 'sign-b：同图异问' WHERE ID = 4" << QStringList{};
        QTest::newRow("right choice in another stem")
            << "UPDATE C SET STNR = '第1章第2题甲是对的', ZSD = 'law-a' WHERE ID = 3;"
               "UPDATE C SET ZSD = 'law-b' WHERE ID = 4"
            << QStringList{": the right choice of ID 4 (law-b), '第1章第2题甲', stands in the "
                           "stem of ID 3 (law-a)" +
                           reread};
    }
    void checkJudgesTopicsFactsAndNotes() {
        QFETCH(QString, sql);
        QFETCH(QStringList, expected);
        folder_->exec(sql);
        const ToolRun run = runTool({"check", db_});
        QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (expected.isEmpty()) {
            QVERIFY2(run.code == 0, qPrintable(run.err));
            return;
        }
        QCOMPARE(run.code, 1);
        QCOMPARE(lines.takeLast(), QStringLiteral("%1 problem(s) found").arg(expected.size()));
        for (QString& line : expected)
            line.prepend(db_ + QStringLiteral(": table C"));
        QCOMPARE(lines, expected);
    }

    void speakCheckReportsKnownRisks() {
        QCOMPARE(runTool({"speak-check", db_}).code, 0);
        folder_->exec("UPDATE B2 SET STNR = '一嗨，到银行取钱' WHERE ID = 1;"
                      "UPDATE C SET DA1 = '50 km/h @ 3 ABS' WHERE ID = 2;");
        ToolRun run = runTool({"speak-check", db_});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.out.contains(QStringLiteral("B2 1: 一嗨，到 yin2 hang2 取钱。ei1，正确；"
                                                 "bi4，错误。\n  risk: tone of 一嗨 not in the "
                                                 "tone table\n")),
                 qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("每小时五十公里 @ 三 ei1 bi4 ai2 si1")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("  risk: '@' has no Mandarin reading\n")));
        QVERIFY(run.out.contains(QStringLiteral("  risk: the voice switches to English\n")));
        QVERIFY(run.out.endsWith(QStringLiteral(" at risk\n")));
        run = runTool({"speak-check", db_, "--all"});
        // Every question with the voice's phonemes, the bank's háng among them.
        QVERIFY2(run.out.contains(QStringLiteral("X'a35N")), qPrintable(run.out));
    }

    void configShowsAndSetsOneRow() {
        ToolRun run = runTool({"config", db_});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("row  chapter  drawn  B2 holds  C holds\n"
                                         "1    1        2      8         7\n"
                                         "2    2        2      8         7\n"
                                         "3    3        2      7         6\n"
                                         "a paper draws 6 questions\n"));
        run = runTool({"config", db_, "2", "7"});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("chapter 2 now draws 7 questions; a paper draws 11\n"));
        QCOMPARE(folder_->scalar("SELECT STSL FROM SYS_CFG WHERE rowid = 2"), 7);

        // Refused: more than C holds in chapter 3 (B2 has one more); nothing changes.
        const QString before = dumpDatabase(db_);
        run = runTool({"config", db_, "3", "7"});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, db_ + QStringLiteral(": bank C holds 6 questions in chapter 3, fewer "
                                               "than 7\nSYS_CFG not changed\n"));
        QCOMPARE(dumpDatabase(db_), before);
        run = runTool({"config", db_, "5", "1"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(
            QStringLiteral("bank B2 holds 0 questions in chapter 5, fewer than 1")));

        // Two rows for one chapter would both be drawn; setting the chapter leaves one.
        folder_->exec("INSERT INTO SYS_CFG VALUES (1, 1)");
        QCOMPARE(runTool({"config", db_, "1", "0"}).code, 0);
        QCOMPARE(folder_->scalar("SELECT COUNT(*) FROM SYS_CFG WHERE STZLB1 = 1"), 1);
        QCOMPARE(folder_->scalar("SELECT STSL FROM SYS_CFG WHERE STZLB1 = 1"), 0);
    }

    void installedBesideTheProgram() {
        const QString tool =
            qEnvironmentVariable("XUNDRAL_PROGRAM_DIR") + QStringLiteral("/xundral-bank");
        QProcess process;
        process.start(
            tool, {QStringLiteral("export"), db_, QStringLiteral("D"), QStringLiteral("x.csv")});
        QVERIFY2(process.waitForFinished(30000), qPrintable(tool));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("BANK must be B2 or C, not 'D'"));
        process.start(tool, {QStringLiteral("check"), db_});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput())
                    .endsWith(QStringLiteral("no problems found\n")));
    }

private:
    std::unique_ptr<TestProgramFolder> folder_;
    QString db_;
};

XUNDRAL_DATA_TEST_MAIN(TestBankToolCommands)
#include "test_bank_tool_commands.moc"
