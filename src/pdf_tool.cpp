// Where the tool is: the places gathered from Windows, the order they are tried in, the message
// when it is nowhere.
#include "pdf_tool.h"

#include <windows.h>
#include <shlobj.h>

#include <ctype.h>
#include <string.h>

#include "paths.h"
#include "pdf_text.h"

// The uninstall entry the tool's installer writes, which holds the folder it installed into.
static const WCHAR szToolUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    L"{E3617D29-6D71-4B5C-B9E2-C927C705E317}_is1";

static int IsFile(const char* szPath)
{
    DWORD dwAttr = pathAttributes(szPath);
    return szPath[0] && dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY);
}

// The installer's folder as the key hRoot, seen in the registry view samView, records it.
static void AddInstallLocation(HKEY hRoot, REGSAM samView, std::vector<std::string>& dirs)
{
    HKEY hKey;
    if (RegOpenKeyExW(hRoot, szToolUninstallKey, 0, KEY_QUERY_VALUE | samView, &hKey))
        return;
    WCHAR wszDir[TANDREL_PATH_MAX];
    char szDir[TANDREL_PATH_BYTES];
    DWORD cb = sizeof(wszDir); // a longer value is passed over
    if (!RegGetValueW(hKey, nullptr, L"InstallLocation", RRF_RT_REG_SZ, nullptr, wszDir, &cb) &&
        pathFromWide(wszDir, szDir))
        dirs.push_back(szDir);
    RegCloseKey(hKey);
}

// The value of the environment variable wszName, in UTF-8; empty when it is unset or does not
// fit.
static std::string EnvValue(const WCHAR* wszName)
{
    DWORD nLen = GetEnvironmentVariableW(wszName, nullptr, 0);
    std::wstring value(nLen, L'\0');
    if (!nLen || GetEnvironmentVariableW(wszName, &value[0], nLen) != nLen - 1)
        return std::string();
    return pathUtf8(value.c_str());
}

static void ToolPlaces(T_TOOL_PLACES& places)
{
    // The installer is a 32-bit program, whose entry a 64-bit Windows keeps in its 32-bit view;
    // installed for one user only, it is the user's.
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, places.installed);
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, places.installed);
    AddInstallLocation(HKEY_CURRENT_USER, 0, places.installed);
    BOOL bWow64 = FALSE;
    places.bWow64 = IsWow64Process(GetCurrentProcess(), &bWow64) && bWow64;
    places.programFiles = pdfProgramFolders(pathShellFolder(CSIDL_PROGRAM_FILESX86),
                                            pathShellFolder(CSIDL_PROGRAM_FILES),
                                            EnvValue(L"ProgramW6432"), places.bWow64);
    WCHAR wszWindows[MAX_PATH] = {0};
    UINT nLen = GetSystemWindowsDirectoryW(wszWindows, MAX_PATH);
    places.windowsDir = nLen < MAX_PATH ? pathUtf8(wszWindows) : "";
    places.path = EnvValue(L"PATH");
}

// The first candidate of places that is there, into szFound; 1 when there is one.
static int FirstThere(const T_TOOL_PLACES& places, char* szFound)
{
    for (const T_TOOL_CANDIDATE& c : pdfToolCandidates(places)) {
        if (IsFile(c.path.c_str())) {
            memcpy(szFound, c.path.c_str(), c.path.size() + 1);
            return 1;
        }
    }
    return 0;
}

// A copy beside the program wins over the tool in use, found elsewhere before it was put there;
// the tool in use is kept while it is there; else every place is looked in.
static int FindTool(T_TOOL_PLACES& places, const char* szInUse, char* szFound)
{
    if (FirstThere(places, szFound))
        return 1;
    if (IsFile(szInUse)) {
        memmove(szFound, szInUse, strlen(szInUse) + 1);
        return 1;
    }
    szFound[0] = 0;
    ToolPlaces(places);
    return FirstThere(places, szFound);
}

int pdfFindTool(const char* szProgramDir, const char* szInUse, char* szFound)
{
    T_TOOL_PLACES places;
    places.programDir = szProgramDir;
    return FindTool(places, szInUse, szFound);
}

std::string pdfFindToolOrWhy(const char* szProgramDir, const char* szInUse, char* szFound,
                             const char* szNoTool)
{
    T_TOOL_PLACES places;
    places.programDir = szProgramDir;
    if (FindTool(places, szInUse, szFound))
        return std::string();
    return pdfNoToolText(szNoTool, places);
}

