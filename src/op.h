// The operations of the buttons: each reads the window, checks what it read, forms the tool's
// command line for each input and has the window run them and show what they came to.
#pragma once

#include "gui.h"
#include "gui_busy.h"
#include "pdf_command.h"
#include "pdf_keep.h"
#include "pdf_ranges.h"
#include "pdf_text.h"

// ---------------------------------------------------------------------------------------------
// What every operation checks and reads before it runs (op_checks.cpp)

// The file of the source box nSource into szFile (TANDREL_PATH_BYTES bytes, UTF-8); 0, with the
// message nMissing shown, when there is none there.
int opChosenPath(T_INTERFACE* gui, int nSource, int nMissing, char* szFile);
// That file as the tool reads it: with the password it opened with.
T_TOOL_INPUT opChosenInput(T_INTERFACE* gui, int nSource, const char* szFile);
// What was read of that file beyond its pages when it was chosen, while it is still the same file,
// unchanged; else none: it is read again when needed.
std::optional<T_DOC_DATA> opChosenData(T_INTERFACE* gui, int nSource, const char* szFile);
// How an operation takes the security options of the left-hand panel.
enum { SEC_NONE, SEC_OPTIONAL, SEC_REQUIRED };
// What a result is written with: the security options of the left-hand panel, and the password it
// then opens with (the owner's, else the user's); both empty when it is not encrypted.
typedef struct {
    std::string options;
    std::string passwd;
} T_PROTECTION;
// The panel's protection for an operation that takes it as nRule says (SEC_NONE: none, the boxes
// not read): 0, with the message shown, when the passwords are equal, or when none is typed and
// the operation requires them; else 1.
int opReadSecurity(T_INTERFACE* gui, int nRule, T_PROTECTION* protection);
int opWipeProtection(T_PROTECTION* protection);
// The output of an operation on several inputs, named in the save dialog into szNewPdf
// (TANDREL_PATH_BYTES bytes, UTF-8), its extension made ".pdf": never one of the inputs, however
// written (nRefusal says so), and a file there is replaced only when the user says so. 0 when
// there is none to write.
int opChooseOutputPdf(T_INTERFACE* gui, const std::vector<std::string>& inputs, int nRefusal,
                      char* szNewPdf);

// ---------------------------------------------------------------------------------------------
// One input's run (op_run.cpp)

// An operation of one input: c, which writes its output, runs when that could be named (bNamed);
// its passwords are wiped.
int opRunOne(T_INTERFACE* gui, const char* szInput, int bNamed, T_TOOL_COMMAND& c);
// The same, the command also reading the files of alsoRead; once its result is written, the
// source's bookmarks and information are written onto it (pdfKeepSourceData). When that fails
// the result stays as the operation wrote it, and the closing message says why. The passwords
// of c and keep are wiped.
int opRunKeeping(T_INTERFACE* gui, const char* szInput, int bNamed, T_TOOL_COMMAND& c,
                 const std::vector<std::string>& alsoRead, T_KEEP* keep);

// ---------------------------------------------------------------------------------------------
// The operations

int CatPDF(T_INTERFACE* gui);
int DeletePagesPDF(T_INTERFACE* gui);
int DecryptPDF(T_INTERFACE* gui);
int JoinPDF(T_INTERFACE* gui);
int EncryptPDF(T_INTERFACE* gui);
int CompressPDF(T_INTERFACE* gui);
int UncompressPDF(T_INTERFACE* gui);
int RepairPDF(T_INTERFACE* gui);
int BackgroundPDF(T_INTERFACE* gui);
int DumpPDFData(T_INTERFACE* gui);
int DumpPDFFields(T_INTERFACE* gui);
int BurstPDF(T_INTERFACE* gui);
// The Pages page: its source (the fronts) and backs interleaved, into a file named in the save
// dialog; the pages of the range box turned by the chosen angle, the others in place; those
// pages alone, in the order typed.
int InterleavePDF(T_INTERFACE* gui);
int RotatePagesPDF(T_INTERFACE* gui);
int TakePagesPDF(T_INTERFACE* gui);
// The Document page: its information boxes written into name_info.pdf; its parts, every N pages
// or at its bookmarks of a level, into the folder name_parts; the files chosen attached, to the
// document or to a page, in name_attach.pdf; its attached files unpacked into the folder
// name_files.
int SaveInfoPDF(T_INTERFACE* gui);
int SplitPDF(T_INTERFACE* gui);
int AttachPDF(T_INTERFACE* gui);
int ExtractPDF(T_INTERFACE* gui);
