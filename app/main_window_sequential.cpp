// Sequential practice through the whole bank, and ending any exercise.
#include "app/main_window.h"
#include "exam/bank_name.h"
#include "exam/exercise_kind.h"
#include "forms/message_box.h"

#include <QGroupBox>
#include <QTimer>

void TmainFrm::BitBtn1Click() {
    if (!MessageBox::confirm(this, QStringLiteral("您想重新开始顺序抽题训练吗？")))
        return;
    ExamMode = ExamMode::SequentialPractice;
    PaperMode = PaperMode::WholeBank;
    ResetExercise();
    QryExam.close();
    QryExam.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER FROM ") +
                   currentBankTable() + QStringLiteral(" order by STLB,STZLB1,STLX,STBH"));
    QryExam.open();
    TotalNum = QryExam.recordCount();
    beginExercise();
    CurNum = 1;
    ShowAnswerButtons();
    ShowQuestion();
    ShowChoice(CurMark);
    Timer1->start();
    GroupBox2->setFocus();
}

void TmainFrm::endbtnClick() {
    const QString question = ExamMode == ExamMode::SequentialPractice
                                 ? QStringLiteral("您想中断现在的训练吗？")
                                 : QStringLiteral("您想提前交卷吗？");
    const int handInsBefore = handInCount_;
    if (!MessageBox::confirm(this, question))
        return;
    // The countdown may have run out under the confirmation; that hand-in has already
    // decided what the window shows.
    if (handInCount_ != handInsBefore)
        return;
    if (ExamMode != ExamMode::SequentialPractice && HandInPaper())
        return;
    ReturnToStartPanel();
}
