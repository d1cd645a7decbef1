// One run of the tool: started, its output kept, waited for while the window answers.
#include "pdf_run.h"

#include <string.h>

#include <algorithm>
#include <vector>

#include "paths.h"
#include "pdf_temp.h"
#include "pdf_text.h"

// Lines of the tool's output kept for the message, and the bytes read to find them.
#define TOOL_LINES_SHOWN 2
#define TOOL_OUTPUT_TAIL 4096
// The room of the pipe a run writes into when no file can be made for it, and how often it is
// emptied meanwhile, in ms.
#define TOOL_PIPE_SIZE 65536
#define TOOL_PIPE_EVERY_MS 50
// How long the session's end waits for a tool it ends, in ms.
#define TOOL_END_WAIT_MS 5000
// How often long work of an operation lets the window answer, in ms: less than a user notices.
#define ANSWER_EVERY_MS 30

static T_RUN runs[RUN_SLOTS];
static T_ANSWER pWindowAnswer;                 // pdfLendWindow
static HANDLE hNoInput = INVALID_HANDLE_VALUE; // the empty input every run without console reads
static int bRunsForbidden;                     // the session ends

static int GoOnCopying(void);
static T_COPY_HOOKS copyHooks = {GoOnCopying, nullptr};

int pdfLendWindow(T_ANSWER pAnswer, int (*pCopyNote)(const char* szName))
{
    pWindowAnswer = pAnswer;
    copyHooks.pNote = pCopyNote;
    return 0;
}

static void Answer(void)
{
    if (pWindowAnswer)
        pWindowAnswer();
}

int pdfLetWindowAnswer(void)
{
    static DWORD dwLast;
    if (GetTickCount() - dwLast >= ANSWER_EVERY_MS) {
        Answer();
        dwLast = GetTickCount();
    }
    return 0;
}

// A file copied for the tool: the window answers meanwhile, and the session's end cancels it.
static int GoOnCopying(void)
{
    pdfLetWindowAnswer();
    return !bRunsForbidden;
}

int pdfWaitForMessage(void)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Answer();
    return 0;
}

int pdfRunsEnded(void)
{
    return bRunsForbidden;
}

int pdfNewSession(void)
{
    bRunsForbidden = 0;
    return 0;
}

T_RUN* pdfFreeSlot(void)
{
    for (T_RUN& run : runs) {
        if (!run.hProcess)
            return &run;
    }
    return nullptr;
}

int pdfToolRunning(void)
{
    for (const T_RUN& run : runs) {
        if (run.hProcess)
            return 1;
    }
    return 0;
}

static void CloseHandleOf(HANDLE* h)
{
    if (*h && *h != INVALID_HANDLE_VALUE)
        CloseHandle(*h);
    *h = nullptr;
}

int pdfCloseToolOutputs(void)
{
    CloseHandleOf(&hNoInput);
    hNoInput = INVALID_HANDLE_VALUE;
    for (T_RUN& run : runs) {
        CloseHandleOf(&run.hToolOutput);
        CloseHandleOf(&run.hPipe);
        if (run.szToolOutput[0])
            pathDelete(run.szToolOutput);
        run.szToolOutput[0] = 0;
    }
    return 0;
}

