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
// second, before any other 一 takes the fourth. 个 counts as the fourth tone it has when stressed.
const QString kFourthTone = QStringLiteral(
    "下个侧切制副半并式律样次步段片定致路辆项类上会作做再到办动占受变在戴按易是构正用算系覆记"
    "论设进避快吊必要够去对断注亮干让限确大爱过处见换看乱放闯驶面件位辈份倍带列句据刻万亿部被露冒块"
    "涉");
const QString kOtherTones = QStringLiteral(
    "些人场天头小手挡方时根直种般觉角起车轴周坡考合只与仅传低停允全减出分前包压参及可同含"
    "听多妨容少属平应开影得执承拉服来熄猛理生相稳符管给缴罚能良足跟踩违随需高鸣清超不一些年"
    "条张百千秒米刹氧眼醒转紧知宜倚拳采予点长离吸名");
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
