#include "app/fixed_border.h"
#include "app/program_lock.h"
#include "app/program_windows.h"
#include "app/test_driver.h"
#include "app/xundral_application.h"

int main(int argc, char* argv[]) {
    XundralApplication app(argc, argv);
    answerBoxesForTestsIfAsked();
    // Held until the program ends, so that no second program and no bank tool writes to the
    // database under this one.
    const auto lock = lockExamDatabase();
    if (!lock)
        return 1;
    ProgramWindows windows;
    showFixedFillingTheScreen(windows.main);
    startTestDriverIfAsked(windows.main);
    return XundralApplication::exec();
}
