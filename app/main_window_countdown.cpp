// The examination countdown and handing the paper in.
#include "app/main_window.h"
#include "exam/score_message.h"
#include "forms/error_report.h"
#include "forms/message_box.h"
#include "forms/widget_setup.h"

#include <QLabel>
#include <QTimer>

void TmainFrm::Timer1Timer() {
    switch (exercise_.tick()) {
    case Exercise::Tick::Ignored:
        return;
    case Exercise::Tick::Stopped:
        Timer1->stop();
        return;
    case Exercise::Tick::Running:
        setAutoCaption(examtime, exercise_.countdown());
        return;
    case Exercise::Tick::TimeUp:
        setAutoCaption(examtime, exercise_.countdown());
        Timer1->stop();
        if (!HandInPaper())
            ReturnToStartPanel();
        return;
    }
}

bool TmainFrm::HandInPaper() {
    Timer1->stop();
    const PaperResult result = exercise_.handIn();
    const QString message = scoreMessage(result.questionCount, result.rightAnswers);
    // A paper's record failing must not hide its score: it is reported, and the score follows.
    runHandler([&] { exercise_.recordHandIn(result); });
    emit paperHandedIn(result);

    const auto answer =
        MessageBox::show(this, {QStringLiteral("考试成绩"), message, MessageBox::Buttons::YesNo,
                                MessageBox::Icon::None});
    if (answer != MessageBox::Result::Yes)
        return false;
    exercise_.reviewAfterHandIn();
    emit paperReviewRequested();
    return true;
}
