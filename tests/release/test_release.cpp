// The 32-bit release, build/i686/tandrel.exe exactly as built, used from outside as a person uses
// it: started in a fresh folder with the fake tool beside it as pdftk.exe, its window and controls
// found, clicked, its file dialogs and message boxes answered, and what it ran and wrote checked.
// This program is 64-bit, as is the Windows most people run the release on, and hands the
// release only messages that Windows copies between processes. The tests are the steps of one
// session with the program, in order, and a second start that reads the settings back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "layout.h"

namespace fs = std::filesystem;

namespace {

const DWORD kWaitMs = 60000; // emulated 32-bit code is slow, but never this slow

// Layout rows of the controls used here, numbered from 1 (the tab control) in creation order.
// clang-format off
enum {
    TABS = 1, FRAME_ENCRYPT = 2, OPT_40 = 3, CHK_PRINT_TOP = 7, CHK_COPY = 11, EDIT_USER = 17,
    EDIT_OWNER = 19, BTN_ENCRYPT = 20, BTN_BURST = 21, BTN_COMPRESS = 24, BTN_CLOSE = 28,
    BTN_SOURCE = 31, BTN_DECRYPT = 32, CBO_FROM = 35, CBO_TO = 37, OPT_EVEN = 39, BTN_CAT = 41,
    LIST_DELETE = 43, BTN_DELETE = 45, LIST_FILES = 46, BTN_JOIN = 47, BTN_ADD = 49,
    CBO_LANG = 54, CBO_ZOOM = 56
};
// clang-format on

PROCESS_INFORMATION pi;
HWND hMain;
std::vector<HWND> row;    // row[n]: the control of layout row n; row[0]: the status bar
std::string dir, logPath; // the release's folder, with a blank in its name, and the tool's log
// The security options from the passwords and boxes set on the Single file page.
const std::string kSecurity = " owner_pw \"pa\\\"ss\"  user_pw \"user 1\"  encrypt_40bit "
                              " allow Printing  allow CopyContents ";

const auto Q = [](const std::string& s) { return "\"" + s + "\""; };

std::string ReadAll(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The command lines that the tool was started with since the last call (which took the log).
std::vector<std::string> NewCommands()
{
    std::vector<std::string> cmds;
    std::ifstream log(logPath, std::ios::binary);
    for (std::string line; std::getline(log, line);)
        if (line.rfind("CMD:", 0) == 0)
            cmds.push_back(line.substr(4));
    log.close();
    fs::remove(logPath);
    return cmds;
}

LRESULT Send(HWND h, UINT uMsg, WPARAM w = 0, LPARAM l = 0)
{
    DWORD_PTR r = 0;
    return SendMessageTimeoutA(h, uMsg, w, l, SMTO_NORMAL, kWaitMs, &r) ? (LRESULT)r : -1;
}

std::string Text(HWND h)
{
    char sz[1024] = {0};
    Send(h, WM_GETTEXT, sizeof(sz), (LPARAM)sz);
    return sz;
}

bool IsClass(HWND h, const char* szClass)
{
    char sz[64] = {0};
    GetClassNameA(h, sz, sizeof(sz));
    return lstrcmpiA(sz, szClass) == 0;
}

template <class F> bool WaitFor(F done, DWORD nMs = kWaitMs)
{
    for (DWORD t = GetTickCount(); !done() && GetTickCount() - t < nMs;)
        Sleep(20);
    return done();
}

// A visible top-level window of the release.
HWND FindTop(const char* szClass)
{
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, szClass, nullptr));) {
        DWORD pid = 0;
        if (GetWindowThreadProcessId(h, &pid) && pid == pi.dwProcessId && IsWindowVisible(h))
            return h;
    }
    return nullptr;
}

void Start()
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string exe = dir + "tandrel.exe", cmd = Q(exe);
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &cmd[0], 0, 0, 0, 0, 0, dir.c_str(), &si, &pi))
        << "the release does not start: can 32-bit programs run here? (scripts/setup-win32.sh)";
    ASSERT_TRUE(WaitFor([] { return (hMain = FindTop("WINDOWSAPP")) != nullptr; }))
        << "the release shows no window";
    row = LayoutControls(hMain);
}

