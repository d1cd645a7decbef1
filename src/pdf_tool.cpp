// Where the tool is: the places gathered from Windows, the order they are tried in, the message
// when it is nowhere.
#include "pdf_tool.h"

#include <ctype.h>
#include <shlwapi.h>
#include <string.h>

#include "pdf_text.h"

// The uninstall entry the tool's installer writes, which holds the folder it installed into.
static const char szToolUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                         "{E3617D29-6D71-4B5C-B9E2-C927C705E317}_is1";

static int IsFile(const char* szPath)
{
    DWORD dwAttr = GetFileAttributesA(szPath);
    return szPath[0] && dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY);
}

// The installer's folder as the key hRoot, seen in the registry view samView, records it.
static void AddInstallLocation(HKEY hRoot, REGSAM samView, std::vector<std::string>& dirs)
{
    HKEY hKey;
    if (RegOpenKeyExA(hRoot, szToolUninstallKey, 0, KEY_QUERY_VALUE | samView, &hKey))
        return;
    char szDir[TANDREL_PATH_MAX];
    DWORD cb = sizeof(szDir); // a longer value is passed over
    if (!RegGetValueA(hKey, nullptr, "InstallLocation", RRF_RT_REG_SZ, nullptr, szDir, &cb))
        dirs.push_back(szDir);
    RegCloseKey(hKey);
}

static void ToolPlaces(T_INTERFACE* gui, T_TOOL_PLACES& places)
{
    places.programDir = gui->szPathDir;
    // The installer is a 32-bit program, whose entry a 64-bit Windows keeps in its 32-bit view;
    // installed for one user only, it is the user's.
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, places.installed);
    AddInstallLocation(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, places.installed);
    AddInstallLocation(HKEY_CURRENT_USER, 0, places.installed);
    // On a 64-bit Windows a 32-bit program is told the 32-bit folder for both: the one the
    // 32-bit installer chooses.
    for (int nFolder : {CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES}) {
        char szDir[MAX_PATH] = {0};
        if (SHGetFolderPathA(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szDir) == S_OK)
            places.programFiles.push_back(szDir);
    }
    DWORD nPath = GetEnvironmentVariableA("PATH", nullptr, 0);
    std::string path(nPath, '\0');
    if (nPath && GetEnvironmentVariableA("PATH", &path[0], nPath) == nPath - 1)
        places.path = path.c_str();
}

static int FindTool(T_INTERFACE* gui, T_TOOL_PLACES& places)
{
    if (!IsFile(gui->szPathExe)) {
        gui->szPathExe[0] = 0;
        ToolPlaces(gui, places);
        for (const T_TOOL_CANDIDATE& c : pdfToolCandidates(places)) {
            if (IsFile(c.path.c_str())) {
                memcpy(gui->szPathExe, c.path.c_str(), c.path.size() + 1);
                break;
            }
        }
    }
    return gui->szPathExe[0] ? 1 : 0;
}

int pdfFindTool(T_INTERFACE* gui)
{
    T_TOOL_PLACES places;
    return FindTool(gui, places);
}

std::string pdfFindToolOrWhy(T_INTERFACE* gui)
{
    T_TOOL_PLACES places;
    if (FindTool(gui, places))
        return std::string();
    return pdfNoToolText(gui->szLang[TXT_MSG_NO_TOOL], places);
}

const char* pdfToolWorkDir(const char* szTool, const char* szProgramDir, char* szDir)
{
    lstrcpynA(szDir, szTool, TANDREL_PATH_MAX);
    PathRemoveFileSpecA(szDir);
    return szDir[0] && lstrcmpiA(szDir, szProgramDir) ? szDir : nullptr;
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

static void AddCandidate(std::vector<T_TOOL_CANDIDATE>& out, const std::string& dir,
                         const char* szName, int nPlace)
{
    if (!IsFullPath(dir))
        return;
    std::string path = InFolder(dir, szName);
    if (path.size() >= TANDREL_PATH_MAX)
        return;
    for (const T_TOOL_CANDIDATE& c : out) {
        if (_stricmp(c.path.c_str(), path.c_str()) == 0)
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
        AddCandidate(out, dir, "pdftk.exe", TOOL_ON_PATH);
    return out;
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
