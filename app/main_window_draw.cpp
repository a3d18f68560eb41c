// Drawing a mock paper: per category, random questions that earlier papers of this run have
// not used yet, with the rotation pool in EXAM_TEMP.
#include "app/main_window.h"
#include "data/db_error.h"
#include "exam/bank_name.h"
#include "exam/paper_draw.h"
#include "exam/question_text.h"
#include "forms/message_box.h"

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
        const QString bank = currentBankTable();
        for (; !QryShare.eof(); QryShare.next()) {
            const AdoField chapter = QryShare.fieldByName(QStringLiteral("STZLB1"));
            // An empty category has no number to draw by; the draw fails as a whole.
            if (chapter.isNull())
                throw DbError(QStringLiteral("SYS_CFG holds a row without a category"));
            const int category = chapter.asInteger();
            const QString countText =
                trimBlanks(QryShare.fieldByName(QStringLiteral("STSL")).asString());
            bool isNumber = false;
            const int wanted = countText.toInt(&isNumber);
            if (!isNumber)
                throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(countText));
            drawCategory({QryTemp, QryMark, QryExam}, bank, category, wanted);
        }
        QryExam.close();
        QryExam.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER AS ZQDA FROM ") +
                       bank +
                       QStringLiteral(" where ID in (select EXAMID from S_MARK) order by id"));
        QryExam.open();
        TotalNum = QryExam.recordCount();
        return true;
    } catch (const std::exception&) {
        // A failed draw only means no exercise starts; the learner can try again.
        return false;
    }
}
