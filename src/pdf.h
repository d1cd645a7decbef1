// Tool runner and the operations that form and run pdftk command lines.
#pragma once

#include "gui.h"
#include "pdf_files.h"
#include "pdf_text.h"

// What one run of the tool came to.
typedef struct {
    int nText;        // 0: the tool ended with status 0; else the text that says why (TXT_FAIL_...)
    DWORD dwStatus;   // its exit status, once it has run
    std::string said; // the last lines of what it wrote, when it wrote something
} T_RUN_RESULT;

// Runs one complete command line and waits for it to end while the window's messages are
// handled; szWorkDir null means the tool's own folder when it is not beside the program, else
// the program's current directory. szOutput, when given, is what the run writes (a file, or the
// folder it writes into), removed if the session ends in the middle of the run. 0 when the tool
// ended with status 0, else 1 (pResult, when given, says why).
int ExecuteCommand(const char* szCommand, const char* szWorkDir = nullptr,
                   T_RUN_RESULT* pResult = nullptr, const char* szOutput = nullptr);

// Lets the window paint, move and answer (as while the tool runs) during long work of an
// operation before or between runs, every KEEP_ALIVE_MS at most.
int pdfKeepAlive(void);

// Why a run made no result, in the active language: what the tool said, else its outcome.
std::string pdfRunWhy(T_INTERFACE* gui, const T_RUN_RESULT& r);

// The window's action under way, and the operation's progress. While bBusy no other action
// starts: the window procedure ignores the controls, the runner drops their clicks and keys.
typedef struct {
    int bBusy;    // an action of the window is under way
    int bStop;    // start no further input: Escape, the window closing, a shutdown; cleared as
                  // an action starts
    int bClose;   // close the window once the action has ended
    int bEnding;  // the session ends: nothing more runs, nothing more is said
    int nSteps;   // inputs of the operation
    int nStarted; // inputs begun
    int nDone;    // inputs finished
    int nWritten; // results written
    int nFailed;  // inputs without a result
} T_OPERATION;

extern T_OPERATION operation;

// One input of an operation: the run that makes its result, or why it gets none.
typedef struct {
    std::string input;   // the file worked on, as chosen or listed
    std::string cmd;     // the whole command line
    std::string output;  // what the run writes: its result, or the folder of a burst's pages
    std::string workDir; // the folder the tool runs in; empty for the program's own
    int nSkip;           // 0, or the text saying why it is not run (TXT_FAIL_..., %1 is detail)
    std::string detail;
} T_STEP;

// The tool in gui->szPathExe: kept while it is there, else looked for where pdfToolCandidates
// says, from the program's folder, the registry, the program folders and PATH; empty when none
// is found. 1 when there is one. The Settings page shows it.
int pdfFindTool(T_INTERFACE* gui);
// 1 when there is a tool (pdfFindTool); else 0, and the user is told where it was looked for.
int pdfToolReady(T_INTERFACE* gui);
// Runs the steps of an operation, several at once as the machine allows (pdfWorkers) and started
// in their order, the progress in the status bar, until the last or a stop: a stop starts no
// further input and lets those under way finish. Then the status bar says what was written and
// one message names the inputs that got no result, in the order of the steps. Two steps of one
// input file or of one result file never run at once; the steps run one at a time where the
// tool asks for a password on its console. The commands are wiped afterwards: they may hold
// passwords.
int pdfRunSteps(T_INTERFACE* gui, std::vector<T_STEP>& steps);
// For measurements: at most nWorkers inputs run at once from now on (up to WORKERS_MAX); 0 for
// as many as the machine allows.
int pdfSetWorkers(int nWorkers);
// The session is ending in the middle of a run: every run of the tool is ended, what each had
// begun to write and the temporary files are removed, and nothing more runs.
int pdfEndSession(void);

// Page count of filepdf from a data dump written by the tool fileexe: the count, 0 when the dump
// holds none, -1 when no dump was produced.
int GetNumberOfPage(const char* filepdf, const char* fileexe);
// The same, with the tool given a password to open the file (null or empty: none); pResult,
// when given, says how the tool's run went.
int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd,
                            T_RUN_RESULT* pResult = nullptr);

// The page range of the page copy from the page lists and the Even/Odd buttons, written into
// szBatch (nBatch bytes); its length.
int BuildCatalogCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch);
// The security options of the left-hand panel appended to szBatch (nBatch bytes): 0 and nothing
// appended when both passwords are empty, -1 and nothing appended when they are equal or the
// options would not fit, else the length of the whole text.
int BuildEncryptCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch);

int CatPDF(T_INTERFACE* gui);
int DeletePagesPDF(T_INTERFACE* gui);
int DecryptPDF(T_INTERFACE* gui);
int JoinPDF(T_INTERFACE* gui);
int EncryptPDF(T_INTERFACE* gui);
int CompressPDF(T_INTERFACE* gui);
int UncompressPDF(T_INTERFACE* gui);
int RepairPDF(T_INTERFACE* gui);
int pdfBackground(T_INTERFACE* gui);
int DumpPDFData(T_INTERFACE* gui);
int pdfDumpDataFields(T_INTERFACE* gui);
int BurstPDF(T_INTERFACE* gui);
// The Pages page: its source (the fronts) and backs interleaved, into a file named in the save
// dialog; the pages of the range box turned by the chosen angle, the others in place; those
// pages alone, in the order typed.
int InterleavePDF(T_INTERFACE* gui);
int RotatePagesPDF(T_INTERFACE* gui);
int TakePagesPDF(T_INTERFACE* gui);
