// Files as the file system knows them: one file under several names.
#pragma once

#include <windows.h>

#include <map>
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

// Adds szPath to files as the path of index nIndex, unless one before names the same file; the
// index of the first path that names it (nIndex when none did), -1 when it names none (empty, or
// it cannot be resolved).
int pdfAddSameFile(T_SAME_FILES* files, const char* szPath, int nIndex);
// The lookup of paths (an empty one is passed over; of equal ones the first is kept).
int pdfSameFilesOf(const std::vector<std::string>& paths, T_SAME_FILES* files);
// The index of a path of files that names the same file as szPath, or -1.
int pdfFindSameFile(const T_SAME_FILES* files, const char* szPath);

// What a run writes, watched so that only what it wrote is ever removed: a result file, or the
// folder of a burst's pages.
typedef struct {
    const char* szResult; // null: nothing to watch
    int bFolder;          // a burst's folder, where it writes "pg_NNN.pdf" and "doc_data.txt"
    int bMadeFolder;      // the burst made that folder
    int bExisted;         // a file of the result's name was there before the run
    FILETIME ftBefore;    // that file's last write
    FILETIME ftStart;     // when the run began
} T_RESULT_WATCH;

// Notes, just before a run begins, what szResult is like (a folder when bFolder).
int pdfWatchResult(T_RESULT_WATCH* w, const char* szResult, int bFolder, int bMadeFolder);
// Removes what the run wrote, after it failed or was ended: the result file when the run made or
// changed it; in a burst's folder the files of the names a burst writes, written since it began,
// and the folder when the burst made it and that empties it. Any other file stays.
int pdfRemoveWhatRunWrote(const T_RESULT_WATCH* w);

// The program's own folder for its temporary files, under the user's temporary folder, made
// when missing, into szDir (TANDREL_PATH_BYTES bytes, UTF-8, ending in a separator): 0 when there
// is none. Its path is one the code page spells, since the tool is given names in it: when that
// of the temporary folder cannot be, it is the program's folder under the user's local
// application data.
int pdfTempFolder(char* szDir);
// The first letters of the temporary files' names: the data dumps and info files, and the
// files each run's tool output goes into.
#define TEMP_PREFIX_DATA "tdr"
#define TEMP_PREFIX_OUTPUT "tdo"
// A result written beside its real name when that is on another volume (pdf_standin.cpp).
#define TEMP_PREFIX_STAND_IN "tdn"
// A fresh, unused name in that folder, reserved by an empty file (szPrefix: 3 letters), into
// szName (TANDREL_PATH_BYTES bytes, UTF-8): 0 when none can be made.
int pdfTempName(const char* szPrefix, char* szName);
// The same name in szDir (null: that folder), the file that reserved it removed again, so that
// only what a run writes is ever there: 0 when none can be made.
int pdfFreeTempName(const char* szDir, const char* szPrefix, char* szName);
// Removes what a program that was killed left in that folder: the files older than a day, so
// that those of another TANDREL at work stay.
int pdfRemoveOldTemp(void);
