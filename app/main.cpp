#include "app/database_place.h"
#include "app/fixed_border.h"
#include "app/program_lock.h"
#include "app/program_windows.h"
#include "app/quit_signals.h"
#include "app/shipped_bank.h"
#include "app/test_driver.h"
#include "app/xundral_application.h"
#include "data/database_opening.h"
#include "exam/study_texts.h"
#include "forms/error_report.h"

int main(int argc, char* argv[]) {
    XundralApplication app(argc, argv);
    // From here a logout or a closed terminal ends the program the usual way, through the
    // destructors below: the windows close the database, then the lock is given up.
    const QuitSignals quitSignals;
    answerBoxesForTestsIfAsked();
    // Held until the program ends, so that no second program and no bank tool writes to the
    // database under this one.
    const auto lock = lockExamDatabase();
    if (!lock)
        return 1;
    // Before anything opens the file: a newer shipped bank comes in whole or not at all, and a
    // failure is reported while the learner goes on with the bank the file holds.
    BankUpdate bankUpdate;
    runHandler([&] { bankUpdate = bringInNewerShippedBank(); });
    // Its key is derived while the windows are built.
    std::unique_ptr<DatabaseOpening> opening = beginOpeningExamDatabase();
    ProgramWindows windows;
    windows.dataModule.ADOConnection1.adoptOpening(std::move(opening));
    if (bankUpdate.updated)
        windows.studyPane.setStartNotice(
            bankUpdateLine(bankUpdate.version, bankUpdate.newQuestions));
    showFixedFillingTheScreen(windows.main);
    startTestDriverIfAsked(windows.main);
    return XundralApplication::exec();
}
