// The command-line splitting, and the bridge to Unix programs under Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "cmdline.h"
#include "harness.h"
#include "pdf_text.h"
#include "pdfwriter.h"

namespace {

// Texts that need every rule of the quoting. bPath marks those the bridge converts.
struct Tricky {
    const char* text;
    bool bPath;
};
const Tricky kTricky[] = {
    {"plain", false},
    {"two words", false},
    {"", false},
    {" ", false},
    {"\t", false},
    {"tab\there", false},
    {"\"", false},
    {"a\"b", false},
    {"\"\"", false},
    {"\"quoted\"", false},
    {"end\\", false},
    {"end\\\\", false},
    {"\\", false},
    {"a\\b", false},
    {"a\\\"b", false},
    {"a\\\\\"b", false},
    {"a\\\\\\\"b", false},
    {"trail \\\\\\", false},
    {"x\"\"y", false},
    {"'single'", false},
    {"$HOME `id` ; & | < > * ?", false},
    {"caf\xe9 \xe9t\xe9", false},
    {"C:\\Program Files\\", true},
    {"\\\\server\\share\\", true},
};

std::string Utf8FromAnsi(const std::string& s)
{
    std::wstring w(s.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], (int)w.size());
    std::string out(4 * s.size() + 1, '\0');
    int m = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), n, &out[0], (int)out.size(), nullptr,
                                nullptr);
    out.resize(m > 0 ? (size_t)m - 1 : 0);
    return out;
}

// The platform's own splitting of an ANSI command line.
std::vector<std::string> ShellSplit(const std::string& cmd)
{
    std::vector<std::string> args;
    int nw = MultiByteToWideChar(CP_ACP, 0, cmd.c_str(), -1, nullptr, 0);
    std::wstring w((size_t)nw, L'\0');
    MultiByteToWideChar(CP_ACP, 0, cmd.c_str(), -1, &w[0], nw);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(w.c_str(), &argc);
    if (!argv)
        return args;
    for (int i = 0; i < argc; ++i) {
        int n = WideCharToMultiByte(CP_ACP, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string a((size_t)n, '\0');
        WideCharToMultiByte(CP_ACP, 0, argv[i], -1, &a[0], n, nullptr, nullptr);
        a.resize(n > 0 ? (size_t)n - 1 : 0);
        args.push_back(a);
    }
    LocalFree(argv);
    return args;
}

// Runs a command line and waits for it: its exit status, -1 when it cannot start or hangs.
int RunAndWait(const std::string& cmdLine, const char* szDir = nullptr, DWORD* pMs = nullptr)
{
    std::string cmd = cmdLine;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    DWORD t0 = GetTickCount();
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, szDir, &si, &pi))
        return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1);
    if (pMs)
        *pMs = GetTickCount() - t0;
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return (int)code;
}

std::string Line(const std::string& exe, const std::vector<std::string>& args)
{
    std::string cmd = pdfQuoteArg(exe);
    for (const std::string& a : args)
        cmd += " " + pdfQuoteArg(a);
    return cmd;
}

const char* const kToolVars[] = {
    "TANDREL_FAKE_PAGES",   "TANDREL_FAKE_STATUS",   "TANDREL_FAKE_DELAY_MS",
    "TANDREL_FAKE_FAIL_ON", "TANDREL_FAKE_PASSWORD", "TANDREL_UNIXRUN_STDOUT",
};

