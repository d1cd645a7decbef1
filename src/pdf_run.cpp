// Running the tool with the window alive, where the tool is, the operation's progress and
// outcome, and counting the pages of a PDF file.
#include "pdf.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

T_OPERATION operation;

// Inputs without a result named in the closing message; the others are counted.
#define FAILURES_SHOWN 8
// Lines of the tool's output kept for the message, and the bytes read to find them.
#define TOOL_LINES_SHOWN 2
#define TOOL_OUTPUT_TAIL 4096
// How long the session's end waits for the tool it ends, in ms.
#define TOOL_END_WAIT_MS 5000
// Two seconds in file time (100 ns units): the step of a FAT volume's file times.
#define FAT_TIME_STEP 20000000ULL

// Input held back while the tool works, so that nothing the user clicks or types meanwhile runs
// now or later: every click and key meant for the controls. The window itself can still be
// moved, minimised and closed, and so can the Close button be pressed; Escape stops the
// operation after the input being worked on.
static int HeldBack(const MSG* m)
{
    int bKey = m->message >= WM_KEYFIRST && m->message <= WM_KEYLAST;
    int bClick = m->message >= WM_LBUTTONDOWN && m->message <= WM_MOUSELAST;
    if (!bKey && !bClick)
        return 0;
    if (m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE)
        operation.bStop = 1;
    // Alt+F4 and Alt+Space reach the window through the system keys.
    if (m->message == WM_SYSKEYDOWN || m->message == WM_SYSKEYUP || m->message == WM_SYSCHAR)
        return 0;
    return m->hwnd != gui.BtnAppClose.hdl || !gui.BtnAppClose.hdl;
}

