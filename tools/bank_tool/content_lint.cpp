#include "tools/bank_tool/content_lint.h"

#include "tools/bank_tool/bank_rules.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

// Letters, digits and CJK characters only: punctuation and blanks say nothing about content.
QString contentOf(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar character : text) {
        if (character.isLetterOrNumber())
            kept.append(character);
    }
    return kept;
}

QStringList numbersIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(?:\\.\\d+)?"));
    QStringList numbers;
    for (auto match = number.globalMatch(text); match.hasNext();)
        numbers.append(match.next().captured());
    return numbers;
}

// Words a picture stem uses when it describes the picture instead of asking about it.
constexpr std::array kPictureDescriptions = {u"画有",   u"写有", u"带字母", u"图形的",
                                             u"图案的", u"标有", u"印有",   u"字样的"};

// The longest run of the right choice that no other choice shares and the stem repeats.
int longestTellingRun(const QString& right, const QStringList& others, const QString& stem) {
    int longest = 0;
    for (int start = 0; start < right.size(); ++start) {
        for (int length = std::max(longest + 1, 2); start + length <= right.size(); ++length) {
            const QString run = right.mid(start, length);
            if (!stem.contains(run))
                break;
            const bool shared =
                std::any_of(others.begin(), others.end(),
                            [&](const QString& other) { return other.contains(run); });
            if (!shared)
                longest = length;
        }
    }
    return longest;
}

// Characters (n = 1) or pairs of neighbouring characters (n = 2) of the text's content.
QSet<quint32> gramsOf(const QString& text, int n) {
    const QString content = contentOf(text);
    QSet<quint32> grams;
    for (int index = 0; index + n <= content.size(); ++index) {
        quint32 gram = content.at(index).unicode();
        if (n == 2)
            gram = gram << 16 | content.at(index + 1).unicode();
        grams.insert(gram);
    }
    return grams;
}

QStringList sortedNumbers(const QString& text) {
    QStringList numbers = numbersIn(text);
    numbers.sort();
    return numbers;
}

// The ways a stem asks its question say nothing about the fact it tests.
constexpr std::array kQuestionFrames = {
    u"这个标志是何含义", u"这个标志表示什么", u"是何含义", u"表示什么", u"是什么",  u"什么意思",
    u"下列说法正确的是", u"应当怎样做",       u"怎样做",   u"如何处置", u"是指什么"};

QString withoutFrames(QString stem) {
    for (const char16_t* frame : kQuestionFrames)
        stem.remove(QString::fromUtf16(frame));
    return stem;
}

double jaccard(const QSet<quint32>& left, const QSet<quint32>& right) {
    if (left.isEmpty() && right.isEmpty())
        return 1;
    int shared = 0;
    for (const quint32 bigram : left)
        shared += right.contains(bigram) ? 1 : 0;
    return double(shared) / double(left.size() + right.size() - shared);
}

} // namespace

QString giveawayReason(const QuestionRow& row) {
    if (!row.tp.isEmpty()) {
        for (const char16_t* words : kPictureDescriptions) {
            if (row.stnr.contains(QString::fromUtf16(words)))
                return QStringLiteral("the stem describes its picture ('%1')")
                    .arg(QString::fromUtf16(words));
        }
    }
    if (choiceCount(row) != 4)
        return QString();
    const int rightIndex = choiceIndex(row.answer);
    if (rightIndex < 0)
        return QString();
    const QString stem = contentOf(row.stnr);
    const QString right = contentOf(row.da[rightIndex]);
    QStringList others;
    for (int index = 0; index < 4; ++index) {
        if (index != rightIndex)
            others.append(contentOf(row.da[index]));
    }
    if (right.size() >= 2 && stem.contains(right))
        return QStringLiteral("the stem holds the right choice '%1'").arg(row.da[rightIndex]);
    QStringList otherNumbers;
    for (const QString& other : others)
        otherNumbers += numbersIn(other);
    const QStringList stemNumbers = numbersIn(stem);
    for (const QString& number : numbersIn(right)) {
        if (!otherNumbers.contains(number) && stemNumbers.contains(number))
            return QStringLiteral("the stem names the number %1 that only the right choice has")
                .arg(number);
    }
    // Four characters are a word or two in Chinese: enough to point at one choice, unless the
    // stem names a wrong choice as well and asks which of the two holds.
    const bool namesAWrongChoice =
        std::any_of(others.begin(), others.end(),
                    [&](const QString& other) { return longestTellingRun(other, {}, stem) >= 4; });
    if (const int run = longestTellingRun(right, others, stem);
        !namesAWrongChoice && run >= 4 && qsizetype(run) * 2 > right.size())
        return QStringLiteral("the stem repeats most of the right choice '%1'")
            .arg(row.da[rightIndex]);
    return QString();
}

