#include "app/program_windows.h"

ProgramWindows::ProgramWindows() {
    main.attachConnection(dataModule.ADOConnection1);
    QObject::connect(&main, &TmainFrm::settingsRequested, &systemSet, &TSystemSetFrm::exec);
    QObject::connect(&main, &TmainFrm::paperReviewRequested, &wrongAnswers, &QWidget::show);
    QObject::connect(&wrongAnswers, &TShowErrFrm::closed, &main, &TmainFrm::ReturnToStartPanel);
}
