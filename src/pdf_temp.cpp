// The program's own folder for its temporary files, and fresh names in it.
#include "pdf_temp.h"

#include <windows.h>
#include <shlobj.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <algorithm>
#include <vector>

#include "paths.h"

// A temporary file this old was left by a program that was killed: a day in file time.
#define TEMP_LEFT_AGE (24ULL * 3600 * 10000000)
// The program's folder under the user's temporary folder.
#define TEMP_FOLDER L"TANDREL"
// The characters of the names made in it: a stand-in folder and its files (pdf_standin.cpp).
#define TEMP_NAME_CHARS 40
// The journal of a process in that folder: these letters, its process number, ".txt".
#define JOURNAL_PREFIX L"jn"

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

// The journal of the process dwProcess, in the program's folder for its temporary files.
static std::wstring JournalOf(const char* szTempDir, DWORD dwProcess)
{
    return pathWide(szTempDir) + JOURNAL_PREFIX + std::to_wstring(dwProcess) + L".txt";
}

// A line of this process's journal: sign '+' for a file about to be made, '-' for one removed.
static int Journal(char cSign, const char* szPath)
{
    char szDir[TANDREL_PATH_BYTES];
    FILE* f = pdfTempFolder(szDir) ? _wfopen(JournalOf(szDir, GetCurrentProcessId()).c_str(), L"ab")
                                   : nullptr;
    if (!f)
        return 0;
    int bWritten = fprintf(f, "%c%s\n", cSign, szPath) > 0;
    return fclose(f) == 0 && bWritten;
}

// A name in szDir that no file has, of the temporary files' form (the prefix, four hexadecimal
// digits, ".tmp"), into szName; nothing is made.
static int FreeNameIn(const char* szDir, const char* szPrefix, char* szName)
{
    static unsigned nNext = GetTickCount() ^ (GetCurrentProcessId() << 8);
    std::string dir = szDir;
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    for (unsigned i = 0; i < 0x10000; ++i) {
        char szTail[16];
        snprintf(szTail, sizeof(szTail), "%04X.tmp", (nNext++ & 0xFFFF));
        std::string name = dir + szPrefix + szTail;
        if (pathChars(name.c_str()) >= TANDREL_PATH_MAX)
            return 0;
        if (pathAttributes(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
            memcpy(szName, name.c_str(), name.size() + 1);
            return 1;
        }
    }
    return 0;
}

int pdfFreeTempName(const char* szDir, const char* szPrefix, char* szName)
{
    szName[0] = 0;
    if (!szDir) { // in the program's own folder, which the next start clears
        if (!pdfTempName(szPrefix, szName))
            return 0;
        pathDelete(szName);
        return 1;
    }
    // Beside a user's files: named in the journal before it is made.
    return FreeNameIn(szDir, szPrefix, szName) && Journal('+', szName);
}

int pdfRemoveTempBeside(const char* szPath)
{
    pathDelete(szPath);
    return Journal('-', szPath);
}

int pdfProcessRuns(DWORD dwProcess)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwProcess);
    if (!h)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD dwCode = 0;
    int bRuns = GetExitCodeProcess(h, &dwCode) && dwCode == STILL_ACTIVE;
    CloseHandle(h);
    return bRuns;
}

// The files a journal names as made and not removed, each removed when it is still there and
// of the temporary files' form; then the journal.
static void RemoveJournaled(const std::wstring& journal)
{
    std::vector<std::string> made;
    if (FILE* f = _wfopen(journal.c_str(), L"rb")) {
        char szLine[3 * TANDREL_PATH_BYTES];
        while (fgets(szLine, sizeof(szLine), f)) {
            std::string path(szLine + 1, strcspn(szLine + 1, "\r\n"));
            if (szLine[0] == '+')
                made.push_back(path);
            else if (szLine[0] == '-')
                made.erase(std::remove(made.begin(), made.end(), path), made.end());
        }
        fclose(f);
    }
    for (const std::string& path : made) {
        const char* szName = pathFileName(path.c_str());
        if (_strnicmp(szName, "td", 2) == 0 && strlen(szName) > 4 &&
            _stricmp(szName + strlen(szName) - 4, ".tmp") == 0)
            pathDelete(path.c_str());
    }
    DeleteFileW(journal.c_str());
}

int pdfRemoveJournaled(void)
{
    char szDir[TANDREL_PATH_BYTES];
    if (!pdfTempFolder(szDir))
        return 0;
    std::wstring dir = pathWide(szDir);
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + JOURNAL_PREFIX L"*.txt").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        wchar_t* pEnd = nullptr;
        DWORD dwProcess = wcstoul(fd.cFileName + wcslen(JOURNAL_PREFIX), &pEnd, 10);
        // One of this process's number was left by a program before it that had that number.
        if (pEnd && wcscmp(pEnd, L".txt") == 0 &&
            (dwProcess == GetCurrentProcessId() || !pdfProcessRuns(dwProcess)))
            RemoveJournaled(dir + fd.cFileName);
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
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
        // Only the program's own temporary files: whatever else is there stays, however old.
        size_t nLen = wcslen(fd.cFileName);
        bool bOwn = _wcsnicmp(fd.cFileName, L"td", 2) == 0 && nLen > 4 &&
                    _wcsicmp(fd.cFileName + nLen - 4, L".tmp") == 0;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && bOwn &&
            pathFileTime(fd.ftLastWriteTime) + TEMP_LEFT_AGE < pathFileTime(ftNow))
            DeleteFileW((dir + fd.cFileName).c_str());
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
}
