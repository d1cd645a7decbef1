// One run of the tool: started, its output kept, waited for while the window answers.
#include "pdf_run.h"

#include <string.h>

#include <vector>

#include "pdf_files.h"
#include "pdf_text.h"

// Lines of the tool's output kept for the message, and the bytes read to find them.
#define TOOL_LINES_SHOWN 2
#define TOOL_OUTPUT_TAIL 4096
// How long the session's end waits for a tool it ends, in ms.
#define TOOL_END_WAIT_MS 5000
// How often long work of an operation lets the window answer, in ms: less than a user notices.
#define KEEP_ALIVE_MS 30

static T_RUN runs[WORKERS_MAX];
static T_ANSWER pWindowAnswer;                 // pdfLendAnswer
static HANDLE hNoInput = INVALID_HANDLE_VALUE; // the empty input every run without console reads
static int bRunsForbidden;                     // the session ends

int pdfLendAnswer(T_ANSWER pAnswer)
{
    pWindowAnswer = pAnswer;
    return 0;
}

static void Answer(void)
{
    if (pWindowAnswer)
        pWindowAnswer();
}

int pdfKeepAlive(void)
{
    static DWORD dwLast;
    if (GetTickCount() - dwLast >= KEEP_ALIVE_MS) {
        Answer();
        dwLast = GetTickCount();
    }
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

int pdfCloseToolOutputs(void)
{
    if (hNoInput != INVALID_HANDLE_VALUE)
        CloseHandle(hNoInput);
    hNoInput = INVALID_HANDLE_VALUE;
    for (T_RUN& slot : runs) {
        T_RUN* run = &slot;
        if (run->hToolOutput && run->hToolOutput != INVALID_HANDLE_VALUE)
            CloseHandle(run->hToolOutput);
        run->hToolOutput = INVALID_HANDLE_VALUE;
        if (run->szToolOutput[0])
            DeleteFileA(run->szToolOutput);
        run->szToolOutput[0] = 0;
    }
    return 0;
}

// What a run of the tool that keeps no console is given: an empty input, and a file of the
// slot's own for what it writes, emptied for each run.
static void OpenToolOutput(T_RUN* run)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE}; // handles the tool inherits
    if (hNoInput == INVALID_HANDLE_VALUE)
        hNoInput = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                               OPEN_EXISTING, 0, nullptr);
    if (run->hToolOutput && run->hToolOutput != INVALID_HANDLE_VALUE) {
        SetFilePointer(run->hToolOutput, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(run->hToolOutput);
        return;
    }
    char szDir[TANDREL_PATH_MAX];
    DWORD nLen = GetTempPathA(sizeof(szDir), szDir);
    run->hToolOutput = INVALID_HANDLE_VALUE;
    if (nLen > 0 && nLen < sizeof(szDir) && GetTempFileNameA(szDir, "tdo", 0, run->szToolOutput))
        run->hToolOutput = CreateFileA(run->szToolOutput, GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (run->hToolOutput == INVALID_HANDLE_VALUE) // still no console, and nothing kept
        run->hToolOutput = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       &sa, OPEN_EXISTING, 0, nullptr);
}

// The last lines of what the tool wrote, from the start of the file.
static std::string ToolOutputLines(const T_RUN* run)
{
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
    return pdfLastLines(tail, TOOL_LINES_SHOWN);
}

int pdfStartRun(T_RUN* run, const char* szCommand, const char* szWorkDir, const char* szResult,
                T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()};
    // Longer command lines are refused by Windows, and cut short by some of its emulations: a
    // cut command could name another file, so it never runs.
    size_t nLen = strlen(szCommand);
    if (nLen >= TANDREL_CMDLINE_MAX) {
        pResult->nText = TXT_FAIL_TOO_LONG;
        return 0;
    }
    if (bRunsForbidden)
        return 0;
    // Asked for a password on its console, the tool keeps its console. Otherwise it runs without
    // one, reads an empty input (it can never wait for an answer nobody sees) and writes into a
    // file kept for the message.
    int bConsole = pdfAsksOnConsole(szCommand);
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    if (!bConsole) {
        OpenToolOutput(run);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = hNoInput;
        si.hStdOutput = si.hStdError = run->hToolOutput;
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
    run->szResult = szResult;
    run->bConsole = bConsole;
    return 1;
}

int pdfFinishRun(T_RUN* run, T_RUN_RESULT* pResult)
{
    *pResult = {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()};
    if (GetExitCodeProcess(run->hProcess, &pResult->dwStatus))
        pResult->nText = pResult->dwStatus == 0 ? 0 : TXT_FAIL_STATUS;
    pResult->detail = std::to_string(pResult->dwStatus);
    CloseHandle(run->hProcess);
    run->hProcess = nullptr;
    run->szResult = nullptr;
    if (pResult->nText && !run->bConsole)
        pResult->said = ToolOutputLines(run);
    return 0;
}

T_RUN* pdfWaitAny(void)
{
    HANDLE handles[WORKERS_MAX];
    T_RUN* of[WORKERS_MAX];
    DWORD nWaited = 0;
    for (T_RUN& run : runs) {
        if (run.hProcess) {
            handles[nWaited] = run.hProcess;
            of[nWaited++] = &run;
        }
    }
    if (nWaited == 0)
        return nullptr;
    DWORD nEnded;
    while ((nEnded = MsgWaitForMultipleObjectsEx(nWaited, handles, INFINITE, QS_ALLINPUT,
                                                 MWMO_INPUTAVAILABLE) -
                     WAIT_OBJECT_0) >= nWaited) {
        if (nEnded + WAIT_OBJECT_0 == WAIT_FAILED) { // taken as ended rather than spun on
            nEnded = 0;
            break;
        }
        Answer();
    }
    Answer();
    return of[nEnded];
}

int pdfEndRuns(void)
{
    bRunsForbidden = 1;
    for (T_RUN& run : runs) {
        if (run.hProcess)
            TerminateProcess(run.hProcess, ERROR_SHUTDOWN_IN_PROGRESS);
    }
    for (T_RUN& run : runs) {
        if (!run.hProcess)
            continue;
        WaitForSingleObject(run.hProcess, TOOL_END_WAIT_MS);
        if (run.szResult)
            pdfRemoveWrittenSince(run.szResult, run.ftStart);
    }
    pdfCloseToolOutputs();
    return 0;
}

int ExecuteCommand(const char* szCommand, const char* szWorkDir, T_RUN_RESULT* pResult,
                   const char* szResult)
{
    T_RUN* run = pdfFreeSlot();
    T_RUN_RESULT result;
    result = {TXT_FAIL_NOT_STARTED, 0, std::string(), std::string()};
    if (run && pdfStartRun(run, szCommand, szWorkDir, szResult, &result)) {
        pdfWaitAny();
        pdfFinishRun(run, &result);
    }
    pdfCloseToolOutputs();
    if (pResult)
        *pResult = result;
    return result.nText ? 0 : 1;
}

std::string pdfRunWhy(const char* const* szLang, const T_RUN_RESULT& r)
{
    return !r.said.empty() ? r.said : pdfFillText(szLang[r.nText], {r.detail});
}
