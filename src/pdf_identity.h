// Files as the file system knows them: one file under several names.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// 1 when the two paths name the same file: as the file system resolves their names (letter
// case, "." and "..", short names), or, when both exist, by its identity (volume serial number
// and file index), which also sees through other drive letters, network names, junctions and
// hard links.
int pdfSameFile(const char* szPath1, const char* szPath2);

// Paths looked up by the file they name, each by its index in the list it was made of.
typedef struct {
    std::map<std::wstring, int> byName;                // resolved names, in capitals
    std::map<std::pair<DWORD, ULONGLONG>, int> byFile; // volume serial number, file index
} T_SAME_FILES;

// What tells a file apart: its resolved name in capitals, letters compared as the file system
// compares them rather than by a language's rules; and, when it exists, its identity. Looking it
// up costs the file system a search: an operation keeps the key it has.
typedef struct {
    std::wstring name; // empty when the path cannot be resolved
    bool bFile;        // it exists, and id is its identity
    std::pair<DWORD, ULONGLONG> id;
} T_FILE_KEY;
T_FILE_KEY pdfFileKey(const char* szPath);
// The names in folders already searched, by folder: whether a file is there costs a search of
// its folder, which for many names in one folder is cheaper done once.
typedef std::map<std::wstring, std::set<std::wstring>> T_FOLDER_NAMES;
// The key of szPath, looked up as pdfFileKey does only when listed says its folder holds that
// name (its folder searched first when listed lacks it); else that of a file yet to be written.
T_FILE_KEY pdfFileKeyListed(T_FOLDER_NAMES* listed, const char* szPath);
// The same as the two below, for a key already looked up.
int pdfAddFileKey(T_SAME_FILES* files, const T_FILE_KEY& key, int nIndex);
int pdfFindFileKey(const T_SAME_FILES* files, const T_FILE_KEY& key);

// Adds szPath to files as the path of index nIndex, unless one before names the same file; the
// index of the first path that names it (nIndex when none did), -1 when it names none (empty, or
// it cannot be resolved).
int pdfAddSameFile(T_SAME_FILES* files, const char* szPath, int nIndex);
// The lookup of paths (an empty one is passed over; of equal ones the first is kept).
int pdfSameFilesOf(const std::vector<std::string>& paths, T_SAME_FILES* files);
// The index of a path of files that names the same file as szPath, or -1.
int pdfFindSameFile(const T_SAME_FILES* files, const char* szPath);

// A file as it is now: its identity, size and last write time, for telling whether it changed.
typedef struct {
    DWORD dwVolume;
    ULONGLONG nIndex, nSize, nWritten;
    int bKnown; // 0: the file could not be opened
} T_FILE_STAMP;
int pdfFileStamp(const char* szPath, T_FILE_STAMP* stamp);
// 1 when both are known and the same: the same file, unchanged.
int pdfSameStamp(const T_FILE_STAMP* a, const T_FILE_STAMP* b);
