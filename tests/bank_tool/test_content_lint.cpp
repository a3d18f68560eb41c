// The content checks a bank maintainer and the shipped-bank test rely on: a question that gives
// its answer away, and two questions that test one fact twice.
#include "tools/bank_tool/content_lint.h"
#include "tools/bank_tool/testwise_answerer.h"

#include <QTest>

#include <cmath>

namespace {

QuestionRow fourChoice(const QString& stem, const QStringList& choices, int answerCode,
                       const QString& picture = QString()) {
    QuestionRow row;
    row.stnr = stem;
    row.tp = picture;
    for (int index = 0; index < 4; ++index)
        row.da[index] = choices.at(index);
    row.answer = answerCodeFromColumn(answerCode);
    row.stlx = 2;
    return row;
}

QuestionRow trueFalse(const QString& stem, bool right) {
    QuestionRow row;
    row.stnr = stem;
    row.da[0] = QStringLiteral("正确");
    row.da[1] = QStringLiteral("错误");
    row.answer = right ? AnswerCode::A : AnswerCode::B;
    row.stlx = 1;
    return row;
}

const QStringList kSpeeds = {QStringLiteral("不超过60公里"), QStringLiteral("不超过70公里"),
                             QStringLiteral("不超过80公里"), QStringLiteral("不超过100公里")};

} // namespace

class TestContentLint : public QObject {
    Q_OBJECT
private slots:
    void giveaways_data() {
        QTest::addColumn<QuestionRow>("row");
        QTest::addColumn<bool>("givesAway");
        QTest::newRow("number only the right choice has")
            << fourChoice(QStringLiteral("在这条限速80公里的路上，最高车速是多少？"), kSpeeds, 3)
            << true;
        QTest::newRow("number every choice could have")
            << fourChoice(QStringLiteral("城市道路没有中心线时，最高车速是多少？"), kSpeeds, 3)
            << false;
        QTest::newRow("stem holds the whole right choice")
            << fourChoice(QStringLiteral("遇到前方施工时应减速慢行，这时应当怎样做？"),
                          {QStringLiteral("鸣喇叭"), QStringLiteral("减速慢行"),
                           QStringLiteral("加速通过"), QStringLiteral("变道超车")},
                          2)
            << true;
        QTest::newRow("picture described in the stem")
            << fourChoice(QStringLiteral("画有火车头的这个标志是何含义？"),
                          {QStringLiteral("有人看守铁道路口"), QStringLiteral("无人看守铁道路口"),
                           QStringLiteral("火车站"), QStringLiteral("铁路桥")},
                          2, QStringLiteral("/pic/sign-rail.jpg"))
            << true;
        QTest::newRow("the same words without a picture are a question")
            << fourChoice(QStringLiteral("画有斑马线的路段，驾驶人应当怎样做？"),
                          {QStringLiteral("减速让行"), QStringLiteral("加速通过"),
                           QStringLiteral("鸣喇叭催促"), QStringLiteral("停车熄火")},
                          1)
            << false;
        QTest::newRow("a picture question that only asks")
            << fourChoice(QStringLiteral("这个标志是何含义？"),
                          {QStringLiteral("禁止向左转弯"), QStringLiteral("禁止向右转弯"),
                           QStringLiteral("禁止掉头"), QStringLiteral("禁止直行")},
                          1, QStringLiteral("/pic/sign-no-left-turn.jpg"))
            << false;
        QTest::newRow("true/false statements state their claim")
            << trueFalse(QStringLiteral("实习期内驾驶机动车应当粘贴实习标志。"), true) << false;
    }
    void giveaways() {
        QFETCH(QuestionRow, row);
        QFETCH(bool, givesAway);
        const QString reason = giveawayReason(row);
        QVERIFY2(reason.isEmpty() != givesAway, qPrintable(reason));
    }

    void nearDuplicates() {
        const QStringList kerb = {QStringLiteral("禁止长时间停放车辆，可以临时停车"),
                                  QStringLiteral("禁止临时停车和长时间停放"),
                                  QStringLiteral("可以长时间停放"),
                                  QStringLiteral("只准非机动车停放")};
        const std::vector<QuestionRow> rows = {
            // 0, 1: one rule reworded, with the same choices.
            fourChoice(QStringLiteral("路缘石上施划的黄色虚线表示什么？"), kerb, 1),
            fourChoice(QStringLiteral("路侧缘石上的黄色虚线是何含义？"), kerb, 1),
            // 2, 3: the same frame, different numbers: two rules.
            fourChoice(QStringLiteral("没有中心线的城市道路上，最高车速是多少？"),
                       {QStringLiteral("30公里"), QStringLiteral("40公里"),
                        QStringLiteral("50公里"), QStringLiteral("60公里")},
                       1),
            fourChoice(QStringLiteral("没有中心线的公路上，最高车速是多少？"),
                       {QStringLiteral("30公里"), QStringLiteral("40公里"),
                        QStringLiteral("50公里"), QStringLiteral("60公里")},
                       2),
            // 4, 5: one picture asked twice for the same meaning.
            fourChoice(QStringLiteral("这个标志是何含义？"), kerb, 3, QStringLiteral("/pic/a.jpg")),
            fourChoice(QStringLiteral("看到这个标志应当知道什么？"), kerb, 3,
                       QStringLiteral("/pic/a.jpg")),
            // 6: the same wording about another picture.
            fourChoice(QStringLiteral("这个标志是何含义？"), kerb, 3, QStringLiteral("/pic/b.jpg")),
            // 7, 8: a true/false statement reworded; 9 states the opposite rule.
            trueFalse(QStringLiteral("机动车在高速公路上发生故障时，可以在应急车道内倒车。"),
                      false),
            trueFalse(QStringLiteral("机动车在高速公路上发生故障后，可以在应急车道倒车。"), false),
            trueFalse(QStringLiteral("机动车在高速公路上发生故障后，可以在应急车道停车。"), true),
        };
        QStringList found;
        for (const NearDuplicate& pair : findNearDuplicates(rows))
            found << QStringLiteral("%1-%2").arg(pair.first).arg(pair.second);
        QCOMPARE(found, QStringList(
                            {QStringLiteral("0-1"), QStringLiteral("4-5"), QStringLiteral("7-8")}));
        QCOMPARE(textSimilarity(QStringLiteral("黄色虚线"), QStringLiteral("黄色，虚线！")), 1.0);
        QCOMPARE(textSimilarity(QStringLiteral("甲乙"), QStringLiteral("丙丁")), 0.0);
    }

