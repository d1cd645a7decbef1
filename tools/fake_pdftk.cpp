// Stand-in for pdftk in the tests: records how it was started and writes the files the program
// expects. Its input file tells it the page count of dumps and bursts (the number after the
// first "/Count ", as in a real PDF file's page tree; 0 without one), and a "/Password (pw)" in
// it makes every operation need "input_pw pw" or say so, write nothing and exit with 3. The input
// file also chooses how the run goes: "/FakeDelay N" waits N ms first ("/FakeEarly": after writing
// part of its output), "/FakeWork N" then works for N ms of processor time, "/FakeStatus N" exits
// with N without writing anything, after writing what "/FakeSays (text)" holds to its error
// output; "/FakeAttached (name)" is the file its unpack_files writes.
// A run given a password as PROMPT (input_pw B=PROMPT too) must be left on the console it asks
// on, where the right password is taken as typed; any other run must have no console at all (it
// would wait for an answer nobody sees) and write into a file: else it says so and exits with 5.
// The environment variable TANDREL_FAKE_LOG names a file to append "CMD:<command line>\n" and
// "CWD:<folder>\n" to as it starts, and "RAN:<start> <end> <input>\n" as it ends, the times in
// 100 ns units of the system clock: runs at once each append whole lines.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "cmdline.h"

namespace {

// Empty when the variable is unset or empty.
std::string Env(const char* szName)
{
    DWORD n = GetEnvironmentVariableA(szName, nullptr, 0);
    if (n == 0)
        return std::string();
    std::string value(n, '\0');
    DWORD nGot = GetEnvironmentVariableA(szName, &value[0], n);
    value.resize(nGot < n ? nGot : 0);
    return value;
}

bool WriteText(const std::string& path, const std::string& text)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && ok;
}

// Written whole at the log's end, whoever else appends to it meanwhile: runs at once take
// turns (appending alone is not one step on every platform).
void Log(const std::string& lines)
{
    std::string path = Env("TANDREL_FAKE_LOG");
    if (path.empty())
        return;
    HANDLE hTurn = CreateMutexA(nullptr, FALSE, "TandrelFakeToolLog");
    if (hTurn)
        WaitForSingleObject(hTurn, INFINITE);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD nWritten;
        SetFilePointer(h, 0, nullptr, FILE_END);
        WriteFile(h, lines.data(), (DWORD)lines.size(), &nWritten, nullptr);
        CloseHandle(h);
    }
    if (hTurn) {
        ReleaseMutex(hTurn);
        CloseHandle(hTurn);
    }
}

unsigned long long Now()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return ((unsigned long long)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
}

// Busy for nMs of this process's processor time.
void Work(int nMs)
{
    volatile unsigned nSum = 0;
    for (;;) {
        FILETIME t0, t1, tKernel, tUser;
        GetProcessTimes(GetCurrentProcess(), &t0, &t1, &tKernel, &tUser);
        unsigned long long nUsed = ((unsigned long long)tUser.dwHighDateTime << 32) +
                                   tUser.dwLowDateTime + tKernel.dwLowDateTime +
                                   ((unsigned long long)tKernel.dwHighDateTime << 32);
        if (nUsed >= (unsigned long long)nMs * 10000)
            return;
        for (unsigned i = 0; i < 100000; ++i)
            nSum = nSum + i * i;
    }
}

bool HasArg(const std::vector<std::string>& args, const char* szWord)
{
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == szWord)
            return true;
    }
    return false;
}

// A password given as PROMPT: alone, or after a handle (input_pw B=PROMPT).
bool AsksPassword(const std::vector<std::string>& args)
{
    for (size_t i = 1; i < args.size(); ++i) {
        size_t nValue = args[i].find('=') + 1; // 0 without a handle
        if (args[i].compare(nValue, std::string::npos, "PROMPT") == 0)
            return true;
    }
    return false;
}

// The argument after the first one equal to szWord; null when there is none.
const std::string* ArgAfter(const std::vector<std::string>& args, const char* szWord)
{
    for (size_t i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == szWord)
            return &args[i + 1];
    }
    return nullptr;
}