void ClearToolVars()
{
    for (const char* v : kToolVars)
        SetEnv(v, nullptr);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Command-line splitting

TEST(CommandLine, QuotedArgumentsSplitBackWhole)
{
    std::string all = "prog";
    std::vector<std::string> expected = {"prog"};
    for (const Tricky& t : kTricky) {
        std::string cmd = std::string("prog ") + pdfQuoteArg(t.text);
        EXPECT_EQ(SplitCommandLine(cmd.c_str()), (std::vector<std::string>{"prog", t.text}))
            << cmd;
        all += " " + pdfQuoteArg(t.text);
        expected.push_back(t.text);
    }
    EXPECT_EQ(SplitCommandLine(all.c_str()), expected);
}

TEST(CommandLine, QuotedArgumentsSplitAlikeByThePlatform)
{
    std::string all = "\"C:\\Program Files\\prog.exe\"";
    std::vector<std::string> expected = {"C:\\Program Files\\prog.exe"};
    for (const Tricky& t : kTricky) {
        std::string cmd = "prog " + pdfQuoteArg(t.text);
        EXPECT_EQ(ShellSplit(cmd), (std::vector<std::string>{"prog", t.text})) << cmd;
        all += "  " + pdfQuoteArg(t.text);
        expected.push_back(t.text);
    }
    EXPECT_EQ(ShellSplit(all), expected);
    EXPECT_EQ(SplitCommandLine(all.c_str()), expected);
}

TEST(CommandLine, SplitsByTheRuntimeRules)
{
    struct Case {
        const char* cmd;
        std::vector<std::string> args;
    } cases[] = {
        // The examples of the C runtime's documentation.
        {"p \"abc\" d e", {"p", "abc", "d", "e"}},
        {"p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
        {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        {"p a\"b\"\" c d", {"p", "ab\" c d"}},
        // The program name takes backslashes as they are, even before its closing quote.
        {"\"C:\\My Dir\\\" x", {"C:\\My Dir\\", "x"}},
        {"C:\\dir\\p.exe\tx", {"C:\\dir\\p.exe", "x"}},
        {"\"p q\"r s", {"p qr", "s"}},
        {" a b", {"", "a", "b"}},
        {"", {""}},
        // Empty arguments count; blanks at the end do not.
        {"p \"\" \"\"", {"p", "", ""}},
        {"p a \t ", {"p", "a"}},
        {"p \t\"a\tb\"\t c", {"p", "a\tb", "c"}},
        {"p \"open", {"p", "open"}},
        {"p a\\", {"p", "a\\"}},
        {"p \\\\\"", {"p", "\\"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLine(c.cmd), c.args) << c.cmd;
}

// ---------------------------------------------------------------------------------------------
// The bridge to Unix programs

class Bridge : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearToolVars();
        const ::testing::TestInfo* info =
            ::testing::UnitTest::GetInstance()->current_test_info();
        dir = NewScratchDir((std::string("tools_") + info->name()).c_str());
        unixrun = TestProgramDir() + "..\\bridge\\unixrun.exe";
        outFile = dir + "stdout.txt";
    }
    void TearDown() override { ClearToolVars(); }
    // Runs a Unix program through unixrun; its standard output goes into out.
    int RunUnix(const std::vector<std::string>& args, const char* szDir = nullptr,
                DWORD* pMs = nullptr)
    {
        DeleteFileA(outFile.c_str());
        SetEnv("TANDREL_UNIXRUN_STDOUT", outFile.c_str());
        int nStatus = RunAndWait(Line(unixrun, args), szDir, pMs);
        SetEnv("TANDREL_UNIXRUN_STDOUT", nullptr);
        out = ReadFile(outFile);
        return nStatus;
    }
    std::string dir, unixrun, outFile, out;
};

TEST_F(Bridge, ArgumentsArriveByteForByte)
{
    std::vector<std::string> args = {"printf", "[%s]\\n"};
    std::string expected;
    for (const Tricky& t : kTricky) {
        if (t.bPath)
            continue;
        args.push_back(t.text);
        // Unix programs get UTF-8 from Wine.
        expected += "[" + Utf8FromAnsi(t.text) + "]\n";
    }
    EXPECT_EQ(RunUnix(args), 0);
    EXPECT_EQ(out, expected);
}

TEST_F(Bridge, WindowsPathsBecomeUnixPaths)
{
    std::string sub = dir + "caf\xe9 & co\\";
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    std::string file = sub + "in put.txt";
    ASSERT_TRUE(WriteFileBytes(file, "hello"));
    std::string slashed = file;
    for (char& c : slashed) {
        if (c == '\\')
            c = '/';
    }
    // Plain, with forward slashes, and after a pdftk handle: cat finds the file each time.
    EXPECT_EQ(RunUnix({"sh", "-c", "cat \"$1\" \"$2\" \"${3#B=}\"", "sh", file, slashed,
                       "B=" + file}),
              0);
    EXPECT_EQ(out, "hellohellohello");
    // An output in folders yet to be made.
    std::string deep = dir + "new\\d\xe9\xe9p\\f.txt";
    EXPECT_EQ(RunUnix({"sh", "-c", "mkdir -p \"${1%/*}\" && printf made >\"$1\"", "sh", deep}),
              0);
    EXPECT_EQ(ReadFile(deep), "made");
}

TEST_F(Bridge, PasswordsKeywordsAndRelativeNamesStayAsGiven)
{
    std::vector<std::string> args = {"owner_pw", "C:\\pw one", "user_pw",    "D:/pw",
                                     "input_pw", "\\\\pw\\x",  "owner_pw",   "owner_pw",
                                     "C:\\windows", "cat",     "1-3even",    "rel\\name.pdf",
                                     "A=rel.pdf", "C:rel.pdf", "output",     "-"};
    std::vector<std::string> cmd = {"printf", "%s\\n"};
    cmd.insert(cmd.end(), args.begin(), args.end());
    EXPECT_EQ(RunUnix(cmd), 0);
    std::vector<std::string> lines;
    for (size_t pos = 0, end; (end = out.find('\n', pos)) != std::string::npos; pos = end + 1)
        lines.push_back(out.substr(pos, end - pos));
    ASSERT_EQ(lines.size(), args.size()) << out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "C:\\windows") {
            // A password "owner_pw" does not make the path after it one.
            EXPECT_EQ(lines[i].compare(0, 1, "/"), 0) << lines[i];
            EXPECT_EQ(lines[i].find('\\'), std::string::npos) << lines[i];
        } else {
            EXPECT_EQ(lines[i], args[i]);
        }
    }
}

TEST_F(Bridge, RunsInTheCurrentFolder)
{
    std::string sub = dir + "w\xe9rk dir\\";
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(sub + "n\xe9 file.txt", "here"));
    EXPECT_EQ(RunUnix({"cat", "n\xe9 file.txt"}, sub.c_str()), 0);
    EXPECT_EQ(out, "here");
}

