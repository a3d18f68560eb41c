// The content checks a bank maintainer and the shipped-bank test rely on: a question that gives
// its answer away, and two questions that test one fact twice.
#include "tools/bank_tool/content_lint.h"

#include <QTest>

namespace {

QuestionRow fourChoice(const QString& stem, const QStringList& choices, int answerCode,
                       const QString& picture = QString()) {
    QuestionRow row;
    row.stnr = stem;
    row.tp = picture;
    for (int index = 0; index < 4; ++index)
        row.da[index] = choices.at(index);
    row.answer = answerCode;
    row.stlx = 2;
    return row;
}

QuestionRow trueFalse(const QString& stem, bool right) {
    QuestionRow row;
    row.stnr = stem;
    row.da[0] = QStringLiteral("正确");
    row.da[1] = QStringLiteral("错误");
    row.answer = right ? 1 : 2;
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
};

QTEST_GUILESS_MAIN(TestContentLint)
#include "test_content_lint.moc"
