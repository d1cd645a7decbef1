// What a run writes, watched so that only what it wrote is ever removed.
#pragma once

#include <windows.h>

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
