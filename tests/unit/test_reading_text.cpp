// The reading text: what the voice is given for what the screen shows.
#include "exam/reading_numbers.h"
#include "exam/reading_text.h"
#include "exam/reading_words.h"

#include <QtTest>

namespace {

// Shown text and its reading, drawn from the words of the shipped banks. Pinyin with a tone
// digit is what the pinyin voice reads as written; Han characters it reads from its dictionary.
const char* const kReadings[][2] = {
    // Numbers with their units, as the banks write them.
    {"50 km/h", "每小时五十公里"},
    {"0.2 mg/100 ml", "零点二毫克每 yi4 百毫升"},
    {"每小时50公里", "每小时五十公里"},
    {"3 米", "三 米"},
    {"12分", "十二分"},
    {"2年", "两年"},
    {"6分", "六分"},
    {"9分", "九分"},
    {"1分", "yi4 分"},
    {"3分", "三分"},
    {"40公里", "四十公里"},
    {"200元以下", "二百元以下"},
    {"2000元以下", "两千元以下"},
    {"10年", "十年"},
    {"50公里", "五十公里"},
    {"20元以上", "二十元以上"},
    {"60公里", "六十公里"},
    {"500元以下", "五百元以下"},
    {"30公里", "三十公里"},
    {"10日", "十日"},
    {"30日", "三十日"},
    {"15日以下", "十五日以下"},
    {"20公里", "二十公里"},
    {"100公里", "yi4 百公里"},
    {"5年", "五年"},
    {"6个月", "六个月"},
    {"80公里", "八十公里"},
    {"50米", "五十米"},
    {"60日", "六十日"},
    {"3日", "三日"},
    {"50元以上", "五十元以上"},
    {"3年以上", "三年以上"},
    {"12年", "十二年"},
    {"2米", "两米"},
    {"50%以上", "百分之五十以上"},
    {"100米", "yi4 百米"},
    {"120公里", "yi4 百二十公里"},
    {"100毫升", "yi4 百毫升"},
    {"18公里", "十八公里"},
    {"80毫克/100毫升", "八十毫克每 yi4 百毫升"},
    {"20毫克/100毫升", "二十毫克每 yi4 百毫升"},
    {"7时至22时", "七时至二十二时"},
    {"90分", "九十分"},
    {"7天", "七天"},
    {"20%以上", "百分之二十以上"},
    {"5%", "百分之五"},
    {"1.5米", "一点五米"},
    {"2.5米", "二点五米"},
    {"0.5米", "零点五米"},
    {"16周岁", "十六周岁"},
    {"70周岁", "七十周岁"},
    {"4.7", "四点七"},
    {"4.9", "四点九"},
    {"5.0", "五点零"},
    {"1000元以上", "yi4 千元以上"},
    {"12伏低压", "十二伏低压"},
    {"1.8万元", "一点八万元"},
    {"11万元", "十一万元"},
    {"1万元", "yi2 万元"},
    // Numbers to dial, standards and years are read digit by digit.
    {"12123手机App", "幺二幺二三手机 ei1 pi4 pi4"},
    {"拨打122", "拨打幺二二"},
    {"立即呼叫120，并开始胸外按压", "立即呼叫幺二零，并开始胸外按压"},
    {"GB 5768", "ji4 bi4 五七六八"},
    {"号牌号码“川A·12345”", "号牌号码川 ei1 幺二三四五"},
    {"GB 14886", "ji4 bi4 一四八八六"},
    {"2020年车险", "二零二零年车险"},
    {"1月1日", "一月一日"},
    {"3℃左右", "三摄氏度左右"},
    {"100至120次", "yi4 百至 yi4 百二十次"},
    {"5比1", "五比一"},
    {"30比2", "三十比二"},
    {"1至2厘米", "一至两厘米"},
    {"2.50米", "二点五零米"},
    {"49吨", "四十九吨"},
    {"155厘米", "yi4 百五十五厘米"},
    {"1人至3人", "yi4 人至三人"},
    {"第10年", "第十年"},
    {"6、8、10年", "六，八，十年"},
    {"105公里", "yi4 百零五公里"},
    {"10000元", "yi2 万元"},
    // Licence classes and Latin abbreviations by their letter names; brackets are pauses.
    {"C1", "xi1 伊"},
    {"B2", "bi4 二"},
    {"A1", "ei1 伊"},
    {"C6", "xi1 六"},
    {"准驾车型代号C1代表哪种车型", "准驾车型代号 xi1 伊代表哪种车型"},
    {"前车一刹车", "前车 yi4 刹车"},
    {"小型汽车（C1）驾驶证", "小型汽车， xi1 伊，驾驶证"},
    {"大型货车（B2）驾驶证", "大型货车， bi4 二，驾驶证"},
    {"防抱死制动系统（ABS）", "防抱死制动系统， ei1 bi4 ai2 si1"},
    {"自适应巡航（ACC）", "自适应巡航， ei1 xi1 xi1"},
    {"体外除颤器（AED）", "体外除颤器， ei1 yi4 di4"},
    {"ETC车道", "yi4 ti4 xi1 车道"},
    {"P挡", "pi4 挡"},
    {"D挡", "di4 挡"},
    {"4S店", "四 ai2 si1 店"},
    {"T形交叉", "ti4 形交叉"},
    {"Y形交叉", "wai4 形交叉"},
    {"上的“M”（或“+/-”）挡位", "上的 ai2 mu1 ，或加，减，挡位"},
    {"“READY”", "a4 yi4 ei1 di4 wai4"},
    // Polyphones in context, and the words the dictionary already reads right.
    {"在银行缴纳罚款", "在 yin2 hang2 缴纳罚款"},
    {"重新申请", "chong2 xin1 申请"},
    {"重新考试", "chong2 xin1 考试"},
    {"轨迹重合", "轨迹 chong2 he2"},
    {"驾驶证被发还", "驾驶证被 fa1 huan2"},
    {"贷款还清", "贷款 huan2 qing1"},
    {"家长用车接送", "jia1 zhang3 用车接送"},
    {"校长", "xiao4 zhang3"},
    {"还车", "huan2 che1"},
    {"车行道", "che1 xing2 dao4"},
    {"人行横道", "人行横道"},
    {"行人", "行人"},
    {"行驶", "行驶"},
    {"违法行为", "违法行 wei2"},
    {"交通违法行为人", "交通违法行 wei2 人"},
    {"信号灯为绿灯", "信号灯 wei2 绿灯"},
    {"最低车速为每小时60公里", "最低车速 wei2 每小时六十公里"},
    {"为了安全", "为了安全"},
    {"因为车速过快", "因为车速过快"},
    {"为防止追尾", "为防止追尾"},
    {"作为驾驶人", "作 wei2 驾驶人"},
    {"认为应当", "认 wei2 应当"},
    // Tone changes of 一 and 不, and 一 that keeps its own tone.
    {"一次记12分", "yi2 次记十二分"},
    {"一律不得驶入", "yi2 律 bu4 de2 驶入"},
    {"一般为蓝底白图形", "yi4 般 wei2 蓝底白图形"},
    {"一定要", "yi2 定要"},
    {"一个记分周期", "yi2 个记分周期"},
    {"一侧", "yi2 侧"},
    {"一起", "yi4 起"},
    {"一直", "yi4 直"},
    {"一条", "yi4 条"},
    {"一样", "yi2 样"},
    {"一天", "yi4 天"},
    {"一段", "yi2 段"},
    {"不得超过", "bu4 de2 超过"},
    {"不要", "bu2 要"},
    {"不是", "bu2 是"},
    {"不会", "bu2 会"},
    {"不必", "bu2 必"},
    {"不能", "不能"},
    {"不需", "不需"},
    {"不足", "不足"},
    {"不同", "不同"},
    {"不用", "bu2 用"},
    {"不按规定", "bu2 按规定"},
    {"不一致", "不 yi2 致"},
    {"第一次", "第一次"},
    {"科目一考试", "科目一考试"},
    {"挂一挡起步", "挂一挡起步"},
    {"统一式样", "统一式样"},
    {"同一车道", "同一车道"},
    {"百分之一百", "百分之 yi4 百"},
    {"四分之一", "四分之一"},
    {"三分之一", "三分之一"},
    // Characters whose neighbour decides: 处, 调, 地, 为, 得 and the rest.
    {"处罚", "chu3 罚"},
    {"处理", "chu3 理"},
    {"并处2000元罚款", "并 chu3 两千元罚款"},
    {"出口处", "出口处"},
    {"远处", "远处"},
    {"处于", "chu3 于"},
    {"一般处什么罚款", "yi4 般 chu3 什么罚款"},
    {"调整座椅", "tiao2 整座椅"},
    {"空调", "kong1 tiao2"},
    {"调头", "调头"},
    {"地点", "di4 点"},
    {"地面", "di4 面"},
    {"原地", "原 di4"},
    {"目的地", "mu4 di4 di4"},
    {"不停地", "不停地"},
    {"舒适地撑在转向盘上", "舒适地撑在转向盘上"},
    {"参加全部科目的考试", "参加全部 ke1 mu4 de5 考试"},
    {"取得驾驶证", "qu3 de2 驾驶证"},
    {"获得赔偿", "huo4 de2 赔偿"},
    {"得到", "de2 dao4"},
    {"看得远", "看得远"},
    {"附着力", "fu4 zhuo2 力"},
    {"另一只眼睛", "另 yi4 zhi1 眼睛"},
    {"一点也不露出来", "yi4 点也 bu2 露出来"},
    {"镜面略向上调", "镜面略向上 tiao2"},
    {"空隙", "kong4 xi4"},
    {"内轮差", "内 lun2 cha1"},
    {"尽量", "尽量"},
    {"便于", "便于"},
    {"重型", "重型"},
    {"长下坡", "长下坡"},
    {"长时间", "长时间"},
    {"身长", "身长"},
    {"还应", "还应"},
    {"还会", "还会"},
    {"重量", "重量"},
};

} // namespace

