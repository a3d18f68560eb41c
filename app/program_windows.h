#pragma once

#include "app/main_window.h"
#include "data/data_module.h"
#include "forms/show_err_form.h"
#include "forms/system_set_form.h"

// The program's windows, created in start-up order and living until the process ends: the
// main window first (so it is the main window), then the settings dialog, the data module
// and the wrong-answer list.
struct ProgramWindows {
    ProgramWindows();

    TmainFrm main;
    TSystemSetFrm systemSet;
    TDM dataModule;
    TShowErrFrm wrongAnswers;
};