// What a run of the tool that keeps no console is given: an empty input, and a file of the
// slot's own for what it writes, emptied for each run; without one, a pipe read as it runs.
static void OpenToolOutput(T_RUN* run)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE}; // handles the tool inherits
    if (hNoInput == INVALID_HANDLE_VALUE)
        hNoInput = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                               OPEN_EXISTING, 0, nullptr);
    run->piped.clear();
    CloseHandleOf(&run->hPipe);
    if (run->hToolOutput && run->szToolOutput[0]) {
        SetFilePointer(run->hToolOutput, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(run->hToolOutput);
        return;
    }
    CloseHandleOf(&run->hToolOutput);
    if (pdfTempName(TEMP_PREFIX_OUTPUT, run->szToolOutput))
        run->hToolOutput =
            CreateFileW(pathWide(run->szToolOutput).c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (run->hToolOutput == INVALID_HANDLE_VALUE)
        run->hToolOutput = nullptr;
    if (run->hToolOutput)
        return;
    // No file: the tool's words still come back, through a pipe this end reads.
    run->szToolOutput[0] = 0;
    if (!CreatePipe(&run->hPipe, &run->hToolOutput, &sa, TOOL_PIPE_SIZE))
        run->hPipe = run->hToolOutput = nullptr;
    if (run->hPipe)
        SetHandleInformation(run->hPipe, HANDLE_FLAG_INHERIT, 0);
}

// Empties the pipe of a run into its kept text, the end of it.
static void ReadPipe(T_RUN* run)
{
    DWORD nAvail = 0;
    while (run->hPipe && PeekNamedPipe(run->hPipe, nullptr, 0, nullptr, &nAvail, nullptr) &&
           nAvail > 0) {
        std::string chunk(nAvail, '\0');
        DWORD nRead = 0;
        if (!ReadFile(run->hPipe, &chunk[0], nAvail, &nRead, nullptr) || nRead == 0)
            break;
        run->piped.append(chunk, 0, nRead);
        if (run->piped.size() > TOOL_OUTPUT_TAIL)
            run->piped.erase(0, run->piped.size() - TOOL_OUTPUT_TAIL);
    }
}

// The last lines of what the tool wrote.
static std::string ToolOutputLines(T_RUN* run)
{
    if (run->hPipe) {
        ReadPipe(run);
        return pathFromCodePage(pdfLastLines(run->piped, TOOL_LINES_SHOWN).c_str(), CP_ACP);
    }
    LARGE_INTEGER size;
    if (!run->szToolOutput[0] || !GetFileSizeEx(run->hToolOutput, &size))
        return std::string();
    LARGE_INTEGER from;
    from.QuadPart = size.QuadPart > TOOL_OUTPUT_TAIL ? size.QuadPart - TOOL_OUTPUT_TAIL : 0;
    std::string tail(TOOL_OUTPUT_TAIL, '\0');
    DWORD nRead = 0;
    if (!SetFilePointerEx(run->hToolOutput, from, nullptr, FILE_BEGIN) ||
        !ReadFile(run->hToolOutput, &tail[0], TOOL_OUTPUT_TAIL, &nRead, nullptr))
        return std::string();
    tail.resize(nRead);
    // The tool writes in the code page; its words are kept in UTF-8, as every text shown.
    return pathFromCodePage(pdfLastLines(tail, TOOL_LINES_SHOWN).c_str(), CP_ACP);
}

std::string pdfSystemReason(DWORD dwError)
{
    WCHAR* wszText = nullptr;
    DWORD nLen = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, dwError, 0, (LPWSTR)&wszText, 0, nullptr);
    std::string text = nLen && wszText ? pathUtf8(wszText) : std::to_string(dwError);
    LocalFree(wszText);
    while (!text.empty() && strchr("\r\n .", text.back()))
        text.pop_back();
    return text;
}

// Creates the tool's process: without a console, each run inherits only its own input and
// output handles, not those of the runs beside it.
static BOOL CreateToolProcess(WCHAR* wszCmd, const WCHAR* wszWorkDir, T_RUN* run, int bConsole,
                              PROCESS_INFORMATION* pi)
{
    STARTUPINFOEXW si;
    ZeroMemory(&si, sizeof(si));
    si.StartupInfo.cb = sizeof(si.StartupInfo);
    if (bConsole)
        return CreateProcessW(nullptr, wszCmd, nullptr, nullptr, FALSE, 0, nullptr, wszWorkDir,
                              &si.StartupInfo, pi);
    si.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    si.StartupInfo.hStdInput = hNoInput;
    si.StartupInfo.hStdOutput = si.StartupInfo.hStdError = run->hToolOutput;
    HANDLE inherited[] = {hNoInput, run->hToolOutput};
    SIZE_T nSize = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &nSize);
    std::vector<char> list(nSize);
    si.lpAttributeList = (LPPROC_THREAD_ATTRIBUTE_LIST)list.data();
    DWORD dwFlags = DETACHED_PROCESS;
    if (nSize && InitializeProcThreadAttributeList(si.lpAttributeList, 1, 0, &nSize)) {
        if (UpdateProcThreadAttribute(si.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                      inherited, sizeof(inherited), nullptr, nullptr)) {
            si.StartupInfo.cb = sizeof(si);
            dwFlags |= EXTENDED_STARTUPINFO_PRESENT;
        }
    }
    BOOL bStarted = CreateProcessW(nullptr, wszCmd, nullptr, nullptr, TRUE, dwFlags, nullptr,
                                   wszWorkDir, &si.StartupInfo, pi);
    if (nSize)
        DeleteProcThreadAttributeList(si.lpAttributeList);
    return bStarted;
}

// The command line toolCmd as Windows starts it, wide: its head, the tool's own path, from UTF-8
// as the program keeps its paths (any folder's name); the rest as the tool reads it, in the code
// page its names were given in.
static std::wstring WideCommand(const std::string& toolCmd)
{
    size_t nHead = toolCmd.size() > 1 && toolCmd[0] == '"' ? toolCmd.find('"', 1) : 0;
    nHead = nHead == std::string::npos ? 0 : nHead + 1;
    std::string rest = toolCmd.substr(nHead);
    std::wstring wide = pathWide(toolCmd.substr(0, nHead).c_str());
    int nLen = MultiByteToWideChar(CP_ACP, 0, rest.c_str(), (int)rest.size(), nullptr, 0);
    std::wstring tail((size_t)(nLen > 0 ? nLen : 0), L'\0');
    if (nLen > 0)
        MultiByteToWideChar(CP_ACP, 0, rest.c_str(), (int)rest.size(), &tail[0], nLen);
    wide += tail;
    pdfWipe(rest);
    SecureZeroMemory(&tail[0], tail.size() * sizeof(WCHAR));
    return wide;
}

