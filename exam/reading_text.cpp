#include "exam/reading_text.h"

#include "exam/reading_numbers.h"
#include "exam/reading_words.h"

#include <QRegularExpression>

namespace {

// Marks the voice would read by name, or in English, and what is said instead: brackets and
// dashes become the pause of a comma, quotes and book-title marks are not said at all.
QString punctuationAsPauses(const QString& text) {
    QString result = text;
    for (const char16_t pause : {u'（', u'）', u'(', u')', u'、', u'—', u'［', u'］', u'[', u']'})
        result.replace(QChar(pause), QStringLiteral("，"));
    for (const char16_t silent : {u'“', u'”', u'"', u'《', u'》', u'‘', u'’', u'\'', u'·'})
        result.remove(QChar(silent));
    result.replace(QStringLiteral("……"), QStringLiteral("。"));
    result.replace(QChar(u'…'), QStringLiteral("。"));
    result.replace(QChar(u';'), QStringLiteral("；"));
    result.replace(QChar(u'?'), QStringLiteral("？"));
    result.replace(QChar(u'!'), QStringLiteral("！"));
    result.replace(QChar(u'：'), QStringLiteral("，"));
    result.replace(QChar(u':'), QStringLiteral("，"));
    result.replace(QChar(u','), QStringLiteral("，"));
    result.replace(QChar(u'+'), QStringLiteral("加"));
    result.remove(QRegularExpression(QStringLiteral("[*#/\\\\|<>=_~`^-]")));
    return result;
}

QString tidyPauses(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression repeated(QStringLiteral("，(\\s*，)+"));
    static const QRegularExpression beforeStop(QStringLiteral("，\\s*([。？！；])"));
    static const QRegularExpression leading(QStringLiteral("^[\\s，]+"));
    static const QRegularExpression trailing(QStringLiteral("[\\s，]+$"));
    QString result = text;
    result.replace(blanks, QStringLiteral(" "));
    result.replace(repeated, QStringLiteral("，"));
    result.replace(beforeStop, QStringLiteral("\\1"));
    result.remove(leading);
    result.remove(trailing);
    return result.trimmed();
}

QString withoutOwnLetter(const QString& choice, QChar letter) {
    static const QRegularExpression prefix(QStringLiteral("^\\s*([A-D])\\s*[、.．:：，,]\\s*"));
    const QRegularExpressionMatch match = prefix.match(choice);
    if (match.hasMatch() && match.captured(1).at(0) == letter)
        return choice.mid(match.capturedEnd());
    return choice;
}

} // namespace

QString readingText(const QString& shown) {
    QString text = spellNumbers(shown);
    text = punctuationAsPauses(text);
    text = spellLetters(text);
    text = spellPolyphones(text);
    text = spellToneChanges(text);
    return tidyPauses(text);
}

QString questionReadingText(const QString& stem, const QStringList& choices) {
    QString reading = readingText(stem);
    if (!reading.isEmpty() && !QStringLiteral("。？！").contains(reading.back()))
        reading += QStringLiteral("。");
    QStringList parts;
    for (int i = 0; i < choices.size() && i < 4; ++i) {
        const QChar letter(u'A' + i);
        const QString choice = readingText(withoutOwnLetter(choices.at(i), letter));
        if (!choice.isEmpty())
            parts.append(spellLetters(QString(letter)).trimmed() + QStringLiteral("，") + choice);
    }
    if (!parts.isEmpty())
        reading += parts.join(QStringLiteral("；")) + QStringLiteral("。");
    return reading;
}

QStringList readingSentences(const QString& reading) {
    QStringList sentences;
    QString current;
    for (const QChar c : reading) {
        current += c;
        if (QStringLiteral("。？！；\n").contains(c)) {
            if (!current.trimmed().isEmpty())
                sentences.append(current.trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        sentences.append(current.trimmed());
    return sentences;
}
