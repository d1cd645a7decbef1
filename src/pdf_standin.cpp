// Stand-in names for the paths the code page cannot spell: made just before a run in the
// program's private folder, and removed after it, whatever its end.
#include "pdf_standin.h"

#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include "paths.h"
#include "pdf_temp.h"
#include "pdf_text.h"

// A copy this large is said in the status bar: it takes a while.
#define COPY_NOTE_BYTES (16ULL << 20)
// The private folder of a program in the temporary folder: these letters, its process number.
#define PRIVATE_PREFIX L"sn"
// The longest extension a stand-in keeps, its dot included.
#define STAND_IN_EXT_MAX 9

static unsigned nLastId; // the stand-ins' numbers, never twice in a program's life

static bool PlainExtension(const std::string& ext)
{
    if (ext.size() > STAND_IN_EXT_MAX)
        return false;
    for (size_t i = 1; i < ext.size(); ++i) {
        unsigned char c = (unsigned char)ext[i];
        if (c >= 0x80 || !isalnum(c))
            return false;
    }
    return true;
}

std::string pdfStandInName(const char* szDir, int nRole, unsigned nId, const char* szReal)
{
    static const char* const szRoles[] = {"in", "out", "dir"};
    std::string name = std::string(szDir) + szRoles[nRole] + std::to_string(nId);
    std::string real = szReal;
    std::string ext = real.substr(pathExtension(real));
    return nRole != STAND_IN_FOLDER && PlainExtension(ext) ? name + ext : name;
}

std::string pdfReplaceNames(const std::string& cmd,
                            const std::vector<std::pair<std::string, std::string>>& names)
{
    std::string out;
    for (size_t i = 0; i < cmd.size();) {
        const std::pair<std::string, std::string>* found = nullptr;
        for (const auto& n : names) {
            if (!n.first.empty() && cmd.compare(i, n.first.size(), n.first) == 0 &&
                (!found || n.first.size() > found->first.size()))
                found = &n;
        }
        out += found ? found->second : cmd.substr(i, 1);
        i += found ? found->first.size() : 1;
    }
    return out;
}

static std::wstring PrivateName(DWORD dwProcess)
{
    return PRIVATE_PREFIX + std::to_wstring(dwProcess);
}

// The private folder of this program, made when missing, into szDir (ending in a separator).
static int PrivateFolder(char* szDir)
{
    char szTemp[TANDREL_PATH_BYTES];
    if (!pdfTempFolder(szTemp))
        return 0;
    std::string dir = szTemp + pathUtf8(PrivateName(GetCurrentProcessId()).c_str());
    if (!pathMakeFolder(dir.c_str()) && GetLastError() != ERROR_ALREADY_EXISTS)
        return 0;
    snprintf(szDir, TANDREL_PATH_BYTES, "%s\\", dir.c_str());
    return 1;
}

// A folder of the program's own and everything in it.
static void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            std::wstring path = dir + L"\\" + fd.cFileName;
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(path.c_str());
            else if (wcscmp(fd.cFileName, L".") && wcscmp(fd.cFileName, L".."))
                RemoveTree(path);
        } while (FindNextFileW(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryW(dir.c_str());
}

static int Failed(DWORD* pError)
{
    *pError = GetLastError();
    return 0;
}

// The runner's hooks go on while a file is copied: the window answers, and the session's end
// cancels the copy.
static DWORD CALLBACK CopyProgress(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER,
                                   DWORD, DWORD, HANDLE, HANDLE, LPVOID pData)
{
    const T_COPY_HOOKS* hooks = (const T_COPY_HOOKS*)pData;
    return !hooks || !hooks->pGoOn || hooks->pGoOn() ? PROGRESS_CONTINUE : PROGRESS_CANCEL;
}

// A file the tool reads: a hard link to it, which costs nothing; else, on another volume or a
// file system without links, a copy. A read-only file is copied too: a link to it, read-only as
// the file is, could not be removed. The user's file itself is never touched.
static int MakeReadStandIn(T_STAND_IN* s, const char* szDir, const T_COPY_HOOKS* hooks,
                           DWORD* pError)
{
    s->standIn = pdfStandInName(szDir, STAND_IN_READ, ++nLastId, s->real.c_str());
    std::wstring from = pathWide(s->real.c_str()), to = pathWide(s->standIn.c_str());
    WIN32_FILE_ATTRIBUTE_DATA fa = {};
    GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &fa);
    if (!(fa.dwFileAttributes & FILE_ATTRIBUTE_READONLY) &&
        CreateHardLinkW(to.c_str(), from.c_str(), nullptr))
        return 1;
    ULARGE_INTEGER size = {{fa.nFileSizeLow, fa.nFileSizeHigh}};
    if (hooks && hooks->pNote && size.QuadPart >= COPY_NOTE_BYTES)
        hooks->pNote(s->real.c_str());
    BOOL bCancel = FALSE;
    if (CopyFileExW(from.c_str(), to.c_str(), CopyProgress, (LPVOID)hooks, &bCancel,
                    COPY_FILE_FAIL_IF_EXISTS)) {
        SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL); // the copy is the program's
        return 1;
    }
    Failed(pError);
    DeleteFileW(to.c_str());
    return 0;
}