// Clicks h; returns once the release has handled the click, or shows a dialog. A click that
// answers hDialog returns once the release goes on without it.
void Click(HWND h, HWND hDialog = nullptr)
{
    SendNotifyMessageA(h, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(hDialog); })) << "the dialog stays";
    Send(hMain, WM_NULL);
}

// The message box on show as "caption: text", answered with OK; "" when none is shown.
std::string AnswerMessage()
{
    HWND hBox = FindTop("#32770");
    std::string text = hBox ? Text(hBox) + ": " + Text(GetDlgItem(hBox, 0xFFFF)) : "";
    if (hBox)
        Click(GetDlgItem(hBox, IDOK), hBox);
    return text;
}

// Types path as the file name into the file dialog on show, and presses OK.
void AnswerFileDialog(const std::string& path)
{
    HWND hDialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (hDialog = FindTop("#32770")) != nullptr; }, 5000))
        << "no file dialog for " << path;
    HWND hName = GetDlgItem(hDialog, 0x47C); // cmb13: a combo box with the edit box inside
    while (hName && !IsClass(hName, "Edit"))
        hName = GetWindow(hName, GW_CHILD);
    Send(hName, WM_SETTEXT, 0, (LPARAM)path.c_str());
    Click(GetDlgItem(hDialog, IDOK), hDialog);
}

// Arrow keys on the tab control, which selects the next tab and tells the window.
void SelectTab(int nTab)
{
    for (LRESULT nNow; (nNow = Send(row[TABS], TCM_GETCURSEL)) != nTab;) {
        PostMessageA(row[TABS], WM_KEYDOWN, nNow < nTab ? VK_RIGHT : VK_LEFT, 0);
        ASSERT_TRUE(WaitFor([&] { return Send(row[TABS], TCM_GETCURSEL) != nNow; }));
    }
}

class Release32 : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        char szSelf[MAX_PATH] = {0};
        GetModuleFileNameA(nullptr, szSelf, sizeof(szSelf));
        fs::path build = fs::path(szSelf).parent_path().parent_path(); // build/x64
        dir = (fs::temp_directory_path() / "tandrel release\\").string();
        logPath = dir + "tool.log";
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(build / "../i686/tandrel.exe", dir + "tandrel.exe");
        fs::copy_file(build / "fake/pdftk.exe", dir + "pdftk.exe");
        for (const char* szName : {"a.pdf", "b b.pdf"})
            std::ofstream(dir + szName) << "%PDF-1.4\n";
        SetEnvironmentVariableA("TANDREL_FAKE_LOG", logPath.c_str());
        SetEnvironmentVariableA("TANDREL_FAKE_PAGES", "10");
        Start();
    }
    static void TearDownTestSuite()
    {
        TerminateProcess(pi.hProcess, 1); // if it still runs
    }
};

} // namespace

TEST_F(Release32, Is32BitWithItsWindowAndEveryControlInPlace)
{
    BOOL bWow64 = FALSE;
    EXPECT_TRUE(IsWow64Process(pi.hProcess, &bWow64) && bWow64) << "not a 32-bit process";
    EXPECT_EQ(Text(hMain), "TANDREL");
    EXPECT_EQ(Text(row[0]), "Interface Windows pour le PDF Toolkit");
    ExpectLayout(hMain, row, 0);
    for (int n = 1; n <= kLayoutRows; ++n) {
        const LayoutRow& want = kLayout[n - 1];
        EXPECT_EQ(IsWindowVisible(row[n]) != FALSE, want.bVisible) << "row " << n;
        if (want.nText >= 0 && want.nText != TXT_ABOUT) { // in French, the language at first start
            EXPECT_EQ(Crc32(Text(row[n]).c_str()), textCrc[want.nText][LNG_FRENCH]) << "row " << n;
        }
    }
}

