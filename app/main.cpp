#include "app/program_windows.h"
#include "app/xundral_application.h"

int main(int argc, char* argv[]) {
    XundralApplication app(argc, argv);
    ProgramWindows windows;
    windows.main.showMaximized();
    return XundralApplication::exec();
}
