#include "exam/reading_words.h"

#include <utility>

namespace {

const char* const kLetterNames[26] = {
    "ei1",     "bi4",  "xi1",     "di4",     "yi4",         "ai2 fu1",     "ji4",  "ai1 qi1", "ai4",
    "jie4",    "kai4", "ai2 le1", "ai2 mu1", "en1",         "ou1",         "pi4",  "kiu4",    "a4",
    "ai2 si1", "ti4",  "you1",    "wei1",    "da2 bu liu4", "ai2 ke4 si1", "wai4", "zei4"};

// Words whose polyphone the voice's dictionary reads wrongly, longest first where one holds
// another. Its one reading of 行 is xíng, 长 cháng, 重 zhòng, 还 hái, 得 and 的 a toneless de,
// 着 zhe, 处 chù, 调 diào, 差 chà, 空 kōng, 量 liàng, 便 biàn, 种 zhǒng, 转 zhuǎn, 只 zhǐ.
const std::pair<const char*, const char*> kPolyphones[] = {
    {"科目的", "ke1 mu4 de5"},   {"车行道", "che1 xing2 dao4"}, {"目的地", "mu4 di4 di4"},
    {"倒计时", "dao4 ji4 shi2"}, {"银行", "yin2 hang2"},        {"行业", "hang2 ye4"},
    {"行长", "hang2 zhang3"},    {"行列", "hang2 lie4"},        {"行情", "hang2 qing2"},
    {"家长", "jia1 zhang3"},     {"校长", "xiao4 zhang3"},      {"队长", "dui4 zhang3"},
    {"站长", "zhan4 zhang3"},    {"会长", "hui4 zhang3"},       {"部长", "bu4 zhang3"},
    {"生长", "sheng1 zhang3"},   {"增长", "zeng1 zhang3"},      {"成长", "cheng2 zhang3"},
    {"长大", "zhang3 da4"},      {"重新", "chong2 xin1"},       {"重合", "chong2 he2"},
    {"重复", "chong2 fu4"},      {"重叠", "chong2 die2"},       {"重启", "chong2 qi3"},
    {"重返", "chong2 fan3"},     {"重建", "chong2 jian4"},      {"发还", "fa1 huan2"},
    {"归还", "gui1 huan2"},      {"偿还", "chang2 huan2"},      {"退还", "tui4 huan2"},
    {"还清", "huan2 qing1"},     {"还车", "huan2 che1"},        {"还款", "huan2 kuan3"},
    {"还贷", "huan2 dai4"},      {"还原", "huan2 yuan2"},       {"不得", "bu4 de2"},
    {"取得", "qu3 de2"},         {"获得", "huo4 de2"},          {"得到", "de2 dao4"},
    {"得分", "de2 fen1"},        {"目的", "mu4 di4"},           {"的确", "di2 que4"},
    {"附着", "fu4 zhuo2"},       {"着火", "zhao2 huo3"},        {"着陆", "zhuo2 lu4"},
    {"了解", "liao3 jie3"},      {"空调", "kong1 tiao2"},       {"协调", "xie2 tiao2"},
    {"轮差", "lun2 cha1"},       {"差速", "cha1 su4"},          {"之差", "zhi1 cha1"},
    {"相差", "xiang1 cha1"},     {"误差", "wu4 cha1"},          {"差异", "cha1 yi4"},
    {"空隙", "kong4 xi4"},       {"空闲", "kong4 xian2"},       {"空出", "kong4 chu1"},
    {"插空", "cha1 kong4"},      {"测量", "ce4 liang2"},        {"商量", "shang1 liang2"},
    {"便宜", "pian2 yi2"},       {"种植", "zhong4 zhi2"},       {"转速", "zhuan4 su4"},
    {"转动", "zhuan4 dong4"},    {"空转", "kong1 zhuan4"},      {"打转", "da3 zhuan4"},
    {"一只", "yi4 zhi1"},        {"两只", "liang3 zhi1"},
};

// Characters whose reading the following or preceding character decides, where listing words
// would never end: 处 is chǔ before 理, 罚, 置 (and after 并, 判, 被), chù for a place; 调 is
// tiáo when it means adjusting; 为 is wéi ("is", "as") unless it means "for"; 地 is dì, the
// ground, unless it follows an adverb.
const QString kChuBefore = QStringLiteral("理罚置以分于警在多什一二两三四五六七八九十百千");
const QString kChuAfter = QStringLiteral("并判被");
const QString kTiaoBefore = QStringLiteral("解整节好低到远高试快");
const QString kTiaoAfter = QStringLiteral("上下微");
const QStringList kWeiWords = {
    QStringLiteral("为了"), QStringLiteral("为什"), QStringLiteral("为防"),
    QStringLiteral("为避"), QStringLiteral("为减"), QStringLiteral("为提"),
    QStringLiteral("为何"), QStringLiteral("为此"), QStringLiteral("为保")};
const QString kDiPlace = QStringLiteral("点面方区址名形势段下图上带");
const QString kDeAdverbEnds = QStringLiteral("续停慢稳渐速断细真缓适确时轻全");

// The syllable after 一 or 不 decides their tone: before a fourth tone 一 and 不 take the
// second, before any other 一 takes the fourth. The tones are the voice's own for every character
// of the banks, 个 counted as the fourth tone it has when stressed; a character in neither list
// (a toneless one such as 的, or one the banks did not have) leaves the tone undecided.
const QString kFourthTone = QStringLiteral(
    "概万上下不业丧个为义乐乱事二互亮亿介付代令件价任份众会伴似但位住作佩例侧便促信倍倒"
    "候借倡倦做傍像兆克兑入六共具内册再冒冠况冻净切划列创判利到制刺刻剂剧剩副力劝办务"
    "劣动助励势勒化半卖占卧印却卸历厉厕厚去县又受变句另叫右叶号叹各吊后向吓告呛味命哨"
    "售喂善嗜器噪四困固在地坏坐块坝坠垛垢垫域堑塑境处备复夏外夜够大太套妇姓孕字季定客"
    "室害宿密寸对寿射尚就尽尿届岁岔嵌巨差市布帐带幕并幼序库店废度座廓建异弃弊式弱弹"
    "录役彻径待律御必忆志快态怒怕怠性恰恶患惯意愤愿慎慢戏戒或戴户扇扣扩技抑抗护报抱拒"
    "括拭拽挂按换据掉探控措握摄撞撤擅放政故效救教散敬数斗料断既日旦旧旱旷易是晒智晾暂"
    "暗暴曳更替最月望木未末术杖束杠构架柱栅树校样案档械棒橡欠次欲歉正步段毕氏气汇汗汽"
    "沥沸治泄泛泞泡注泵洞派测济浪浸涉润涩液混渍渐渗渡溅滞滤漂漏漫灌灭炫炸炽烁烈烫热焰"
    "照燥爆爱片牧物特犯状率现甚用电画畅界畜略病症痛痪痹癔益盖盗目看眩眺睡瞬破砾硬确碍"
    "碎碰碳示社票禁税窃窜立竖站竞笨第筑策算箭类粒系素累纳纵线练细绕继绪续绿缝罐罪置翘"
    "耐耗聚肇肉肋育肺胀背胺脉脏腕腹腻臂自至致色若范药获落蓄蔽虑蛋血衅衬袋被裂要覆见视"
    "触计订认让训议讯记论讼设证诉试话误调谢象豫负败货质购贵贷费贿赁赂赖趁越趟距跨路跳"
    "踏蹭躁轧载轿较辆辈辨迅过运近这进迫述退送适逆透递逗速造逸遇遍道避那部配酱酿醉释重"
    "量鉴钓钝钥铺链锈错键镇镜闭问闷闹阈阔队附际降限院陷隙障隧雾震露静靠面项顺顾顿预"
    "颤饰馈驻驾验骗骤默");
const QString kOtherTones = QStringLiteral(
    "履干闯驶一七三与专且东丝丢两严中临主举久之乌乎乏乘九也习乡书买乳予争于亏五些亡交产享亲人"
    "什仅仍从仓他以仪仰仿企伍伏休优伞传伤伪估伸低体何余你使供依侵俗保修俯倚值倾假偏停"
    "偶偿储催儿允元充先光免全八公关兵其典养兼写农冬冰冲决冷准凉凌减凝几凭凸凹出击刀分"
    "刑则刚初别刮刷刹削前剐割功加劫劳勉勘勤勾匀包匙匝区医十千升午华协单南卡危即卷厂压"
    "厘原厢参叉及友双反发取叠口只叭可台司吃合同名吐否吨含听启吸吹呆呈呕员周呼和咖咳品"
    "哈响哪唯商啡喇喊喝喷嘴嚼囊回因团园围国图圆圈土场址均坎坑坚坡坦垂型垮埂城培基堆堤"
    "堵塌塞填墙增声壳多天央失头夹夺奖好如妥妨始委姿婴嫌嬉子孔存学孩它守安完宜宝实宠审"
    "宫家容宽寒察寻导封将小少尔尖尘尤尺尼尾局层居屈屋屏展属山岛峰崖巡工左巧己已帘帮常"
    "幅平年广庄床应底府康延开引张弥弧弯强当形影彼往征很徒得循微心忙忽怀怎急总恢息悉悬"
    "情惊想感慌成我截房所手才扎扑扒打托执扫扭扯扰扶批找承抄把抓投抖折抛抢抬抵抹押抽拄"
    "担拆拇拉拍拐拔拖拘招拢拥拦拧拨择拱拳拼拾拿持指挑挡挤挥挨挪挽捆捕损捡捣掀掌掏排接"
    "推掩提插援搏搬搭携摆摇摊摔摘摩撑撒撕播操擎擦攀支收改敲整敷文斑斜新方施旁旅旋无早"
    "时明昏星显晃晕晚晨普景晰晴暖曲有朋服朗朝期本朵机杀杂权杆李材村条来松板极析枕果枝"
    "枪柄某染柔查柴标栏栓核根格框桥桨桩桶梁梯检棕棘椅椎楚楼槛模横橙欺款歇止此歪死殊残"
    "殖殴毁母每毒比毛毫毯民氧水求汐江池污沉沙沟没河油沿泊法波泥泳泼洁洒洗洪活洼流浅浆"
    "浇浑浓浮涂消涌涤涨涵淋深淹清渠渣温游湍湖湿源溜溪滑滚满滴漆潮激火灯灰灵灾点烘烟烦"
    "烧焚然熄熟燃爪爬爽牌牙牛牟牢牲牵犹独狭猛玩环玻珠球理璃生甩田由申留番疏疑疗疲疼疾"
    "痕痫痴瘪瘫癫登白百皮监盔盘盯盲直相盹省真眠眯眼睛督瞒瞭知矩矫短矮石码砂砸础碾磨礼"
    "神离私秆种科秒租积称秸移稀程稍稳究空穿突窄窗章童端竹笔符等筒签简管箱篷簧簸米粉粗"
    "粘粮精糊糖索紧繁纠红约级纯纷纸纹组织终经绑绒结给绝统绩绳维绷综缆缓编缘缠缩缴缸缺"
    "网罚羊美群羽翻老考者而耍耳耽职联肌肘肢肤肩胎胡胶胸能脊脑脚脱腐腰腾腿膀膏膜膝膨舌"
    "舒舞航般舱船良节芯花苏茶草荷菱营蒸蓝蔓薄藏虚虽虾蚀蛇蜷融螺蠕行街衡衣补表衰裁装裸"
    "西观规览觉角解警许评识询该语说请读谁谈谨谷财责贴资赔走赶起超趋足跑跟踩踪身躯躲躺"
    "车轨转轮软轰轴轻辅辐输辖辙边达迁迎返还远违连迟迷迹追逃选逐途通逼逾遗遭遮遵邻郊都"
    "酒酸醒采里野金针钟钢钩钮钱钻铁铰铲银销锁锤锥锹长门闪闲间闸闻阀防阳阴阶阻陡除险陪"
    "隆随隐隔难集雨雪零雷雹需霜青非革鞋鞭音顶须领颈频颗题颜额颠风飘飞食餐饮馆首香马驱"
    "驼骑骨骷髅髋髓高鱼鲜鸣麻黄黑鼓鼻齐齿龄龟");
// After these 一 is a numeral read on its own (第一, 统一, 科目一, 十一), whatever follows;
// before these it is a date, a gear or a digit of a number (一月一日, 一挡, 一点五). 之一 is
// plain too, unless a number goes on (百分之一百).
const QString kPlainOneAfter = QStringLiteral("第统同唯万十零点目百千");
const QString kDigits = QStringLiteral("零一二三四五六七八九");
const QString kPlainOneBefore = QStringLiteral("月日号挡至零二三四五六七八九");

bool plainOne(const QString& text, qsizetype i) {
    const QChar before = i > 0 ? text.at(i - 1) : QChar();
    const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
    if (kPlainOneAfter.contains(before) || kPlainOneBefore.contains(next))
        return true;
    // 一点五 is a number; 一点 alone is "a little", yìdiǎn.
    if (next == QChar(u'点'))
        return i + 2 < text.size() && kDigits.contains(text.at(i + 2));
    return before == QChar(u'之') && !QStringLiteral("百千万").contains(next);
}

bool isHan(QChar c) {
    return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff;
}

QString syllable(const char* pinyin) {
    return QLatin1Char(' ') + QLatin1String(pinyin) + QLatin1Char(' ');
}

} // namespace

