// Running the tool with the window alive, where the tool is, the operation's progress and
// outcome, and counting the pages of a PDF file.
#include "pdf.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
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
// How often long work of an operation lets the window answer, in ms: less than a user notices.
#define KEEP_ALIVE_MS 30
// Two seconds in file time (100 ns units): the step of a FAT volume's file times.
#define FAT_TIME_STEP 20000000ULL

// Input held back while the tool works, so that nothing the user clicks or types meanwhile runs
// now or later: every click and key meant for the controls. The window itself can still be
// moved, minimised and closed, and so can the Close button be pressed; Escape starts no further
// input of the operation.
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

int pdfKeepAlive(void)
{
    static DWORD dwLast;
    if (GetTickCount() - dwLast >= KEEP_ALIVE_MS) {
        HandleMessages();
        dwLast = GetTickCount();
    }
    return 0;
}

// One run of the tool under way, in one of the places the operation's inputs run in at once.
// Each has its own file for what the tool writes, opened for its first run of the operation.
typedef struct {
    HANDLE hProcess;               // null while the place is free
    HANDLE hSaid;                  // what the tool writes, read when it fails
    char szSaid[TANDREL_PATH_MAX]; // that file's name, removed at the operation's end
    const char* szOutput;          // what the run writes, removed if the session ends meanwhile
    FILETIME ftStart;
    size_t nStep; // the operation's input it works on
    int bConsole; // it asks on its console, and writes nothing into the file
} T_RUN;

static T_RUN runs[WORKERS_MAX];
static HANDLE hNoInput = INVALID_HANDLE_VALUE; // the empty input every run without console reads
static int nWorkersSet;                        // pdfSetWorkers

static void CloseRedirects(void)
{
    if (hNoInput != INVALID_HANDLE_VALUE)
        CloseHandle(hNoInput);
    hNoInput = INVALID_HANDLE_VALUE;
    for (T_RUN& run : runs) {
        if (run.hSaid && run.hSaid != INVALID_HANDLE_VALUE)
            CloseHandle(run.hSaid);
        run.hSaid = INVALID_HANDLE_VALUE;
        if (run.szSaid[0])
            DeleteFileA(run.szSaid);
        run.szSaid[0] = 0;
    }
}

// What a run of the tool that keeps no console is given: an empty input, and a file of the
// place's own for what it writes, emptied for each run.
static void OpenRedirect(T_RUN* run)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE}; // handles the tool inherits
    if (hNoInput == INVALID_HANDLE_VALUE)
        hNoInput = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                               OPEN_EXISTING, 0, nullptr);
    if (run->hSaid && run->hSaid != INVALID_HANDLE_VALUE) {
        SetFilePointer(run->hSaid, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(run->hSaid);
        return;
    }
    char szDir[TANDREL_PATH_MAX];
    DWORD nLen = GetTempPathA(sizeof(szDir), szDir);
    run->hSaid = INVALID_HANDLE_VALUE;
    if (nLen > 0 && nLen < sizeof(szDir) && GetTempFileNameA(szDir, "tdo", 0, run->szSaid))
        run->hSaid = CreateFileA(run->szSaid, GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (run->hSaid == INVALID_HANDLE_VALUE) // still no console, and nothing kept
        run->hSaid = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                 OPEN_EXISTING, 0, nullptr);
}

// The last lines of what the tool wrote, from the start of the file.
static std::string RedirectedLines(const T_RUN* run)
{
    LARGE_INTEGER size;
    if (!run->szSaid[0] || !GetFileSizeEx(run->hSaid, &size))
        return std::string();
    LARGE_INTEGER from;
    from.QuadPart = size.QuadPart > TOOL_OUTPUT_TAIL ? size.QuadPart - TOOL_OUTPUT_TAIL : 0;
    std::string tail(TOOL_OUTPUT_TAIL, '\0');
    DWORD nRead = 0;
    if (!SetFilePointerEx(run->hSaid, from, nullptr, FILE_BEGIN) ||
        !ReadFile(run->hSaid, &tail[0], TOOL_OUTPUT_TAIL, &nRead, nullptr))
        return std::string();
    tail.resize(nRead);
    return pdfLastLines(tail, TOOL_LINES_SHOWN);
}