// Starts the command line toolCmd, as the tool is given it, in the free slot run, in the folder
// szWorkDir (UTF-8; null: the program's current folder).
static int StartTool(T_RUN* run, const std::string& toolCmd, const char* szWorkDir,
                     T_RUN_RESULT* pResult)
{
    std::wstring wideCmd = WideCommand(toolCmd);
    // Longer command lines are refused by Windows, and cut short by some of its emulations: a
    // cut command could name another file, so it never runs.
    if (wideCmd.size() >= TANDREL_CMDLINE_MAX) {
        SecureZeroMemory(&wideCmd[0], wideCmd.size() * sizeof(WCHAR));
        pResult->nText = TXT_FAIL_TOO_LONG;
        return 0;
    }
    // Asked for a password on its console, the tool keeps its console. Otherwise it runs without
    // one, reads an empty input (it can never wait for an answer nobody sees) and writes into a
    // file kept for the message.
    int bConsole = pdfAsksOnConsole(toolCmd);
    if (!bConsole)
        OpenToolOutput(run);
    pdfProfileMark(PROFILE_REDIRECT);
    PROCESS_INFORMATION pi;
    ZeroMemory(&pi, sizeof(pi));
    std::wstring workDir = szWorkDir ? pathWide(szWorkDir) : std::wstring();
    // CreateProcessW writes to the command line; it may hold passwords.
    BOOL bStarted =
        CreateToolProcess(&wideCmd[0], szWorkDir ? workDir.c_str() : nullptr, run, bConsole, &pi);
    SecureZeroMemory(&wideCmd[0], wideCmd.size() * sizeof(WCHAR));
    pdfProfileMark(PROFILE_CREATE);
    if (!bStarted) {
        pResult->nText = TXT_FAIL_NOT_STARTED_WHY;
        pResult->detail = pdfSystemReason(GetLastError());
        return 0;
    }
    CloseHandle(pi.hThread);
    run->hProcess = pi.hProcess;
    run->bConsole = bConsole;
    return 1;
}

int pdfStartRun(T_RUN* run, const std::string& cmd, const T_TOOL_PATHS& paths,
                const char* szWorkDir, T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()};
    if (bRunsForbidden)
        return 0;
    std::string toolCmd, toolDir;
    DWORD dwError = 0;
    int bNamed = pdfGiveNames(cmd, paths, &copyHooks, toolCmd, toolDir, run->standIns, &dwError);
    pdfProfileMark(PROFILE_NAMES);
    if (!bNamed) {
        *pResult = {TXT_FAIL_NO_STAND_IN, 0, std::string(), pdfSystemReason(dwError)};
        return 0;
    }
    // The session may have ended while a file was copied.
    int bStarted = !bRunsForbidden &&
                   StartTool(run, toolCmd, toolDir.empty() ? szWorkDir : toolDir.c_str(), pResult);
    pdfWipe(toolCmd);
    if (!bStarted)
        pdfRemoveStandIns(run->standIns);
    return bStarted;
}

int pdfFinishRun(T_RUN* run, T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()};
    if (GetExitCodeProcess(run->hProcess, &pResult->dwStatus))
        pResult->nText = pResult->dwStatus == 0 ? 0 : TXT_FAIL_STATUS;
    pResult->detail = std::to_string(pResult->dwStatus);
    CloseHandleOf(&run->hProcess);
    if (pResult->nText && !run->bConsole)
        pResult->said = ToolOutputLines(run);
    pdfProfileMark(PROFILE_OUTPUT);
    DWORD dwError = 0;
    if (!pResult->nText && !pdfPlaceResults(run->standIns, &dwError))
        *pResult = {TXT_FAIL_NOT_PLACED, pResult->dwStatus, std::string(),
                    pdfSystemReason(dwError)};
    // No half-written file stays under a result's name.
    if (pResult->nText)
        pdfRemoveWhatRunWrote(&run->what);
    pdfRemoveStandIns(run->standIns);
    run->what = T_RESULT_WATCH();
    pdfProfileMark(PROFILE_FINISH);
    return 0;
}

