#include "data/bank_source.h"

#include "data/whole_number.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString readUtf8File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankSourceError(path, 0, 0,
                              QStringLiteral("cannot read file: %1").arg(file.errorString()));
    // fromUtf8 already drops a leading byte-order mark; a second one would be text.
    return QString::fromUtf8(file.readAll());
}

struct RecordBuilder {
    BankQuestion question;
    QString choiceText[4];
    bool hasChoice[4] = {false, false, false, false};
    QString answerLetter;
    int answerColumn = 0;
    bool open = false;
};

BankQuestion finishRecord(RecordBuilder& record, const QString& fileName) {
    BankQuestion& question = record.question;
    auto fail = [&](const QString& message) {
        throw BankSourceError(fileName, question.line, 1, message);
    };
    if (question.text.isEmpty())
        fail(QStringLiteral("record has no question text (Q:)"));
    if (!record.hasChoice[0] || !record.hasChoice[1])
        fail(QStringLiteral("record needs at least the choices A and B"));
    if (record.hasChoice[2] != record.hasChoice[3])
        fail(QStringLiteral("record must have two choices (A, B) or four (A to D)"));
    const int choiceCount = record.hasChoice[2] ? 4 : 2;
    for (int index = 0; index < choiceCount; ++index)
        question.choices.append(record.choiceText[index]);
    if (record.answerLetter.isEmpty())
        fail(QStringLiteral("record has no answer (K:)"));
    const std::optional<AnswerCode> code = record.answerLetter.size() == 1
                                               ? answerCodeForLetter(record.answerLetter[0])
                                               : std::nullopt;
    if (!code)
        fail(QStringLiteral("answer '%1' is not one of A, B, C, D").arg(record.answerLetter));
    if (choiceIndex(*code) >= choiceCount)
        throw BankSourceError(fileName, question.line, record.answerColumn,
                              QStringLiteral("answer '%1' does not fit a question with %2 choices")
                                  .arg(record.answerLetter)
                                  .arg(choiceCount));
    question.answerCode = *code;
    return question;
}

enum class Filed { Taken, GivenTwice, UnknownKey };

// Files the value of one "KEY: value" line in the record.
Filed fileValue(RecordBuilder& record, QChar key, const QString& value) {
    BankQuestion& question = record.question;
    const auto once = [&value](QString& field) {
        if (!field.isEmpty())
            return Filed::GivenTwice;
        field = value;
        return Filed::Taken;
    };
    switch (key.unicode()) {
    case 'Q':
        return once(question.text);
    case 'P':
        return once(question.picture);
    case 'A':
    case 'B':
    case 'C':
    case 'D': {
        const int slot = key.unicode() - 'A';
        if (record.hasChoice[slot])
            return Filed::GivenTwice;
        record.hasChoice[slot] = true;
        record.choiceText[slot] = value;
        return Filed::Taken;
    }
    case 'E':
        return once(question.explanation);
    case 'F':
        return once(question.factKey);
    case 'V':
        return once(question.variantNote);
    case 'S':
        question.settledNotes.append(value);
        return Filed::Taken;
    case 'T':
        if (!question.topics.isEmpty())
            return Filed::GivenTwice;
        question.topics = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return Filed::Taken;
    case 'K':
        if (once(record.answerLetter) == Filed::GivenTwice)
            return Filed::GivenTwice;
        record.answerColumn = 4;
        return Filed::Taken;
    default:
        return Filed::UnknownKey;
    }
}

} // namespace

BankSourceError::BankSourceError(const QString& file, int line, int column, const QString& message)
    : std::runtime_error(QStringLiteral("%1:%2:%3: %4")
                             .arg(file)
                             .arg(line)
                             .arg(column)
                             .arg(message)
                             .toStdString()),
      file_(file), line_(line) {}