    // Two true/false statements of one rule are paired from kNearDuplicateThreshold + 0.1 up:
    // one pair just under it, one just over, so that a loosened or tightened threshold fails.
    void trueFalseThresholdHoldsAtItsEdge_data() {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("paired");
        QTest::newRow("0.68: reworded, not repeated")
            << QStringLiteral("驾驶机动车在高速公路上出现故障时，要先开启危险报警闪光灯。")
            << false;
        QTest::newRow("0.71: repeated")
            << QStringLiteral("驾驶机动车在高速公路上出现故障时，要开启危险报警闪光灯。") << true;
    }
    void trueFalseThresholdHoldsAtItsEdge() {
        QFETCH(QString, other);
        QFETCH(bool, paired);
        const QString stem =
            QStringLiteral("驾驶机动车在高速公路上发生故障时，应当开启危险报警闪光灯。");
        const double edge = kNearDuplicateThreshold + 0.1;
        const double similarity = textSimilarity(stem, other);
        QVERIFY2(std::abs(similarity - edge) < 0.02 && (similarity >= edge) == paired,
                 qPrintable(QString::number(similarity)));
        const std::vector<QuestionRow> rows = {trueFalse(stem, true), trueFalse(other, true)};
        QCOMPARE(findNearDuplicates(rows).size(), std::size_t(paired ? 1 : 0));
    }

    // Each case turns on one of the answerer's rules; bank_lint.py picks the same letters.
    void testwiseAnswerer_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<int>("picked");
        const QString plain = QStringLiteral("遇到这种情况应当怎样做？");
        const QString school = QStringLiteral("驾驶机动车通过学校门前时应当怎样做？");
        QTest::newRow("the uniquely longest")
            << plain << QStringList{"鸣喇叭", "开远光灯提醒", "跟车", "停"} << 1;
        QTest::newRow("a tie at the greatest length goes to the earlier")
            << plain << QStringList{"鸣喇叭", "开远光灯", "跟车行驶", "停"} << 1;
        QTest::newRow("three safety words beat the longest")
            << plain << QStringList{"开远光灯再跟车", "减速停车观察", "跟车", "倒车"} << 1;
        QTest::newRow("absolutes sink the longest")
            << plain << QStringList{"绝对不必停车", "开远光灯", "跟车", "倒车"} << 1;
        QTest::newRow("echoing the stem")
            << school << QStringList{"鸣喇叭", "通过学校", "开远光灯", "跟车"} << 1;
        QTest::newRow("the echo counts at most four pairs")
            << school
            << QStringList{"驾驶机动车通过学校门前时", "按喇叭示意路边的学生们走开", "注意减速让行",
                           "跟车"}
            << 2;
    }
    void testwiseAnswerer() {
        QFETCH(QString, stem);
        QFETCH(QStringList, choices);
        QFETCH(int, picked);
        QCOMPARE(testwiseChoice(fourChoice(stem, choices, 1)), picked);
    }

    void testwiseTalliesPerChapter() {
        std::vector<QuestionRow> rows = {
            fourChoice(QStringLiteral("问"), {"甲", "乙乙乙", "丙", "丁"}, 2), // picked, right
            fourChoice(QStringLiteral("问"), {"甲", "乙乙乙", "丙", "丁"}, 1), // picked, wrong
            trueFalse(QStringLiteral("判断"), true)};
        rows[0].stzlb1 = 1;
        rows[1].stzlb1 = 2;
        rows[2].stzlb1 = 1;
        const std::vector<TestwiseTally> tallies = tallyTestwiseAnswerer(rows);
        QCOMPARE(int(tallies.size()), 3);
        QCOMPARE(tallies[0].hits + tallies[0].longestRight, 2);
        QCOMPARE(tallies[1].chapter, 2);
        QCOMPARE(tallies[1].hits + tallies[1].longestRight, 0);
        QCOMPARE(tallies[2].chapter, 0);
        QCOMPARE(tallies[2].fourChoice, 2);
        QCOMPARE(tallies[2].hits, 1);
    }
};

QTEST_GUILESS_MAIN(TestContentLint)
#include "test_content_lint.moc"
