#include "harness.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <stdio.h>

#include "cmdline.h"

DialogScript script;

std::string TestProgramDir()
{
    char szPath[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    PathRemoveFileSpecA(szPath);
    return std::string(szPath) + "\\";
}

std::string ToolPath(const char* szKind)
{
    return TestProgramDir() + "..\\" + szKind + "\\pdftk.exe";
}

static void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = dir + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path + "\\");
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

std::string NewScratchDir(const char* szName)
{
    char szTemp[MAX_PATH] = {0};
    GetTempPathA(sizeof(szTemp), szTemp);
    std::string root = std::string(szTemp) + "tandrel-tests\\";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string dir = root + szName + "\\";
    RemoveTree(dir);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool FileExists(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

int CountTempFiles(const char* szPattern)
{
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((std::string(szTemp) + szPattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        ++n;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

std::string ReadFile(const std::string& path)
{
    std::string s;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        s.append(buf, n);
    fclose(f);
    return s;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

void SetEnv(const char* szName, const char* szValue)
{
    SetEnvironmentVariableA(szName, szValue);
}

std::vector<std::string> SplitArgs(const std::string& cmd)
{
    return SplitCommandLine(cmd.c_str());
}

// ---------------------------------------------------------------------------------------------
// Dialogs

static int WINAPI ScriptMessageBox(HWND hOwner, LPCSTR szText, LPCSTR szCaption, UINT uType)
{
    script.messages.push_back({hOwner, szText ? szText : "", szCaption ? szCaption : "", uType});
    return IDOK;
}

static std::string FilterText(const char* p)
{
    std::string s;
    while (p && *p) {
        s += p;
        s += '|';
        p += strlen(p) + 1;
    }
    return s;
}

static BOOL Answer(std::deque<std::string>& answers, LPOPENFILENAMEA ofn)
{
    if (answers.empty())
        return FALSE;
    std::string a = answers.front();
    answers.pop_front();
    if (a.empty() || a.size() + 1 > ofn->nMaxFile)
        return FALSE;
    memcpy(ofn->lpstrFile, a.c_str(), a.size() + 1);
    return TRUE;
}

static BOOL WINAPI ScriptOpen(LPOPENFILENAMEA ofn)
{
    script.openRequests.push_back(*ofn);
    script.openFilters.push_back(FilterText(ofn->lpstrFilter));
    return Answer(script.openAnswers, ofn);
}

static BOOL WINAPI ScriptSave(LPOPENFILENAMEA ofn)
{
    script.saveRequests.push_back(*ofn);
    return Answer(script.saveAnswers, ofn);
}

// The folder answer travels inside a fake item list.
static PIDLIST_ABSOLUTE WINAPI ScriptBrowse(LPBROWSEINFOA bi)
{
    script.folderTitles.push_back(bi->lpszTitle ? bi->lpszTitle : "");
    if (script.folderAnswers.empty() || script.folderAnswers.front().empty()) {
        if (!script.folderAnswers.empty())
            script.folderAnswers.pop_front();
        return nullptr;
    }
    std::string a = script.folderAnswers.front();
    script.folderAnswers.pop_front();
    char* p = (char*)CoTaskMemAlloc(a.size() + 1);
    memcpy(p, a.c_str(), a.size() + 1);
    return (PIDLIST_ABSOLUTE)p;
}

static BOOL WINAPI ScriptPathFromIdList(PCIDLIST_ABSOLUTE pidl, LPSTR szPath)
{
    const char* p = (const char*)pidl;
    if (strcmp(p, "::not-a-folder") == 0)
        return FALSE;
    lstrcpynA(szPath, p, MAX_PATH);
    return TRUE;
}

void UseScriptedDialogs()
{
    script = DialogScript();
    dialogs.MessageBox = ScriptMessageBox;
    dialogs.GetOpenFileName = ScriptOpen;
    dialogs.GetSaveFileName = ScriptSave;
    dialogs.BrowseForFolder = ScriptBrowse;
    dialogs.GetPathFromIDList = ScriptPathFromIdList;
}

// ---------------------------------------------------------------------------------------------
// Fake tool log

FakeToolLog::FakeToolLog()
{
    char szTemp[MAX_PATH] = {0};
    GetTempPathA(sizeof(szTemp), szTemp);
    char szName[MAX_PATH] = {0};
    GetTempFileNameA(szTemp, "log", 0, szName);
    path = szName;
    DeleteFileA(path.c_str());
    SetEnv("TANDREL_FAKE_LOG", path.c_str());
}

FakeToolLog::~FakeToolLog()
{
    DeleteFileA(path.c_str());
    SetEnv("TANDREL_FAKE_LOG", nullptr);
}

std::vector<ToolRun> FakeToolLog::Runs() const
{
    std::vector<ToolRun> runs;
    std::string s = ReadFile(path);
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find('\n', pos);
        if (end == std::string::npos)
            end = s.size();
        std::string line = s.substr(pos, end - pos);
        if (line.compare(0, 4, "CMD:") == 0)
            runs.push_back({line.substr(4), ""});
        else if (line.compare(0, 4, "CWD:") == 0 && !runs.empty())
            runs.back().cwd = line.substr(4);
        pos = end + 1;
    }
    return runs;
}

// ---------------------------------------------------------------------------------------------
// The window

void WindowTest::SetUp()
{
    UseScriptedDialogs();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (!isalnum((unsigned char)c) && c != '.')
            c = '_';
    }
    dir = NewScratchDir(name.c_str());
    log = new FakeToolLog();
    SetEnv("TANDREL_FAKE_PAGES", "3");
    SetEnv("TANDREL_FAKE_STATUS", nullptr);
    SetEnv("TANDREL_FAKE_FAIL_ON", nullptr);
    SetEnv("TANDREL_FAKE_PASSWORD", nullptr);
    SetEnv("TANDREL_FAKE_DELAY_MS", nullptr);
    appInitRecord(GetModuleHandleA(nullptr));
    appRegisterClass(GetModuleHandleA(nullptr));
    lstrcpynA(gui.szPathExe, ToolPath("fake").c_str(), sizeof(gui.szPathExe));
    lstrcpynA(gui.szPathCfg, (dir + "tandrel.cfg").c_str(), sizeof(gui.szPathCfg));
    SetCurrentDirectoryA(dir.c_str());
    CreateMainWindow();
}

void WindowTest::TearDown()
{
    DestroyMainWindow();
    delete log;
    log = nullptr;
    char szTemp[MAX_PATH] = {0};
    GetTempPathA(sizeof(szTemp), szTemp);
    SetCurrentDirectoryA(szTemp);
}

// Wine's headless driver has a screen of 1024 by 768, which would hold the window back at the
// larger zoom steps; the tests' window answers as it would on a 1920 by 1200 screen.
static WNDPROC pProgramProc;
static HHOOK hCreateHook;

static LRESULT CALLBACK LargeScreenProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT r = CallWindowProcA(pProgramProc, hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_GETMINMAXINFO) {
        MINMAXINFO* mmi = (MINMAXINFO*)lParam;
        mmi->ptMaxTrackSize.x = mmi->ptMaxSize.x = 1920;
        mmi->ptMaxTrackSize.y = mmi->ptMaxSize.y = 1200;
    }
    return r;
}

static LRESULT CALLBACK SubclassAtCreation(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND) {
        char szClass[32] = {0};
        GetClassNameA((HWND)wParam, szClass, sizeof(szClass));
        if (strcmp(szClass, "WINDOWSAPP") == 0)
            pProgramProc = (WNDPROC)SetWindowLongPtrA((HWND)wParam, GWLP_WNDPROC,
                                                      (LONG_PTR)LargeScreenProc);
    }
    return CallNextHookEx(hCreateHook, nCode, wParam, lParam);
}

void WindowTest::CreateMainWindow()
{
    guicfg.zoom = 0;
    guicfg.lang = 0;
    hCreateHook = SetWindowsHookExA(WH_CBT, SubclassAtCreation, nullptr, GetCurrentThreadId());
    CreateWindowExA(0, "WINDOWSAPP", nullptr, WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                    CW_USEDEFAULT, gui.w, gui.h, nullptr, nullptr, GetModuleHandleA(nullptr),
                    nullptr);
    UnhookWindowsHookEx(hCreateHook);
    ASSERT_NE(gui.hWnd, nullptr);
    ShowWindow(gui.hWnd, SW_SHOWNOACTIVATE);
}

void WindowTest::DestroyMainWindow()
{
    if (gui.hWnd && IsWindow(gui.hWnd))
        DestroyWindow(gui.hWnd);
    // Throw away the quit message of this window so that it does not end a later loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    gui.hWnd = nullptr;
    gui.Status.hdl = nullptr;
    for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e)
        e->hdl = nullptr;
}

void WindowTest::Click(T_ELEMENT& e)
{
    SendMessageA(e.hdl, BM_CLICK, 0, 0);
}

void WindowTest::SelectTab(int nTab)
{
    // A click on the tab itself, so that the tab control tells the window as it does for a user.
    RECT rc;
    ASSERT_TRUE(SendMessageA(gui.Tabs.hdl, TCM_GETITEMRECT, (WPARAM)nTab, (LPARAM)&rc));
    LPARAM pt = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    SendMessageA(gui.Tabs.hdl, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    SendMessageA(gui.Tabs.hdl, WM_LBUTTONUP, 0, pt);
    ASSERT_EQ(SendMessageA(gui.Tabs.hdl, TCM_GETCURSEL, 0, 0), nTab);
}

void WindowTest::PickItem(T_ELEMENT& combo, int nItem)
{
    // What a drop-down list sends its parent when the user picks an item.
    SendMessageA(combo.hdl, CB_SETCURSEL, (WPARAM)nItem, 0);
    SendMessageA(GetParent(combo.hdl), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 (LPARAM)combo.hdl);
}

void WindowTest::Type(T_ELEMENT& e, const char* szText)
{
    SetWindowTextA(e.hdl, szText);
}

void WindowTest::SelectListItems(T_ELEMENT& list, const std::vector<int>& items)
{
    SendMessageA(list.hdl, LB_SETSEL, FALSE, -1);
    for (int i : items)
        SendMessageA(list.hdl, LB_SETSEL, TRUE, i);
}

bool WindowTest::Checked(T_ELEMENT& e)
{
    return SendMessageA(e.hdl, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WindowTest::Enabled(T_ELEMENT& e)
{
    return IsWindowEnabled(e.hdl) != FALSE;
}

bool WindowTest::Visible(T_ELEMENT& e)
{
    return (GetWindowLongPtrA(e.hdl, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string WindowTest::Text(HWND h)
{
    int n = GetWindowTextLengthA(h);
    std::string s((size_t)n + 1, 0);
    GetWindowTextA(h, &s[0], n + 1);
    s.resize((size_t)n);
    return s;
}

std::vector<std::string> WindowTest::ListItems(T_ELEMENT& list)
{
    std::vector<std::string> items;
    char szClass[32] = {0};
    GetClassNameA(list.hdl, szClass, sizeof(szClass));
    bool bCombo = lstrcmpiA(szClass, "COMBOBOX") == 0;
    int n = (int)SendMessageA(list.hdl, bCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        int nLen = (int)SendMessageA(list.hdl, bCombo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::string s((size_t)nLen + 1, 0);
        SendMessageA(list.hdl, bCombo ? CB_GETLBTEXT : LB_GETTEXT, i, (LPARAM)&s[0]);
        s.resize((size_t)nLen);
        items.push_back(s);
    }
    return items;
}

void WindowTest::ChooseSource(const std::string& szPath, int nPages)
{
    SetEnv("TANDREL_FAKE_PAGES", std::to_string(nPages).c_str());
    script.openAnswers.push_back(szPath);
    Click(gui.BtnPDFSource);
}

void WindowTest::AddToList(const std::vector<std::string>& paths)
{
    for (const std::string& p : paths) {
        script.openAnswers.push_back(p);
        Click(gui.BtnAddPdfToList);
    }
}
