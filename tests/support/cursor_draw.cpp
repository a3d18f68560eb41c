#include "tests/support/cursor_draw.h"

#include "data/ado_connection.h"
#include "data/bank_table.h"
#include "data/db_error.h"
#include "exam/paper_draw.h"

bool drawPaper(AdoQuery& settings, const DrawQueries& queries, const QString& bankName,
               DrawPoolModel* model) {
    if (!settings.connection())
        throw DbError(QStringLiteral("Missing Connection or ConnectionString"));
    if (!drawPaper(settings.connection()->database(), bankName, model))
        return false;
    AdoQuery& paper = queries.bank;
    paper.close();
    paper.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER AS ZQDA FROM ") +
                 bankTable(bankName) +
                 QStringLiteral(" where ID in (select EXAMID from S_MARK) order by id"));
    paper.open();
    return true;
}
