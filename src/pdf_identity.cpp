// One file under several names: paths told apart by their resolved names and by the identity
// the file system gives a file.
#include "pdf_identity.h"

#include <wchar.h>

#include <algorithm>

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