static void HandleMessages(void)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) { // for the main loop, once the tool has ended
            PostQuitMessage((int)msg.wParam);
            return;
        }
        if (HeldBack(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Waits for the process while the window paints, moves and answers; what was clicked or typed
// during the run is dropped once it has ended.
static void WaitAlive(HANDLE hProcess)
{
    while (MsgWaitForMultipleObjectsEx(1, &hProcess, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
           WAIT_OBJECT_0)
        HandleMessages();
    HandleMessages();
}

// What a run of the tool that keeps no console is given: an empty input, and a file for what it
// writes, read when it fails. Opened once for all the runs of an operation.
static struct {
    HANDLE hInput, hOutput;
    char szOutput[TANDREL_PATH_MAX];
} redirect = {INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE, ""};

static int OpenRedirect(void)
{
    if (redirect.hInput != INVALID_HANDLE_VALUE)
        return 0;                                         // already open for the operation
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE}; // handles the tool inherits
    redirect.hInput = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                  OPEN_EXISTING, 0, nullptr);
    char szDir[TANDREL_PATH_MAX];
    DWORD nLen = GetTempPathA(sizeof(szDir), szDir);
    if (nLen > 0 && nLen < sizeof(szDir) && GetTempFileNameA(szDir, "tdo", 0, redirect.szOutput))
        redirect.hOutput = CreateFileA(redirect.szOutput, GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (redirect.hOutput == INVALID_HANDLE_VALUE) // still no console, and nothing kept
        redirect.hOutput = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       &sa, OPEN_EXISTING, 0, nullptr);
    return 1;
}

static void CloseRedirect(void)
{
    for (HANDLE* h : {&redirect.hInput, &redirect.hOutput}) {
        if (*h != INVALID_HANDLE_VALUE)
            CloseHandle(*h);
        *h = INVALID_HANDLE_VALUE;
    }
    if (redirect.szOutput[0])
        DeleteFileA(redirect.szOutput);
    redirect.szOutput[0] = 0;
}

// The last lines of what the tool wrote, from the start of the file.
static std::string RedirectedLines(void)
{
    LARGE_INTEGER size;
    if (!redirect.szOutput[0] || !GetFileSizeEx(redirect.hOutput, &size))
        return std::string();
    LARGE_INTEGER from;
    from.QuadPart = size.QuadPart > TOOL_OUTPUT_TAIL ? size.QuadPart - TOOL_OUTPUT_TAIL : 0;
    std::string tail(TOOL_OUTPUT_TAIL, '\0');
    DWORD nRead = 0;
    if (!SetFilePointerEx(redirect.hOutput, from, nullptr, FILE_BEGIN) ||
        !ReadFile(redirect.hOutput, &tail[0], TOOL_OUTPUT_TAIL, &nRead, nullptr))
        return std::string();
    tail.resize(nRead);
    return pdfLastLines(tail, TOOL_LINES_SHOWN);
}

// The run under way, for the session's end: the tool's process, what it writes and since when.
static struct {
    HANDLE hProcess;
    const char* szOutput;
    FILETIME ftStart;
} running = {nullptr, nullptr, {0, 0}};

// The folder the tool runs from: its own when it is not beside the program, where an installed
// tool has the files it needs; else null, the program's current folder.
static const char* ToolWorkDir(char* szDir)
{
    lstrcpynA(szDir, gui.szPathExe, TANDREL_PATH_MAX);
    PathRemoveFileSpecA(szDir);
    return szDir[0] && lstrcmpiA(szDir, gui.szPathDir) ? szDir : nullptr;
}

int ExecuteCommand(const char* szCommand, const char* szWorkDir, T_RUN_RESULT* pResult,
                   const char* szOutput)
{
    T_RUN_RESULT result = {TXT_FAIL_NOT_STARTED, 0, std::string()};
    char szToolDir[TANDREL_PATH_MAX];
    if (!szWorkDir)
        szWorkDir = ToolWorkDir(szToolDir);
    // Longer command lines are refused by Windows, and cut short by some of its emulations: a
    // cut command could name another file, so it never runs.
    size_t nLen = strlen(szCommand);
    if (nLen >= TANDREL_CMDLINE_MAX)
        result.nText = TXT_FAIL_TOO_LONG;
    // Once the session ends, nothing starts that it could cut short.
    bool bRun = result.nText != TXT_FAIL_TOO_LONG && !operation.bEnding;

    // Asked for a password on its console, the tool keeps its console. Otherwise it runs without
    // one, reads an empty input (it can never wait for an answer nobody sees) and writes into a
    // file kept for the message.
    int bConsole = pdfAsksOnConsole(szCommand), bOwnRedirect = 0;
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    if (!bConsole) {
        bOwnRedirect = OpenRedirect();
        // What the last run wrote is gone: the file is read from its start.
        SetFilePointer(redirect.hOutput, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(redirect.hOutput);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = redirect.hInput;
        si.hStdOutput = si.hStdError = redirect.hOutput;
    }
    PROCESS_INFORMATION pi;
    ZeroMemory(&pi, sizeof(pi));
    std::vector<char> cmd(szCommand, szCommand + nLen + 1); // CreateProcessA writes to it
    GetSystemTimeAsFileTime(&running.ftStart);
    if (bRun && CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, !bConsole,
                               bConsole ? 0 : DETACHED_PROCESS, nullptr, szWorkDir, &si, &pi)) {
        CloseHandle(pi.hThread);
        running.hProcess = pi.hProcess;
        running.szOutput = szOutput;
        WaitAlive(pi.hProcess);
        running.hProcess = nullptr;
        running.szOutput = nullptr;
        if (GetExitCodeProcess(pi.hProcess, &result.dwStatus))
            result.nText = result.dwStatus == 0 ? 0 : TXT_FAIL_STATUS;
        CloseHandle(pi.hProcess);
        if (result.nText && !bConsole)
            result.said = RedirectedLines();
    }
    if (bOwnRedirect)
        CloseRedirect();
    SecureZeroMemory(cmd.data(), cmd.size()); // it may hold passwords
    if (pResult)
        *pResult = result;
    return result.nText ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Where the tool is

// The uninstall entry the tool's installer writes, which holds the folder it installed into.
static const char szToolUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                         "{E3617D29-6D71-4B5C-B9E2-C927C705E317}_is1";

static int IsFile(const char* szPath)
{
    DWORD dwAttr = GetFileAttributesA(szPath);
    return szPath[0] && dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY);
}

// The installer's folder as the key hRoot, seen in the registry view samView, records it.
static void AddInstallLocation(HKEY hRoot, REGSAM samView, std::vector<std::string>& dirs)
{
    HKEY hKey;
    if (RegOpenKeyExA(hRoot, szToolUninstallKey, 0, KEY_QUERY_VALUE | samView, &hKey))
        return;
    char szDir[TANDREL_PATH_MAX];
    DWORD cb = sizeof(szDir); // a longer value is passed over
    if (!RegGetValueA(hKey, nullptr, "InstallLocation", RRF_RT_REG_SZ, nullptr, szDir, &cb))
        dirs.push_back(szDir);
    RegCloseKey(hKey);
}

static void ToolPlaces(T_INTERFACE* gui, T_TOOL_PLACES& places)
{
    places.programDir = gui->szPathDir;
    // The installer is a 32-bit program, whose entry a 64-bit Windows keeps in its 32-bit view;
    // installed for one user only, it is the user's.
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, places.installed);
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, places.installed);
    AddInstallLocation(HKEY_CURRENT_USER, 0, places.installed);
    // On a 64-bit Windows a 32-bit program is told the 32-bit folder for both: the one the
    // 32-bit installer chooses.
    for (int nFolder : {CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES}) {
        char szDir[MAX_PATH] = {0};
        if (SHGetFolderPathA(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szDir) == S_OK)
            places.programFiles.push_back(szDir);
    }
    DWORD nPath = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::string path(nPath, '\0');
    if (nPath && GetEnvironmentVariableA("PATH", &path[0], nPath) == nPath - 1)
        places.path = path.c_str();
}

