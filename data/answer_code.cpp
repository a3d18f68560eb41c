#include "data/answer_code.h"

namespace {

struct Choice {
    int code;
    char letter;
    const char16_t* name;
};

constexpr Choice kChoices[] = {{AnswerCode::A, 'A', u"答案一"},
                               {AnswerCode::B, 'B', u"答案二"},
                               {AnswerCode::C, 'C', u"答案三"},
                               {AnswerCode::D, 'D', u"答案四"}};

} // namespace

int answerCodeForLetter(QChar letter) {
    for (const Choice& choice : kChoices)
        if (letter == QLatin1Char(choice.letter))
            return choice.code;
    return -1;
}

QChar letterForAnswerCode(int code) {
    for (const Choice& choice : kChoices)
        if (code == choice.code)
            return QLatin1Char(choice.letter);
    return QLatin1Char('?');
}

QString answerName(int code) {
    for (const Choice& choice : kChoices)
        if (code == choice.code)
            return QString::fromUtf16(choice.name);
    return QString();
}