// The folder the tool runs from: its own when it is not beside the program, where an installed
// tool has the files it needs; else null, the program's current folder.
static const char* ToolWorkDir(char* szDir)
{
    lstrcpynA(szDir, gui.szPathExe, TANDREL_PATH_MAX);
    PathRemoveFileSpecA(szDir);
    return szDir[0] && lstrcmpiA(szDir, gui.szPathDir) ? szDir : nullptr;
}

// Starts one complete command line in the free place run; 1 when it runs, else 0 with pResult
// saying why.
static int StartRun(T_RUN* run, const char* szCommand, const char* szWorkDir, const char* szOutput,
                    T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string()};
    char szToolDir[TANDREL_PATH_MAX];
    if (!szWorkDir)
        szWorkDir = ToolWorkDir(szToolDir);
    // Longer command lines are refused by Windows, and cut short by some of its emulations: a
    // cut command could name another file, so it never runs.
    size_t nLen = strlen(szCommand);
    if (nLen >= TANDREL_CMDLINE_MAX) {
        pResult->nText = TXT_FAIL_TOO_LONG;
        return 0;
    }
    // Once the session ends, nothing starts that it could cut short.
    if (operation.bEnding)
        return 0;
    // Asked for a password on its console, the tool keeps its console. Otherwise it runs without
    // one, reads an empty input (it can never wait for an answer nobody sees) and writes into a
    // file kept for the message.
    int bConsole = pdfAsksOnConsole(szCommand);
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    if (!bConsole) {
        OpenRedirect(run);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = hNoInput;
        si.hStdOutput = si.hStdError = run->hSaid;
    }
    PROCESS_INFORMATION pi;
    ZeroMemory(&pi, sizeof(pi));
    std::vector<char> cmd(szCommand, szCommand + nLen + 1); // CreateProcessA writes to it
    GetSystemTimeAsFileTime(&run->ftStart);
    BOOL bStarted = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, !bConsole,
                                   bConsole ? 0 : DETACHED_PROCESS, nullptr, szWorkDir, &si, &pi);
    SecureZeroMemory(cmd.data(), cmd.size()); // it may hold passwords
    if (!bStarted)
        return 0;
    CloseHandle(pi.hThread);
    run->hProcess = pi.hProcess;
    run->szOutput = szOutput;
    run->bConsole = bConsole;
    return 1;
}

// The outcome of a run that has ended; its place is free again.
static void FinishRun(T_RUN* run, T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string()};
    if (GetExitCodeProcess(run->hProcess, &pResult->dwStatus))
        pResult->nText = pResult->dwStatus == 0 ? 0 : TXT_FAIL_STATUS;
    CloseHandle(run->hProcess);
    run->hProcess = nullptr;
    run->szOutput = nullptr;
    if (pResult->nText && !run->bConsole)
        pResult->said = RedirectedLines(run);
}

// Waits until one of the runs under way ends, while the window paints, moves and answers; that
// run, or null when none is under way. What was clicked or typed meanwhile is dropped.
static T_RUN* WaitAny(void)
{
    HANDLE handles[WORKERS_MAX];
    T_RUN* of[WORKERS_MAX];
    DWORD nRuns = 0;
    for (T_RUN& run : runs) {
        if (run.hProcess) {
            handles[nRuns] = run.hProcess;
            of[nRuns++] = &run;
        }
    }
    if (nRuns == 0)
        return nullptr;
    DWORD nEnded;
    while ((nEnded = MsgWaitForMultipleObjectsEx(nRuns, handles, INFINITE, QS_ALLINPUT,
                                                 MWMO_INPUTAVAILABLE) -
                     WAIT_OBJECT_0) >= nRuns) {
        if (nEnded + WAIT_OBJECT_0 == WAIT_FAILED) { // taken as ended rather than spun on
            nEnded = 0;
            break;
        }
        HandleMessages();
    }
    HandleMessages();
    return of[nEnded];
}

