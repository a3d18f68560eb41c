#pragma once

#include "app/additions_help.h"
#include "app/main_window.h"
#include "app/practice_commands.h"
#include "app/read_aloud.h"
#include "app/side_panel.h"
#include "app/study_pane.h"
#include "data/data_module.h"
#include "exam/learning_recorder.h"
#include "exam/practice_memory.h"
#include "forms/record_window.h"
#include "forms/show_err_form.h"
#include "forms/system_set_form.h"

// The program's windows, created in start-up order and living until the process ends: the
// data module's connection, the main window (the first window, so it is the main window) with
// the panel right of its layout, then the settings dialog and the wrong-answer list, each
// handed the query it works with, then what the original lacks: the study pane, the practice
// commands, the learning record and the help on them. This is the one place where they meet:
// no window knows another, each announces what happened and the constructor
// connects the announcements, so a new window joins by connecting here.
struct ProgramWindows {
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    void savePracticePosition();

    // The connection first: every window is handed it, and it closes after the last is gone.
    TDM dataModule;
    TmainFrm main;
    // Where the practice running is kept for 继续练习.
    PracticeMemory practiceMemory;
    // The book, the answer history, the kept practice and the paper record, written inside the
    // answer's or hand-in's transaction.
    LearningRecorder recorder;
    SidePanel sidePanel{&main};
    TSystemSetFrm systemSet{dataModule.ADOConnection1};
    TShowErrFrm wrongAnswers{dataModule.ADOConnection1};
    StudyPane studyPane{dataModule.ADOConnection1};
    PracticeCommands* practiceCommands = nullptr; // owned by the main window
    RecordWindow record;
    AdditionsHelp additionsHelp{&main};
    ReadAloud* readAloud = nullptr; // owned by the main window
};
