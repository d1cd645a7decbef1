// One file under several names: paths told apart by their resolved names and by the identity
// the file system gives a file.
#include "pdf_identity.h"

#include <wchar.h>

#include <algorithm>
#include <set>

#include "paths.h"

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

// Letters compared as the file system compares them rather than by a language's rules.
static std::wstring Capitals(std::wstring s)
{
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, s.c_str(), (int)s.size(), &s[0], (int)s.size());
    return s;
}

// The names of the folder's files and folders, long and short, in capitals.
static std::set<std::wstring> NamesIn(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(Capitals(fd.cFileName));
        if (fd.cAlternateFileName[0])
            names.insert(Capitals(fd.cAlternateFileName));
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return names;
}

T_FILE_KEY pdfFileKey(const char* szPath)
{
    std::wstring resolved = szPath[0] ? ResolvedPath(szPath) : std::wstring();
    T_FILE_KEY key = {Capitals(resolved), false, {0, 0}};
    if (key.name.empty())
        return key;
    // Opened for its attributes only, shared every way: a file in use is still told apart. By
    // its name as written, which a file system that keeps letter case finds at once.
    HANDLE h =
        CreateFileW(resolved.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

T_FILE_KEY pdfFileKeyListed(T_FOLDER_NAMES* listed, const char* szPath)
{
    std::wstring resolved = szPath[0] ? ResolvedPath(szPath) : std::wstring();
    size_t nName = resolved.rfind(L'\\');
    if (nName == std::wstring::npos)
        return pdfFileKey(szPath);
    std::wstring folder = resolved.substr(0, nName), name = Capitals(resolved.substr(nName + 1));
    auto found = listed->find(folder);
    if (found == listed->end()) // one search of the folder for all its names, long and short
        found = listed->emplace(folder, NamesIn(folder)).first;
    if (found->second.count(name))
        return pdfFileKey(szPath); // there: its identity too
    return {Capitals(resolved), false, {0, 0}};
}

int pdfAddFileKey(T_SAME_FILES* files, const T_FILE_KEY& key, int nIndex)
{
    if (key.name.empty())
        return -1;
    // A name seen before, or else the file under another name.
    int nByName = files->byName.emplace(key.name, nIndex).first->second;
    if (!key.bFile)
        return nByName;
    return std::min(nByName, files->byFile.emplace(key.id, nByName).first->second);
}

int pdfFindFileKey(const T_SAME_FILES* files, const T_FILE_KEY& key)
{
    if (key.name.empty())
        return -1;
    auto byName = files->byName.find(key.name);
    if (byName != files->byName.end())
        return byName->second;
    auto byFile = key.bFile ? files->byFile.find(key.id) : files->byFile.end();
    return byFile != files->byFile.end() ? byFile->second : -1;
}

int pdfSameFile(const char* szPath1, const char* szPath2)
{
    T_SAME_FILES files;
    pdfSameFilesOf({szPath1}, &files);
    return pdfFindSameFile(&files, szPath2) == 0 ? 1 : 0;
}

int pdfAddSameFile(T_SAME_FILES* files, const char* szPath, int nIndex)
{
    return pdfAddFileKey(files, pdfFileKey(szPath), nIndex);
}

int pdfSameFilesOf(const std::vector<std::string>& paths, T_SAME_FILES* files)
{
    for (size_t i = 0; i < paths.size(); ++i)
        pdfAddSameFile(files, paths[i].c_str(), (int)i);
    return 0;
}

int pdfFindSameFile(const T_SAME_FILES* files, const char* szPath)
{
    return pdfFindFileKey(files, pdfFileKey(szPath));
}

int pdfFileStamp(const char* szPath, T_FILE_STAMP* stamp)
{
    *stamp = T_FILE_STAMP();
    HANDLE h = CreateFileW(pathWide(szPath).c_str(), 0,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    int bKnown = h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &info);
    if (bKnown)
        *stamp = {info.dwVolumeSerialNumber,
                  ((ULONGLONG)info.nFileIndexHigh << 32) | info.nFileIndexLow,
                  ((ULONGLONG)info.nFileSizeHigh << 32) | info.nFileSizeLow,
                  ((ULONGLONG)info.ftLastWriteTime.dwHighDateTime << 32) |
                      info.ftLastWriteTime.dwLowDateTime,
                  1};
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    return bKnown;
}

int pdfSameStamp(const T_FILE_STAMP* a, const T_FILE_STAMP* b)
{
    return a->bKnown && b->bKnown && a->dwVolume == b->dwVolume && a->nIndex == b->nIndex &&
           a->nSize == b->nSize && a->nWritten == b->nWritten;
}
