// Mock practice and mock exam: a drawn paper against the clock.
#include "app/main_window.h"
#include "forms/message_box.h"
#include "forms/widget_setup.h"

#include <QLabel>
#include <QScopeGuard>
#include <QTimer>

void TmainFrm::BitBtn3Click() {
    startPaper(kMockPractice);
}

void TmainFrm::BitBtn4Click() {
    startPaper(kMockExam);
}

void TmainFrm::startPaper(const PaperExercise& paper) {
    if (!MessageBox::confirm(this, QString::fromUtf16(paper.confirmation)))
        return;
    startOrReturn([&] {
        ResetExercise(paper.examMode, PaperMode::DrawnPaper);
        if (!DrawPaper())
            return false;
        beginExercise();
        ShowQuestion();
        Timer1->start();
        ShowAnswerButtons();
        if (!paper.showsVerdict)
            exercise_.hideVerdicts();
        setAutoCaption(examtime, exercise_.countdown());
        return true;
    });
}

void TmainFrm::startOrReturn(const std::function<bool()>& start) {
    // Until the list is in place the question panel shows only the waiting line, and the
    // question list may still be the previous exercise's: whatever fails on the way (the
    // settings, clearing the answers, the draw, a full disk), by its own message or by an
    // error on its way to the error report, leaves the start panel in front.
    bool settled = false;
    const auto backToStart = qScopeGuard([&] {
        if (!settled)
            ReturnToStartPanel();
    });
    settled = start();
}

void TmainFrm::beginExercise() {
    exercise_.begin();
    emit exerciseStarted(exercise_.mode());
}