// 1 when the two folders are on one volume, where a move is a rename.
static int SameVolume(const std::string& folder1, const std::string& folder2)
{
    WCHAR wszVolume1[MAX_PATH], wszVolume2[MAX_PATH];
    return GetVolumePathNameW(pathWide(folder1.c_str()).c_str(), wszVolume1, MAX_PATH) &&
                   GetVolumePathNameW(pathWide(folder2.c_str()).c_str(), wszVolume2, MAX_PATH) &&
                   lstrcmpiW(wszVolume1, wszVolume2) == 0
               ? 1
               : 0;
}

// A file the tool writes: a name in the private folder; when the result's folder is on another
// volume and the code page spells it, a free name there, so that the result is renamed rather
// than copied into its place.
static int NameWriteStandIn(T_STAND_IN* s, const char* szDir)
{
    std::string folder = pathFolder(s->real.c_str());
    char szSpelt[TANDREL_PATH_BYTES], szName[TANDREL_PATH_BYTES];
    if (!SameVolume(folder, szDir) &&
        pathInCodePage(folder.c_str(), szSpelt, sizeof(szSpelt), CP_ACP) &&
        pdfFreeTempName(folder.c_str(), TEMP_PREFIX_STAND_IN, szName)) {
        s->standIn = szName;
        s->bBeside = 1;
        return 1;
    }
    s->standIn = pdfStandInName(szDir, STAND_IN_WRITE, ++nLastId, s->real.c_str());
    return 1;
}

// The folder the tool runs in and writes into: a new one in the private folder.
static int MakeFolderStandIn(T_STAND_IN* s, const char* szDir, DWORD* pError)
{
    s->standIn = pdfStandInName(szDir, STAND_IN_FOLDER, ++nLastId, s->real.c_str());
    return pathMakeFolder(s->standIn.c_str()) ? 1 : Failed(pError);
}

// The name in the code page the tool is given for real (into spelt), a stand-in made for it
// when the code page cannot spell it.
static int NameFor(int nRole, const std::string& real, const T_COPY_HOOKS* hooks,
                   std::string& spelt, std::vector<T_STAND_IN>& standIns, DWORD* pError)
{
    char szSpelt[TANDREL_PATH_BYTES], szDir[TANDREL_PATH_BYTES];
    if (pathInCodePage(real.c_str(), szSpelt, sizeof(szSpelt), CP_ACP)) {
        spelt = szSpelt;
        return 1;
    }
    if (!PrivateFolder(szDir))
        return Failed(pError);
    T_STAND_IN s = {nRole, real, std::string(), 0};
    int bMade = nRole == STAND_IN_READ    ? MakeReadStandIn(&s, szDir, hooks, pError)
                : nRole == STAND_IN_WRITE ? NameWriteStandIn(&s, szDir)
                                          : MakeFolderStandIn(&s, szDir, pError);
    if (!bMade)
        return 0;
    standIns.push_back(s);
    pathInCodePage(s.standIn.c_str(), szSpelt, sizeof(szSpelt), CP_ACP);
    spelt = szSpelt;
    return 1;
}

// A path of cmd, quoted there, named in names; one cmd does not hold, or holds already named,
// is passed over.
static int NamePath(int nRole, const std::string& real, const std::string& cmd,
                    const T_COPY_HOOKS* hooks,
                    std::vector<std::pair<std::string, std::string>>& names,
                    std::vector<T_STAND_IN>& standIns, DWORD* pError)
{
    std::string quoted = pdfQuoteArg(real), spelt;
    if (real.empty() || cmd.find(quoted) == std::string::npos)
        return 1;
    for (const auto& n : names) {
        if (n.first == quoted)
            return 1;
    }
    if (!NameFor(nRole, real, hooks, spelt, standIns, pError))
        return 0;
    names.push_back({quoted, pdfQuoteArg(spelt)});
    return 1;
}

int pdfGiveNames(const std::string& cmd, const T_TOOL_PATHS& paths, const T_COPY_HOOKS* hooks,
                 std::string& toolCmd, std::string& toolDir, std::vector<T_STAND_IN>& standIns,
                 DWORD* pError)
{
    std::vector<std::pair<std::string, std::string>> names;
    toolDir.clear();
    // What it writes first: a name it also reads (the join's result, listed) is its result.
    int bNamed = NamePath(STAND_IN_WRITE, paths.writes, cmd, hooks, names, standIns, pError);
    for (size_t i = 0; bNamed && i < paths.reads.size(); ++i)
        bNamed = NamePath(STAND_IN_READ, paths.reads[i], cmd, hooks, names, standIns, pError);
    if (bNamed && !paths.folder.empty())
        bNamed = NameFor(STAND_IN_FOLDER, paths.folder, hooks, toolDir, standIns, pError);
    if (!bNamed) {
        pdfRemoveStandIns(standIns);
        return 0;
    }
    toolCmd = pdfReplaceNames(cmd, names);
    return 1;
}

