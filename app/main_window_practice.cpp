// Practice on part of the bank: one chapter, or the questions of the wrong-question book. Both
// run as sequential practice does (counters, settings, end key); only the question list differs.
#include "app/main_window.h"
#include "data/data_module.h"
#include "data/learning_record.h"
#include "data/sqlite_database.h"
#include "exam/bank_name.h"
#include "exam/exercise_kind.h"
#include "forms/message_box.h"

#include <QGroupBox>
#include <QTimer>

namespace {

const QString kQuestionColumns = QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER FROM ");

} // namespace

void TmainFrm::ChapterPracticeClick(int chapter) {
    if (chapter < 1 || chapter > 4)
        return;
    if (!MessageBox::confirm(this, QStringLiteral("您想开始第%1章的章节练习吗？").arg(chapter)))
        return;
    ExamMode = ExamMode::SequentialPractice;
    PaperMode = PaperMode::WholeBank;
    ResetExercise();
    QryExam.close();
    QryExam.setSql(kQuestionColumns + currentBankTable() +
                   QStringLiteral(" WHERE STZLB1 = ? order by STLB,STZLB1,STLX,STBH"));
    QryExam.bind(1, chapter);
    QryExam.open();
    startPracticeList();
}

void TmainFrm::WrongBookPracticeClick() {
    SqliteDatabase& database = DM->ADOConnection1.database();
    const std::vector<int> ids = bookQuestionIds(database, currentBankTable());
    if (ids.empty()) {
        MessageBox::show(this,
                         {QStringLiteral("信息提示"),
                          QStringLiteral("错题本里还没有题目。练习和考试中答错的题会记入错题本，"
                                         "连续答对两次后移出。"),
                          MessageBox::Buttons::Ok, MessageBox::Icon::None});
        return;
    }
    if (!MessageBox::confirm(
            this, QStringLiteral("您想开始错题练习吗？错题本中共有%1道题。").arg(ids.size())))
        return;
    ExamMode = ExamMode::SequentialPractice;
    PaperMode = PaperMode::WholeBank;
    ResetExercise();
    // The book's order (most often wrong first) lives in a temporary table of this connection,
    // so the question list can follow it without writing to the learner's file.
    database.execScript(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS PRACTICE_ORDER "
                                       "(POS INTEGER PRIMARY KEY, ID INTEGER);"
                                       "DELETE FROM temp.PRACTICE_ORDER;"));
    {
        SqliteStatement insert(
            database, QStringLiteral("INSERT INTO temp.PRACTICE_ORDER (POS, ID) VALUES (?, ?)"));
        int position = 0;
        for (const int id : ids) {
            insert.reset();
            insert.bind(1, ++position);
            insert.bind(2, id);
            insert.step();
        }
    }
    QryExam.close();
    QryExam.setSql(QStringLiteral("SELECT b.ID,b.TP,b.STNR,b.DA1,b.DA2,b.DA3,b.DA4,b.ANSWER "
                                  "FROM ") +
                   currentBankTable() +
                   QStringLiteral(" b, temp.PRACTICE_ORDER o WHERE b.ID = o.ID ORDER BY o.POS"));
    QryExam.open();
    startPracticeList();
}

void TmainFrm::startPracticeList() {
    TotalNum = QryExam.recordCount();
    if (TotalNum == 0) {
        ReturnToStartPanel();
        MessageBox::show(this, {QStringLiteral("信息提示"), QStringLiteral("这部分没有试题。"),
                                MessageBox::Buttons::Ok, MessageBox::Icon::None});
        return;
    }
    beginExercise();
    CurNum = 1;
    ShowAnswerButtons();
    ShowQuestion();
    ShowChoice(CurMark);
    Timer1->start();
    GroupBox2->setFocus();
}
