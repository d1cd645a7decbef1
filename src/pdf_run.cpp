// Running the tool and counting the pages of a PDF file.
#include "pdf.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

int ExecuteCommand(const char* szCommand, const char* szWorkDir)
{
    // Longer command lines are refused by Windows, and cut short by some of its emulations: a
    // cut command could name another file, so it never runs.
    size_t nLen = strlen(szCommand);
    if (nLen >= TANDREL_CMDLINE_MAX)
        return 0;
    // The tool keeps its console window: it asks there for a password given as PROMPT, and a
    // hidden console would leave it waiting for ever.
    STARTUPINFOA si;
    PROCESS_INFORMATION pi;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    ZeroMemory(&pi, sizeof(pi));
    std::vector<char> cmd(szCommand, szCommand + nLen + 1); // CreateProcessA writes to it
    if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, szWorkDir, &si,
                       &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    return 0;
}

// A fresh, unused name in the user's temporary folder, so that no file of the user is written
// over or deleted and a read-only folder of the PDF file does not matter.
static bool TempDumpName(char* szDump)
{
    char szDir[TANDREL_PATH_MAX];
    DWORD nLen = GetTempPathA(sizeof(szDir), szDir);
    if (nLen == 0 || nLen >= sizeof(szDir))
        return false;
    if (!GetTempFileNameA(szDir, "tdr", 0, szDump))
        return false;
    // The name is reserved by an empty file; the dump exists only if the tool writes it.
    DeleteFileA(szDump);
    return true;
}

static int CountPages(const char* filepdf, const char* fileexe, const char* szPasswd)
{
    char dumpfile[TANDREL_PATH_MAX] = {0};
    if (!TempDumpName(dumpfile))
        return -1;
    std::string command = pdfQuoteArg(fileexe) + " " + pdfQuoteArg(filepdf);
    if (szPasswd && *szPasswd)
        command += " input_pw " + pdfQuoteArg(szPasswd);
    command += " dumpdata output " + pdfQuoteArg(dumpfile);
    ExecuteCommand(command.c_str());
    SecureZeroMemory(&command[0], command.size());

    if (!PathFileExistsA(dumpfile))
        return -1;
    int d = 0;
    FILE* f = fopen(dumpfile, "r");
    if (f) {
        d = pdfParseDump(f);
        fclose(f);
    }
    DeleteFileA(dumpfile);
    return d;
}

int GetNumberOfPage(const char* filepdf, const char* fileexe)
{
    return CountPages(filepdf, fileexe, nullptr);
}

int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd)
{
    return CountPages(filepdf, fileexe, szPasswd);
}
