// The 32-bit release, build/i686/tandrel.exe exactly as built, used from outside as a person uses
// it: copied with the fake tool beside it as pdftk.exe into the test's folder (its name has a
// blank), started there, its real file dialogs and message boxes answered. This program is
// 64-bit, as is the Windows most people run the release on, and hands the release only messages
// that Windows copies between processes.
#include "harness.h"

#include <tlhelp32.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

PROCESS_INFORMATION pi;

// A dialog of the release on show.
HWND FindDialog()
{
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, "#32770", nullptr));) {
        DWORD pid = 0;
        if (GetWindowThreadProcessId(h, &pid) && pid == pi.dwProcessId && IsWindowVisible(h))
            return h;
    }
    return nullptr;
}

// The tool the release has started still running (Wine's desktop, explorer.exe, is a child of
// the first program to show a window).
bool ToolRunning()
{
    HANDLE hSnap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof(pe);
    bool bFound = false;
    for (BOOL b = Process32First(hSnap, &pe); b && !bFound; b = Process32Next(hSnap, &pe))
        bFound = pe.th32ParentProcessID == pi.dwProcessId && !lstrcmpiA(pe.szExeFile, "pdftk.exe");
    CloseHandle(hSnap);
    return bFound;
}

// Presses the button nId of hDialog and waits until the release goes on without the dialog.
void Press(HWND hDialog, int nId)
{
    SendNotifyMessageA(GetDlgItem(hDialog, nId), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(hDialog); })) << "the dialog stays";
}

// The file name box of a file dialog: the edit box inside its combo box cmb13; null for another
// dialog.
HWND FileNameBox(HWND hDialog)
{
    HWND h = GetDlgItem(hDialog, 0x47C);
    char szClass[16] = {0};
    while (h && (GetClassNameA(h, szClass, sizeof(szClass)), lstrcmpiA(szClass, "Edit")))
        h = GetWindow(h, GW_CHILD);
    return h;
}

} // namespace

void WindowTest::Start()
{
    tool = dir + "pdftk.exe";
    std::string exe = dir + "tandrel.exe", cmd = Quote(exe) + args;
    // Each unless there: the installed or unpacked release is started where it is.
    CopyFileA(BuildPath("..\\i686\\tandrel.exe").c_str(), exe.c_str(), TRUE);
    CopyFileA(BuildPath(toolKind + "\\pdftk.exe").c_str(), tool.c_str(), TRUE);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &cmd[0], 0, 0, 0, 0, 0, dir.c_str(), &si, &pi))
        << "the release does not start: can 32-bit programs run here? (scripts/setup-win32.sh)";
    BOOL bWow64 = FALSE;
    EXPECT_TRUE(IsWow64Process(pi.hProcess, &bWow64) && bWow64) << "not a 32-bit process";
    ASSERT_TRUE(WaitFor([&] {
        hMain = FindWindowA(WINDOW_CLASS, nullptr);
        return hMain && IsWindowVisible(hMain);
    })) << "the release shows no window";
    rows = LayoutControls(hMain);
    ASSERT_FALSE(rows.empty());
    // Shown, it is activated a moment later, and hands the focus it gets on to a control.
    EXPECT_TRUE(WaitFor([&] { return IsChild(hMain, Focus()) != FALSE; }, 5000))
        << "no control has the focus";
}

// Sent without waiting, since the release may stop in a dialog; then each answer typed into the
// file dialog on show as its file name, and the message boxes read and answered until the
// release has handled the message.
void WindowTest::Act(HWND h, UINT uMsg, const std::vector<std::string>& answers)
{
    // A message box's text is its static 0xFFFF; its icon, the static stc1, is empty for none;
    // a question has a Yes button.
    auto Answer = [&](HWND hBox) {
        EXPECT_EQ(TextOf(hBox), "TANDREL");
        bool bIcon = Send(GetDlgItem(hBox, 0x440), STM_GETICON) > 0;
        std::string text = TextOf(GetDlgItem(hBox, 0xFFFF));
        bool bAsk = GetDlgItem(hBox, IDYES) != nullptr;
        shown.push_back(bAsk ? Question(text) : Message(text, bIcon));
        Press(hBox, bAsk ? nReply : IDOK);
    };
    // Sent from a thread of its own, which the release answers once it has handled the message
    // (the operation it starts included); this one meanwhile answers its dialogs.
    auto pHandled = std::make_shared<std::atomic<bool>>(false);
    std::thread([h, uMsg, pHandled] {
        DWORD_PTR r = 0;
        SendMessageTimeoutA(h, uMsg, 0, 0, SMTO_NORMAL, 600000, &r);
        *pHandled = true;
    }).detach();
    for (const std::string& a : answers) {
        HWND hDialog = nullptr;
        // A question may come before the file dialog.
        ASSERT_TRUE(WaitFor(
            [&] {
                hDialog = FindDialog();
                if (hDialog && !FileNameBox(hDialog)) {
                    Answer(hDialog);
                    hDialog = nullptr;
                }
                return hDialog != nullptr;
            },
            5000))
            << "no file dialog for " << a;
        DWORD_PTR r = 0;
        SendMessageTimeoutW(FileNameBox(hDialog), WM_SETTEXT, 0, (LPARAM)Wide(a).c_str(),
                            SMTO_NORMAL, 60000, &r);
        Press(hDialog, a.empty() ? IDCANCEL : IDOK);
    }
    // Done once the release has handled the message and two syncs, a moment apart, find no
    // dialog and no tool at work, which a message posted before it (a key) may have started.
    for (int nQuiet = 0; nQuiet < 2 || !*pHandled;) {
        Send(hMain, WM_NULL);
        HWND hBox = FindDialog();
        nQuiet = hBox || ToolRunning() ? 0 : nQuiet + 1;
        if (!hBox) {
            Sleep(10);
        } else if (FileNameBox(hBox)) {
            Press(hBox, IDCANCEL);
        } else {
            Answer(hBox);
        }
    }
}

bool WindowTest::Ended()
{
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(pi.hProcess, 1);
    return false;
}
