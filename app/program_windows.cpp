#include "app/program_windows.h"

#include "forms/error_report.h"

ProgramWindows::ProgramWindows() {
    main.attachConnection(dataModule.ADOConnection1);
    QObject::connect(&main, &TmainFrm::settingsRequested, &systemSet, &TSystemSetFrm::exec);
    QObject::connect(&main, &TmainFrm::paperReviewRequested, &wrongAnswers, &QWidget::show);
    QObject::connect(&wrongAnswers, &TShowErrFrm::closed, &main, &TmainFrm::ReturnToStartPanel);

    sidePanel.setPane(&studyPane);
    StudyPane* pane = &studyPane;
    QObject::connect(&main, &TmainFrm::exerciseStarted, pane, [this](int examMode) {
        studyPane.startExercise(examMode, main.paramIfShow(), main.paramIfJump(),
                                main.exerciseQuestionIds());
    });
    QObject::connect(&main, &TmainFrm::questionShown, pane, &StudyPane::showQuestion);
    QObject::connect(&main, &TmainFrm::answerSaved, pane, [pane](int curId, int answerCode, bool) {
        pane->recordAnswer(curId, answerCode);
    });
    QObject::connect(&main, &TmainFrm::paperHandedIn, pane, [pane] { pane->handIn(); });
    QObject::connect(&main, &TmainFrm::answerRequested, pane,
                     [pane](int, int curId) { pane->requestAnswer(curId); });
    QObject::connect(&main, &TmainFrm::exerciseEnded, pane, &StudyPane::endExercise);
    QObject::connect(&main, &TmainFrm::examTypeChanged, pane, &StudyPane::showBank);
    QObject::connect(pane, &StudyPane::questionChosen, &main,
                     [this](int number) { runHandler([&] { main.goToQuestion(number); }); });
}