int ExecuteCommand(const char* szCommand, const char* szWorkDir, T_RUN_RESULT* pResult,
                   const char* szOutput)
{
    T_RUN_RESULT result;
    if (StartRun(&runs[0], szCommand, szWorkDir, szOutput, &result)) {
        WaitAny(); // the only run under way
        FinishRun(&runs[0], &result);
    }
    CloseRedirects();
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

int pdfSetWorkers(int nWorkers)
{
    nWorkersSet = nWorkers < 0 ? 0 : nWorkers > WORKERS_MAX ? WORKERS_MAX : nWorkers;
    return 0;
}

// How many inputs run at once: as many as the machine's processors and free memory allow.
static int Workers(void)
{
    if (nWorkersSet)
        return nWorkersSet;
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    MEMORYSTATUSEX ms;
    ms.dwLength = sizeof(ms);
    return pdfWorkers(si.dwNumberOfProcessors, GlobalMemoryStatusEx(&ms) ? ms.ullAvailPhys : 0);
}

int pdfEndSession(void)
{
    operation.bStop = operation.bEnding = 1;
    for (T_RUN& run : runs) {
        if (run.hProcess)
            TerminateProcess(run.hProcess, ERROR_SHUTDOWN_IN_PROGRESS);
    }
    for (T_RUN& run : runs) {
        if (!run.hProcess)
            continue;
        WaitForSingleObject(run.hProcess, TOOL_END_WAIT_MS);
        if (run.szOutput)
            RemoveWrittenSince(run.szOutput, run.ftStart);
    }
    CloseRedirects();
    return 0;
}

// The status bar: inputs finished of all, and the last one started.
static void ShowProgress(T_INTERFACE* gui, const char* szInput)
{
    std::string text = pdfFillText(gui->szLang[TXT_STATUS_PROGRESS],
                                   {std::to_string(operation.nDone),
                                    std::to_string(operation.nSteps), PathFindFileNameA(szInput)});
    SetWindowTextA(gui->Status.hdl, text.c_str());
}

std::string pdfRunWhy(T_INTERFACE* gui, const T_RUN_RESULT& r)
{
    return !r.said.empty() ? r.said
                           : pdfFillText(gui->szLang[r.nText], {std::to_string(r.dwStatus)});
}

// Starts input i of the operation in the free place run; 1 when it runs, else 0 with why it got
// no result in why.
static int StartStep(T_INTERFACE* gui, const T_STEP& s, size_t i, T_RUN* run, std::string& why)
{
    if (s.nSkip) {
        why = pdfFillText(gui->szLang[s.nSkip], {s.detail});
        return 0;
    }
    // A folder to run in is made first; without it (a file of its name is there, or it cannot
    // be made) the input is left alone.
    if (!s.workDir.empty() && !CreateDirectoryA(s.workDir.c_str(), nullptr) &&
        !PathIsDirectoryA(s.workDir.c_str())) {
        why = pdfFillText(gui->szLang[TXT_FAIL_NO_FOLDER], {s.workDir});
        return 0;
    }
    T_RUN_RESULT r;
    if (!StartRun(run, s.cmd.c_str(), s.workDir.empty() ? nullptr : s.workDir.c_str(),
                  s.output.c_str(), &r)) {
        why = pdfRunWhy(gui, r);
        return 0;
    }
    run->nStep = i;
    return 1;
}

// The status bar says what was written, and one message names the inputs without a result, in
// the order of the list.
static void EndOperation(T_INTERFACE* gui, const std::vector<T_STEP>& steps,
                         const std::vector<std::string>& whys)
{
    CloseRedirects();
    if (operation.nSteps == 0)
        return;
    // Stopped only when an input was left unrun.
    bool bStopped = operation.bStop && operation.nStarted < operation.nSteps;
    std::string status =
        pdfFillText(gui->szLang[bStopped ? TXT_STATUS_STOPPED : TXT_STATUS_DONE],
                    {std::to_string(operation.nWritten), std::to_string(operation.nSteps)});
    SetWindowTextA(gui->Status.hdl, status.c_str());
    // Nothing is said to a user who is closing the window, nor while the session ends.
    if (operation.nFailed == 0 || operation.bClose || operation.bEnding)
        return;
    std::string text = gui->szLang[TXT_MSG_FAILED];
    int nNamed = 0;
    for (size_t i = 0; i < steps.size() && nNamed < FAILURES_SHOWN; ++i) {
        if (!whys[i].empty()) {
            text += "\r\n\r\n" + steps[i].input + "\r\n" + whys[i];
            ++nNamed;
        }
    }
    if (operation.nFailed > FAILURES_SHOWN)
        text += "\r\n\r\n" + pdfFillText(gui->szLang[TXT_MSG_FAILED_MORE],
                                         {std::to_string(operation.nFailed - FAILURES_SHOWN)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
}

// Which of the operation's inputs may run beside those under way: never two of one input file,
// nor two of one result, however they are named. Each step is looked up as it comes up, so that
// the window answers meanwhile.
typedef struct {
    T_SAME_FILES inputs, outputs;
    std::vector<int> first;            // each step's first step of its input and of its result
    std::vector<char> inBusy, outBusy; // by first step: one of that file runs
} T_FILES_IN_USE;

static void LookUpStep(T_FILES_IN_USE* u, const std::vector<T_STEP>& steps, size_t i)
{
    pdfKeepAlive();
    const T_STEP& s = steps[i];
    u->first[2 * i] = s.nSkip ? -1 : pdfAddSameFile(&u->inputs, s.input.c_str(), (int)i);
    u->first[2 * i + 1] = s.nSkip ? -1 : pdfAddSameFile(&u->outputs, s.output.c_str(), (int)i);
}

static bool InUse(const T_FILES_IN_USE* u, size_t i)
{
    int nIn = u->first[2 * i], nOut = u->first[2 * i + 1];
    return (nIn >= 0 && u->inBusy[nIn]) || (nOut >= 0 && u->outBusy[nOut]);
}

static void SetInUse(T_FILES_IN_USE* u, size_t i, char bBusy)
{
    int nIn = u->first[2 * i], nOut = u->first[2 * i + 1];
    if (nIn >= 0)
        u->inBusy[nIn] = bBusy;
    if (nOut >= 0)
        u->outBusy[nOut] = bBusy;
}

int pdfRunSteps(T_INTERFACE* gui, std::vector<T_STEP>& steps)
{
    operation.nSteps = (int)steps.size();
    operation.nStarted = operation.nDone = operation.nWritten = operation.nFailed = 0;
    // One input at a time where the tool asks on its console (one question at a time), and
    // where there is nothing to run beside another.
    bool bAsks = std::any_of(steps.begin(), steps.end(),
                             [](const T_STEP& s) { return pdfAsksOnConsole(s.cmd) != 0; });
    int nWorkers = steps.size() < 2 || bAsks ? 1 : Workers();
    T_FILES_IN_USE files;
    if (nWorkers > 1) {
        files.first.assign(2 * steps.size(), -1);
        files.inBusy.assign(steps.size(), 0);
        files.outBusy.assign(steps.size(), 0);
    }
    std::vector<char> bStarted(steps.size(), 0);
    std::vector<std::string> whys(steps.size()); // why an input got no result
    size_t nFirst = 0, nLookedUp = 0;            // no input before nFirst is still to start
    const char* szLastStarted = nullptr;
    auto Finished = [&](size_t i, bool bWritten, const std::string& why) {
        ++operation.nDone;
        operation.nWritten += bWritten;
        operation.nFailed += !bWritten;
        whys[i] = why;
        if (nWorkers > 1)
            SetInUse(&files, i, 0);
    };
    for (int nRunning = 0;;) {
        // The free places take the first inputs that may start; an input waits while another
        // of its file or its result runs.
        for (size_t i = nFirst; i < steps.size() && nRunning < nWorkers && !operation.bStop; ++i) {
            if (nWorkers > 1 && i == nLookedUp)
                LookUpStep(&files, steps, nLookedUp++);
            if (operation.bStop) // asked for meanwhile
                break;
            if (bStarted[i] || (nWorkers > 1 && InUse(&files, i)))
                continue;
            bStarted[i] = 1;
            ++operation.nStarted;
            T_RUN* run = runs;
            while (run->hProcess)
                ++run;
            std::string why;
            if (StartStep(gui, steps[i], i, run, why)) {
                ++nRunning;
                szLastStarted = steps[i].input.c_str();
                if (nWorkers > 1)
                    SetInUse(&files, i, 1);
            } else {
                Finished(i, false, why);
            }
        }
        while (nFirst < steps.size() && bStarted[nFirst])
            ++nFirst;
        if (nRunning == 0)
            break;
        if (szLastStarted)
            ShowProgress(gui, szLastStarted);
        T_RUN* run = WaitAny();
        T_RUN_RESULT r;
        FinishRun(run, &r);
        --nRunning;
        Finished(run->nStep, r.nText == 0, r.nText ? pdfRunWhy(gui, r) : std::string());
    }
    EndOperation(gui, steps, whys);
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
