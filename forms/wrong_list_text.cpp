#include "forms/wrong_list_text.h"

#include "data/answer_code.h"
#include "exam/question_text.h"

QString AnswerCodeToLetter(AnswerCode code) {
    if (code == AnswerCode::NotAnswered)
        return QStringLiteral("未选");
    const QChar letter = letterForAnswerCode(code);
    return letter == QLatin1Char('?') ? QString() : QString(letter);
}

QString wrongListHeader(int wrongCount) {
    return QStringLiteral("以下是您答错的题目列表：(共%1道)\n").arg(wrongCount);
}

QStringList wrongQuestionEntries(const WrongQuestion& question) {
    const AnswerCode codes[] = {AnswerCode::A, AnswerCode::B, AnswerCode::C, AnswerCode::D};
    QStringList entries;
    entries.append(QString::number(question.position) + QLatin1Char('.') +
                   trimBlanks(question.text) + QLatin1Char('\n'));
    // Unlike the question panel, the list puts no blank after the letter's point and keeps
    // the choices untrimmed.
    for (int index = 0; index < 4; ++index)
        entries.append(prefixChoice(question.choices[index], letterForAnswerCode(codes[index]),
                                    QStringLiteral(".")) +
                       QLatin1Char('\n'));
    entries.append(QStringLiteral("您的答案为：") + AnswerCodeToLetter(question.mark) +
                   QStringLiteral("       正确答案为：") + AnswerCodeToLetter(question.answer) +
                   QStringLiteral("\n\n"));
    return entries;
}