QString contentCharacters(const QString& text) {
    return contentOf(text);
}

double textSimilarity(const QString& left, const QString& right) {
    return (jaccard(gramsOf(left, 1), gramsOf(right, 1)) +
            jaccard(gramsOf(left, 2), gramsOf(right, 2))) /
           2;
}

std::vector<NearDuplicate> findNearDuplicates(const std::vector<QuestionRow>& rows,
                                              double threshold) {
    struct Key {
        QString picture;
        QString rightChoice;
        QStringList stemNumbers;
        QStringList rightNumbers;
        QSet<quint32> stemUnigrams;
        QSet<quint32> stemBigrams;
        QSet<quint32> rightUnigrams;
        QSet<quint32> rightBigrams;
        QString answerLetter;
        bool trueFalse = false;
    };
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const QuestionRow& row : rows) {
        Key key;
        key.picture = row.tp;
        key.trueFalse = choiceCount(row) == 2;
        // A code the check refuses still gets a key, read as the nearest choice.
        const int code = answerCodeToColumn(row.answer);
        const int rightIndex = code == 0 ? 3 : std::clamp(code - 1, 0, 3);
        key.rightChoice = contentOf(row.da[rightIndex]);
        key.answerLetter = QString::number(code);
        const QString stem = withoutFrames(row.stnr);
        key.stemNumbers = sortedNumbers(row.stnr);
        key.rightNumbers = sortedNumbers(row.da[rightIndex]);
        key.stemUnigrams = gramsOf(stem, 1);
        key.stemBigrams = gramsOf(stem, 2);
        key.rightUnigrams = gramsOf(key.rightChoice, 1);
        key.rightBigrams = gramsOf(key.rightChoice, 2);
        keys.push_back(std::move(key));
    }
    std::vector<NearDuplicate> pairs;
    for (std::size_t first = 0; first < keys.size(); ++first) {
        for (std::size_t second = first + 1; second < keys.size(); ++second) {
            const Key& a = keys[first];
            const Key& b = keys[second];
            if (a.trueFalse != b.trueFalse)
                continue;
            // Two pictures are two things to recognise, however alike the questions read.
            if (!a.picture.isEmpty() && !b.picture.isEmpty() && a.picture != b.picture)
                continue;
            if (!a.picture.isEmpty() && a.picture == b.picture && a.rightChoice == b.rightChoice) {
                pairs.push_back({first, second, 1});
                continue;
            }
            // A different number in the stem or the answer is a different rule (30 km/h in
            // town, 40 on a road), however alike the sentences around it are.
            if (a.stemNumbers != b.stemNumbers)
                continue;
            const double stem =
                (jaccard(a.stemUnigrams, b.stemUnigrams) + jaccard(a.stemBigrams, b.stemBigrams)) /
                2;
            if (a.trueFalse) {
                if (a.answerLetter == b.answerLetter && stem >= std::min(1.0, threshold + 0.1))
                    pairs.push_back({first, second, stem});
                continue;
            }
            if (a.rightNumbers != b.rightNumbers || stem < threshold)
                continue;
            const double right = (jaccard(a.rightUnigrams, b.rightUnigrams) +
                                  jaccard(a.rightBigrams, b.rightBigrams)) /
                                 2;
            if (right >= threshold)
                pairs.push_back({first, second, std::min(stem, right)});
        }
    }
    return pairs;
}
