// Feeds arbitrary bytes to the CSV reader. It must either refuse them with a CsvError or read
// records that survive being written and read again unchanged.
#include "tools/bank_tool/csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<CsvRecord> records;
    try {
        records = parseCsv(bytes);
    } catch (const CsvError& error) {
        if (error.line() < 1 || error.column() < 1)
            std::abort();
        return 0;
    }
    std::vector<QStringList> texts;
    for (const CsvRecord& record : records) {
        QStringList fields;
        for (const CsvField& field : record) {
            if (field.line < 1 || field.column < 1)
                std::abort();
            fields.append(field.text);
        }
        texts.push_back(fields);
    }
    const std::vector<CsvRecord> again = parseCsv(writeCsv(texts));
    if (again.size() != records.size())
        std::abort();
    for (std::size_t index = 0; index < again.size(); ++index) {
        QStringList fields;
        for (const CsvField& field : again[index])
            fields.append(field.text);
        if (fields != texts[index])
            std::abort();
    }
    return 0;
}
