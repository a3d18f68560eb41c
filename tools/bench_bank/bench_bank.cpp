#include "tools/bench_bank/bench_bank.h"

namespace {

const int kPaperShare[] = {42, 26, 22, 10};
// The order the stored codes 0..3 always cycled through.
constexpr AnswerCode kFourChoiceAnswers[] = {AnswerCode::D, AnswerCode::A, AnswerCode::B,
                                             AnswerCode::C};

} // namespace

int benchChapterSize(int questions, int chapter) {
    // The last chapter takes what rounding left over, so the sizes add up to `questions`.
    if (chapter == 4)
        return questions - benchChapterSize(questions, 1) - benchChapterSize(questions, 2) -
               benchChapterSize(questions, 3);
    return questions * kPaperShare[chapter - 1] / 100;
}

BankSources benchBankSources(int questions) {
    BankSources sources;
    const QString filler = QStringLiteral("在道路上驾驶机动车遇到这种情况时，驾驶人应当怎样做？");
    for (int chapter = 1; chapter <= 4; ++chapter) {
        const int size = benchChapterSize(questions, chapter);
        for (int index = 0; index < size; ++index) {
            BankQuestion question;
            question.chapter = chapter;
            question.file = QStringLiteral("bench");
            question.line = index + 1;
            question.text = QStringLiteral("第%1章第%2题：").arg(chapter).arg(index + 1) + filler;
            if (index % 2 == 0) {
                question.choices = {QStringLiteral("正确"), QStringLiteral("错误")};
                question.answerCode = index % 4 == 0 ? AnswerCode::A : AnswerCode::B;
            } else {
                question.choices = {
                    QStringLiteral("减速慢行，注意观察"), QStringLiteral("鸣喇叭示意后加速通过"),
                    QStringLiteral("保持原速正常行驶"), QStringLiteral("立即停车等待")};
                question.answerCode = kFourChoiceAnswers[(index / 2) % 4];
            }
            sources.common.push_back(question);
        }
        sources.sysCfg.push_back(
            {chapter, kPaperShare[chapter - 1], QStringLiteral("bench"), chapter});
    }
    sources.sysParam = {8, 45, 1, 1};
    return sources;
}