std::vector<BankQuestion> parseBankText(const QString& text, const ChapterFile& file) {
    const QString& fileName = file.name;
    const int chapter = file.chapter;
    std::vector<BankQuestion> questions;
    RecordBuilder record;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index <= lines.size(); ++index) {
        const int lineNumber = index + 1;
        QString line = index < lines.size() ? lines.at(index) : QString();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            if (record.open)
                questions.push_back(finishRecord(record, fileName));
            record = RecordBuilder();
            continue;
        }
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon != 1 || line.size() < 3 || line.at(2) != QLatin1Char(' '))
            throw BankSourceError(
                fileName, lineNumber, 1,
                QStringLiteral("expected 'KEY: text' with KEY one of Q P A B C D K E F V S T"));
        const QChar key = line.at(0);
        const QString value = line.mid(3).trimmed();
        if (!record.open) {
            record.open = true;
            record.question.chapter = chapter;
            record.question.file = fileName;
            record.question.line = lineNumber;
        }
        if (value.isEmpty())
            throw BankSourceError(fileName, lineNumber, 4,
                                  QStringLiteral("empty value for key '%1'").arg(key));
        switch (fileValue(record, key, value)) {
        case Filed::Taken:
            break;
        case Filed::GivenTwice:
            throw BankSourceError(fileName, lineNumber, 1,
                                  QStringLiteral("key '%1' given twice in one record").arg(key));
        case Filed::UnknownKey:
            throw BankSourceError(fileName, lineNumber, 1,
                                  QStringLiteral("unknown key '%1'").arg(key));
        }
    }
    return questions;
}

namespace {

std::vector<BankQuestion> loadChapterFiles(const QString& folder) {
    std::vector<BankQuestion> questions;
    const QDir dir(folder);
    if (!dir.exists())
        return questions;
    static const QRegularExpression chapterName(
        QStringLiteral("^ch(\\d+)(-[A-Za-z0-9_-]+)?\\.txt$"));
    for (const QString& name :
         dir.entryList({QStringLiteral("ch*.txt")}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = chapterName.match(name);
        const QString path = dir.filePath(name);
        if (!match.hasMatch())
            throw BankSourceError(path, 0, 0,
                                  QStringLiteral("file name must be chN.txt or chN-topic.txt"));
        const int chapter = match.captured(1).toInt();
        std::vector<BankQuestion> parsed =
            parseBankText(readUtf8File(path), ChapterFile{path, chapter});
        questions.insert(questions.end(), parsed.begin(), parsed.end());
    }
    return questions;
}

// Lines of "name value" pairs with comments, as sys_cfg.txt and sysparam.txt hold them.
std::vector<std::pair<QStringList, int>> readPairs(const QString& path) {
    std::vector<std::pair<QStringList, int>> pairs;
    const QStringList lines = readUtf8File(path).split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (fields.size() != 2)
            throw BankSourceError(path, index + 1, 1, QStringLiteral("expected two fields"));
        pairs.emplace_back(fields, index + 1);
    }
    return pairs;
}

int readWholeNumberField(const QString& text, const QString& path, int line, int column) {
    const std::optional<int> number = parseWholeNumber(text);
    if (!number)
        throw BankSourceError(path, line, column,
                              QStringLiteral("'%1' is not a whole number").arg(text));
    return *number;
}

} // namespace

BankSources loadBankSources(const QString& folder) {
    BankSources sources;
    const QDir dir(folder);
    sources.common = loadChapterFiles(dir.filePath(QStringLiteral("common")));
    sources.truck = loadChapterFiles(dir.filePath(QStringLiteral("truck")));

    const QString cfgPath = dir.filePath(QStringLiteral("sys_cfg.txt"));
    for (const auto& [fields, line] : readPairs(cfgPath)) {
        SysCfgRow row;
        row.chapter = readWholeNumberField(fields.at(0), cfgPath, line, 1);
        row.count = readWholeNumberField(fields.at(1), cfgPath, line, int(fields.at(0).size()) + 2);
        row.file = cfgPath;
        row.line = line;
        sources.sysCfg.push_back(row);
    }

    const QString paramPath = dir.filePath(QStringLiteral("sysparam.txt"));
    for (const auto& [fields, line] : readPairs(paramPath)) {
        const int value =
            readWholeNumberField(fields.at(1), paramPath, line, int(fields.at(0).size()) + 2);
        const QString name = fields.at(0);
        if (name == QLatin1String("timer1"))
            sources.sysParam.timer1 = value;
        else if (name == QLatin1String("timer2"))
            sources.sysParam.timer2 = value;
        else if (name == QLatin1String("ifjump"))
            sources.sysParam.ifjump = value;
        else if (name == QLatin1String("ifshow"))
            sources.sysParam.ifshow = value;
        else
            throw BankSourceError(paramPath, line, 1,
                                  QStringLiteral("unknown setting '%1'").arg(name));
    }
    return sources;
}
