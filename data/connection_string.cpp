#include "data/connection_string.h"

#include "data/db_error.h"

#include <QStringList>

ConnectionParams parseConnectionString(const QString& connectionString) {
    ConnectionParams params;
    const QStringList parts = connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = part.left(equals).trimmed().toLower();
        const QString value = part.mid(equals + 1).trimmed();
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
    return QStringLiteral("Provider=%1;Jet OLEDB:Database Password=%2;Data Source=%3db/"
                          "exam.mdb;Persist Security Info=true")
        .arg(QLatin1String(kJetProvider), QLatin1String(kExamDatabasePassword), dir);
}
