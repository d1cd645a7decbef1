// Tool runner and the operations that form and run pdftk command lines.
#pragma once

#include "gui.h"
#include "pdf_text.h"

// What one run of the tool came to.
typedef struct {
    int nText;        // 0: the tool ended with status 0; else the text that says why (TXT_FAIL_...)
    DWORD dwStatus;   // its exit status, once it has run
    std::string said; // the last lines of what it wrote, when it wrote something
} T_RUN_RESULT;

// Runs one complete command line and waits for it to end while the window's messages are
// handled; szWorkDir null means the tool's own folder when it is not beside the program, else
// the program's current directory. 0 when the tool ended with status 0, else 1 (pResult, when
// given, says why).
int ExecuteCommand(const char* szCommand, const char* szWorkDir = nullptr,
                   T_RUN_RESULT* pResult = nullptr);

// The window's action under way, and the operation's progress. While bBusy no other action
// starts: the window procedure ignores the controls, the runner drops their clicks and keys.
typedef struct {
    int bBusy;            // an action of the window is under way
    int bStop;            // stop before the next input: Escape, or the window closing
    int bClose;           // close the window once the action has ended
    int nSteps;           // inputs of the operation
    int nStep;            // the input being worked on, from 1
    int nWritten;         // results written
    int nFailed;          // inputs without a result
    std::string failures; // the first few of them, with what the tool said
} T_OPERATION;

extern T_OPERATION operation;

// The tool in gui->szPathExe: kept while it is there, else looked for where pdfToolCandidates
// says, from the program's folder, the registry, the program folders and PATH; empty when none
// is found. 1 when there is one. The Settings page shows it.
int pdfFindTool(T_INTERFACE* gui);
// 1 when there is a tool (pdfFindTool); else 0, and the user is told where it was looked for.
int pdfToolReady(T_INTERFACE* gui);
// An operation of nSteps inputs begins: nothing done yet, nothing stopped.
int pdfBeginOperation(int nSteps);
// Runs cmd for the input szInput: its place in the status bar, its outcome kept for the end.
int pdfRunStep(T_INTERFACE* gui, const char* szInput, const std::string& cmd,
               const char* szWorkDir = nullptr);
// An input left without a result before the tool ran, for the reason nText (%1 is szDetail).
int pdfSkipStep(T_INTERFACE* gui, const char* szInput, int nText, const char* szDetail = "");
// The operation has ended or stopped: the status bar says what was written, and one message
// names the inputs that failed.
int pdfEndOperation(T_INTERFACE* gui);

// Page count of filepdf from a data dump written by the tool fileexe: the count, 0 when the dump
// holds none, -1 when no dump was produced.
int GetNumberOfPage(const char* filepdf, const char* fileexe);
// The same, with the tool given a password to open the file (null or empty: none).
int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd);

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
