#include "exam/question_text.h"

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

QString prefixChoice(const QString& text, QChar letter, const QString& separator) {
    const bool mayStayEmpty = letter == QLatin1Char('C') || letter == QLatin1Char('D');
    if (text.isEmpty() && mayStayEmpty)
        return text;
    if (!text.isEmpty() && text.at(0) == letter)
        return text;
    return letter + separator + text;
}

QString questionTitle(int number, int total) {
    return QStringLiteral("第 %1 题   共\u3000%2 题").arg(number).arg(total);
}