TEST_F(Release32, SingleFilePageAsksForAFileThenRunsItsCommandsOnIt)
{
    for (int n : {BTN_CAT, BTN_DELETE, BTN_DECRYPT, BTN_ENCRYPT, BTN_BURST, BTN_COMPRESS}) {
        Click(row[n]);
        EXPECT_EQ(AnswerMessage(), "TANDREL: Vous devez d'abord choisir un fichier PDF.")
            << "row " << n;
    }
    const std::string a = dir + "a.pdf", tool = Q(dir + "pdftk.exe") + " " + Q(a);
    Click(row[BTN_SOURCE]);
    AnswerFileDialog(a);
    EXPECT_EQ(Send(row[CBO_FROM], CB_GETCOUNT), 10) << "one entry per page";
    EXPECT_EQ(NewCommands().size(), 1u) << "nothing but the page count ran so far";

    Send(row[CBO_FROM], CB_SETCURSEL, 1);
    Send(row[CBO_TO], CB_SETCURSEL, 8);
    Click(row[OPT_EVEN]);
    Click(row[BTN_CAT]);
    for (int nPage : {2, 5, 9})
        Send(row[LIST_DELETE], LB_SETSEL, TRUE, nPage - 1);
    Click(row[BTN_DELETE]);
    Send(row[EDIT_OWNER], WM_SETTEXT, 0, (LPARAM) "pa\"ss");
    Send(row[EDIT_USER], WM_SETTEXT, 0, (LPARAM) "user 1");
    for (int n : {OPT_40, CHK_PRINT_TOP, CHK_COPY, BTN_ENCRYPT, BTN_BURST})
        Click(row[n]);
    EXPECT_EQ(AnswerMessage(), "");
    // The burst runs the tool in the new folder, where its pages and report stay.
    EXPECT_NE(ReadAll(logPath).find("\nCWD:" + dir + "a\n"), std::string::npos);
    EXPECT_EQ(NewCommands(),
              (std::vector<std::string>{
                  tool + " cat 2-9even  output " + Q(dir + "a_cat.pdf") + " ",
                  tool + " cat  1-1 3-4 6-8 10-end output " + Q(dir + "a_remove.pdf") + " ",
                  tool + " output " + Q(dir + "a_sec.pdf") + " " + kSecurity,
                  tool + " burst output pg_%03d.pdf",
              }));
    for (const char* szName : {"a\\pg_001.pdf", "a\\pg_010.pdf", "a\\doc_data.txt", "a.pdf"})
        EXPECT_TRUE(fs::exists(dir + szName)) << szName << " is missing";
}

TEST_F(Release32, MultipleFilesPageWorksOnEveryListedFile)
{
    SelectTab(1);
    EXPECT_TRUE(IsWindowVisible(row[LIST_FILES]) && !IsWindowVisible(row[LIST_DELETE]));
    for (const char* szName : {"a.pdf", "b b.pdf"}) {
        Click(row[BTN_ADD]);
        AnswerFileDialog(dir + szName);
    }
    Click(row[BTN_COMPRESS]);
    EXPECT_EQ(AnswerMessage(), "") << "the command is shown on the Single file page only";
    Click(row[BTN_JOIN]);
    AnswerFileDialog(dir + "joined.txt");
    const std::string tool = Q(dir + "pdftk.exe"), a = Q(dir + "a.pdf"), b = Q(dir + "b b.pdf");
    EXPECT_EQ(
        NewCommands(),
        (std::vector<std::string>{
            tool + " " + a + " output " + Q(dir + "a_compress.pdf") + " compress " + kSecurity,
            tool + " " + b + " output " + Q(dir + "b b_compress.pdf") + " compress " + kSecurity,
            tool + " " + a + " " + b + "  cat output " + Q(dir + "joined.pdf") + " " + kSecurity,
        }));
}

TEST_F(Release32, ZoomAndLanguageAreKeptInTheSettingsFile)
{
    SelectTab(2);
    ASSERT_TRUE(IsWindowVisible(row[CBO_ZOOM]));
    // A pick in a drop-down list: the item, and the notice that the list sends its window.
    for (int nRow : {CBO_ZOOM, CBO_LANG}) { // 120 %, then English
        Send(row[nRow], CB_SETCURSEL, nRow == CBO_ZOOM ? 2 : 1);
        Send(hMain, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)row[nRow]);
    }
    ExpectLayout(hMain, row, 2);
    EXPECT_EQ(Text(row[0]), "PDF Toolkit front-end for Windows");
    Click(row[BTN_CLOSE]);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, kWaitMs), WAIT_OBJECT_0);
    EXPECT_EQ(ReadAll(dir + "tandrel.cfg"), std::string("\x02\x01", 2));

    Start(); // in English at 120 %
    ExpectLayout(hMain, row, 2);
    EXPECT_EQ(Text(row[0]), "PDF Toolkit front-end for Windows");
    PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, kWaitMs), WAIT_OBJECT_0);
}
