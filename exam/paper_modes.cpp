// Mock practice and mock exam: a drawn paper against the clock.
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/widget_setup.h"
#include "exam/countdown_clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

void TmainFrm::BitBtn3Click() {
    if (!MessageBox::confirm(this, QStringLiteral("您想重新开始模拟练习吗？")))
        return;
    ExamMode = 10;
    PaperMode = 1;
    ResetExercise();
    if (!DrawPaper())
        return;
    TotalNum = QryExam.recordCount();
    CurNum = 1;
    QryExam.first();
    ShowQuestion();
    Timer1->start();
    GroupBox2->show();
    ShowAnswerButtons();
    setAutoCaption(examtime, countdownStartText(ParamTimer2));
}

void TmainFrm::BitBtn4Click() {
    if (!MessageBox::confirm(this, QStringLiteral("您想重新开始开始模拟试题吗？")))
        return;
    ExamMode = 1;
    PaperMode = 1;
    ResetExercise();
    if (!DrawPaper())
        return;
    CurNum = 1;
    QryExam.first();
    ShowQuestion();
    Timer1->start();
    ShowAnswerButtons();
    ParamIfShow = 0;
    setAutoCaption(examtime, countdownStartText(ParamTimer2));
}