class TestReadingText : public QObject {
    Q_OBJECT
private slots:
    void readsAsSaid_data();
    void readsAsSaid();
    void chineseNumerals_data();
    void chineseNumerals();
    void questionWithChoices();
    void sentencesForStreaming();
    void auditFindsWhatTheTablesMiss();
};

void TestReadingText::readsAsSaid_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("reading");
    for (const auto& [shown, reading] : kReadings)
        QTest::newRow(shown) << QString::fromUtf8(shown) << QString::fromUtf8(reading);
}

void TestReadingText::readsAsSaid() {
    QFETCH(QString, shown);
    QFETCH(QString, reading);
    QCOMPARE(readingText(shown), reading);
}

void TestReadingText::chineseNumerals_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("words");
    QTest::newRow("0") << qint64(0) << QStringLiteral("零");
    QTest::newRow("10") << qint64(10) << QStringLiteral("十");
    QTest::newRow("110") << qint64(110) << QStringLiteral("一百一十");
    QTest::newRow("1001") << qint64(1001) << QStringLiteral("一千零一");
    QTest::newRow("2200") << qint64(2200) << QStringLiteral("两千二百");
    QTest::newRow("20000") << qint64(20000) << QStringLiteral("两万");
    QTest::newRow("100500") << qint64(100500) << QStringLiteral("十万零五百");
    QTest::newRow("600000") << qint64(600000) << QStringLiteral("六十万");
    QTest::newRow("100000000") << qint64(100000000) << QStringLiteral("一亿");
}

