// The source boxes and the files chosen into them, the file list and its buttons, files dropped
// onto the window and the paths of the command line.
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "gui_list.h"
#include "gui_busy.h"
#include "paths.h"
#include "pdf_count.h"
#include "pdf_ranges.h"
#include "pdf_tool.h"

// Page count of the chosen file, and its information and bookmarks into data when given (*pbRead:
// whether they were); a file
// that opens only with a password is counted again with the typed owner password, then with the
// user password. The password it opened with is kept in szPasswd for the operations on it.
// pResult says how the last count went.
static int uiCountPages(T_INTERFACE* gui, const char* szFile, char* szPasswd, T_DOC_DATA* data,
                        int* pbRead, T_RUN_RESULT* pResult)
{
    SecureZeroMemory(szPasswd, TANDREL_PASSWD_MAX);
    char szToolDir[TANDREL_PATH_BYTES];
    const char* szWorkDir = pdfToolWorkDir(gui->szPathExe, gui->szPathDir, szToolDir);
    int nNbPages =
        pdfCountAndRead(szFile, gui->szPathExe, nullptr, szWorkDir, data, pbRead, pResult);
    T_PASSWORDS pw;
    uiReadPasswords(gui, &pw);
    for (const char* szTyped : {pw.szOwner, pw.szUser}) {
        if (nNbPages > 0)
            break;
        if (szTyped[0])
            nNbPages =
                pdfCountAndRead(szFile, gui->szPathExe, szTyped, szWorkDir, data, pbRead, pResult);
        if (nNbPages > 0)
            lstrcpynA(szPasswd, szTyped, TANDREL_PASSWD_MAX);
    }
    SecureZeroMemory(&pw, sizeof(pw));
    return nNbPages;
}

int uiChooseSource(T_INTERFACE* gui, const char* szFile, int nSource)
{
    HWND hBox = uiSourceBox(gui, nSource);
    T_CHOSEN* chosen = &gui->chosen[nSource];
    uiShowPath(hBox, szFile);
    T_RUN_RESULT r;
    // The backs' bookmarks are not kept: only their pages are counted. The others' are read now,
    // for the page edits and the Document page, and reused while the file stays as it is.
    T_DOC_DATA* data = nSource == SOURCE_BACKS ? nullptr : &gui->sourceData[nSource];
    pdfFileStamp(szFile, &chosen->stamp);
    chosen->nPages = uiCountPages(gui, szFile, chosen->szPasswd, data, &chosen->bRead, &r);
    if (chosen->nPages > 0)
        return chosen->nPages;
    if (pdfSessionEnding()) // the count was ended with the session: nobody to tell
        return 0;
    // "No page" only for a file the tool read; else what it said, or why it did not run.
    std::string text = r.nText ? pdfFillText(uiText(gui, TXT_MSG_COUNT_FAILED).c_str(),
                                             {pdfRunWhy(uiText(gui, r.nText).c_str(), r)})
                               : uiText(gui, TXT_MSG_NO_PAGE);
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    uiForgetSource(gui, hBox);
    return 0;
}

// Makes szFile the source: its path in the source box, one entry per page in the page lists.
static int uiLoadSource(T_INTERFACE* gui, const char* szFile)
{
    int nNbPages = uiChooseSource(gui, szFile, SOURCE_SINGLE);
    if (nNbPages <= 0)
        return 0;

    HWND lists[] = {gui->ListDelete.hdl, gui->CboCatFrom.hdl, gui->CboCatTo.hdl};
    for (HWND h : lists)
        SendMessageA(h, WM_SETREDRAW, FALSE, 0);
    SendMessageA(gui->ListDelete.hdl, LB_RESETCONTENT, 0, 0);
    SendMessageA(gui->CboCatFrom.hdl, CB_RESETCONTENT, 0, 0);
    SendMessageA(gui->CboCatTo.hdl, CB_RESETCONTENT, 0, 0);
    for (int i = 1; i <= nNbPages; ++i) {
        std::string label = pdfPageLabel(i);
        SendMessageA(gui->ListDelete.hdl, LB_ADDSTRING, 0, (LPARAM)label.c_str());
        SendMessageA(gui->CboCatFrom.hdl, CB_ADDSTRING, 0, (LPARAM)label.c_str());
        SendMessageA(gui->CboCatTo.hdl, CB_ADDSTRING, 0, (LPARAM)label.c_str());
    }
    SendMessageA(gui->CboCatFrom.hdl, CB_SETCURSEL, 0, 0);
    SendMessageA(gui->CboCatTo.hdl, CB_SETCURSEL, (WPARAM)(nNbPages - 1), 0);
    for (HWND h : lists) {
        SendMessageA(h, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h, nullptr, TRUE);
    }
    return 0;
}

