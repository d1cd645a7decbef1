// Where a run's time goes: for the bench, which lends a profile; without one, nothing is timed.
#pragma once

// Where a run's time goes, each step's summed over the runs, in ms: for the bench. The time from
// one mark to the next goes to the step of the second.
enum {
    PROFILE_FORM,     // from the profile's start (a click) to the steps' start: forming, checks
    PROFILE_SCHEDULE, // choosing the next step, and looking up its files
    PROFILE_FOLDER,   // making a burst's folder
    PROFILE_WATCH,    // noting what the run writes
    PROFILE_NAMES,    // the names the tool is given, stand-ins made
    PROFILE_REDIRECT, // the tool's input and output made ready
    PROFILE_CREATE,   // starting the tool's process
    PROFILE_PROGRESS, // the status bar's progress
    PROFILE_WAIT,     // waiting for a run to end, the window answering meanwhile
    PROFILE_OUTPUT,   // reading what a failed tool said
    PROFILE_FINISH,   // results under their names, stand-ins removed
    PROFILE_END,      // the steps' end: the slots' files closed
    PROFILE_COUNT
};
typedef struct {
    double ms[PROFILE_COUNT];
} T_RUN_PROFILE;
// Profiles the runs from now on into profile (null: no more), which starts afresh.
int pdfLendProfile(T_RUN_PROFILE* profile);
// The time since the last mark goes to nStep.
int pdfProfileMark(int nStep);
