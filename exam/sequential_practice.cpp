// Sequential practice through the whole bank, and ending any exercise.
#include "app/bank_name.h"
#include "app/main_window.h"
#include "app/message_box.h"

#include <QGroupBox>
#include <QTimer>

void TmainFrm::BitBtn1Click() {
    if (!MessageBox::confirm(this, QStringLiteral("您想重新开始顺序抽题训练吗？")))
        return;
    ExamMode = 0;
    PaperMode = 0;
    ResetExercise();
    QryExam.close();
    QryExam.setSql(QStringLiteral("SELECT ID,TP,STNR,DA1,DA2,DA3,DA4,ANSWER FROM ") + BankName +
                   QStringLiteral(" order by STLB,STZLB1,STLX,STBH"));
    QryExam.open();
    TotalNum = QryExam.recordCount();
    CurNum = 1;
    ShowAnswerButtons();
    ShowQuestion();
    ShowChoice(CurMark);
    Timer1->start();
    GroupBox2->setFocus();
}

void TmainFrm::endbtnClick() {
    const QString question = ExamMode == 0 ? QStringLiteral("您想中断现在的训练吗？")
                                           : QStringLiteral("您想提前交卷吗？");
    const int handInsBefore = handInCount_;
    if (!MessageBox::confirm(this, question))
        return;
    // The countdown may have run out under the confirmation; that hand-in has already
    // decided what the window shows.
    if (handInCount_ != handInsBefore)
        return;
    if (ExamMode != 0 && HandInPaper())
        return;
    GroupBox1->show();
    GroupBox2->hide();
    Timer1->stop();
}