static int uiLoadPagesSource(T_INTERFACE* gui, const char* szFile)
{
    uiChooseSource(gui, szFile, SOURCE_PAGES);
    return 0;
}

static int uiLoadBacks(T_INTERFACE* gui, const char* szFile)
{
    uiChooseSource(gui, szFile, SOURCE_BACKS);
    return 0;
}

// A file chosen in the open dialog, made what pLoad makes it.
static int uiChooseWith(T_INTERFACE* gui, int (*pLoad)(T_INTERFACE*, const char*))
{
    char szFile[TANDREL_PATH_BYTES] = {0};
    // The pages are counted by the tool: without it, no file can be chosen.
    if (uiToolReady(gui) && uiOpenPdfDialog(gui, szFile))
        pLoad(gui, szFile);
    return 0;
}

int OpenOnePdfFile(T_INTERFACE* gui)
{
    return uiChooseWith(gui, uiLoadSource);
}

int uiChoosePagesSource(T_INTERFACE* gui)
{
    return uiChooseWith(gui, uiLoadPagesSource);
}

int uiChooseBacks(T_INTERFACE* gui)
{
    return uiChooseWith(gui, uiLoadBacks);
}

int uiListedFiles(T_INTERFACE* gui, std::vector<std::string>& files)
{
    HWND hList = gui->ListPdfFiles.hdl;
    int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nNbItems; ++i) {
        std::string item;
        // An entry too long for a path cannot be worked on.
        if (List_GetItemText(hList, i, item) && pathChars(item.c_str()) < TANDREL_PATH_MAX)
            files.push_back(item);
    }
    return (int)files.size();
}

int uiRemoveListed(T_INTERFACE* gui)
{
    return List_RemoveItems(gui->ListPdfFiles.hdl);
}

int uiMoveListedUp(T_INTERFACE* gui)
{
    return List_MoveUpSelectedItems(gui->ListPdfFiles.hdl);
}

int uiMoveListedDown(T_INTERFACE* gui)
{
    return List_MoveDownSelectedItems(gui->ListPdfFiles.hdl);
}

int AddPdfToList(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES] = {0};
    if (uiOpenPdfDialog(gui, szFile))
        List_AddItem(gui->ListPdfFiles.hdl, szFile);
    return 0;
}

static int EndsWithPdf(const char* szName)
{
    size_t nLen = strlen(szName);
    return nLen >= 4 && _stricmp(szName + nLen - 4, ".pdf") == 0;
}

// Lists every PDF file of the folder szDir (not of its subfolders), in the platform's order.
static int uiAddPdfFolder(T_INTERFACE* gui, const char* szDir)
{
    std::string dir = szDir;
    size_t nLast = dir.rfind('\\');
    if (nLast != std::string::npos && nLast + 1 != dir.size())
        dir += '\\';
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW(pathWide((dir + "*.pdf").c_str()).c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        // The pattern also finds folders named *.pdf, and files whose short 8.3 name ends in
        // .pdf while the long name does not (x.pdfa): neither is a PDF file.
        std::string path = dir + pathUtf8(fd.cFileName);
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && EndsWithPdf(path.c_str()) &&
            pathChars(path.c_str()) < TANDREL_PATH_MAX)
            List_AddItem(gui->ListPdfFiles.hdl, path.c_str());
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return 0;
}

// Redraws of the file list held back while many entries are added, then one repaint.
static void HoldListRedraw(T_INTERFACE* gui, int nHold)
{
    SendMessageA(gui->ListPdfFiles.hdl, WM_SETREDRAW, nHold ? FALSE : TRUE, 0);
    if (!nHold)
        InvalidateRect(gui->ListPdfFiles.hdl, nullptr, TRUE);
}

