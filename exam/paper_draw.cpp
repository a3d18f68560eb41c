// Drawing a mock paper: per category, random questions that earlier papers of this run have
// not used yet, with the rotation pool in EXAM_TEMP.
#include "app/bank_name.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "data/db_error.h"
#include "exam/paper_random.h"
#include "exam/question_text.h"

#include <algorithm>
#include <exception>

bool TmainFrm::DrawPaper() {
    try {
        QryShare.close();
        QryShare.setSql(QStringLiteral("delete from s_mark"));
        QryShare.execSql();
        QryShare.close();
        QryShare.clearSql();
        QryShare.setSql(QStringLiteral("SELECT STZLB1,STSL FROM SYS_CFG WHERE STSL > 0 "));
        QryShare.open();
        if (QryShare.eof()) {
            MessageBox::show(this, {QStringLiteral("错误"), QStringLiteral("试题提取数尚未设置!"),
                                    MessageBox::Buttons::Ok, MessageBox::Icon::Error});
            return false;
        }
        while (!QryShare.eof()) {
            const QString category = QryShare.fieldByName(QStringLiteral("STZLB1")).asString();
            int drawn = 0;

            QryTemp.close();
            QryTemp.setSql(
                QStringLiteral("select count(*) as countnum from exam_temp where STZLB1=") +
                category);
            QryTemp.open();
            const int pooled = QryTemp.fieldByName(QStringLiteral("countnum")).asInteger();
            QryTemp.close();

            const QString countText =
                trimBlanks(QryShare.fieldByName(QStringLiteral("STSL")).asString());
            bool isNumber = false;
            const int wanted = countText.toInt(&isNumber);
            if (!isNumber)
                throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(countText));

            QryExam.close();
            QryExam.setSql(QStringLiteral("SELECT MIN(ID) as BASEID,COUNT(ID) as RANDNUM FROM ") +
                           BankName + QStringLiteral(" WHERE STZLB1=") + category);
            QryExam.open();
            const int baseId = QryExam.fieldByName(QStringLiteral("BASEID")).asInteger();
            const int size = QryExam.fieldByName(QStringLiteral("RANDNUM")).asInteger();

            // A category asking for more than it holds gets all it has, an empty one nothing,
            // so the loop below always ends.
            const int target = std::min(wanted, size);
            PaperRandom random(category);
            while (drawn < target) {
                const int candidate = baseId + random.offset(size);
                if (pooled + drawn >= size) {
                    QryTemp.close();
                    QryTemp.setSql(QStringLiteral("delete from exam_temp where STZLB1=") +
                                   category +
                                   QStringLiteral(" AND EXAMID NOT IN(SELECT EXAMID FROM S_MARK)"));
                    QryTemp.execSql();
                }
                QryMark.close();
                QryMark.setSql(QStringLiteral("SELECT * FROM EXAM_TEMP WHERE EXAMID=") +
                               QString::number(candidate) + QStringLiteral(" AND STZLB1=") +
                               category);
                QryMark.open();
                if (!QryMark.eof())
                    continue;
                QryTemp.close();
                QryTemp.setSql(QStringLiteral("INSERT INTO S_MARK (EXAMID) VALUES (") +
                               QString::number(candidate) + QStringLiteral(")"));
                QryTemp.execSql();
                QryTemp.setSql(QStringLiteral("INSERT INTO EXAM_TEMP(EXAMID,STZLB1) VALUES (") +
                               QString::number(candidate) + QStringLiteral(",") + category +
                               QStringLiteral(")"));
                QryTemp.execSql();
                ++drawn;
            }
            QryShare.next();
        }
        QryExam.close();
        QryExam.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER AS ZQDA FROM ") +
                       BankName +
                       QStringLiteral(" where ID in (select EXAMID from S_MARK) order by id"));
        QryExam.open();
        TotalNum = QryExam.recordCount();
        return true;
    } catch (const std::exception&) {
        // A failed draw only means no exercise starts; the learner can try again.
        return false;
    }
}
