// Feeds arbitrary text to the connection-string parser, and arbitrary program folders to the
// builder of the program's own connection string: parsing must refuse with a DbError or
// return the Jet provider, and the program's own string must name its own database.
#include "data/connection_string.h"
#include "data/db_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const ConnectionParams params = parseConnectionString(text);
        if (params.provider.compare(QLatin1String(kJetProvider), Qt::CaseInsensitive) != 0)
            std::abort();
    } catch (const DbError&) {
    }

    // Any folder a file system can hold: no NUL, and a name of reasonable length.
    if (text.contains(QChar(0)) || text.isEmpty())
        return 0;
    const ConnectionParams own = parseConnectionString(examConnectionString(text));
    QString expected = text;
    if (!expected.endsWith(QLatin1Char('/')))
        expected += QLatin1Char('/');
    if (own.dataSource != expected + QStringLiteral("db/exam.mdb") ||
        own.password != QLatin1String(kExamDatabasePassword))
        std::abort();
    return 0;
}