// The text in bytes between szKey and the next szEnd, or "" when szKey is not there.
std::string Field(const std::string& bytes, const char* szKey, const char* szEnd)
{
    size_t pos = bytes.find(szKey);
    if (pos == std::string::npos)
        return std::string();
    pos += strlen(szKey);
    return bytes.substr(pos, bytes.find_first_of(szEnd, pos) - pos);
}

std::string DumpText(int nPages)
{
    // The producer line holds a number of its own, so that a reader taking the first number
    // instead of the one after "NumberOfPages:" is caught.
    return "InfoBegin\nInfoKey: Producer\nInfoValue: fake 3 pages\nNumberOfPages: " +
           std::to_string(nPages) + "\nPageMediaBegin\n";
}

} // namespace

// What the tool does with its input; its exit status.
static int Run(const std::vector<std::string>& args, const std::string& input);

int main()
{
    const unsigned long long nStart = Now();
    const char* szCmdLine = GetCommandLineA();
    char szCwd[MAX_PATH + 1] = {0};
    if (GetCurrentDirectoryA(sizeof(szCwd), szCwd) >= sizeof(szCwd))
        szCwd[0] = '\0';
    Log(std::string("CMD:") + szCmdLine + "\nCWD:" + szCwd + "\n");

    std::vector<std::string> args = SplitCommandLine(szCmdLine);
    std::string input;
    if (FILE* f = args.size() > 1 ? fopen(args[1].c_str(), "rb") : nullptr) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof(buf), f)) > 0;)
            input.append(buf, n);
        fclose(f);
    }
    int nStatus = Run(args, input);
    Log("RAN:" + std::to_string(nStart) + " " + std::to_string(Now()) + " " +
        (args.size() > 1 ? args[1] : std::string()) + "\n");
    return nStatus;
}

static int Run(const std::vector<std::string>& args, const std::string& input)
{
    const int nPages = atoi(Field(input, "/Count ", " /\n>").c_str());
    const std::string* output = ArgAfter(args, "output");
    if (output && input.find("/FakeEarly") != std::string::npos) // begun before the wait
        WriteText(*output, "%PDF-1.4\n% fake, half written\n");
    Sleep((DWORD)atoi(Field(input, "/FakeDelay ", " /\n>").c_str()));
    Work(atoi(Field(input, "/FakeWork ", " /\n>").c_str()));
    // Kept: no console at all (none to open), what it writes going into a file.
    HANDLE hConsole = CreateFileA("CONIN$", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    bool bKept = hConsole == INVALID_HANDLE_VALUE &&
                 GetFileType(GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_DISK;
    if (hConsole != INVALID_HANDLE_VALUE)
        CloseHandle(hConsole);
    if (AsksPassword(args) == bKept) {
        fputs("fake pdftk: kept from the console it asks on, or left on one\n", stderr);
        return 5;
    }
    if (int nStatus = atoi(Field(input, "/FakeStatus ", " /\n>").c_str())) {
        fputs(Field(input, "/FakeSays (", ")").c_str(), stderr);
        return nStatus;
    }

    std::string password = Field(input, "/Password (", ")");
    if (!password.empty()) {
        const std::string* given = ArgAfter(args, "input_pw");
        if (!given || (*given != password && *given != "PROMPT")) { // typed right on the console
            fputs("Error: Failed to open PDF file:\n   OWNER OR USER PASSWORD REQUIRED, but not "
                  "given "
                  "(or incorrect)\nDone.  Input errors, so no output created.\n",
                  stderr);
            return 3;
        }
    }
    if (HasArg(args, "dumpdata")) {
        if (output)
            WriteText(*output, DumpText(nPages));
    } else if (HasArg(args, "burst")) {
        for (int i = 1; i <= nPages; ++i) {
            char szName[32];
            snprintf(szName, sizeof(szName), "pg_%03d.pdf", i);
            WriteText(szName, "%PDF-1.4\n% fake page " + std::to_string(i) + "\n");
        }
        WriteText("doc_data.txt", DumpText(nPages));
    } else if (HasArg(args, "unpack_files")) { // into the folder it runs in
        std::string attached = Field(input, "/FakeAttached (", ")");
        if (!attached.empty())
            WriteText(attached, "attached to " + args[1] + "\n");
    } else if (output) {
        WriteText(*output, "%PDF-1.4\n% fake output\n");
    }
    return 0;
}
