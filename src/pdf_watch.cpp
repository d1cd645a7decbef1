// What a run writes, watched so that only what it wrote is ever removed.
#include "pdf_watch.h"

#include "paths.h"
#include "pdf_text.h"

// File times are kept to two seconds on FAT volumes: 2 s in file time (100 ns units).
#define FAT_TIME_STEP 20000000ULL

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
    ULONGLONG since = pathFileTime(w->ftStart) - FAT_TIME_STEP;
    std::wstring dir = pathWide(w->szResult) + L"\\";
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                pdfBurstWrites(pathUtf8(fd.cFileName).c_str()) &&
                pathFileTime(fd.ftLastWriteTime) >= since)
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
