#pragma once

#include "app/additions_help.h"
#include "app/main_window.h"
#include "app/practice_commands.h"
#include "app/read_aloud.h"
#include "app/side_panel.h"
#include "app/study_pane.h"
#include "data/data_module.h"
#include "forms/record_window.h"
#include "forms/show_err_form.h"
#include "forms/system_set_form.h"

// The program's windows, created in start-up order and living until the process ends: the
// main window first (so it is the main window) with the panel right of its layout, then the
// settings dialog, the data module and the wrong-answer list, then what the original lacks:
// the study pane, the practice commands, the learning record and the help on them. This is the one
// place where they meet: no window knows another, each announces what happened and the constructor
// connects the announcements, so a new window joins by connecting here.
struct ProgramWindows {
    ProgramWindows();

    TmainFrm main;
    SidePanel sidePanel{&main};
    TSystemSetFrm systemSet;
    TDM dataModule;
    TShowErrFrm wrongAnswers;
    StudyPane studyPane{dataModule.ADOConnection1};
    PracticeCommands* practiceCommands = nullptr; // owned by the main window
    RecordWindow record;
    AdditionsHelp additionsHelp{&main};
    ReadAloud* readAloud = nullptr; // owned by the main window
};
