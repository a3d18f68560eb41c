#include "exam/paper_draw.h"

#include "data/ado_query.h"
#include "exam/paper_random.h"

#include <algorithm>

void drawCategory(const DrawQueries& queries, const QString& bankTable, int category, int wanted) {
    const QString chapter = QString::number(category);
    AdoQuery& pool = queries.pool;
    pool.close();
    pool.setSql(QStringLiteral("select count(*) as countnum from exam_temp where STZLB1=") +
                chapter);
    pool.open();
    const int pooled = pool.fieldByName(QStringLiteral("countnum")).asInteger();
    pool.close();

    AdoQuery& bank = queries.bank;
    bank.close();
    bank.setSql(QStringLiteral("SELECT MIN(ID) as BASEID,COUNT(ID) as RANDNUM FROM ") + bankTable +
                QStringLiteral(" WHERE STZLB1=") + chapter);
    bank.open();
    const int baseId = bank.fieldByName(QStringLiteral("BASEID")).asInteger();
    const int size = bank.fieldByName(QStringLiteral("RANDNUM")).asInteger();

    // A category asking for more than it holds gets all it has, an empty one nothing, so the
    // loop below always ends.
    const int target = std::min(wanted, size);
    PaperRandom random(chapter);
    int drawn = 0;
    while (drawn < target) {
        const int candidate = baseId + random.offset(size);
        if (pooled + drawn >= size) {
            pool.close();
            pool.setSql(QStringLiteral("delete from exam_temp where STZLB1=") + chapter +
                        QStringLiteral(" AND EXAMID NOT IN(SELECT EXAMID FROM S_MARK)"));
            pool.execSql();
        }
        AdoQuery& taken = queries.taken;
        taken.close();
        taken.setSql(QStringLiteral("SELECT * FROM EXAM_TEMP WHERE EXAMID=") +
                     QString::number(candidate) + QStringLiteral(" AND STZLB1=") + chapter);
        taken.open();
        if (!taken.eof())
            continue;
        pool.close();
        pool.setSql(QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (") +
                    QString::number(candidate) + QStringLiteral(")"));
        pool.execSql();
        pool.setSql(QStringLiteral("INSERT INTO EXAM_TEMP(EXAMID,STZLB1) VALUES (") +
                    QString::number(candidate) + QStringLiteral(",") + chapter +
                    QStringLiteral(")"));
        pool.execSql();
        ++drawn;
    }
}
