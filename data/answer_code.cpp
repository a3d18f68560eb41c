#include "data/answer_code.h"

namespace {

struct Choice {
    AnswerCode code;
    char letter;
    const char16_t* name;
};

constexpr Choice kChoices[] = {{AnswerCode::A, 'A', u"答案一"},
                               {AnswerCode::B, 'B', u"答案二"},
                               {AnswerCode::C, 'C', u"答案三"},
                               {AnswerCode::D, 'D', u"答案四"}};

} // namespace

std::optional<AnswerCode> answerCodeForLetter(QChar letter) {
    for (const Choice& choice : kChoices)
        if (letter == QLatin1Char(choice.letter))
            return choice.code;
    return std::nullopt;
}

int choiceIndex(AnswerCode code) {
    for (int index = 0; index < 4; ++index)
        if (code == kChoices[index].code)
            return index;
    return -1;
}

QChar letterForAnswerCode(AnswerCode code) {
    for (const Choice& choice : kChoices)
        if (code == choice.code)
            return QLatin1Char(choice.letter);
    return QLatin1Char('?');
}

QString answerName(AnswerCode code) {
    for (const Choice& choice : kChoices)
        if (code == choice.code)
            return QString::fromUtf16(choice.name);
    return QString();
}
