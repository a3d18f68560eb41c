#include "app/program_windows.h"

#include "data/sqlite_database.h"
#include "forms/error_report.h"

#include <QCoreApplication>
#include <QPushButton>

ProgramWindows::ProgramWindows()
    : practiceCommands(new PracticeCommands(&main)),
      record([this]() -> SqliteDatabase& { return dataModule.ADOConnection1.database(); }) {
    main.attachConnection(dataModule.ADOConnection1);
    recorder.setPracticeMemory(&practiceMemory);
    main.setRecorder(recorder);
    main.setPracticeMemory(practiceMemory);
    QObject::connect(&main, &TmainFrm::settingsRequested, &systemSet, &TSystemSetFrm::exec);
    QObject::connect(&main, &TmainFrm::paperReviewRequested, &wrongAnswers, &QWidget::show);
    QObject::connect(&wrongAnswers, &TShowErrFrm::closed, &main, &TmainFrm::ReturnToStartPanel);
    QObject::connect(&main, &TmainFrm::examTypeChanged, &wrongAnswers, &TShowErrFrm::setBank);

    PracticeCommands* commands = practiceCommands;
    const auto handle = [this](void (TmainFrm::*handler)()) {
        return [this, handler] { runHandler([&] { (main.*handler)(); }); };
    };
    QObject::connect(commands, &PracticeCommands::resumeRequested, &main,
                     handle(&TmainFrm::ResumePracticeClick));
    QObject::connect(
        commands, &PracticeCommands::chapterPracticeRequested, &main,
        [this](int chapter) { runHandler([&] { main.ChapterPracticeClick(chapter); }); });
    QObject::connect(commands, &PracticeCommands::randomPracticeRequested, &main,
                     handle(&TmainFrm::RandomPracticeClick));
    QObject::connect(
        commands, &PracticeCommands::topicPracticeRequested, &main,
        [this](const QString& topic) { runHandler([&] { main.TopicPracticeClick(topic); }); });
    QObject::connect(
        commands, &PracticeCommands::kindPracticeRequested, &main,
        [this](QuestionKind kind) { runHandler([&] { main.KindPracticeClick(kind); }); });
    QObject::connect(commands, &PracticeCommands::wrongBookPracticeRequested, &main,
                     handle(&TmainFrm::WrongBookPracticeClick));
    QObject::connect(commands, &PracticeCommands::mostMissedPracticeRequested, &main,
                     handle(&TmainFrm::MostMissedPracticeClick));
    QObject::connect(commands, &PracticeCommands::favouritesPracticeRequested, &main,
                     handle(&TmainFrm::FavouritesPracticeClick));
    QObject::connect(commands, &PracticeCommands::reviewPracticeRequested, &main,
                     handle(&TmainFrm::ReviewPracticeClick));
    QObject::connect(commands, &PracticeCommands::recordRequested, &record, [this] {
        runHandler([&] {
            record.show();
            record.raise();
        });
    });
    QObject::connect(commands, &PracticeCommands::helpRequested, &additionsHelp,
                     &AdditionsHelp::popUp);
    for (QPushButton* button : commands->buttons())
        sidePanel.addCommand(button);
    // The place in a kept practice follows every question shown, and is written when the
    // practice ends or the program closes (and with every answer).
    QObject::connect(&main, &TmainFrm::questionShown, &main, [this](int curNum, int curId) {
        practiceMemory.questionShown(curNum, curId);
    });
    QObject::connect(&main, &TmainFrm::exerciseEnded, &main,
                     [this] { runHandler([&] { savePracticePosition(); }); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &main,
                     [this] { runHandler([&] { savePracticePosition(); }); });

    readAloud = new ReadAloud(main, dataModule.ADOConnection1, *practiceCommands);

    sidePanel.setPane(&studyPane);
    StudyPane* pane = &studyPane;
    QObject::connect(&main, &TmainFrm::exerciseStarted, pane,
                     [this] { studyPane.startExercise(main.exercise(), main.practiceTitle()); });
    QObject::connect(&main, &TmainFrm::favouriteChanged, pane, [this](int curId, bool marked) {
        studyPane.markFavourite(curId, marked);
        if (!studyPane.isVisible())
            main.showFavouriteNotice(marked);
    });
    QObject::connect(&main, &TmainFrm::questionShown, pane, &StudyPane::showQuestion);
    QObject::connect(
        &main, &TmainFrm::answerSaved, pane,
        [pane](int curId, AnswerCode answerCode, bool) { pane->recordAnswer(curId, answerCode); });
    QObject::connect(&main, &TmainFrm::paperHandedIn, pane, [pane] { pane->handIn(); });
    QObject::connect(&main, &TmainFrm::answerRequested, pane,
                     [pane](int, int curId) { pane->requestAnswer(curId); });
    QObject::connect(&main, &TmainFrm::exerciseEnded, pane, &StudyPane::endExercise);
    QObject::connect(&main, &TmainFrm::examTypeChanged, pane, &StudyPane::showBank);
    QObject::connect(pane, &StudyPane::questionChosen, &main,
                     [this](int number) { runHandler([&] { main.goToQuestion(number); }); });
}

ProgramWindows::~ProgramWindows() {
    try {
        savePracticePosition();
    } catch (const std::exception& error) {
        // No window is left to report it in; the place saved with the last answer stays.
        qWarning("practice place not saved: %s", error.what());
    }
}

void ProgramWindows::savePracticePosition() {
    if (dataModule.ADOConnection1.connected())
        practiceMemory.savePosition(dataModule.ADOConnection1.database(),
                                    QDateTime::currentDateTime());
}