static int FindTool(T_INTERFACE* gui, T_TOOL_PLACES& places)
{
    if (!IsFile(gui->szPathExe)) {
        gui->szPathExe[0] = 0;
        ToolPlaces(gui, places);
        for (const T_TOOL_CANDIDATE& c : pdfToolCandidates(places)) {
            if (IsFile(c.path.c_str())) {
                memcpy(gui->szPathExe, c.path.c_str(), c.path.size() + 1);
                break;
            }
        }
        uiShowTool(gui);
    }
    return gui->szPathExe[0] ? 1 : 0;
}

int pdfFindTool(T_INTERFACE* gui)
{
    T_TOOL_PLACES places;
    return FindTool(gui, places);
}

int pdfToolReady(T_INTERFACE* gui)
{
    T_TOOL_PLACES places;
    if (FindTool(gui, places))
        return 1;
    std::string text = pdfNoToolText(gui->szLang[TXT_MSG_NO_TOOL], places);
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The operation's progress and outcome

// What a run ended early had begun to write, so that no half-written result stays under a
// result's name: the file szOutput, or the files of the folder szOutput, written since ftStart;
// the folder too when that empties it.
static void RemoveWrittenSince(const char* szOutput, FILETIME ftStart)
{
    // File times are kept to two seconds on FAT volumes.
    ULARGE_INTEGER since = {{ftStart.dwLowDateTime, ftStart.dwHighDateTime}};
    since.QuadPart -= FAT_TIME_STEP;
    auto Written = [&](const FILETIME& ft) {
        ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
        return t.QuadPart >= since.QuadPart;
    };
    WIN32_FILE_ATTRIBUTE_DATA fa;
    if (!GetFileAttributesExA(szOutput, GetFileExInfoStandard, &fa))
        return;
    if (!(fa.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (Written(fa.ftLastWriteTime))
            DeleteFileA(szOutput);
        return;
    }
    std::string dir = std::string(szOutput) + "\\";
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((dir + "*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && Written(fd.ftLastWriteTime))
                DeleteFileA((dir + fd.cFileName).c_str());
        } while (FindNextFileA(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryA(szOutput); // only when empty
}

int pdfEndSession(void)
{
    operation.bStop = operation.bEnding = 1;
    if (running.hProcess) {
        TerminateProcess(running.hProcess, ERROR_SHUTDOWN_IN_PROGRESS);
        WaitForSingleObject(running.hProcess, TOOL_END_WAIT_MS);
        if (running.szOutput)
            RemoveWrittenSince(running.szOutput, running.ftStart);
    }
    CloseRedirect();
    return 0;
}

static void BeginOperation(int nSteps)
{
    OpenRedirect();
    operation.bStop = 0;
    operation.nSteps = nSteps;
    operation.nStep = operation.nWritten = operation.nFailed = 0;
    operation.failures.clear();
}

// An input without a result, and why.
static void AddFailure(const std::string& input, const std::string& why)
{
    if (operation.nFailed++ < FAILURES_SHOWN)
        operation.failures += "\r\n\r\n" + input + "\r\n" + why;
}

static void ShowProgress(T_INTERFACE* gui, const char* szInput)
{
    std::string text = pdfFillText(gui->szLang[TXT_STATUS_PROGRESS],
                                   {std::to_string(operation.nStep),
                                    std::to_string(operation.nSteps), PathFindFileNameA(szInput)});
    SetWindowTextA(gui->Status.hdl, text.c_str());
}

std::string pdfRunWhy(T_INTERFACE* gui, const T_RUN_RESULT& r)
{
    return !r.said.empty() ? r.said
                           : pdfFillText(gui->szLang[r.nText], {std::to_string(r.dwStatus)});
}

static void RunStep(T_INTERFACE* gui, const T_STEP& s)
{
    ++operation.nStep;
    if (s.nSkip) {
        AddFailure(s.input, pdfFillText(gui->szLang[s.nSkip], {s.detail}));
        return;
    }
    // A folder to run in is made first; without it (a file of its name is there, or it cannot
    // be made) the input is left alone.
    if (!s.workDir.empty() && !CreateDirectoryA(s.workDir.c_str(), nullptr) &&
        !PathIsDirectoryA(s.workDir.c_str())) {
        AddFailure(s.input, pdfFillText(gui->szLang[TXT_FAIL_NO_FOLDER], {s.workDir}));
        return;
    }
    ShowProgress(gui, s.input.c_str());
    T_RUN_RESULT r;
    if (ExecuteCommand(s.cmd.c_str(), s.workDir.empty() ? nullptr : s.workDir.c_str(), &r,
                       s.output.c_str()) == 0)
        ++operation.nWritten;
    else
        AddFailure(s.input, pdfRunWhy(gui, r));
}

static void EndOperation(T_INTERFACE* gui)
{
    CloseRedirect();
    if (operation.nSteps == 0)
        return;
    // Stopped only when an input was left unrun.
    bool bStopped = operation.bStop && operation.nStep < operation.nSteps;
    std::string status =
        pdfFillText(gui->szLang[bStopped ? TXT_STATUS_STOPPED : TXT_STATUS_DONE],
                    {std::to_string(operation.nWritten), std::to_string(operation.nSteps)});
    SetWindowTextA(gui->Status.hdl, status.c_str());
    // Nothing is said to a user who is closing the window, nor while the session ends.
    if (operation.nFailed == 0 || operation.bClose || operation.bEnding)
        return;
    std::string text = gui->szLang[TXT_MSG_FAILED] + operation.failures;
    if (operation.nFailed > FAILURES_SHOWN)
        text += "\r\n\r\n" + pdfFillText(gui->szLang[TXT_MSG_FAILED_MORE],
                                         {std::to_string(operation.nFailed - FAILURES_SHOWN)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
}

int pdfRunSteps(T_INTERFACE* gui, std::vector<T_STEP>& steps)
{
    BeginOperation((int)steps.size());
    for (size_t i = 0; i < steps.size() && !operation.bStop; ++i)
        RunStep(gui, steps[i]);
    EndOperation(gui);
    for (T_STEP& s : steps) // they may hold passwords
        SecureZeroMemory(&s.cmd[0], s.cmd.size());
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Page count

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

static int CountPages(const char* filepdf, const char* fileexe, const char* szPasswd,
                      T_RUN_RESULT* pResult)
{
    T_RUN_RESULT r = {TXT_FAIL_NO_TEMP, 0, std::string()};
    char dumpfile[TANDREL_PATH_MAX] = {0};
    int nPages = -1;
    if (TempDumpName(dumpfile)) {
        std::string command = pdfQuoteArg(fileexe) + " " + pdfQuoteArg(filepdf);
        if (szPasswd && *szPasswd)
            command += " input_pw " + pdfQuoteArg(szPasswd);
        command += " dumpdata output " + pdfQuoteArg(dumpfile);
        ExecuteCommand(command.c_str(), nullptr, &r, dumpfile);
        SecureZeroMemory(&command[0], command.size());
        if (FILE* f = fopen(dumpfile, "r")) {
            nPages = pdfParseDump(f);
            fclose(f);
        }
        DeleteFileA(dumpfile);
    }
    if (pResult)
        *pResult = r;
    return nPages;
}

int GetNumberOfPage(const char* filepdf, const char* fileexe)
{
    return CountPages(filepdf, fileexe, nullptr, nullptr);
}

int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd,
                            T_RUN_RESULT* pResult)
{
    return CountPages(filepdf, fileexe, szPasswd, pResult);
}
