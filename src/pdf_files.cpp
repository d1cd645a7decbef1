#include "pdf_files.h"

#include "gui.h" // the path limit
#include "paths.h"
#include "pdf_text.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <algorithm>

// The path made absolute, "." and ".." resolved, and its short names made long where it exists;
// empty when it cannot be resolved.
static std::wstring ResolvedPath(const char* szPath)
{
    std::wstring path = pathWide(szPath);
    if (path.empty())
        return std::wstring();
    DWORD nFull = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(nFull, L'\0');
    if (nFull == 0 || GetFullPathNameW(path.c_str(), nFull, &full[0], nullptr) >= nFull)
        return std::wstring();
    full.resize(wcslen(full.c_str()));
    // Only a short name holds a tilde; without one the long name is the name (and looking it up
    // costs a directory search a folder).
    if (full.find(L'~') == std::wstring::npos)
        return full;
    DWORD nLong = GetLongPathNameW(full.c_str(), nullptr, 0);
    std::wstring longer(nLong, L'\0');
    if (nLong > 0 && GetLongPathNameW(full.c_str(), &longer[0], nLong) < nLong)
        return longer.substr(0, wcslen(longer.c_str()));
    return full; // a file yet to be written
}

// What tells a file apart: its resolved name in capitals, letters compared as the file system
// compares them rather than by a language's rules; and, when it exists, its identity.
typedef struct {
    std::wstring name;
    bool bFile;
    std::pair<DWORD, ULONGLONG> id;
} T_FILE_KEY;

static T_FILE_KEY FileKey(const char* szPath)
{
    T_FILE_KEY key = {ResolvedPath(szPath), false, {0, 0}};
    if (key.name.empty())
        return key;
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, key.name.c_str(), (int)key.name.size(),
                 &key.name[0], (int)key.name.size());
    // Opened for its attributes only, shared every way: a file in use is still told apart.
    HANDLE h =
        CreateFileW(key.name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    if (h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &info)) {
        key.bFile = true;
        key.id = {info.dwVolumeSerialNumber,
                  ((ULONGLONG)info.nFileIndexHigh << 32) | info.nFileIndexLow};
    }
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    return key;
}

int pdfSameFile(const char* szPath1, const char* szPath2)
{
    T_SAME_FILES files;
    pdfSameFilesOf({szPath1}, &files);
    return pdfFindSameFile(&files, szPath2) == 0 ? 1 : 0;
}

int pdfAddSameFile(T_SAME_FILES* files, const char* szPath, int nIndex)
{
    T_FILE_KEY key = szPath[0] ? FileKey(szPath) : T_FILE_KEY();
    if (key.name.empty())
        return -1;
    // A name seen before, or else the file under another name.
    int nByName = files->byName.emplace(key.name, nIndex).first->second;
    if (!key.bFile)
        return nByName;
    return std::min(nByName, files->byFile.emplace(key.id, nByName).first->second);
}

int pdfSameFilesOf(const std::vector<std::string>& paths, T_SAME_FILES* files)
{
    for (size_t i = 0; i < paths.size(); ++i)
        pdfAddSameFile(files, paths[i].c_str(), (int)i);
    return 0;
}

int pdfFindSameFile(const T_SAME_FILES* files, const char* szPath)
{
    T_FILE_KEY key = FileKey(szPath);
    if (key.name.empty())
        return -1;
    auto byName = files->byName.find(key.name);
    if (byName != files->byName.end())
        return byName->second;
    auto byFile = key.bFile ? files->byFile.find(key.id) : files->byFile.end();
    return byFile != files->byFile.end() ? byFile->second : -1;
}

// File times are kept to two seconds on FAT volumes: 2 s in file time (100 ns units).
#define FAT_TIME_STEP 20000000ULL
// A temporary file this old was left by a program that was killed: a day in file time.
#define TEMP_LEFT_AGE (24ULL * 3600 * 10000000)
// The program's folder under the user's temporary folder.
#define TEMP_FOLDER L"TANDREL"
// The characters of the names made in it: a stand-in folder and its files (pdf_standin.cpp).
#define TEMP_NAME_CHARS 40

static ULONGLONG FileTime(const FILETIME& ft)
{
    ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    return t.QuadPart;
}

int pdfWatchResult(T_RESULT_WATCH* w, const char* szResult, int bFolder, int bMadeFolder)
{
    *w = T_RESULT_WATCH();
    w->szResult = szResult && szResult[0] ? szResult : nullptr;
    w->bFolder = bFolder;
    w->bMadeFolder = bMadeFolder;
    WIN32_FILE_ATTRIBUTE_DATA fa;
    if (w->szResult && !bFolder &&
        GetFileAttributesExW(pathWide(szResult).c_str(), GetFileExInfoStandard, &fa)) {
        w->bExisted = 1;
        w->ftBefore = fa.ftLastWriteTime;
    }
    GetSystemTimeAsFileTime(&w->ftStart);
    return 0;
}

