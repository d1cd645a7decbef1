// The operations of the buttons, which read the controls and form and run pdftk command lines,
// and the checks they share.
#pragma once

#include "gui.h"
#include "gui_busy.h"
#include "pdf_count.h"
#include "pdf_files.h"
#include "pdf_ranges.h"
#include "pdf_run.h"
#include "pdf_schedule.h"
#include "pdf_text.h"
#include "pdf_tool.h"

// ---------------------------------------------------------------------------------------------
// What every operation checks and reads before it runs (pdf_checks.cpp)

// 1 when there is a tool (pdfFindTool); else 0, and the user is told where it was looked for.
int pdfToolReady(T_INTERFACE* gui);
// The file of the source box hBox into szFile (TANDREL_PATH_BYTES bytes, UTF-8); 0, with the
// message nMissing shown, when there is none there.
int pdfChosenPath(T_INTERFACE* gui, HWND hBox, int nMissing, char* szFile);
// How an operation takes the security options of the left-hand panel.
enum { SEC_NONE, SEC_OPTIONAL, SEC_REQUIRED };
// The security options of the left-hand panel into options: 0 and none when both passwords are
// empty, -1 and none when they are equal, else the options' length.
int pdfPanelSecurityOptions(T_INTERFACE* gui, std::string& options);
// The same for an operation that takes them as nRule says (SEC_NONE: none, the boxes not read):
// 0, with the message shown, when the passwords are equal, or when none is typed and the
// operation requires them; else 1.
int pdfReadSecurity(T_INTERFACE* gui, int nRule, std::string& options);
// A chosen file as the tool takes it: quoted, followed by the password it opened with when it
// needs one.
std::string pdfChosenArg(const char* szFile, const T_CHOSEN* chosen);
// An operation of one input: cmd, which writes szOutput, runs when that could be named (bNamed).
int pdfRunOne(T_INTERFACE* gui, const char* szInput, int bNamed, std::string& cmd,
              const char* szOutput);
// The output of an operation on several inputs, named in the save dialog into szNewPdf
// (TANDREL_PATH_BYTES bytes, UTF-8), its extension made ".pdf": never one of the inputs, however
// written (nRefusal says so), and a file there is replaced only when the user says so. 0 when
// there is none to write.
int pdfChooseOutputPdf(T_INTERFACE* gui, const std::vector<std::string>& inputs, int nRefusal,
                       char* szNewPdf);

// ---------------------------------------------------------------------------------------------
// What a page edit's result keeps of its source (pdf_keep.cpp)

// The file whose bookmarks and document information a result keeps, and where its pages went.
typedef struct {
    std::string source;     // as the tool takes it (pdfChosenArg): quoted, its password with it
    std::string sourceFile; // that file
    std::vector<int> pages; // the source page of each page of the result, in order; 0: another's
    int bOutline;           // its bookmarks move onto the result; else the result's own stay
    std::string options;    // the security options the result is written with
} T_KEEP;

// An operation of one input as pdfRunOne runs it (its command also reading the files of
// alsoRead); once its result is written, the source of keep is dumped and its bookmarks, moved to
// their pages' places, and its information are written onto the result by a second run, into a
// temporary file beside it that then replaces it. When that fails the result stays as the
// operation wrote it, and the closing message says why. The passwords of keep are wiped.
int pdfRunKeeping(T_INTERFACE* gui, const char* szInput, int bNamed, std::string& cmd,
                  const char* szOutput, const std::vector<std::string>& alsoRead, T_KEEP* keep);

// ---------------------------------------------------------------------------------------------
// The operations

// The page range of the page copy from the page lists and the Even/Odd buttons.
std::string pdfCatalogOfLists(T_INTERFACE* gui);

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