// The files of the folder szFrom moved into the folder szTo, replacing those of their names.
static int MoveFiles(const std::string& from, const std::string& to, DWORD* pError)
{
    std::wstring wideFrom = pathWide(from.c_str()) + L"\\";
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((wideFrom + L"*").c_str(), &fd);
    int bMoved = 1;
    if (hFind == INVALID_HANDLE_VALUE)
        return 1;
    do {
        std::string name = pathUtf8(fd.cFileName);
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && bMoved &&
            !pathReplace((from + "\\" + name).c_str(), (to + "\\" + name).c_str()))
            bMoved = Failed(pError);
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return bMoved;
}

int pdfPlaceResults(const std::vector<T_STAND_IN>& standIns, DWORD* pError)
{
    for (const T_STAND_IN& s : standIns) {
        if (s.nRole == STAND_IN_WRITE && !pathReplace(s.standIn.c_str(), s.real.c_str()))
            return Failed(pError);
        if (s.nRole == STAND_IN_FOLDER && !MoveFiles(s.standIn, s.real, pError))
            return 0;
    }
    return 1;
}

int pdfRemoveStandIns(std::vector<T_STAND_IN>& standIns)
{
    if (standIns.empty())
        return 0;
    for (const T_STAND_IN& s : standIns) {
        if (s.nRole == STAND_IN_FOLDER)
            RemoveTree(pathWide(s.standIn.c_str()));
        else if (s.bBeside)
            pdfRemoveTempBeside(s.standIn.c_str());
        else
            pathDelete(s.standIn.c_str());
    }
    standIns.clear();
    char szTemp[TANDREL_PATH_BYTES];
    if (pdfTempFolder(szTemp)) // only when no other run has stand-ins there
        RemoveDirectoryW((pathWide(szTemp) + PrivateName(GetCurrentProcessId())).c_str());
    return 0;
}

int pdfRemoveLeftStandIns(void)
{
    char szTemp[TANDREL_PATH_BYTES];
    if (!pdfTempFolder(szTemp))
        return 0;
    std::wstring dir = pathWide(szTemp);
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + PRIVATE_PREFIX L"*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        wchar_t* pEnd = nullptr;
        DWORD dwProcess = wcstoul(fd.cFileName + wcslen(PRIVATE_PREFIX), &pEnd, 10);
        // One of this process's number was left by a program before it that had that number.
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && pEnd && !*pEnd &&
            (dwProcess == GetCurrentProcessId() || !pdfProcessRuns(dwProcess)))
            RemoveTree(dir + fd.cFileName);
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
}

// A name as the code page spells it most closely: "Łódź.txt" is "Lódz.txt" in Windows-1252; what
// it cannot spell at all becomes "_". Wide, as the file is then named.
static std::wstring ClosestSpelling(const std::wstring& name)
{
    int nLen = WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, nullptr, 0, "_", nullptr);
    std::string narrow((size_t)(nLen > 0 ? nLen : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, &narrow[0], nLen, "_", nullptr);
    std::wstring spelt(narrow.size(), L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, &spelt[0], (int)spelt.size());
    spelt.resize(wcslen(spelt.c_str()));
    for (WCHAR& c : spelt) { // best fit may give what a name cannot hold
        if (c < 0x20 || wcschr(L"<>:\"/\\|?*", c))
            c = L'_';
    }
    return spelt;
}

int pdfLikeNamed(const char* szReal, std::string& like, std::vector<T_STAND_IN>& made,
                 DWORD* pError)
{
    char szDir[TANDREL_PATH_BYTES], szSpelt[TANDREL_PATH_BYTES];
    if (pathInCodePage(szReal, szSpelt, sizeof(szSpelt), CP_ACP)) {
        like = szSpelt;
        return 1;
    }
    if (!PrivateFolder(szDir))
        return Failed(pError);
    T_STAND_IN folder = {STAND_IN_FOLDER, szReal, std::string(), 0};
    if (!MakeFolderStandIn(&folder, szDir, pError))
        return 0;
    made.push_back(folder);
    like =
        folder.standIn + "\\" + pathUtf8(ClosestSpelling(pathWide(pathFileName(szReal))).c_str());
    std::wstring from = pathWide(szReal), to = pathWide(like.c_str());
    return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) ||
                   CopyFileW(from.c_str(), to.c_str(), TRUE)
               ? 1
               : Failed(pError);
}