QString spellLetters(const QString& text) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t upper = c.toUpper().unicode();
        if (c.unicode() < 128 && upper >= u'A' && upper <= u'Z')
            result += syllable(kLetterNames[upper - u'A']);
        else
            result += c;
    }
    return result;
}

QString spellPolyphones(const QString& text) {
    QString words = text;
    for (const auto& [word, pinyin] : kPolyphones)
        words.replace(QString::fromUtf8(word), syllable(pinyin));
    QString result;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QChar c = words.at(i);
        const QChar before = i > 0 ? words.at(i - 1) : QChar();
        const QChar next = i + 1 < words.size() ? words.at(i + 1) : QChar();
        if (c == QChar(u'处') && (kChuBefore.contains(next) || kChuAfter.contains(before)))
            result += syllable("chu3");
        else if (c == QChar(u'调') && (kTiaoBefore.contains(next) || kTiaoAfter.contains(before)))
            result += syllable("tiao2");
        else if (c == QChar(u'为') && before != QChar(u'因') &&
                 !(isHan(next) && kWeiWords.contains(words.mid(i, 2))))
            result += syllable("wei2");
        else if (c == QChar(u'地') && (kDiPlace.contains(next) || !kDeAdverbEnds.contains(before)))
            result += syllable("di4");
        else
            result += c;
    }
    return result;
}

QStringList unfixedPolyphones(const QString& reading) {
    QStringList found;
    for (const auto& [word, pinyin] : kPolyphones) {
        if (reading.contains(QString::fromUtf8(word)))
            found.append(QString::fromUtf8(word));
    }
    return found;
}

QString spellToneChanges(const QString& text) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c == QChar(u'一') && isHan(next) && !plainOne(text, i)) {
            if (kFourthTone.contains(next))
                result += syllable("yi2");
            else if (kOtherTones.contains(next))
                result += syllable("yi4");
            else
                result += c;
        } else if (c == QChar(u'不') && kFourthTone.contains(next)) {
            result += syllable("bu2");
        } else {
            result += c;
        }
    }
    return result;
}

QStringList undecidedToneChanges(const QString& text) {
    QStringList undecided;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = text.at(i + 1);
        if ((c != QChar(u'一') && c != QChar(u'不')) || !isHan(next))
            continue;
        if (c == QChar(u'一') && plainOne(text, i))
            continue;
        if (!kFourthTone.contains(next) && !kOtherTones.contains(next))
            undecided.append(text.mid(i, 2));
    }
    return undecided;
}
