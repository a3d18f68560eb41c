#include "tools/bank_tool/fact_rules.h"

#include "data/topics.h"
#include "tools/bank_tool/content_lint.h"

#include <QHash>
#include <QRegularExpression>

#include <map>

namespace {

void checkTopics(const QuestionRow& row, int index, std::vector<RowProblem>& problems) {
    auto add = [&](const QString& message) {
        problems.push_back({index, BankColumn::Zt, message});
    };
    const QStringList topics = splitTopics(row.zt);
    if (topics.isEmpty()) {
        add(QStringLiteral("no topic; give one to three of the topics in bank/FORMAT.md"));
        return;
    }
    if (topics.size() > kMaxTopicsPerQuestion)
        add(QStringLiteral("%1 topics, more than the %2 a question may have")
                .arg(topics.size())
                .arg(kMaxTopicsPerQuestion));
    QStringList seen;
    for (const QString& topic : topics) {
        if (!topicForName(topic))
            add(QStringLiteral("'%1' is not one of the topics in bank/FORMAT.md").arg(topic));
        else if (seen.contains(topic))
            add(QStringLiteral("topic '%1' given twice").arg(topic));
        seen.append(topic);
    }
}

// The partner's fact key at the start of a settled note ("key reason", "key: reason" or
// "key：reason"), or an empty text when the note has no key or no reason.
QString partnerOf(const QString& note) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([a-z0-9-]+)(?:\\s*[:\\x{FF1A}]\\s*|\\s+)\\S"));
    const QRegularExpressionMatch match = form.match(note);
    return match.hasMatch() && isFactKey(match.captured(1)) ? match.captured(1) : QString();
}

void checkSettledNotes(const QuestionRow& row, int index, const QSet<QString>& knownFactKeys,
                       std::vector<RowProblem>& problems) {
    for (const QString& note : row.yd.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString partner = partnerOf(note);
        if (partner.isEmpty())
            problems.push_back({index, BankColumn::Yd,
                                QStringLiteral("settled note '%1' must be the other question's "
                                               "fact key, a blank and the reason both stay")
                                    .arg(note)});
        else if (!knownFactKeys.contains(partner))
            problems.push_back(
                {index, BankColumn::Yd,
                 QStringLiteral("settled note names the fact key '%1', which no question has")
                     .arg(partner)});
    }
}

} // namespace

bool isFactKey(const QString& text) {
    static const QRegularExpression slug(QStringLiteral("^[a-z0-9]+(?:-[a-z0-9]+)*$"));
    return slug.match(text).hasMatch();
}

QStringList settledPartners(const QuestionRow& row) {
    QStringList partners;
    for (const QString& note : row.yd.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (const QString partner = partnerOf(note); !partner.isEmpty())
            partners.append(partner);
    }
    return partners;
}

bool areDeclaredVariants(const QuestionRow& left, const QuestionRow& right) {
    return !left.zsd.isEmpty() && left.zsd == right.zsd && !left.bs.trimmed().isEmpty() &&
           !right.bs.trimmed().isEmpty();
}

std::vector<RowProblem> findFactProblems(const std::vector<QuestionRow>& rows,
                                         const QSet<QString>& knownFactKeys) {
    std::vector<RowProblem> problems;
    std::map<QString, std::vector<int>> rowsByFact;
    for (int index = 0; index < int(rows.size()); ++index) {
        const QuestionRow& row = rows[std::size_t(index)];
        checkTopics(row, index, problems);
        const QString fact = row.zsd.trimmed();
        if (fact.isEmpty())
            problems.push_back({index, BankColumn::Zsd,
                                QStringLiteral("no fact key: name the rule the question tests")});
        else if (!isFactKey(fact))
            problems.push_back({index, BankColumn::Zsd,
                                QStringLiteral("fact key '%1' is not a slug of a-z, 0-9 and "
                                               "single hyphens")
                                    .arg(fact)});
        else
            rowsByFact[fact].push_back(index);
        checkSettledNotes(row, index, knownFactKeys, problems);
    }
    for (const auto& [fact, indexes] : rowsByFact) {
        if (indexes.size() < 2)
            continue;
        const QuestionRow& first = rows[std::size_t(indexes.front())];
        for (std::size_t at = 1; at < indexes.size(); ++at) {
            const int index = indexes[at];
            QString message;
            if (at >= 2)
                message = QStringLiteral("fact key '%1' is already used by two questions; at "
                                         "most two variants may share a fact")
                              .arg(fact);
            else if (!areDeclaredVariants(first, rows[std::size_t(index)]))
                message = QStringLiteral("fact key '%1' is already used; mark both questions as "
                                         "variants (V) or let one test another fact")
                              .arg(fact);
            if (!message.isEmpty())
                problems.push_back({index, BankColumn::Zsd, message, indexes.front()});
        }
    }
    return problems;
}

std::vector<PairToRead> findPairsToRead(const std::vector<QuestionRow>& rows) {
    std::vector<QStringList> partners;
    std::vector<QString> stems;
    std::vector<QString> statedChoices; // empty where the right choice is too short to count
    partners.reserve(rows.size());
    for (const QuestionRow& row : rows) {
        partners.push_back(settledPartners(row));
        stems.push_back(contentCharacters(row.stnr));
        QString right;
        if (choiceCount(row) == 4 && choiceIndex(row.answer) >= 0) {
            right = contentCharacters(row.da[choiceIndex(row.answer)]);
            if (right.size() < kMinimumStatedChoiceLength)
                right.clear();
        }
        statedChoices.push_back(right);
    }
    const auto leftToRead = [&](std::size_t left, std::size_t right) {
        const QString& leftFact = rows[left].zsd;
        const QString& rightFact = rows[right].zsd;
        if (!leftFact.isEmpty() && leftFact == rightFact)
            return false;
        return !(!rightFact.isEmpty() && partners[left].contains(rightFact)) &&
               !(!leftFact.isEmpty() && partners[right].contains(leftFact));
    };
    std::vector<PairToRead> pairs;
    QHash<QString, std::vector<std::size_t>> rowsByPicture;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        if (!rows[index].tp.isEmpty())
            rowsByPicture[rows[index].tp].push_back(index);
    }
    for (std::size_t first = 0; first < rows.size(); ++first) {
        if (rows[first].tp.isEmpty())
            continue;
        for (const std::size_t second : rowsByPicture.value(rows[first].tp)) {
            if (second > first && leftToRead(first, second))
                pairs.push_back({first, second, PairToRead::Reason::SharedPicture});
        }
    }
    for (std::size_t first = 0; first < rows.size(); ++first) {
        if (statedChoices[first].isEmpty())
            continue;
        std::vector<std::size_t> stating;
        for (std::size_t second = 0; second < rows.size(); ++second) {
            if (second != first && stems[second].contains(statedChoices[first]))
                stating.push_back(second);
        }
        if (stating.size() > std::size_t(kMaxStemsStatingAChoice))
            continue;
        for (const std::size_t second : stating) {
            if (leftToRead(first, second))
                pairs.push_back({first, second, PairToRead::Reason::RightChoiceInStem});
        }
    }
    return pairs;
}
