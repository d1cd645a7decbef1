// Stand-in for pdftk in the tests: records how it was started and writes the files the program
// expects. Its input file tells it the page count of dumps and bursts (the number after the
// first "/Count ", as in a real PDF file's page tree; 0 without one), and a "/Password (pw)" in
// it makes a dump need "input_pw pw" or write nothing and exit with 3. Environment variables:
//   TANDREL_FAKE_LOG       file to append "CMD:<command line>\n" and "CWD:<folder>\n" to
//   TANDREL_FAKE_STATUS    exit status (default 0)
//   TANDREL_FAKE_DELAY_MS  time to sleep after logging, before anything else (default 0)
//   TANDREL_FAKE_FAIL_ON   a command line holding this text writes nothing but the log and
//                          exits with 1
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "cmdline.h"

namespace {

// Empty when the variable is unset or empty: an empty value would match every command line.
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

int EnvInt(const char* szName, int nDefault)
{
    std::string s = Env(szName);
    if (s.empty())
        return nDefault;
    char* end = nullptr;
    long v = strtol(s.c_str(), &end, 10);
    if (end == s.c_str() || v < 0 || v > 1000000)
        return nDefault;
    return static_cast<int>(v);
}

bool WriteText(const std::string& path, const std::string& text)
{
    if (path == "-") {
        fwrite(text.data(), 1, text.size(), stdout);
        return fflush(stdout) == 0;
    }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && ok;
}

void Log(const char* szCmdLine)
{
    std::string path = Env("TANDREL_FAKE_LOG");
    if (path.empty())
        return;
    char szCwd[MAX_PATH + 1] = {0};
    DWORD n = GetCurrentDirectoryA(sizeof(szCwd), szCwd);
    if (n >= sizeof(szCwd))
        szCwd[0] = '\0';
    FILE* f = fopen(path.c_str(), "ab");
    if (!f)
        return;
    std::string text = std::string("CMD:") + szCmdLine + "\nCWD:" + szCwd + "\n";
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
}

bool HasArg(const std::vector<std::string>& args, const char* szWord)
{
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == szWord)
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

int main()
{
    const char* szCmdLine = GetCommandLineA();
    Log(szCmdLine);

    int nDelay = EnvInt("TANDREL_FAKE_DELAY_MS", 0);
    if (nDelay > 0)
        Sleep(static_cast<DWORD>(nDelay));

    std::string failOn = Env("TANDREL_FAKE_FAIL_ON");
    if (!failOn.empty() && std::string(szCmdLine).find(failOn) != std::string::npos)
        return 1;

    std::vector<std::string> args = SplitCommandLine(szCmdLine);
    std::string input;
    if (FILE* f = args.size() > 1 ? fopen(args[1].c_str(), "rb") : nullptr) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof(buf), f)) > 0;)
            input.append(buf, n);
        fclose(f);
    }
    const int nPages = atoi(Field(input, "/Count ", " /\n>").c_str());
    const int nStatus = EnvInt("TANDREL_FAKE_STATUS", 0);
    const std::string* output = ArgAfter(args, "output");

    if (HasArg(args, "dumpdata")) {
        std::string password = Field(input, "/Password (", ")");
        if (!password.empty()) {
            const std::string* given = ArgAfter(args, "input_pw");
            if (!given || *given != password)
                return 3;
        }
        if (output)
            WriteText(*output, DumpText(nPages));
    } else if (HasArg(args, "burst")) {
        for (int i = 1; i <= nPages; ++i) {
            char szName[32];
            snprintf(szName, sizeof(szName), "pg_%03d.pdf", i);
            WriteText(szName, "%PDF-1.4\n% fake page " + std::to_string(i) + "\n");
        }
        WriteText("doc_data.txt", DumpText(nPages));
    } else if (output) {
        WriteText(*output, "%PDF-1.4\n% fake output\n");
    }
    return nStatus;
}
