// What the harness does the same way in both kinds of test program.
#include "harness.h"

#include "pdf_schedule.h"
#include "pdf_text.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path)
{
    std::ifstream f(fs::path(Wide(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(fs::path(Wide(path)), std::ios::binary) << bytes;
}

bool IsFile(const std::string& path)
{
    std::error_code e;
    return fs::is_regular_file(fs::path(Wide(path)), e);
}

std::string Quote(const std::string& s)
{
    return "\"" + s + "\"";
}

std::string Narrow(const std::wstring& w)
{
    char sz[3072] = {0};
    BOOL bLost = FALSE;
    if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, sz, sizeof(sz), nullptr,
                            &bLost) &&
        !bLost)
        return sz;
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, sz, sizeof(sz), nullptr, nullptr);
    return sz;
}

std::string Utf8(const std::string& text)
{
    WCHAR w[4096] = {0};
    MultiByteToWideChar(1252, 0, text.c_str(), -1, w, 4096);
    char sz[3 * 4096] = {0};
    WideCharToMultiByte(CP_UTF8, 0, w, -1, sz, sizeof(sz), nullptr, nullptr);
    return sz;
}

std::wstring Wide(const std::string& s)
{
    WCHAR w[1024] = {0};
    if (!MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.c_str(), -1, w, 1024))
        MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w, 1024);
    return w;
}

// Without a cross-reference table, which the tool rebuilds as it does for any damaged file.
std::string Pdf(int nPages, int nBase, bool bField)
{
    std::string pdf =
                    "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R" +
                    std::string(bField ? " /AcroForm << /Fields [3 0 R] >>" : "") +
                    " >> endobj\n3 0 obj << /FT /Tx /T (tandrel_name) /Rect [0 0 9 9] >> endobj\n",
                kids;
    for (int i = 1; i <= nPages; ++i) {
        kids += std::to_string(3 + i) + " 0 R ";
        pdf += std::to_string(3 + i) + " 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
               std::to_string(nBase + 10 * i) + " 300] >> endobj\n";
    }
    return pdf + "2 0 obj << /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(nPages) +
           " >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n";
}

std::string BuildPath(const std::string& path)
{
    char szSelf[TANDREL_PATH_MAX] = {0};
    GetModuleFileNameA(nullptr, szSelf, sizeof(szSelf));
    return (fs::path(szSelf).parent_path().parent_path() / path).string();
}

// Emulated 32-bit code is slow, but never this slow.
LRESULT Send(HWND h, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR r = 0;
    return SendMessageTimeoutA(h, uMsg, wParam, lParam, SMTO_NORMAL, 60000, &r) ? (LRESULT)r : -1;
}

void SetScreenDpi(DWORD nDpi)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &nDpi,
                    sizeof(nDpi));
}

void WindowTest::SetUp()
{
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    fs::path scratch = fs::temp_directory_path() / "tandrel tests" / t->name();
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    dir = scratch.string() + "\\";
    SetEnvironmentVariableA("TANDREL_FAKE_LOG", (dir + "log.txt").c_str());
    SetScreenDpi(96); // whatever a test stopped short left behind
    Start();
}

// Nothing of the test stays in the temporary folder: its own folder goes, and the folders of all
// the tests and of the program's temporary files once empty.
void WindowTest::TearDown()
{
    Close();
    fs::path scratch = fs::path(Wide(dir)).parent_path();
    std::error_code e;
    fs::current_path(fs::temp_directory_path(), e); // the window in this process worked there
    fs::remove_all(scratch, e);
    fs::remove(scratch.parent_path(), e);
    fs::remove(fs::temp_directory_path() / "TANDREL", e);
}

void WindowTest::Close()
{
    Act(hMain, WM_CLOSE, {});
    EXPECT_TRUE(Ended());
}

void WindowTest::Click(int nRow, const std::vector<std::string>& answers)
{
    Act(rows[(size_t)nRow], BM_CLICK, answers);
}

// Shift and Ctrl are set in the key state the window's thread shares with this one meanwhile,
// for the key then posted to the control with the focus.
void WindowTest::Key(UINT vk, bool bShift, bool bCtrl)
{
    DWORD nThread = GetWindowThreadProcessId(hMain, nullptr);
    AttachThreadInput(GetCurrentThreadId(), nThread, TRUE); // fails for this thread's own
    BYTE state[256] = {0};
    state[VK_SHIFT] = bShift ? 0x80 : 0;
    state[VK_CONTROL] = bCtrl ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(Focus(), WM_KEYDOWN, vk, 1);
    PostMessageA(Focus(), WM_KEYUP, vk, 0xC0000001);
    Act(hMain, WM_NULL, {});
    SetKeyboardState(std::vector<BYTE>(256, 0).data());
    AttachThreadInput(GetCurrentThreadId(), nThread, FALSE);
}