const char* pdfToolWorkDir(const char* szTool, const char* szProgramDir, char* szDir)
{
    std::string dir = pathFolder(szTool);
    memcpy(szDir, dir.c_str(), dir.size() + 1);
    return szDir[0] && !pathSameName(szDir, szProgramDir) ? szDir : nullptr;
}

// ---------------------------------------------------------------------------------------------
// The candidates, from plain values

// "C:\..." or "\\server\...": a path that names the same place whatever the current folder.
static bool IsFullPath(const std::string& s)
{
    bool bDrive = s.size() >= 3 && isalpha((unsigned char)s[0]) && s[1] == ':' &&
                  (s[2] == '\\' || s[2] == '/');
    return bDrive || s.compare(0, 2, "\\\\") == 0;
}

// szName in the folder dir, with one separator between them.
static std::string InFolder(const std::string& dir, const char* szName)
{
    bool bEnds = !dir.empty() && (dir.back() == '\\' || dir.back() == '/');
    return dir + (bEnds ? "" : "\\") + szName;
}

// The entries of a PATH value: separated by semicolons, except within double quotes, which are
// dropped.
static std::vector<std::string> PathEntries(const std::string& path)
{
    std::vector<std::string> entries(1);
    bool bQuoted = false;
    for (char c : path) {
        if (c == '"')
            bQuoted = !bQuoted;
        else if (c == ';' && !bQuoted)
            entries.emplace_back();
        else
            entries.back() += c;
    }
    return entries;
}

// A folder of PATH as Windows' own search reads it: under WOW64 a 32-bit program would be shown
// SysWOW64 for System32 (and for what is under it); Sysnative is the real one.
static std::string RealFolder(const std::string& dir, const T_TOOL_PLACES& places)
{
    std::string system = InFolder(places.windowsDir, "System32");
    size_t n = system.size();
    bool bUnder = dir.size() == n || (dir.size() > n && (dir[n] == '\\' || dir[n] == '/'));
    if (!places.bWow64 || places.windowsDir.empty() || !bUnder ||
        _strnicmp(dir.c_str(), system.c_str(), n))
        return dir;
    return InFolder(places.windowsDir, "Sysnative") + dir.substr(n);
}

static void AddCandidate(std::vector<T_TOOL_CANDIDATE>& out, const std::string& dir,
                         const char* szName, int nPlace)
{
    if (!IsFullPath(dir))
        return;
    std::string path = InFolder(dir, szName);
    if (pathChars(path.c_str()) >= TANDREL_PATH_MAX)
        return;
    for (const T_TOOL_CANDIDATE& c : out) {
        if (pathSameName(c.path.c_str(), path.c_str()))
            return;
    }
    out.push_back({path, nPlace});
}

std::vector<T_TOOL_CANDIDATE> pdfToolCandidates(const T_TOOL_PLACES& places)
{
    std::vector<T_TOOL_CANDIDATE> out;
    AddCandidate(out, places.programDir, "pdftk.exe", TOOL_BESIDE);
    for (const std::string& dir : places.installed)
        AddCandidate(out, dir, "bin\\pdftk.exe", TOOL_INSTALLED);
    for (const std::string& dir : places.programFiles) {
        AddCandidate(out, dir, "PDFtk Server\\bin\\pdftk.exe", TOOL_DEFAULT);
        AddCandidate(out, dir, "PDFtk\\bin\\pdftk.exe", TOOL_DEFAULT);
    }
    for (const std::string& dir : PathEntries(places.path))
        AddCandidate(out, RealFolder(dir, places), "pdftk.exe", TOOL_ON_PATH);
    return out;
}

std::vector<std::string> pdfProgramFolders(const std::string& x86, const std::string& native,
                                           const std::string& w6432, bool bWow64)
{
    return {x86, bWow64 && !w6432.empty() ? w6432 : native};
}

std::string pdfNoToolText(const char* szTemplate, const T_TOOL_PLACES& places)
{
    std::string folders;
    for (const T_TOOL_CANDIDATE& c : pdfToolCandidates(places)) {
        if (c.nPlace == TOOL_INSTALLED || c.nPlace == TOOL_DEFAULT)
            folders += (folders.empty() ? "" : "\r\n") + c.path.substr(0, c.path.rfind('\\'));
    }
    return pdfFillText(szTemplate, {places.programDir, folders});
}
