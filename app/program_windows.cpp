#include "app/program_windows.h"

#include "data/sqlite_database.h"
#include "forms/error_report.h"

#include <QPushButton>

ProgramWindows::ProgramWindows()
    : practiceCommands(new PracticeCommands(&main)),
      record([this]() -> SqliteDatabase& { return dataModule.ADOConnection1.database(); }) {
    main.attachConnection(dataModule.ADOConnection1);
    main.setRecorder(recorder);
    QObject::connect(&main, &TmainFrm::settingsRequested, &systemSet, &TSystemSetFrm::exec);
    QObject::connect(&main, &TmainFrm::paperReviewRequested, &wrongAnswers, &QWidget::show);
    QObject::connect(&wrongAnswers, &TShowErrFrm::closed, &main, &TmainFrm::ReturnToStartPanel);
    QObject::connect(&main, &TmainFrm::examTypeChanged, &wrongAnswers, &TShowErrFrm::setBank);

    QObject::connect(
        practiceCommands, &PracticeCommands::chapterPracticeRequested, &main,
        [this](int chapter) { runHandler([&] { main.ChapterPracticeClick(chapter); }); });
    QObject::connect(practiceCommands, &PracticeCommands::wrongBookPracticeRequested, &main,
                     [this] { runHandler([&] { main.WrongBookPracticeClick(); }); });
    QObject::connect(practiceCommands, &PracticeCommands::recordRequested, &record, [this] {
        runHandler([&] {
            record.show();
            record.raise();
        });
    });
    for (QPushButton* button :
         {practiceCommands->chapterButton(), practiceCommands->wrongBookButton(),
          practiceCommands->recordButton()}) {
        sidePanel.addCommand(button);
    }

    sidePanel.setPane(&studyPane);
    StudyPane* pane = &studyPane;
    QObject::connect(&main, &TmainFrm::exerciseStarted, pane,
                     [this] { studyPane.startExercise(main.exercise()); });
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
