// The 32-bit release, build/i686/tandrel.exe exactly as built, used from outside as a person uses
// it: copied with the fake tool beside it as pdftk.exe into the test's folder (its name has a
// blank), started there, its real file dialogs and message boxes answered. This program is
// 64-bit, as is the Windows most people run the release on, and hands the release only messages
// that Windows copies between processes.
#include "harness.h"

#include <atomic>
#include <memory>
#include <sstream>
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
    CopyFileW(Wide(BuildPath("..\\i686\\tandrel.exe")).c_str(), Wide(exe).c_str(), TRUE);
    CopyFileW(Wide(BuildPath(toolKind + "\\pdftk.exe")).c_str(), Wide(tool).c_str(), TRUE);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::wstring wideCmd = Wide(cmd); // names the code page cannot spell, in UTF-8
    ASSERT_TRUE(
        CreateProcessW(Wide(exe).c_str(), &wideCmd[0], 0, 0, 0, 0, 0, Wide(dir).c_str(), &si, &pi))
        << "the release does not start: can 32-bit programs run here? (scripts/setup-win32.sh)";
    BOOL bWow64 = FALSE;
    EXPECT_TRUE(IsWow64Process(pi.hProcess, &bWow64) && bWow64) << "not a 32-bit process";
    ASSERT_TRUE(WaitFor([&] {
        hMain = FindWindowA(WINDOW_CLASS, nullptr);
        return hMain && IsWindowVisible(hMain);
    })) << "the release shows no window";
    rows = LayoutControls(hMain);
    ASSERT_FALSE(rows.empty());
    // Shown, it is activated a moment later, and hands the focus it gets on to a control, or to
    // a message about the paths of its command line.
    EXPECT_TRUE(WaitFor([&] { return IsChild(hMain, Focus()) || FindDialog(); }, 5000))
        << "no control has the focus";
    Act(hMain, WM_NULL, {}); // until the paths of its command line are taken
}

// Sent from a thread of its own, which the release answers once it has handled the message:
// meanwhile each answer is typed into the file dialog on show as its file name, and the message
// boxes are read and answered. Then done once the release is no longer busy with what the
// message started, nor with anything posted meanwhile: two syncs, one after the other, find it
// idle with no dialog.
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
    std::atomic<bool> bHandled(false);
    std::thread sender([&] {
        Send(h, uMsg);
        bHandled = true;
    });
    for (const std::string& a : answers) {
        HWND hDialog = nullptr;
        // A question may come before the file dialog.
        EXPECT_TRUE(WaitFor(
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
        if (!hDialog)
            break;
        DWORD_PTR r = 0;
        std::string typed = a;
        // Several files, "folder|name|name": their folder opened first, then their names quoted.
        if (size_t nBar = a.find('|'); nBar != std::string::npos) {
            SendMessageTimeoutW(FileNameBox(hDialog), WM_SETTEXT, 0,
                                (LPARAM)Wide(a.substr(0, nBar)).c_str(), SMTO_NORMAL, 60000, &r);
            // Handled whole before the call returns: the dialog then shows the folder.
            SendMessageTimeoutA(GetDlgItem(hDialog, IDOK), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &r);
            typed.clear();
            std::istringstream names(a.substr(nBar + 1));
            for (std::string name; std::getline(names, name, '|');)
                typed += "\"" + name + "\" ";
        }
        SendMessageTimeoutW(FileNameBox(hDialog), WM_SETTEXT, 0, (LPARAM)Wide(typed).c_str(),
                            SMTO_NORMAL, 60000, &r);
        Press(hDialog, a.empty() ? IDCANCEL : IDOK);
    }
    for (int nIdle = 0; nIdle < 3;) {
        if (bHandled)
            Send(hMain, WM_NULL);
        HWND hBox = FindDialog();
        bool bBusy = !bHandled || GetPropA(hMain, BUSY_PROPERTY) != nullptr;
        nIdle = hBox || bBusy ? 0 : nIdle + 1;
        if (!hBox)
            Sleep(bBusy ? 10 : 0);
        else if (FileNameBox(hBox))
            Press(hBox, IDCANCEL);
        else
            Answer(hBox);
    }
    sender.join();
}

bool WindowTest::Ended()
{
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(pi.hProcess, 1);
    return false;
}