// After a failed wait: a run whose process has ended, or else one ended now, so that no slot is
// freed while its tool still writes.
static T_RUN* EndedAfterFailedWait(T_RUN* const* of, DWORD nWaited)
{
    for (DWORD i = 0; i < nWaited; ++i) {
        DWORD dwCode = 0;
        if (!GetExitCodeProcess(of[i]->hProcess, &dwCode) || dwCode != STILL_ACTIVE)
            return of[i];
    }
    TerminateProcess(of[0]->hProcess, ERROR_OPERATION_ABORTED);
    WaitForSingleObject(of[0]->hProcess, TOOL_END_WAIT_MS);
    return of[0];
}

T_RUN* pdfWaitAny(void)
{
    HANDLE handles[RUN_SLOTS];
    T_RUN* of[RUN_SLOTS];
    DWORD nWaited = 0;
    bool bPiped = false;
    for (T_RUN& run : runs) {
        if (run.hProcess) {
            handles[nWaited] = run.hProcess;
            of[nWaited++] = &run;
            bPiped = bPiped || run.hPipe;
        }
    }
    if (nWaited == 0)
        return nullptr;
    // A pipe is emptied as the tool writes, so that it never waits for room.
    DWORD dwEvery = bPiped ? TOOL_PIPE_EVERY_MS : INFINITE;
    for (;;) {
        DWORD dwWait = MsgWaitForMultipleObjectsEx(nWaited, handles, dwEvery, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
        for (DWORD i = 0; i < nWaited; ++i)
            ReadPipe(of[i]);
        if (dwWait == WAIT_FAILED)
            return EndedAfterFailedWait(of, nWaited);
        if (dwWait - WAIT_OBJECT_0 < nWaited) {
            Answer();
            return of[dwWait - WAIT_OBJECT_0];
        }
        Answer();
    }
}

int pdfEndRuns(void)
{
    bRunsForbidden = 1;
    for (T_RUN& run : runs) {
        // A run that has ended meanwhile is done: its result stays, and so does its failure's.
        if (run.hProcess && WaitForSingleObject(run.hProcess, 0) == WAIT_OBJECT_0) {
            T_RUN_RESULT r;
            pdfFinishRun(&run, &r);
        } else if (run.hProcess) {
            TerminateProcess(run.hProcess, ERROR_SHUTDOWN_IN_PROGRESS);
        }
    }
    for (T_RUN& run : runs) {
        if (!run.hProcess)
            continue;
        WaitForSingleObject(run.hProcess, TOOL_END_WAIT_MS);
        pdfRemoveWhatRunWrote(&run.what);
        pdfRemoveStandIns(run.standIns);
        run.what = T_RESULT_WATCH();
        CloseHandleOf(&run.hProcess);
    }
    pdfCloseToolOutputs();
    return 0;
}

int pdfExecuteAtOnce(const std::vector<std::string>& cmds, const std::vector<T_TOOL_PATHS>& paths,
                     const char* szWorkDir, std::vector<T_RUN_RESULT>& results)
{
    results.assign(cmds.size(), {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()});
    std::vector<T_RUN*> started(cmds.size(), nullptr);
    size_t nRunning = 0;
    for (size_t i = 0; i < cmds.size(); ++i) {
        T_RUN* run = pdfFreeSlot();
        if (!run)
            break;
        pdfWatchResult(&run->what, paths[i].writes.c_str(), 0, 0);
        if (pdfStartRun(run, cmds[i], paths[i], szWorkDir, &results[i])) {
            started[i] = run;
            ++nRunning;
        } else {
            run->what = T_RESULT_WATCH();
        }
    }
    for (; nRunning > 0; --nRunning) {
        T_RUN* ended = pdfWaitAny();
        auto it = std::find(started.begin(), started.end(), ended);
        if (!ended || it == started.end()) // the session ended them
            break;
        pdfFinishRun(ended, &results[(size_t)(it - started.begin())]);
        *it = nullptr;
    }
    for (size_t i = 0; i < started.size(); ++i) {
        if (started[i])
            pdfFinishRun(started[i], &results[i]);
    }
    pdfCloseToolOutputs();
    int nWell = 0;
    for (const T_RUN_RESULT& r : results)
        nWell += r.nText == 0;
    return nWell;
}

int ExecuteCommand(const std::string& cmd, const T_TOOL_PATHS& paths, const char* szWorkDir,
                   T_RUN_RESULT* pResult)
{
    std::vector<T_RUN_RESULT> results;
    int bWell = pdfExecuteAtOnce({cmd}, {paths}, szWorkDir, results);
    if (pResult)
        *pResult = results[0];
    return bWell;
}

std::string pdfRunWhy(const char* szText, const T_RUN_RESULT& r)
{
    return !r.said.empty() ? r.said : pdfFillText(szText, {r.detail});
}