HWND WindowTest::Focus()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(hMain, nullptr), &info);
    return info.hwndFocus;
}

void WindowTest::Add(const std::vector<std::string>& paths)
{
    for (const std::string& p : paths)
        Click(BTN_ADD, {p});
}

void WindowTest::Tab(int nTab)
{
    for (LRESULT nNow; (nNow = Send(rows[ROW_TABS], TCM_GETCURSEL)) != nTab;) {
        Send(rows[ROW_TABS], WM_KEYDOWN, nNow < nTab ? VK_RIGHT : VK_LEFT);
        ASSERT_NE(Send(rows[ROW_TABS], TCM_GETCURSEL), nNow);
    }
}

void WindowTest::Pick(int nRow, int nItem)
{
    Send(rows[(size_t)nRow], CB_SETCURSEL, (WPARAM)nItem);
    Send(hMain, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)rows[(size_t)nRow]);
}

void WindowTest::Type(int nRow, const std::string& text)
{
    Send(rows[(size_t)nRow], WM_SETTEXT, 0, (LPARAM)text.c_str());
}

void WindowTest::TypeWhole(int nRow, const std::string& utf8)
{
    DWORD_PTR r = 0;
    SendMessageTimeoutW(rows[(size_t)nRow], WM_SETTEXT, 0, (LPARAM)Wide(utf8).c_str(), SMTO_NORMAL,
                        60000, &r);
}

void WindowTest::Keys(int nRow, const std::string& text)
{
    for (char c : text)
        Send(rows[(size_t)nRow], WM_CHAR, (WPARAM)(unsigned char)c);
}

void WindowTest::Select(int nRow, const std::vector<int>& items)
{
    Send(rows[(size_t)nRow], LB_SETSEL, FALSE, -1);
    for (int i : items)
        Send(rows[(size_t)nRow], LB_SETSEL, TRUE, i);
}

std::vector<std::string> WindowTest::Items(int nRow)
{
    bool bCombo = kLayout[nRow - 1].szClass[0] == 'C';
    std::vector<std::string> items;
    int n = (int)Send(rows[(size_t)nRow], bCombo ? CB_GETCOUNT : LB_GETCOUNT);
    for (int i = 0; i < n; ++i) { // wide: Wine carries ANSI items between processes as UTF-16
        WCHAR szItem[1024] = {0};
        SendMessageW(rows[(size_t)nRow], bCombo ? CB_GETLBTEXT : LB_GETTEXT, i, (LPARAM)szItem);
        items.push_back(Narrow(szItem));
    }
    return items;
}

std::string TextOf(HWND h)
{
    WCHAR sz[1024] = {0};
    DWORD_PTR r = 0;
    SendMessageTimeoutW(h, WM_GETTEXT, COUNTOF(sz), (LPARAM)sz, SMTO_NORMAL, 60000, &r);
    return Narrow(sz);
}

std::string WindowTest::Text(int nRow)
{
    return TextOf(rows[(size_t)nRow]);
}

bool WindowTest::Checked(int nRow)
{
    return Send(rows[(size_t)nRow], BM_GETCHECK) == BST_CHECKED;
}

std::vector<std::string> WindowTest::Runs(std::vector<std::string>* cwds, bool bReads)
{
    std::vector<std::string> runs, folders;
    std::ifstream log(dir + "log.txt", std::ios::binary);
    for (std::string line; std::getline(log, line);) {
        if (line.compare(0, 4, "CMD:") == 0)
            runs.push_back(line.substr(4));
        else if (line.compare(0, 4, "CWD:") == 0)
            folders.push_back(line.substr(4));
    }
    runs.erase(runs.begin(), runs.begin() + (long)nRunsSeen);
    folders.erase(folders.begin(), folders.begin() + (long)nRunsSeen);
    nRunsSeen += runs.size();
    for (size_t i = runs.size(); !bReads && i-- > 0;) {
        if (runs[i].find(" dump_data_utf8 output ") != std::string::npos) {
            runs.erase(runs.begin() + (long)i);
            folders.erase(folders.begin() + (long)i);
        }
    }
    if (cwds)
        *cwds = folders;
    return runs;
}

size_t TemporaryFiles(const std::string& folder)
{
    fs::path in = folder.empty() ? fs::temp_directory_path() / "TANDREL" : fs::path(Wide(folder));
    size_t n = 0;
    std::error_code e; // none yet: the program's folder is made with its first file
    for (const auto& f : fs::directory_iterator(in, e))
        n +=
            f.path().filename().string().compare(0, 2, "td") == 0 && f.path().extension() == ".tmp";
    return n;
}

size_t AtOnce()
{
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    MEMORYSTATUSEX ms;
    ms.dwLength = sizeof(ms);
    GlobalMemoryStatusEx(&ms);
    return (size_t)pdfWorkers(si.dwNumberOfProcessors, ms.ullAvailPhys);
}
