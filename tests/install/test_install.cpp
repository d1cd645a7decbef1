// The release as a user downloads it, under 32-bit Wine in a prefix of its own: the installer run
// silently by a user who is no administrator, the program it installed started and closed (by
// the release harness, with the fake tool beside it), installed over while it runs and once
// closed, then removed; and the portable zip, which the test's fixture unpacks into
// build/i686/portable, started there.
#include <filesystem>
#include <regex>
#include <set>

#include "harness.h"
#include "pdf_text.h"
#include "version.h"

namespace fs = std::filesystem;

namespace {

std::string UserFolder(int nCsidl)
{
    char sz[MAX_PATH] = {0};
    SHGetFolderPathA(nullptr, nCsidl, nullptr, SHGFP_TYPE_CURRENT, sz);
    return sz;
}

// The value szName of the user's key as text, a number in decimal; "-" when there is none, and
// "no key" when there is no key.
std::string Value(const std::string& key, const char* szName)
{
    HKEY h = nullptr;
    char sz[1024] = {0};
    DWORD nType = 0, nSize = sizeof(sz);
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h))
        return "no key";
    LSTATUS nError =
        RegGetValueA(h, nullptr, szName, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &nType, sz, &nSize);
    RegCloseKey(h);
    return nError ? "-" : nType == REG_DWORD ? std::to_string(*(DWORD*)sz) : sz;
}

// Runs cmd as a user who is no administrator (with the limited token Windows links to this
// administrator's) until its processes are gone, the uninstaller's copy of itself too; its exit
// code, and in *pProcesses how many processes it made in all.
DWORD RunAsUser(const std::string& cmd, DWORD* pProcesses = nullptr)
{
    GetDesktopWindow(); // Wine's desktop process started by this one, out of the job
    HANDLE hToken = nullptr, hUser = nullptr, hJob = CreateJobObjectA(nullptr, nullptr);
    TOKEN_LINKED_TOKEN linked = {};
    DWORD n = 1;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken);
    GetTokenInformation(hToken, TokenLinkedToken, &linked, sizeof(linked), &n);
    DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, 0, SecurityImpersonation, TokenPrimary,
                     &hUser);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::wstring wideCmd = Wide(cmd); // a folder of any name
    EXPECT_TRUE(
        CreateProcessAsUserW(hUser, 0, &wideCmd[0], 0, 0, 0, CREATE_SUSPENDED, 0, 0, &si, &pi));
    AssignProcessToJobObject(hJob, pi.hProcess);
    ResumeThread(pi.hThread);
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION job = {};
    EXPECT_TRUE(WaitFor([&] {
        QueryInformationJobObject(hJob, JobObjectBasicAccountingInformation, &job, sizeof(job), 0);
        return job.ActiveProcesses == 0;
    })) << cmd;
    GetExitCodeProcess(pi.hProcess, &n);
    if (pProcesses)
        *pProcesses = job.TotalProcesses;
    for (HANDLE h : {pi.hProcess, pi.hThread, hJob, hUser, linked.LinkedToken, hToken})
        CloseHandle(h);
    return n;
}

} // namespace

// The program is started in dir only when a test says so.
class Release : public WindowTest {
    void SetUp() override {}
    void TearDown() override {}
};

TEST_F(Release, InstalledForTheUserInstalledOverThenRemovedWithItsSettingsKept)
{
    const std::string setup = BuildPath("..\\i686\\tandrel-" TANDREL_VERSION_TEXT "-setup.exe");
    const std::string cfg = UserFolder(CSIDL_APPDATA) + "\\TANDREL\\tandrel.cfg";
    const std::string home = UserFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\TANDREL";
    const std::string exe = home + "\\tandrel.exe", uninstall = Quote(home + "\\uninstall.exe");
    const std::string entry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TANDREL";
    const std::string app = "Software\\Classes\\Applications\\tandrel.exe";
    const std::string keys[] = {entry, app, "Software\\Classes\\.pdf"};
    const std::string links[] = {UserFolder(CSIDL_PROGRAMS) + "\\TANDREL.lnk",
                                 UserFolder(CSIDL_SENDTO) + "\\TANDREL.lnk"};
    EXPECT_LT(fs::file_size(setup), 1u << 20);
    ASSERT_EQ(RunAsUser(Quote(setup) + " /S"), 0u);
    const std::string nKb =
        std::to_string((fs::file_size(exe) + fs::file_size(home + "\\uninstall.exe")) / 1024);
    for (const std::string& lnk : links)
        EXPECT_TRUE(IsFile(lnk)) << lnk;
    // clang-format off
    const std::string values[][3] = {
        {entry, "DisplayName", "TANDREL"}, {entry, "DisplayVersion", TANDREL_VERSION_TEXT},
        {entry, "Publisher", "the TANDREL authors"}, {entry, "DisplayIcon", exe},
        {entry, "InstallLocation", home}, {entry, "UninstallString", uninstall},
        {entry, "QuietUninstallString", uninstall + " /S"}, {entry, "NoModify", "1"},
        {entry, "NoRepair", "1"}, {entry, "EstimatedSize", nKb},
        // Offered in "Open with" for PDF files, for nothing else, and not as their program.
        {app, "FriendlyAppName", "TANDREL"}, {app + "\\SupportedTypes", ".pdf", ""},
        {app + "\\shell\\open\\command", "", Quote(exe) + " \"%1\""},
        {keys[2] + "\\OpenWithList\\tandrel.exe", "", ""}, {keys[2], "", "-"},
    };
    // clang-format on
    for (const auto& v : values)
        EXPECT_EQ(Value(v[0], v[1].c_str()), v[2]) << v[0] << " " << v[1];

    // Installed, the program keeps its settings under the user's application data.
    dir = home + "\\";
    Start();
    Close();
    EXPECT_EQ(ReadFile(cfg).size(), 2u);
    EXPECT_FALSE(IsFile(dir + "tandrel.cfg"));
    WriteFile(cfg, "\x03\x01");
    // Installed over while it runs: stopped, the program left running; once closed, in place.
    Start();
    EXPECT_EQ(RunAsUser(Quote(setup) + " /S"), 2u);
    EXPECT_TRUE(IsWindow(hMain));
    Close();
    WriteFile(exe, "an older one");
    fs::remove(tool);
    EXPECT_EQ(RunAsUser(Quote(setup) + " /S"), 0u);
    EXPECT_EQ(ReadFile(exe), ReadFile(BuildPath("..\\i686\\tandrel.exe")));

    // Removed as Windows removes it quietly: nothing it made is left, the settings are.
    EXPECT_EQ(RunAsUser(Value(entry, "QuietUninstallString")), 0u);
    EXPECT_FALSE(fs::exists(home));
    for (const std::string& lnk : links)
        EXPECT_FALSE(fs::exists(lnk)) << lnk;
    for (const std::string& key : keys)
        EXPECT_EQ(Value(key, ""), "no key") << key;
    EXPECT_EQ(ReadFile(cfg), "\x03\x01");
}

