// The window in this process: created as the program creates it, its dialogs answered through
// the program's seam, which also checks how the program opens them.
#include <shlobj.h>

#include <deque>

#include "harness.h"

namespace {

WindowTest* test; // the test on the run
std::deque<std::string> answers;

std::string NextAnswer()
{
    std::string a = answers.empty() ? "" : answers.front();
    if (!answers.empty())
        answers.pop_front();
    return a;
}

int WINAPI ScriptMessageBox(HWND hOwner, LPCWSTR wszText, LPCWSTR wszCaption, UINT uType)
{
    EXPECT_TRUE(hOwner == gui.hWnd && !wcscmp(wszCaption, L"TANDREL"));
    bool bAsk = uType == (MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2); // No unless told otherwise
    EXPECT_TRUE(bAsk || uType == MB_OK || uType == MB_ICONERROR) << uType;
    std::string text = Narrow(wszText);
    test->shown.push_back(bAsk ? Question(text) : Message(text, uType == MB_ICONERROR));
    return bAsk ? test->nReply : IDOK;
}

// The file types and titles of the dialogs, in the active language.
std::wstring Active(int nText)
{
    WCHAR w[TANDREL_PATH_MAX] = {0};
    MultiByteToWideChar(1252, 0, gui.szLang[nText], -1, w, TANDREL_PATH_MAX);
    return w;
}

// Every file dialog: owned by the window, PDF files first, in the window's language, leaving the
// working folder alone; the open dialog wants an existing file, the save dialog asks before
// replacing one. The dialog of files to attach takes files of any type, several at once: its
// answer "folder|name|name" is given as the dialog gives several files.
template <DWORD dwFlags> BOOL WINAPI ScriptFileDialog(LPOPENFILENAMEW ofn)
{
    bool bSeveral = ofn->Flags & OFN_ALLOWMULTISELECT;
    std::wstring filter = bSeveral ? Active(TXT_FILTER_ALL) + std::wstring(L"\0*.*\0\0", 6)
                                   : Active(TXT_FILTER_PDF) + std::wstring(L"\0*.pdf\0", 7) +
                                         Active(TXT_FILTER_ALL) + std::wstring(L"\0*.*\0\0", 6);
    EXPECT_EQ(ofn->lStructSize, (DWORD)OPENFILENAME_SIZE_VERSION_400W);
    EXPECT_EQ(ofn->hwndOwner, gui.hWnd);
    EXPECT_EQ(std::wstring(ofn->lpstrFilter, filter.size()), filter);
    EXPECT_EQ(ofn->nFilterIndex, 1u);
    EXPECT_TRUE(bSeveral ? ofn->nMaxFile > 4096 : ofn->nMaxFile == (DWORD)TANDREL_PATH_MAX);
    EXPECT_EQ(ofn->Flags, dwFlags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                              (bSeveral ? OFN_ALLOWMULTISELECT | OFN_EXPLORER : 0));
    std::wstring a = Wide(NextAnswer());
    for (WCHAR& c : a)
        c = c == L'|' ? L'\0' : c;
    // A list of several files ends in two nulls.
    if (a.empty() || a.size() + (bSeveral ? 2 : 1) > ofn->nMaxFile)
        return FALSE;
    memcpy(ofn->lpstrFile, a.c_str(), (a.size() + 1) * sizeof(WCHAR));
    if (bSeveral)
        ofn->lpstrFile[a.size() + 1] = 0;
    return TRUE;
}

// The chosen folder travels inside a stand-in item list.
PIDLIST_ABSOLUTE WINAPI ScriptBrowse(LPBROWSEINFOW bi)
{
    EXPECT_EQ(std::wstring(bi->lpszTitle), Active(TXT_FOLDER_TITLE));
    std::wstring a = Wide(NextAnswer());
    size_t nBytes = (a.size() + 1) * sizeof(WCHAR);
    void* p = a.empty() ? nullptr : CoTaskMemAlloc(nBytes);
    return p ? (PIDLIST_ABSOLUTE)memcpy(p, a.c_str(), nBytes) : nullptr;
}

BOOL WINAPI ScriptPathFromIdList(PCIDLIST_ABSOLUTE pidl, LPWSTR wszPath)
{
    return lstrcpynW(wszPath, (const WCHAR*)pidl, MAX_PATH) != nullptr;
}

} // namespace

void WindowTest::Start()
{
    // A console of this program's own, which the tool would share if it were not kept from every
    // console (from the window it would get one of its own); Wine gives a program started without
    // a terminal a console that its programs cannot share. What the tests print goes on as before.
    static const BOOL bConsole = FreeConsole() && AllocConsole();
    (void)bConsole;
    tool = dir + "pdftk.exe"; // beside the program, which is taken to be in dir
    CopyFileA(BuildPath(toolKind + "\\pdftk.exe").c_str(), tool.c_str(), FALSE);
    test = this;
    dialogs = {ScriptMessageBox, ScriptFileDialog<OFN_FILEMUSTEXIST>,
               ScriptFileDialog<OFN_OVERWRITEPROMPT>, ScriptBrowse, ScriptPathFromIdList};
    appInitRecord(GetModuleHandleA(nullptr));
    appRegisterClass(GetModuleHandleA(nullptr));
    lstrcpynA(gui.szPathDir, dir.substr(0, dir.size() - 1).c_str(), TANDREL_PATH_BYTES);
    lstrcpynA(gui.szPathExe, tool.c_str(), TANDREL_PATH_BYTES);
    // Read as the program reads its own, once the window is shown; the tests' paths are ASCII.
    static std::wstring commandLine;
    commandLine = L"tandrel.exe" + Wide(args);
    appCommandLine = commandLine.c_str();
    lstrcpynA(gui.szPathCfg, (dir + "tandrel.cfg").c_str(), TANDREL_PATH_BYTES);
    SetCurrentDirectoryA(dir.c_str());
    guicfg = {0, 0};
    hMain = CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                            CW_USEDEFAULT, gui.w, gui.h, nullptr, nullptr, gui.hInst, nullptr);
    ASSERT_TRUE(IsWindow(hMain));
    EXPECT_FALSE(IsWindowVisible(hMain)) << "shown before it is shown"; // a minimised start
    ShowWindow(hMain, SW_SHOWNORMAL); // as the program's start shows it
    rows = LayoutControls(hMain);
    ASSERT_FALSE(rows.empty());
}

// Sent, then the messages posted meanwhile handled as the program's loop handles them: the quit
// message must not end a later loop.
void WindowTest::Act(HWND h, UINT uMsg, const std::vector<std::string>& given)
{
    answers.assign(given.begin(), given.end());
    SendMessageA(h, uMsg, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!appTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_TRUE(answers.empty()) << answers.size() << " answers left";
}

bool WindowTest::Ended()
{
    return !IsWindow(hMain);
}
