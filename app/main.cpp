#include "app/program_windows.h"
#include "app/test_driver.h"
#include "app/xundral_application.h"

int main(int argc, char* argv[]) {
    XundralApplication app(argc, argv);
    ProgramWindows windows;
    windows.main.showMaximized();
    startTestDriverIfAsked(windows.main);
    return XundralApplication::exec();
}
