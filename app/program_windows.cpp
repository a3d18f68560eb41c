#include "app/program_windows.h"

ProgramWindows::ProgramWindows() {
    main.attachConnection(dataModule.ADOConnection1);
}
