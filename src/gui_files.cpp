// The source file choice of the Single file page, the add buttons of the file list, and files
// dropped onto the window.
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "obj.h"
#include "pdf.h"

// The program's working folder stays where it is: a folder chosen once would otherwise stay in
// use, and could not be ejected, renamed or deleted while the program runs.
static const DWORD OFN_OPEN_PDF =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
// A new name is accepted, and an existing file replaced only when the user agrees.
static const DWORD OFN_SAVE_PDF =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;

typedef BOOL(WINAPI* T_FILE_DIALOG)(LPOPENFILENAMEW);

// A name from the shell or a dialog as a narrow path in szPath (nPath bytes): 0 when the code
// page cannot spell it or it does not fit.
static int NarrowPath(const WCHAR* wszPath, char* szPath, int nPath = TANDREL_PATH_MAX)
{
    return pdfNarrowName(wszPath, szPath, nPath, GetACP());
}

// A name the user chose as a narrow path; one the code page cannot spell is refused, and named,
// rather than taken for another file.
static int ChosenPath(T_INTERFACE* gui, const WCHAR* wszPath, char* szPath, int nPath)
{
    if (NarrowPath(wszPath, szPath, nPath))
        return 1;
    std::string text =
        pdfFillText(gui->szLang[TXT_MSG_NAME_CODE_PAGE], {pdfShownName(wszPath, GetACP())});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// The file types, in the active language: PDF files first.
static std::wstring PdfFilter(T_INTERFACE* gui)
{
    std::wstring filter;
    for (int nText : {TXT_FILTER_PDF, TXT_FILTER_ALL}) {
        WCHAR wszType[TANDREL_PATH_MAX] = {0};
        uiWideText(gui->szLang[nText], wszType, TANDREL_PATH_MAX);
        filter += wszType;
        filter +=
            nText == TXT_FILTER_PDF ? std::wstring(L"\0*.pdf\0", 7) : std::wstring(L"\0*.*\0", 5);
    }
    return filter; // its terminator ends the list
}

static int PdfDialog(T_INTERFACE* gui, char* szFile, DWORD nFile, DWORD dwFlags,
                     T_FILE_DIALOG pDialog)
{
    WCHAR wszFile[TANDREL_PATH_MAX] = {0};
    std::wstring filter = PdfFilter(gui);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    ofn.hwndOwner = gui->hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = wszFile;
    ofn.nMaxFile = TANDREL_PATH_MAX;
    ofn.Flags = dwFlags;
    int nChosen = pDialog(&ofn) ? 1 : 0;
    wszFile[TANDREL_PATH_MAX - 1] = 0;
    return nChosen && ChosenPath(gui, wszFile, szFile, (int)nFile);
}

int uiOpenPdfDialog(T_INTERFACE* gui, char* szFile, DWORD nFile)
{
    return PdfDialog(gui, szFile, nFile, OFN_OPEN_PDF, dialogs.GetOpenFileName);
}

int uiSavePdfDialog(T_INTERFACE* gui, char* szFile, DWORD nFile)
{
    return PdfDialog(gui, szFile, nFile, OFN_SAVE_PDF, dialogs.GetSaveFileName);
}

// Page count of the chosen file; a file that opens only with a password is counted again with
// the typed owner password, then with the user password. The password it opened with is kept in
// szPasswd for the operations on it. pResult says how the last count went.
static int uiCountPages(T_INTERFACE* gui, const char* szFile, char* szPasswd, T_RUN_RESULT* pResult)
{
    SecureZeroMemory(szPasswd, TANDREL_PASSWD_MAX);
    int nNbPages = GetNumberOfPagePassword(szFile, gui->szPathExe, nullptr, pResult);
    T_ELEMENT* passwords[] = {&gui->EditPasswdOwner, &gui->EditPasswdUser};
    for (T_ELEMENT* e : passwords) {
        if (nNbPages > 0)
            break;
        char szTyped[TANDREL_PASSWD_MAX];
        uiReadText(e->hdl, szTyped, sizeof(szTyped));
        if (szTyped[0])
            nNbPages = GetNumberOfPagePassword(szFile, gui->szPathExe, szTyped, pResult);
        if (nNbPages > 0)
            memcpy(szPasswd, szTyped, sizeof(szTyped));
        SecureZeroMemory(szTyped, sizeof(szTyped));
    }
    return nNbPages;
}

// Makes szFile the file of the box hBox, opened with the password kept in szPasswd: its page
// count, or 0 with the box emptied and the user told why.
static int uiChooseInto(T_INTERFACE* gui, const char* szFile, HWND hBox, char* szPasswd)
{
    SetWindowTextA(hBox, szFile);
    T_RUN_RESULT r;
    int nNbPages = uiCountPages(gui, szFile, szPasswd, &r);
    if (nNbPages > 0)
        return nNbPages;
    // "No page" only for a file the tool read; else what it said, or why it did not run.
    std::string text = pdfFillText(gui->szLang[TXT_MSG_COUNT_FAILED], {pdfRunWhy(gui, r)});
    uiShowText(gui, r.nText ? text.c_str() : gui->szLang[TXT_MSG_NO_PAGE], MB_ICONERROR);
    SetWindowTextA(hBox, "");
    SecureZeroMemory(szPasswd, TANDREL_PASSWD_MAX);
    return 0;
}

// Makes szFile the source: its path in the source box, one entry per page in the page lists.
static int uiLoadSource(T_INTERFACE* gui, const char* szFile)
{
    int nNbPages = uiChooseInto(gui, szFile, gui->EditPDFSource.hdl, gui->szSourcePasswd);
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
    gui->nPagesCount = uiChooseInto(gui, szFile, gui->EditPagesSource.hdl, gui->szPagesPasswd);
    return 0;
}

static int uiLoadBacks(T_INTERFACE* gui, const char* szFile)
{
    gui->nBacksCount = uiChooseInto(gui, szFile, gui->EditBacks.hdl, gui->szBacksPasswd);
    return 0;
}

// A file chosen in the open dialog, made what pLoad makes it.
static int uiChooseWith(T_INTERFACE* gui, int (*pLoad)(T_INTERFACE*, const char*))
{
    char szFile[TANDREL_PATH_MAX] = {0};
    // The pages are counted by the tool: without it, no file can be chosen.
    if (pdfToolReady(gui) && uiOpenPdfDialog(gui, szFile, sizeof(szFile)))
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

int AddPdfToList(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX] = {0};
    if (uiOpenPdfDialog(gui, szFile, sizeof(szFile)))
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
    // The folder is searched by its wide names, so that a name the code page cannot hold is
    // seen as such rather than with '?' in it.
    WCHAR wszPattern[TANDREL_PATH_MAX] = {0};
    if (!MultiByteToWideChar(CP_ACP, 0, (dir + "*.pdf").c_str(), -1, wszPattern, TANDREL_PATH_MAX))
        return 0;
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW(wszPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        // The pattern also finds folders named *.pdf, and files whose short 8.3 name ends in
        // .pdf while the long name does not (x.pdfa): neither is a PDF file.
        char szName[TANDREL_PATH_MAX];
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !NarrowPath(fd.cFileName, szName) ||
            !EndsWithPdf(szName))
            continue;
        std::string path = dir + szName;
        if (path.size() < TANDREL_PATH_MAX)
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
    WCHAR wszDir[MAX_PATH] = {0}, wszTitle[TANDREL_PATH_MAX] = {0};
    uiWideText(gui->szLang[TXT_FOLDER_TITLE], wszTitle, TANDREL_PATH_MAX);
    BROWSEINFOW bi = {};
    bi.hwndOwner = gui->hWnd;
    bi.pszDisplayName = wszDir;
    bi.lpszTitle = wszTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    // The folder dialog is a COM object of the shell's: it wants COM on this thread.
    HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    PIDLIST_ABSOLUTE pidl = dialogs.BrowseForFolder(&bi);
    BOOL bPath = pidl ? dialogs.GetPathFromIDList(pidl, wszDir) : FALSE;
    CoTaskMemFree(pidl);
    if (SUCCEEDED(hrCom))
        CoUninitialize();
    char szDir[TANDREL_PATH_MAX] = {0};
    if (bPath && ChosenPath(gui, wszDir, szDir, sizeof(szDir))) {
        HoldListRedraw(gui, 1);
        uiAddPdfFolder(gui, szDir);
        HoldListRedraw(gui, 0);
    }
    return 0;
}

static int IsFolder(const char* szPath)
{
    DWORD dwAttr = GetFileAttributesA(szPath);
    return dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

// A PDF file: a file there, not a folder, whose name ends in .pdf.
static int IsPdfFile(const char* szPath)
{
    DWORD dwAttr = GetFileAttributesA(szPath);
    return dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY) &&
           EndsWithPdf(szPath);
}

int uiTakePaths(T_INTERFACE* gui, const std::vector<std::wstring>& paths, int nTab)
{
    char szPath[TANDREL_PATH_MAX];
    if (nTab == TAB_SINGLE || nTab == TAB_PAGES) {
        for (const std::wstring& p : paths) {
            if (!NarrowPath(p.c_str(), szPath) || !IsPdfFile(szPath)) // the page takes one file
                continue;
            if (!pdfToolReady(gui))
                return 0;
            return nTab == TAB_SINGLE ? uiLoadSource(gui, szPath) : uiLoadPagesSource(gui, szPath);
        }
    } else if (nTab == TAB_MULTI) {
        HoldListRedraw(gui, 1);
        for (const std::wstring& p : paths) {
            if (!NarrowPath(p.c_str(), szPath))
                continue;
            if (IsFolder(szPath))
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

int uiOpenPaths(T_INTERFACE* gui, const std::vector<std::wstring>& args)
{
    std::vector<std::wstring> paths;
    for (const std::wstring& arg : args) {
        WCHAR wszFull[TANDREL_PATH_MAX];
        DWORD nLen = GetFullPathNameW(arg.c_str(), TANDREL_PATH_MAX, wszFull, nullptr);
        if (nLen > 0 && nLen < TANDREL_PATH_MAX) // a longer one is passed over
            paths.push_back(wszFull);
    }
    int nTab = TAB_MULTI;
    char szPath[TANDREL_PATH_MAX];
    if (args.size() == 1) {
        if (paths.empty() || !NarrowPath(paths[0].c_str(), szPath))
            return 0;
        if (IsPdfFile(szPath))
            nTab = TAB_SINGLE;
        else if (!IsFolder(szPath))
            return 0;
    }
    SendMessageA(gui->Tabs.hdl, TCM_SETCURSEL, (WPARAM)nTab, 0);
    uiShowSelectedPage(gui);
    return uiTakePaths(gui, paths, nTab);
}