// The pages and report a burst wrote into its folder since it began.
static void RemoveBurstPages(const T_RESULT_WATCH* w)
{
    // File times are kept to two seconds on FAT volumes.
    ULONGLONG since = FileTime(w->ftStart) - FAT_TIME_STEP;
    std::wstring dir = pathWide(w->szResult) + L"\\";
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                pdfBurstWrites(pathUtf8(fd.cFileName).c_str()) &&
                FileTime(fd.ftLastWriteTime) >= since)
                DeleteFileW((dir + fd.cFileName).c_str());
        } while (FindNextFileW(hFind, &fd));
        FindClose(hFind);
    }
    if (w->bMadeFolder)
        pathRemoveFolder(w->szResult); // only when empty
}

int pdfRemoveWhatRunWrote(const T_RESULT_WATCH* w)
{
    if (!w->szResult)
        return 0;
    if (w->bFolder) {
        RemoveBurstPages(w);
        return 0;
    }
    WIN32_FILE_ATTRIBUTE_DATA fa;
    if (!GetFileAttributesExW(pathWide(w->szResult).c_str(), GetFileExInfoStandard, &fa) ||
        (fa.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    // Made by the run, or written over by it.
    if (!w->bExisted || CompareFileTime(&fa.ftLastWriteTime, &w->ftBefore) != 0)
        pathDelete(w->szResult);
    return 0;
}

// The folder szParent (wide, ending in a separator) with the program's folder in it, made when
// missing, into szDir when the code page spells it: the tool is given the names of its files.
static int OwnFolderIn(const std::wstring& parent, char* szDir)
{
    std::string dir = pathUtf8((parent + TEMP_FOLDER L"\\").c_str());
    char szSpelt[TANDREL_PATH_BYTES];
    if (parent.empty() || pathChars(dir.c_str()) + TEMP_NAME_CHARS >= TANDREL_PATH_MAX ||
        !pathInCodePage(dir.c_str(), szSpelt, sizeof(szSpelt), CP_ACP))
        return 0;
    if (!pathMakeFolder(dir.c_str()) && GetLastError() != ERROR_ALREADY_EXISTS)
        return 0;
    memcpy(szDir, dir.c_str(), dir.size() + 1);
    return 1;
}

int pdfTempFolder(char* szDir)
{
    WCHAR wszTemp[MAX_PATH + 1] = {0}, wszShort[MAX_PATH] = {0}, wszLocal[MAX_PATH] = {0};
    DWORD nLen = GetTempPathW(MAX_PATH + 1, wszTemp);
    if (nLen == 0 || nLen > MAX_PATH)
        wszTemp[0] = 0;
    if (OwnFolderIn(wszTemp, szDir))
        return 1;
    // A profile folder named with letters the code page lacks has a short name that it spells,
    // where the volume keeps short names.
    nLen = wszTemp[0] ? GetShortPathNameW(wszTemp, wszShort, MAX_PATH) : 0;
    if (nLen > 0 && nLen < MAX_PATH && OwnFolderIn(wszShort, szDir))
        return 1;
    // A temporary folder the code page cannot spell: the program's folder of the user's.
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, wszLocal)))
        return 0;
    return OwnFolderIn(std::wstring(wszLocal) + L"\\", szDir);
}

// A fresh name in the folder szDir (UTF-8), reserved by an empty file.
static int TempNameIn(const char* szDir, const char* szPrefix, char* szName)
{
    WCHAR wszName[MAX_PATH];
    szName[0] = 0;
    std::wstring prefix = pathWide(szPrefix);
    return GetTempFileNameW(pathWide(szDir).c_str(), prefix.c_str(), 0, wszName) &&
                   pathFromWide(wszName, szName)
               ? 1
               : 0;
}

int pdfTempName(const char* szPrefix, char* szName)
{
    char szDir[TANDREL_PATH_BYTES];
    szName[0] = 0;
    return pdfTempFolder(szDir) && TempNameIn(szDir, szPrefix, szName);
}

int pdfFreeTempName(const char* szDir, const char* szPrefix, char* szName)
{
    if (szDir ? !TempNameIn(szDir, szPrefix, szName) : !pdfTempName(szPrefix, szName))
        return 0;
    pathDelete(szName);
    return 1;
}

int pdfRemoveOldTemp(void)
{
    char szDir[TANDREL_PATH_BYTES];
    if (!pdfTempFolder(szDir))
        return 0;
    FILETIME ftNow;
    GetSystemTimeAsFileTime(&ftNow);
    std::wstring dir = pathWide(szDir);
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            FileTime(fd.ftLastWriteTime) + TEMP_LEFT_AGE < FileTime(ftNow))
            DeleteFileW((dir + fd.cFileName).c_str());
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
}
