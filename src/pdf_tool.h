// Where the tool is: looked for beside the program, where its installer put it and on PATH.
#pragma once

#include "shared.h"

#include <string>
#include <vector>

// Where the tool is looked for: what the program knows of the places the tool's installer and
// the user may have put it.
typedef struct {
    std::string programDir;                // the program's own folder
    std::vector<std::string> installed;    // the folders the tool's installer recorded
    std::vector<std::string> programFiles; // the folders programs are installed in
    std::string path;                      // the PATH environment value
    std::string windowsDir{};              // the Windows folder
    bool bWow64 = false;                   // a 32-bit program on a 64-bit Windows
} T_TOOL_PLACES;

// The kinds of candidates, in the order they are tried.
enum { TOOL_BESIDE, TOOL_INSTALLED, TOOL_DEFAULT, TOOL_ON_PATH };

typedef struct {
    std::string path; // a full path of pdftk.exe, shorter than a path buffer
    int nPlace;       // TOOL_BESIDE to TOOL_ON_PATH
} T_TOOL_CANDIDATE;

// The paths where pdftk.exe may be, in the order they are tried, the first that exists being the
// one used: beside the program; bin under each folder the installer recorded; PDFtk Server\bin
// and PDFtk\bin under each program folder; each folder of PATH (quotes dropped; empty, relative
// and current-folder entries passed over; under WOW64, System32 of the Windows folder read as
// Sysnative, the real one, which a 32-bit program would be shown as SysWOW64). Only full paths
// count, each path once (letter case aside), and a path that would not fit a path buffer is
// passed over.
std::vector<T_TOOL_CANDIDATE> pdfToolCandidates(const T_TOOL_PLACES& places);

// The folders programs are installed in, from what Windows tells: the 32-bit one (x86), the
// native one, the ProgramW6432 environment value, and whether the program runs under WOW64,
// where it is told the 32-bit folder for both and the real one is that value.
std::vector<std::string> pdfProgramFolders(const std::string& x86, const std::string& native,
                                           const std::string& w6432, bool bWow64);

// The message that no tool was found: szTemplate with %1 the program's folder and %2 the folders
// of the installer's places that were looked in, one per line.
std::string pdfNoToolText(const char* szTemplate, const T_TOOL_PLACES& places);

// The tool to use, into szFound (TANDREL_PATH_BYTES bytes, UTF-8 as every path here): a copy beside
// the program in szProgramDir, whichever was in use before; else szInUse, the one in use (empty:
// none), kept while it is there; else looked for where pdfToolCandidates says, from the program's
// folder, the registry, the program folders and PATH; empty when none is found. 1 when there is
// one.
int pdfFindTool(const char* szProgramDir, const char* szInUse, char* szFound);
// The same, and when none is found the message that says where it was looked for (szNoTool as
// pdfNoToolText takes it); empty when there is a tool.
std::string pdfFindToolOrWhy(const char* szProgramDir, const char* szInUse, char* szFound,
                             const char* szNoTool);
// The folder the tool szTool runs from: its own when it is not in the program's folder
// szProgramDir, where an installed tool has the files it needs (into szDir, TANDREL_PATH_BYTES
// bytes); else null, the program's current folder.
const char* pdfToolWorkDir(const char* szTool, const char* szProgramDir, char* szDir);
