#include "harness.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

Script script;

std::string ToolPath(const char* szKind)
{
    char szPath[TANDREL_PATH_MAX] = {0};
    GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    return (fs::path(szPath).parent_path().parent_path() / szKind / "pdftk.exe").string();
}

std::string ReadFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool IsFile(const std::string& path)
{
    return fs::is_regular_file(path);
}

// ---------------------------------------------------------------------------------------------
// The dialogs

static int WINAPI ScriptMessageBox(HWND hOwner, LPCSTR szText, LPCSTR szCaption, UINT uType)
{
    EXPECT_EQ(hOwner, gui.hWnd);
    EXPECT_STREQ(szCaption, "TANDREL");
    script.shown.push_back(szText);
    script.styles.push_back(uType);
    return IDOK;
}

static std::string NextAnswer()
{
    std::string a = script.answers.empty() ? "" : script.answers.front();
    if (!script.answers.empty())
        script.answers.pop_front();
    return a;
}

// Every file dialog: owned by the window, PDF files first, French in both languages; the open
// dialog wants an existing file, the save dialog asks before replacing one.
static BOOL FileDialog(LPOPENFILENAMEA ofn, DWORD dwFlags)
{
    static const char szFilter[] = "Fichiers PDF (*.pdf)\0*.pdf\0Tous les fichiers (*.*)\0*.*\0";
    EXPECT_EQ(ofn->lStructSize, (DWORD)OPENFILENAME_SIZE_VERSION_400A);
    EXPECT_EQ(ofn->hwndOwner, gui.hWnd);
    EXPECT_EQ(memcmp(ofn->lpstrFilter, szFilter, sizeof(szFilter)), 0);
    EXPECT_EQ(ofn->nFilterIndex, 1u);
    EXPECT_EQ(ofn->nMaxFile, (DWORD)TANDREL_PATH_MAX);
    EXPECT_EQ(ofn->Flags, dwFlags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
    ++script.nFileDialogs;
    std::string a = NextAnswer();
    return !a.empty() && lstrcpynA(ofn->lpstrFile, a.c_str(), (int)ofn->nMaxFile);
}

static BOOL WINAPI ScriptOpen(LPOPENFILENAMEA ofn)
{
    return FileDialog(ofn, OFN_FILEMUSTEXIST);
}

static BOOL WINAPI ScriptSave(LPOPENFILENAMEA ofn)
{
    return FileDialog(ofn, OFN_OVERWRITEPROMPT);
}

// The chosen folder travels inside a stand-in item list.
static PIDLIST_ABSOLUTE WINAPI ScriptBrowse(LPBROWSEINFOA bi)
{
    EXPECT_STREQ(bi->lpszTitle, "Choisissez un r\xE9pertoire :");
    std::string a = NextAnswer();
    char* p = a.empty() ? nullptr : (char*)CoTaskMemAlloc(a.size() + 1);
    return p ? (PIDLIST_ABSOLUTE)strcpy(p, a.c_str()) : nullptr;
}

static BOOL WINAPI ScriptPathFromIdList(PCIDLIST_ABSOLUTE pidl, LPSTR szPath)
{
    return lstrcpynA(szPath, (const char*)pidl, TANDREL_PATH_MAX) != nullptr;
}

// ---------------------------------------------------------------------------------------------
// The window

void WindowTest::SetUp()
{
    script = Script();
    dialogs = {ScriptMessageBox, ScriptOpen, ScriptSave, ScriptBrowse, ScriptPathFromIdList};
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    fs::path scratch = fs::temp_directory_path() / "tandrel-tests" / t->name();
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    dir = scratch.string() + "\\";
    SetEnvironmentVariableA("TANDREL_FAKE_LOG", (dir + "log.txt").c_str());
    SetEnvironmentVariableA("TANDREL_FAKE_PASSWORD", nullptr);
    appInitRecord(GetModuleHandleA(nullptr));
    appRegisterClass(GetModuleHandleA(nullptr));
    lstrcpynA(gui.szPathExe, ToolPath("fake").c_str(), TANDREL_PATH_MAX);
    lstrcpynA(gui.szPathCfg, (dir + "tandrel.cfg").c_str(), TANDREL_PATH_MAX);
    SetCurrentDirectoryA(dir.c_str());
    Create();
}

void WindowTest::TearDown()
{
    Destroy();
    SetCurrentDirectoryA(fs::temp_directory_path().string().c_str());
}

void WindowTest::Create()
{
    guicfg = {0, 0};
    CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                    CW_USEDEFAULT, gui.w, gui.h, nullptr, nullptr, gui.hInst, nullptr);
    ASSERT_TRUE(IsWindow(gui.hWnd));
}

void WindowTest::Destroy()
{
    if (IsWindow(gui.hWnd))
        SendMessageA(gui.hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(gui.hWnd));
    MSG msg; // the quit message must not end a later loop
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

std::vector<std::string> WindowTest::Runs(std::vector<std::string>* cwds)
{
    std::vector<std::string> runs;
    std::ifstream log(dir + "log.txt", std::ios::binary);
    for (std::string line; std::getline(log, line);) {
        if (line.compare(0, 4, "CMD:") == 0)
            runs.push_back(line.substr(4));
        else if (cwds && line.compare(0, 4, "CWD:") == 0)
            cwds->push_back(line.substr(4));
    }
    return runs;
}

void WindowTest::Click(T_ELEMENT& e)
{
    SendMessageA(e.hdl, BM_CLICK, 0, 0);
}

void WindowTest::Tab(int nTab)
{
    SendMessageA(gui.Tabs.hdl, TCM_SETCURSEL, (WPARAM)nTab, 0);
    NMHDR hdr = {gui.Tabs.hdl, 0, (UINT)TCN_SELCHANGE};
    SendMessageA(gui.hWnd, WM_NOTIFY, 0, (LPARAM)&hdr);
}

void WindowTest::Pick(T_ELEMENT& combo, int nItem)
{
    SendMessageA(combo.hdl, CB_SETCURSEL, (WPARAM)nItem, 0);
    SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)combo.hdl);
}

void WindowTest::Type(T_ELEMENT& e, const char* szText)
{
    SetWindowTextA(e.hdl, szText);
}

void WindowTest::Select(T_ELEMENT& list, const std::vector<int>& items)
{
    SendMessageA(list.hdl, LB_SETSEL, FALSE, -1);
    for (int i : items)
        SendMessageA(list.hdl, LB_SETSEL, TRUE, i);
}

std::vector<std::string> WindowTest::Items(T_ELEMENT& list)
{
    char szClass[16] = {0}, szItem[1024];
    GetClassNameA(list.hdl, szClass, sizeof(szClass));
    bool bCombo = !lstrcmpiA(szClass, "ComboBox");
    std::vector<std::string> items;
    int n = (int)SendMessageA(list.hdl, bCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        SendMessageA(list.hdl, bCombo ? CB_GETLBTEXT : LB_GETTEXT, i, (LPARAM)szItem);
        items.push_back(szItem);
    }
    return items;
}

std::string WindowTest::Text(HWND h)
{
    char sz[1024] = {0};
    GetWindowTextA(h, sz, sizeof(sz));
    return sz;
}

void WindowTest::Choose(const std::string& path, int nPages)
{
    SetEnvironmentVariableA("TANDREL_FAKE_PAGES", std::to_string(nPages).c_str());
    script.answers.push_back(path);
    Click(gui.BtnPDFSource);
}

void WindowTest::Add(const std::vector<std::string>& paths)
{
    for (const std::string& p : paths) {
        script.answers.push_back(p);
        Click(gui.BtnAddPdfToList);
    }
}
