// The steps of an operation: run several at once, never two of one file, until the last or a
// stop; the session's end.
#pragma once

#include <string>
#include <vector>

#include "pdf_run.h"

// The most inputs of an operation run at once on any machine: more gains little against the disk
// and the memory a Java tool takes.
#define WORKERS_MAX 4
// The free physical memory each tool running at once is given room for.
#define WORKER_MEMORY (512ULL << 20)
// How many inputs run at once on a machine of nProcessors logical processors and nFreeBytes of
// free physical memory: one per processor, at most WORKERS_MAX, one per WORKER_MEMORY; at least 1.
int pdfWorkers(unsigned nProcessors, unsigned long long nFreeBytes);
static_assert(WORKERS_MAX <= RUN_SLOTS, "a slot for each input run at once");

#define STEP_NOT_LOOKED_UP (-2)

// One input of an operation: the run that makes its result, or why it gets none. Its paths are
// the real ones, in UTF-8, and so are those of its command line; the tool is given them as the
// code page spells them, or stand-ins (pdfGiveNames).
typedef struct {
    std::string input;   // the file worked on, as chosen or listed
    std::string cmd;     // the whole command line
    std::string output;  // what the run writes: its result, or the folder of a burst's pages
    std::string workDir; // the folder the tool runs in; empty for the tool's own (pdfToolWorkDir)
    int nNoRunText;      // 0, or the text saying why it is not run (TXT_FAIL_..., %1 is detail)
    std::string detail;
    std::vector<std::string> alsoRead; // the other files the command line reads
    // The first step of its input file and of its result, however named, as the operation
    // looked them up (-1: none); STEP_NOT_LOOKED_UP: the schedule looks them up itself.
    int nSameInput = STEP_NOT_LOOKED_UP;
    int nSameResult = STEP_NOT_LOOKED_UP;
} T_STEP;

// What an operation came to: what each input came to, in the order of the steps.
typedef struct {
    int nSteps;   // inputs of the operation
    int nStarted; // inputs begun (or found not to run)
    int nDone;    // inputs finished
    int nWritten; // results written
    int nFailed;  // inputs without a result
    int bStopped; // a stop left inputs unrun
    std::vector<T_RUN_RESULT> results;
} T_OUTCOME;

// Where the steps run: the tool's default folder, and the status bar's progress.
typedef struct {
    std::string workDir; // for a step without a folder of its own; empty: the current one
    // The progress: inputs finished of all, and the last one started.
    int (*pProgress)(int nDone, int nSteps, const char* szInput);
} T_SCHEDULE;

// Runs the steps of an operation, several at once as the machine allows (pdfWorkers) and started
// in their order, until the last or a stop: a stop starts no further input and lets those under
// way finish. Two steps of one input file or of one result file never run at once; the steps run
// one at a time where the tool asks for a password on its console. The commands are wiped
// afterwards: they may hold passwords.
T_OUTCOME pdfRunSteps(const T_SCHEDULE* where, std::vector<T_STEP>& steps);

// For measurements: at most nWorkers inputs run at once from now on (up to WORKERS_MAX); 0 for
// as many as the machine allows.
int pdfSetWorkers(int nWorkers);

// Asks the operation under way to start no further input (Escape, the window closing, a
// shutdown); the next operation starts afresh.
int pdfStopAfterCurrent(void);
int pdfNewOperation(void);
// Windows asks whether the session may end (bHold 1): the inputs under way finish, the others
// wait until it says the session goes on (bHold 0) or ends (pdfEndSession).
int pdfHoldForSession(int bHold);
// The session ends in the middle of an operation: every run of the tool is ended, what each had
// begun to write and the temporary files are removed, and nothing more runs.
int pdfEndSession(void);
// 1 once the session ends: nothing more runs, nothing more is said.
int pdfSessionEnding(void);
