// One run of the tool: started without a console unless it asks on one, what it writes kept in a
// file of its own, waited for while the window answers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared.h"
#include "pdf_profile.h"
#include "pdf_standin.h"
#include "pdf_watch.h"

// The slots runs go in: as many runs at once as an operation ever has (WORKERS_MAX).
#define RUN_SLOTS 4

// What one run of the tool came to.
typedef struct {
    int nText;          // 0: the tool ended with status 0; else the text that says why (TXT_...)
    DWORD dwStatus;     // its exit status, once it has run
    std::string said;   // the last lines of what it wrote, when it wrote something
    std::string detail; // what the text names (%1) when it says more than the status
} T_RUN_RESULT;

// A run of the tool under way in one of the slots an operation's inputs run in at once. Each slot
// has its own file for what the tool writes, made for its first run of the operation.
typedef struct {
    HANDLE hProcess;                       // null while the slot is free
    HANDLE hToolOutput;                    // what the tool writes, read when it fails
    char szToolOutput[TANDREL_PATH_BYTES]; // that file's name, removed at the operation's end
    HANDLE hPipe;                     // without a file: the pipe's end it is read from, else null
    std::string piped;                // the end of what came through the pipe
    T_RESULT_WATCH what;              // what the run writes, removed when it fails or is ended
    std::vector<T_STAND_IN> standIns; // the names the tool knows the run's paths by, if others
    size_t nStep;                     // the operation's input it works on
    int bConsole;                     // it asks on its console, and writes nothing into the file
} T_RUN;

// What the window lends the runner once, at start: its answer while the tool works (it handles
// its messages, holding back the input meant for its controls), and its note that a large file
// is copied for the tool under a name it can take.
typedef int (*T_ANSWER)(void);
int pdfLendWindow(T_ANSWER pAnswer, int (*pCopyNote)(const char* szName));
// Lets the window answer during long work of an operation before or between runs, every
// ANSWER_EVERY_MS at most.
int pdfLetWindowAnswer(void);

// A free slot, or null when every one is taken.
T_RUN* pdfFreeSlot(void);
// Starts the whole command line cmd, whose paths are those of paths, in the free slot run, in
// the folder paths.folder, else szWorkDir (in the code page; null: the program's current folder);
// run->what (pdfWatchResult) says what it writes. The tool is given each path as the code page
// spells it, or under a stand-in (pdfGiveNames). 1 when it runs, else 0 with pResult saying why.
int pdfStartRun(T_RUN* run, const std::string& cmd, const T_TOOL_PATHS& paths,
                const char* szWorkDir, T_RUN_RESULT* pResult);
// The outcome of a run that has ended; its slot is free again. What it wrote under stand-ins
// takes the real names when it ended well; what a failed run wrote is removed, and so are the
// stand-ins.
int pdfFinishRun(T_RUN* run, T_RUN_RESULT* pResult);
// 1 while a run of the tool is under way.
int pdfToolRunning(void);
// Waits for the window's next message and lets it answer: for an operation that waits with no
// run under way.
int pdfWaitForMessage(void);
// Waits until one of the runs under way ends while the window answers: its slot, or null when
// none runs.
T_RUN* pdfWaitAny(void);
// Closes and removes the slots' files of the tool's output, at the end of an operation.
int pdfCloseToolOutputs(void);
// 1 once the session has ended the runs (pdfEndRuns); a new window starts afresh
// (pdfNewSession).
int pdfRunsEnded(void);
int pdfNewSession(void);
// The session ends: no run starts any more; every run under way is ended and what it had begun
// to write removed (a run that has ended meanwhile keeps its result), and the slots' files go.
int pdfEndRuns(void);

// Runs one complete command line, whose paths are those of paths (paths.writes: the file it
// writes), and waits for it to end while the window answers, in szWorkDir (null: the program's
// current folder). 1 when the tool ended with status 0, else 0 (pResult, when given, says why).
int ExecuteCommand(const std::string& cmd, const T_TOOL_PATHS& paths,
                   const char* szWorkDir = nullptr, T_RUN_RESULT* pResult = nullptr);

// Runs the complete command lines cmds at once (paths[i]: the paths of cmds[i]), each in a slot of
// its own, and waits for them all while the window answers; into results, what each came to. How
// many ended with status 0.
int pdfExecuteAtOnce(const std::vector<std::string>& cmds, const std::vector<T_TOOL_PATHS>& paths,
                     const char* szWorkDir, std::vector<T_RUN_RESULT>& results);

// Why a run made no result: what the tool said, else its outcome told by szText, the text of
// r.nText (%1: r.detail). UTF-8, as what the runner keeps of the tool's words and the system's.
std::string pdfRunWhy(const char* szText, const T_RUN_RESULT& r);

// What Windows says of the error dwError, on one line (its number when it says nothing).
std::string pdfSystemReason(DWORD dwError);
