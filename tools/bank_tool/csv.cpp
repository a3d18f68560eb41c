#include "tools/bank_tool/csv.h"

#include <QStringDecoder>

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Offset of the first byte that does not start a well-formed UTF-8 sequence (overlong forms,
// surrogates and values past U+10FFFF included), or -1 when the whole text is well formed.
qsizetype firstInvalidUtf8(const QByteArray& bytes, qsizetype from) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype pos = from;
    while (pos < size) {
        const unsigned char lead = data[pos];
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        int length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, codePoint = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, codePoint = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, codePoint = lead & 0x07, smallest = 0x10000;
        } else {
            return pos;
        }
        if (pos + length > size)
            return pos;
        for (int index = 1; index < length; ++index) {
            if ((data[pos + index] & 0xC0) != 0x80)
                return pos;
            codePoint = (codePoint << 6) | (data[pos + index] & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return pos;
        pos += length;
    }
    return -1;
}

// QString::fromUtf8 drops a byte order mark at the start of its input; inside the file that
// character is data (a field may begin with U+FEFF) and must survive.
QString decodeField(const QByteArray& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(text);
}

class CsvReader {
public:
    explicit CsvReader(const QByteArray& bytes) : bytes_(bytes) {}

    std::vector<CsvRecord> read() {
        if (bytes_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
        if (const qsizetype bad = firstInvalidUtf8(bytes_, pos_); bad >= 0) {
            while (pos_ < bad)
                step();
            throw CsvError(
                line_, column_,
                QStringLiteral("the file is not valid UTF-8 text (save it as CSV UTF-8)"));
        }
        std::vector<CsvRecord> records;
        CsvRecord record;
        while (!atEnd()) {
            record.push_back(readField());
            if (atEnd())
                break;
            if (bytes_.at(pos_) == ',') {
                advance();
                if (atEnd())
                    record.push_back(CsvField{QString(), line_, column_});
                continue;
            }
            skipLineBreak(nullptr);
            records.push_back(std::move(record));
            record.clear();
        }
        if (!record.empty())
            records.push_back(std::move(record));
        return records;
    }

private:
    bool atEnd() const { return pos_ >= bytes_.size(); }
    bool isLineBreak() const { return bytes_.at(pos_) == '\r' || bytes_.at(pos_) == '\n'; }

    void advance() {
        if (!isContinuationByte(bytes_.at(pos_)))
            ++column_;
        ++pos_;
    }

    // Moves over one character or one line break, keeping line and column right.
    void step() { isLineBreak() ? skipLineBreak(nullptr) : advance(); }

    void skipLineBreak(QByteArray* keep) {
        const qsizetype start = pos_;
        if (bytes_.at(pos_) == '\r' && pos_ + 1 < bytes_.size() && bytes_.at(pos_ + 1) == '\n')
            ++pos_;
        ++pos_;
        if (keep)
            keep->append(bytes_.constData() + start, pos_ - start);
        ++line_;
        column_ = 1;
    }

    CsvField readField() {
        CsvField field{QString(), line_, column_};
        QByteArray text;
        if (bytes_.at(pos_) == '"')
            readQuoted(text);
        else
            readPlain(text);
        field.text = decodeField(text);
        return field;
    }

    void readQuoted(QByteArray& text) {
        const int openLine = line_;
        const int openColumn = column_;
        advance();
        for (;;) {
            if (atEnd())
                throw CsvError(openLine, openColumn,
                               QStringLiteral("the quoted field that starts here is never closed"));
            const char byte = bytes_.at(pos_);
            if (byte == '"') {
                advance();
                if (atEnd() || bytes_.at(pos_) != '"')
                    break;
                text.append('"');
                advance();
            } else if (byte == '\r' || byte == '\n') {
                skipLineBreak(&text);
            } else {
                text.append(byte);
                advance();
            }
        }
        if (!atEnd() && bytes_.at(pos_) != ',' && !isLineBreak())
            throw CsvError(
                line_, column_,
                QStringLiteral("expected a comma or a line break after the closing "
                               "quote (a quote inside a quoted field is written twice)"));
    }

    void readPlain(QByteArray& text) {
        const qsizetype start = pos_;
        while (!atEnd() && bytes_.at(pos_) != ',' && !isLineBreak()) {
            if (bytes_.at(pos_) == '"')
                throw CsvError(line_, column_,
                               QStringLiteral("a quote inside a field without quotes (quote the "
                                              "whole field and write the quote twice)"));
            advance();
        }
        text = bytes_.mid(start, pos_ - start);
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int column_ = 1;
};

bool needsQuotes(const QString& field) {
    for (const QChar character : field) {
        const char16_t code = character.unicode();
        if (code == u',' || code == u'"' || code == u'\r' || code == u'\n')
            return true;
    }
    return false;
}

} // namespace

CsvError::CsvError(int line, int column, const QString& message)
    : std::runtime_error(
          QStringLiteral("%1:%2: %3").arg(line).arg(column).arg(message).toStdString()),
      line_(line), column_(column), message_(message) {}

std::vector<CsvRecord> parseCsv(const QByteArray& bytes) {
    return CsvReader(bytes).read();
}

QByteArray writeCsv(const std::vector<QStringList>& records) {
    QString text;
    for (const QStringList& record : records) {
        for (qsizetype index = 0; index < record.size(); ++index) {
            if (index > 0)
                text += QLatin1Char(',');
            const QString& field = record.at(index);
            if (needsQuotes(field)) {
                QString quoted = field;
                quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
                text += QLatin1Char('"') + quoted + QLatin1Char('"');
            } else {
                text += field;
            }
        }
        text += QLatin1String("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