TEST_F(Bridge, PassesTheExitStatusBack)
{
    struct Case {
        std::vector<std::string> args;
        int nStatus;
    } cases[] = {
        {{"sh", "-c", "exit 0"}, 0},
        {{"sh", "-c", "exit 42"}, 42},
        {{"tandrel-no-such-program"}, 127},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunUnix(c.args), c.nStatus) << c.args[0] << " " << c.args.back();
}

TEST_F(Bridge, WaitsForTheProgramAndCleansUp)
{
    int nMarkers = CountTempFiles("tbm*");
    DWORD ms = 0;
    EXPECT_EQ(RunUnix({"sh", "-c", "sleep 1; printf done"}, nullptr, &ms), 0);
    EXPECT_GE(ms, 1000u);
    EXPECT_EQ(out, "done");
    EXPECT_EQ(CountTempFiles("tbm*"), nMarkers);
    RecordProperty("unixrun_sleep_1_ms", (int)ms);
    EXPECT_EQ(RunUnix({"true"}, nullptr, &ms), 0);
    RecordProperty("unixrun_true_ms", (int)ms);
}

// ---------------------------------------------------------------------------------------------
// Debian's pdftk through the bridge

class RealPdftk : public Bridge {
protected:
    void SetUp() override
    {
        Bridge::SetUp();
        pdftk = ToolPath("bridge");
        pdf = dir + "two pag\xe9s.pdf";
        ASSERT_TRUE(WriteTestPdf(pdf.c_str(), {{200, 300}, {210, 300}}));
    }
    int Pdftk(const std::vector<std::string>& args, DWORD* pMs = nullptr)
    {
        return RunAndWait(Line(pdftk, args), nullptr, pMs);
    }
    std::string pdftk, pdf;
};

TEST_F(RealPdftk, DumpsThePageCount)
{
    std::string dump = dir + "du mp.txt";
    DWORD ms = 0;
    EXPECT_EQ(Pdftk({pdf, "dumpdata", "output", dump}, &ms), 0);
    EXPECT_NE(ReadFile(dump).find("NumberOfPages: 2\n"), std::string::npos) << ReadFile(dump);
    RecordProperty("bridge_dumpdata_ms", (int)ms);
}

TEST_F(RealPdftk, OpensAnEncryptedFileWithItsPassword)
{
    // Passwords that look like paths and need quoting reach pdftk as they are.
    const std::string owner = "C:\\own er\\";
    const std::string user = "u\"s\\er";
    std::string enc = dir + "enc.pdf";
    ASSERT_EQ(Pdftk({pdf, "output", enc, "owner_pw", owner, "user_pw", user}), 0);
    ASSERT_TRUE(FileExists(enc));
    std::string dump = dir + "dump.txt";
    EXPECT_NE(Pdftk({enc, "dumpdata", "output", dump}), 0);
    EXPECT_EQ(ReadFile(dump).find("NumberOfPages:"), std::string::npos);
    EXPECT_EQ(Pdftk({enc, "input_pw", owner, "dumpdata", "output", dump}), 0);
    EXPECT_NE(ReadFile(dump).find("NumberOfPages: 2\n"), std::string::npos) << ReadFile(dump);
}
