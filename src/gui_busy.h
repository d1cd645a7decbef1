// The window while one of its actions runs, and what it shows of an operation.
#pragma once

#include "gui.h"
#include "pdf_schedule.h"

// The window's action under way. While bBusy no other action starts: the window procedure
// ignores the controls, the runner drops their clicks and keys.
typedef struct {
    int bBusy;       // an action of the window is under way
    int bClose;      // close the window once the action has ended
    int bEndBlocked; // Windows was told why the session cannot end yet
} T_ACTION;

extern T_ACTION action;

// Lends the window to the runner: it answers while the tool works, its controls' input held
// back, Escape stopping the operation after the inputs under way.
int uiLendWindow(T_INTERFACE* gui);
// Tells Windows why the session cannot end yet: a tool is at work. The window lets it end again
// once no tool runs (uiLetSessionEnd, also called as it answers while an action runs).
int uiHoldSessionEnd(T_INTERFACE* gui);
int uiLetSessionEnd(T_INTERFACE* gui);
// Where the steps of an operation run: from the tool's folder, the progress in the status bar.
int uiSchedule(T_INTERFACE* gui, T_SCHEDULE* where);
// Runs the steps of an operation (pdfRunSteps) so; then shows what it came to (uiShowOutcome).
int uiRunSteps(T_INTERFACE* gui, std::vector<T_STEP>& steps);
// The status bar says what was written, and one message names the inputs that got no result, in
// the order of the steps; nothing is said while the window closes or the session ends.
int uiShowOutcome(T_INTERFACE* gui, const std::vector<T_STEP>& steps, const T_OUTCOME& outcome);
