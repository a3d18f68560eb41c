#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// One field as read, with the place where it starts so that later checks can point at it.
// Lines count CRLF, LF and a lone CR alike; columns count characters, both from 1.
struct CsvField {
    QString text;
    int line = 0;
    int column = 0;
};
using CsvRecord = std::vector<CsvField>;

class CsvError : public std::runtime_error {
public:
    CsvError(int line, int column, const QString& message);
    int line() const { return line_; }
    int column() const { return column_; }
    QString message() const { return message_; }

private:
    int line_;
    int column_;
    QString message_;
};

// Reads RFC 4180 text: fields separated by commas, records by CRLF, LF or CR; a field in
// double quotes may hold commas, line breaks (kept as written) and doubled quotes. A leading
// UTF-8 byte order mark is dropped; the line break after the last record is optional. An
// empty line is a record with one empty field. Throws CsvError at the first fault.
std::vector<CsvRecord> parseCsv(const QByteArray& bytes);

// UTF-8 with a byte order mark, CRLF after every record; fields are quoted only when they
// hold a comma, a quote or a line break.
QByteArray writeCsv(const std::vector<QStringList>& records);
