#include "data/connection_string.h"

#include "data/db_error.h"

#include <optional>

namespace {

// OLE DB's rules: pairs separated by semicolons; a value may be put in double or single quotes,
// inside which a semicolon is text and the quote is written twice. Unquoted values are trimmed.
class PairReader {
public:
    explicit PairReader(const QString& text) : text_(text) {}

    struct Pair {
        QString key;
        QString value;
    };

    // The next pair; nothing once the text is read.
    std::optional<Pair> next() {
        while (pos_ < text_.size()) {
            const qsizetype end = text_.indexOf(QLatin1Char(';'), pos_);
            const qsizetype equals = text_.indexOf(QLatin1Char('='), pos_);
            if (equals < 0 || (end >= 0 && end < equals)) {
                // A part without '=' says nothing.
                pos_ = end < 0 ? text_.size() : end + 1;
                continue;
            }
            Pair pair;
            pair.key = text_.mid(pos_, equals - pos_).trimmed().toLower();
            pos_ = equals + 1;
            pair.value = readValue();
            return pair;
        }
        return std::nullopt;
    }

private:
    QString readValue() {
        while (pos_ < text_.size() && text_.at(pos_).isSpace() &&
               text_.at(pos_) != QLatin1Char(';'))
            ++pos_;
        if (pos_ < text_.size() &&
            (text_.at(pos_) == QLatin1Char('"') || text_.at(pos_) == QLatin1Char('\''))) {
            const QChar quote = text_.at(pos_++);
            QString value;
            while (pos_ < text_.size()) {
                const QChar character = text_.at(pos_++);
                if (character != quote) {
                    value += character;
                } else if (pos_ < text_.size() && text_.at(pos_) == quote) {
                    value += quote;
                    ++pos_;
                } else {
                    break;
                }
            }
            // Anything between the closing quote and the semicolon is ignored.
            const qsizetype end = text_.indexOf(QLatin1Char(';'), pos_);
            pos_ = end < 0 ? text_.size() : end + 1;
            return value;
        }
        const qsizetype end = text_.indexOf(QLatin1Char(';'), pos_);
        QString value = text_.mid(pos_, end < 0 ? -1 : end - pos_).trimmed();
        pos_ = end < 0 ? text_.size() : end + 1;
        return value;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

// A path is written as it is unless the reader would cut or trim it.
QString quotedIfNeeded(const QString& value) {
    const bool plain = !value.contains(QLatin1Char(';')) && value == value.trimmed() &&
                       !value.startsWith(QLatin1Char('"')) && !value.startsWith(QLatin1Char('\''));
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

ConnectionParams parseConnectionString(const QString& connectionString) {
    ConnectionParams params;
    PairReader reader(connectionString);
    while (const std::optional<PairReader::Pair> pair = reader.next()) {
        const QString& key = pair->key;
        const QString& value = pair->value;
        if (key == QLatin1String("provider"))
            params.provider = value;
        else if (key == QLatin1String("jet oledb:database password"))
            params.password = value;
        else if (key == QLatin1String("data source"))
            params.dataSource = value;
    }
    if (params.provider.compare(QLatin1String(kJetProvider), Qt::CaseInsensitive) != 0)
        throw DbError(QStringLiteral("Provider cannot be found"));
    return params;
}

QString examConnectionString(const QString& programDir) {
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return QStringLiteral("Provider=%1;Jet OLEDB:Database Password=%2;Data Source=%3;"
                          "Persist Security Info=true")
        .arg(QLatin1String(kJetProvider), QLatin1String(kExamDatabasePassword),
             quotedIfNeeded(dir + QStringLiteral("db/exam.mdb")));
}