int AddDirPdfToList(T_INTERFACE* gui)
{
    char szDir[TANDREL_PATH_BYTES] = {0};
    if (uiFolderDialog(gui, szDir)) {
        HoldListRedraw(gui, 1);
        uiAddPdfFolder(gui, szDir);
        HoldListRedraw(gui, 0);
    }
    return 0;
}

// A PDF file: a file there, not a folder, whose name ends in .pdf.
static int IsPdfFile(const char* szPath)
{
    DWORD dwAttr = pathAttributes(szPath);
    return dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY) &&
           EndsWithPdf(szPath);
}

int uiTakePaths(T_INTERFACE* gui, const std::vector<std::wstring>& paths, int nTab)
{
    char szPath[TANDREL_PATH_BYTES];
    if (nTab == TAB_SINGLE || nTab == TAB_PAGES || nTab == TAB_DOCUMENT) {
        for (const std::wstring& p : paths) {
            if (!pathFromWide(p.c_str(), szPath) || !IsPdfFile(szPath)) // the page takes one file
                continue;
            if (!uiToolReady(gui))
                return 0;
            return nTab == TAB_SINGLE  ? uiLoadSource(gui, szPath)
                   : nTab == TAB_PAGES ? uiLoadPagesSource(gui, szPath)
                                       : uiLoadDocument(gui, szPath);
        }
    } else if (nTab == TAB_MULTI) {
        HoldListRedraw(gui, 1);
        for (const std::wstring& p : paths) {
            if (!pathFromWide(p.c_str(), szPath))
                continue;
            if (pathIsFolder(szPath))
                uiAddPdfFolder(gui, szPath);
            else if (IsPdfFile(szPath))
                List_AddItem(gui->ListPdfFiles.hdl, szPath);
        }
        HoldListRedraw(gui, 0);
    }
    return 0;
}

int uiDropFiles(T_INTERFACE* gui, HDROP hDrop)
{
    std::vector<std::wstring> paths;
    UINT nCount = DragQueryFileW(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nCount; ++i) {
        std::wstring path(DragQueryFileW(hDrop, i, nullptr, 0), L'\0');
        if (!path.empty() && DragQueryFileW(hDrop, i, &path[0], (UINT)path.size() + 1))
            paths.push_back(path);
    }
    return uiTakePaths(gui, paths, uiSelectedTab(gui));
}

// Why a full path of the command line is not opened: a TXT_WHY_ text; 0 for a PDF file or a
// folder.
static int WhyNotOpened(const WCHAR* wszFull)
{
    char szPath[TANDREL_PATH_BYTES];
    if (GetFileAttributesW(wszFull) == INVALID_FILE_ATTRIBUTES)
        return TXT_WHY_MISSING;
    pathFromWide(wszFull, szPath);
    return pathIsFolder(szPath) || IsPdfFile(szPath) ? 0 : TXT_WHY_NOT_PDF;
}

int uiOpenPaths(T_INTERFACE* gui, const std::vector<std::wstring>& args)
{
    std::vector<std::wstring> paths;
    std::vector<std::string> names, whys; // of the paths not opened
    for (const std::wstring& arg : args) {
        WCHAR wszFull[TANDREL_PATH_MAX];
        DWORD nLen = GetFullPathNameW(arg.c_str(), TANDREL_PATH_MAX, wszFull, nullptr);
        bool bFits = nLen > 0 && nLen < TANDREL_PATH_MAX;
        int nWhy = bFits ? WhyNotOpened(wszFull) : TXT_WHY_CODE_PAGE; // too long to name
        if (!nWhy) {
            paths.push_back(wszFull);
            continue;
        }
        names.push_back(pathUtf8(bFits ? wszFull : arg.c_str()));
        whys.push_back(uiText(gui, nWhy));
    }
    if (!paths.empty()) {
        char szPath[TANDREL_PATH_BYTES];
        bool bOnePdf =
            args.size() == 1 && pathFromWide(paths[0].c_str(), szPath) && IsPdfFile(szPath);
        int nTab = bOnePdf ? TAB_SINGLE : TAB_MULTI;
        uiSelectTab(gui, nTab);
        uiTakePaths(gui, paths, nTab);
    }
    std::string text = pdfFailuresText(uiText(gui, TXT_MSG_NOT_OPENED).c_str(),
                                       uiText(gui, TXT_MSG_FAILED_MORE).c_str(), names, whys);
    if (!text.empty())
        uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}
