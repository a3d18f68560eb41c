// The examination countdown and handing the paper in.
#include "app/main_window.h"
#include "data/data_module.h"
#include "exam/bank_name.h"
#include "exam/countdown_clock.h"
#include "exam/exercise_kind.h"
#include "exam/paper_result.h"
#include "exam/score_message.h"
#include "forms/message_box.h"
#include "forms/widget_setup.h"

#include <QLabel>
#include <QTimer>

void TmainFrm::Timer1Timer() {
    if (ExamMode == ExamMode::SequentialPractice)
        return;
    // A tick still queued after this paper was scored must not hand it in again. The text of
    // the label is no guide: a paper set to less than a minute starts at zero and is handed
    // in at its first tick.
    if (handInCount_ != handInsAtStart_) {
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
    query.setSql(QStringLiteral("select count(a.examid) as rightnum from s_mark a,") +
                 currentBankTable() + QStringLiteral(" b where b.answer=b.mark and a.examid=b.id"));
    query.open();
    const int rightAnswers = query.fieldByName(QStringLiteral("rightnum")).asInteger();
    const QString message = scoreMessage(TotalNum, rightAnswers);
    query.close();
    ++handInCount_;

    PaperResult result;
    result.bank = BankName;
    result.examMode = ExamMode;
    result.paperMode = PaperMode;
    result.startedAt = startedAt_;
    result.handedInAt = QDateTime::currentDateTime();
    result.minutesSet = ParamTimer2;
    result.secondsUsed = countdownSecondsUsed(ParamTimer2, examtime->text());
    result.questionCount = TotalNum;
    result.rightAnswers = rightAnswers;
    result.score = paperScore(rightAnswers);
    result.passed = paperPassed(result.score);
    emit paperHandedIn(result);

    const auto answer =
        MessageBox::show(this, {QStringLiteral("考试成绩"), message, MessageBox::Buttons::YesNo,
                                MessageBox::Icon::None});
    if (answer != MessageBox::Result::Yes)
        return false;
    ExamMode = ExamMode::SequentialPractice;
    emit paperReviewRequested();
    return true;
}
