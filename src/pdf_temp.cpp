// The program's own folder for its temporary files, and fresh names in it.
#include "pdf_temp.h"

#include <windows.h>
#include <shlobj.h>

#include <string.h>

#include "paths.h"

// A temporary file this old was left by a program that was killed: a day in file time.
#define TEMP_LEFT_AGE (24ULL * 3600 * 10000000)
// The program's folder under the user's temporary folder.
#define TEMP_FOLDER L"TANDREL"
// The characters of the names made in it: a stand-in folder and its files (pdf_standin.cpp).
#define TEMP_NAME_CHARS 40

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
            pathFileTime(fd.ftLastWriteTime) + TEMP_LEFT_AGE < pathFileTime(ftNow))
            DeleteFileW((dir + fd.cFileName).c_str());
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
}