// Installed by a user whose folders hold letters the code page lacks: the program finds the tool
// beside itself, shows it whole, and keeps its settings under that user's application data.
TEST_F(Release, InstalledWhereTheCodePageCannotSpellTheFolders)
{
    const std::string setup = BuildPath("..\\i686\\tandrel-" TANDREL_VERSION_TEXT "-setup.exe");
    const std::string user = UserFolder(CSIDL_PROFILE) + "\\" + kLukasz;
    const std::string home = user + "\\Programs\\TANDREL", appData = user + "\\AppData";
    const std::string shellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    std::string roaming = Value(shellFolders, "AppData");
    fs::create_directories(fs::path(Wide(appData))); // as every user's is
    RegSetKeyValueW(HKEY_CURRENT_USER, Wide(shellFolders).c_str(), L"AppData", REG_SZ,
                    Wide(appData).c_str(), (DWORD)(Wide(appData).size() + 1) * sizeof(WCHAR));
    ASSERT_EQ(RunAsUser(Quote(setup) + " /S /D=" + home), 0u);
    dir = home + "\\";
    Start(); // the fake tool beside it
    Tab(TAB_CONFIG);
    EXPECT_EQ(Text(LBL_TOOL),
              pdfFillText(Utf8(TextTable(LNG_FRENCH)[TXT_TOOL_IN_USE]).c_str(), {tool}));
    Click(BTN_COMPRESS); // nothing to work on from this page, and nothing said: the tool is there
    Close();
    EXPECT_EQ(ReadFile(appData + "\\TANDREL\\tandrel.cfg").size(), 2u);
    EXPECT_TRUE(shown.empty()) << shown[0];
    fs::remove(fs::path(Wide(tool)));
    EXPECT_EQ(RunAsUser(Quote(home + "\\uninstall.exe") + " /S"), 0u);
    EXPECT_FALSE(fs::exists(fs::path(Wide(home))));
    RegSetKeyValueA(HKEY_CURRENT_USER, shellFolders.c_str(), "AppData", REG_EXPAND_SZ,
                    roaming.c_str(), (DWORD)roaming.size() + 1);
    fs::remove_all(fs::path(Wide(user)));
}

// For all users without the rights: the installer starts one copy of itself that asks for them;
// a copy that has not got them either says so, exits with 1 and starts no other.
TEST_F(Release, ForAllUsersOneCopyAsksForTheRightsAndNoMore)
{
    const std::string setup = BuildPath("..\\i686\\tandrel-" TANDREL_VERSION_TEXT "-setup.exe");
    DWORD nProcesses = 0;
    EXPECT_EQ(RunAsUser(Quote(setup) + " /S /ALLUSERS /ELEVATED", &nProcesses), 1u);
    EXPECT_EQ(nProcesses, 1u);
    // Wine's "runas" raises no rights: the copy, as limited as the first, stops there.
    EXPECT_EQ(RunAsUser(Quote(setup) + " /S /ALLUSERS", &nProcesses), 1u);
    EXPECT_EQ(nProcesses, 2u) << "the copy started another, or none was started";
}

// The zip holds the program, its licence and its README with Windows line ends, and nothing that
// needs installing; started, the program keeps its settings beside itself.
TEST_F(Release, PortableKeepsItsSettingsBesideItself)
{
    dir = BuildPath("..\\i686\\portable\\");
    std::set<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        names.insert(e.path().filename().string() + (e.file_size() > 1000 ? "" : " (small)"));
    EXPECT_EQ(names, std::set<std::string>({"LICENSE", "README.txt", "tandrel.exe"}));
    EXPECT_FALSE(std::regex_search(ReadFile(dir + "README.txt"), std::regex("(^|[^\r])\n")));
    Start();
    Close();
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg").size(), 2u);
}
