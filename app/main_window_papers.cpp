// Mock practice and mock exam: a drawn paper against the clock.
#include "app/main_window.h"
#include "exam/countdown_clock.h"
#include "exam/exercise_kind.h"
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

void TmainFrm::startPaper(const PaperExercise& exercise) {
    if (!MessageBox::confirm(this, QString::fromUtf16(exercise.confirmation)))
        return;
    ExamMode = exercise.examMode;
    PaperMode = PaperMode::DrawnPaper;
    ResetExercise();
    // Until the paper is drawn the question panel shows only the waiting line, and the
    // question list is still the previous exercise's: a draw that fails, by its own message
    // or by a database error on its way to the error report, must leave nothing there that a
    // key could answer or score.
    bool drawn = false;
    const auto backToStart = qScopeGuard([&] {
        if (!drawn)
            ReturnToStartPanel();
    });
    drawn = DrawPaper();
    if (!drawn)
        return;
    beginExercise();
    CurNum = 1;
    QryExam.first();
    ShowQuestion();
    Timer1->start();
    ShowAnswerButtons();
    if (!exercise.showsVerdict)
        ParamIfShow = 0;
    setAutoCaption(examtime, countdownStartText(ParamTimer2));
}

void TmainFrm::beginExercise() {
    startedAt_ = QDateTime::currentDateTime();
    handInsAtStart_ = handInCount_;
    emit exerciseStarted(ExamMode);
}