void TestReadingText::chineseNumerals() {
    QFETCH(qint64, value);
    QFETCH(QString, words);
    QCOMPARE(chineseInteger(value), words);
}

void TestReadingText::questionWithChoices() {
    // A true/false question, and a choice that brings its own letter.
    QCOMPARE(
        questionReadingText(QStringLiteral("机动车在银行门前可以停车。"),
                            {QStringLiteral("正确"), QStringLiteral("错误"), QString(), QString()}),
        QStringLiteral("机动车在 yin2 hang2 门前可以停车。ei1，正确；bi4，错误。"));
    QCOMPARE(questionReadingText(QStringLiteral("一次记几分"),
                                 {QStringLiteral("A、3分"), QStringLiteral("6分"),
                                  QStringLiteral("9分"), QStringLiteral("12分")}),
             QStringLiteral("yi2 次记几分。ei1，三分；bi4，六分；xi1，九分；di4，十二分。"));
}

void TestReadingText::sentencesForStreaming() {
    QCOMPARE(readingSentences(QStringLiteral("前方路口怎样通行？ei1，减速；bi4，加速。")),
             QStringList({QStringLiteral("前方路口怎样通行？"), QStringLiteral("ei1，减速；"),
                          QStringLiteral("bi4，加速。")}));
    QVERIFY(readingSentences(QStringLiteral("  ")).isEmpty());
}

void TestReadingText::auditFindsWhatTheTablesMiss() {
    QCOMPARE(undecidedToneChanges(readingText(QStringLiteral("一次不要"))), QStringList());
    QCOMPARE(undecidedToneChanges(QStringLiteral("一嗨不嗨")),
             QStringList({QStringLiteral("一嗨"), QStringLiteral("不嗨")}));
    QCOMPARE(unfixedPolyphones(readingText(QStringLiteral("重新到银行"))), QStringList());
    QCOMPARE(unfixedPolyphones(QStringLiteral("重新")), QStringList({QStringLiteral("重新")}));
}

QTEST_APPLESS_MAIN(TestReadingText)
#include "test_reading_text.moc"
