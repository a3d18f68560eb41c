// The examination countdown and handing the paper in.
#include "app/bank_name.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/widget_setup.h"
#include "data/data_module.h"
#include "exam/countdown_clock.h"
#include "exam/score_message.h"
#include "forms/show_err_form.h"

#include <QLabel>
#include <QTimer>

void TmainFrm::Timer1Timer() {
    if (ExamMode == 0)
        return;
    // A tick still queued after the time ran out must not hand the paper in again.
    if (examtime->text() == kCountdownZero) {
        Timer1->stop();
        return;
    }
    const QString remaining = countdownAfterTick(examtime->text());
    setAutoCaption(examtime, remaining);
    if (remaining != kCountdownZero)
        return;
    Timer1->stop();
    if (!HandInPaper())
        ReturnToStartPanel();
}

bool TmainFrm::HandInPaper() {
    Timer1->stop();
    AdoQuery& query = DM->query1;
    query.close();
    query.setSql(QStringLiteral("select count(a.examid) as rightnum from s_mark a,") + BankName +
                 QStringLiteral(" b where b.answer=b.mark and a.examid=b.id"));
    query.open();
    const int rightAnswers = query.fieldByName(QStringLiteral("rightnum")).asInteger();
    const QString message = scoreMessage(TotalNum, rightAnswers);
    query.close();
    ++handInCount_;
    const auto answer =
        MessageBox::show(this, {QStringLiteral("考试成绩"), message, MessageBox::Buttons::YesNo,
                                MessageBox::Icon::None});
    if (answer != MessageBox::Result::Yes)
        return false;
    ExamMode = 0;
    ShowErrFrm->show();
    return true;
}
