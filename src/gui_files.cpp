// The source file choice of the Single file page and the add buttons of the file list.
#include "gui.h"

#include <stdio.h>
#include <string.h>

#include <string>

#include "obj.h"
#include "pdf.h"

static const char szPdfFilter[] = "Fichiers PDF (*.pdf)\0*.pdf\0Tous les fichiers (*.*)\0*.*\0";

BOOL uiPdfFileDialog(T_INTERFACE* gui, char* szFile, DWORD nFile, DWORD dwFlags, bool bSave)
{
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = gui->hWnd;
    ofn.lpstrFilter = szPdfFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = nFile;
    ofn.Flags = dwFlags;
    BOOL bChosen = bSave ? dialogs.GetSaveFileName(&ofn) : dialogs.GetOpenFileName(&ofn);
    szFile[nFile - 1] = 0;
    return bChosen;
}

static BOOL uiChooseOnePdf(T_INTERFACE* gui, char* szFile, DWORD nFile)
{
    return uiPdfFileDialog(gui, szFile, nFile,
                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, false);
}

// Page count of the chosen file; a file that opens only with a password is counted again with
// the typed owner password, then with the user password.
static int uiCountPages(T_INTERFACE* gui, const char* szFile)
{
    int nNbPages = GetNumberOfPage(szFile, gui->szPathExe);
    T_ELEMENT* passwords[] = {&gui->EditPasswdOwner, &gui->EditPasswdUser};
    for (T_ELEMENT* e : passwords) {
        if (nNbPages > 0)
            break;
        char szPasswd[TANDREL_PASSWD_MAX] = {0};
        GetWindowTextA(e->hdl, szPasswd, sizeof(szPasswd));
        if (szPasswd[0])
            nNbPages = GetNumberOfPagePassword(szFile, gui->szPathExe, szPasswd);
        SecureZeroMemory(szPasswd, sizeof(szPasswd));
    }
    return nNbPages;
}

int OpenOnePdfFile(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX] = {0};
    if (!uiChooseOnePdf(gui, szFile, sizeof(szFile)))
        return 0;
    SetWindowTextA(gui->EditPDFSource.hdl, szFile);

    int nNbPages = uiCountPages(gui, szFile);
    if (nNbPages <= 0) {
        uiMessage(gui, 60, MB_ICONERROR);
        SetWindowTextA(gui->EditPDFSource.hdl, "");
        return 0;
    }

    HWND lists[] = {gui->ListDelete.hdl, gui->CboCatFrom.hdl, gui->CboCatTo.hdl};
    for (HWND h : lists)
        SendMessageA(h, WM_SETREDRAW, FALSE, 0);
    SendMessageA(gui->ListDelete.hdl, LB_RESETCONTENT, 0, 0);
    SendMessageA(gui->CboCatFrom.hdl, CB_RESETCONTENT, 0, 0);
    SendMessageA(gui->CboCatTo.hdl, CB_RESETCONTENT, 0, 0);
    for (int i = 1; i <= nNbPages; ++i) {
        std::string szLabel = pdfPageLabel(i);
        SendMessageA(gui->ListDelete.hdl, LB_ADDSTRING, 0, (LPARAM)szLabel.c_str());
        SendMessageA(gui->CboCatFrom.hdl, CB_ADDSTRING, 0, (LPARAM)szLabel.c_str());
        SendMessageA(gui->CboCatTo.hdl, CB_ADDSTRING, 0, (LPARAM)szLabel.c_str());
    }
    SendMessageA(gui->CboCatFrom.hdl, CB_SETCURSEL, 0, 0);
    SendMessageA(gui->CboCatTo.hdl, CB_SETCURSEL, (WPARAM)(nNbPages - 1), 0);
    for (HWND h : lists) {
        SendMessageA(h, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h, nullptr, TRUE);
    }
    return 0;
}

int AddPdfToList(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX] = {0};
    if (uiChooseOnePdf(gui, szFile, sizeof(szFile)) == 1)
        List_AddItem(gui->ListPdfFiles.hdl, szFile);
    return 0;
}

static bool EndsWithPdf(const char* szName)
{
    size_t nLen = strlen(szName);
    return nLen >= 4 && _stricmp(szName + nLen - 4, ".pdf") == 0;
}

int AddDirPdfToList(T_INTERFACE* gui)
{
    char szDir[TANDREL_PATH_MAX] = {0};
    BROWSEINFOA bi = {};
    bi.hwndOwner = gui->hWnd;
    bi.pszDisplayName = szDir;
    bi.lpszTitle = "Choisissez un r\xE9pertoire :";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE pidl = dialogs.BrowseForFolder(&bi);
    if (!pidl)
        return 0;
    BOOL bPath = dialogs.GetPathFromIDList(pidl, szDir);
    CoTaskMemFree(pidl);
    if (bPath != 1)
        return 0;

    std::string sDir = szDir;
    size_t nLast = sDir.rfind('\\');
    if (nLast != std::string::npos && nLast + 1 != sDir.size())
        sDir += '\\';

    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((sDir + "*.pdf").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        // Folders are no files, and short-name matches such as "x.pdfa" are no PDF names.
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !EndsWithPdf(fd.cFileName))
            continue;
        std::string sPath = sDir + fd.cFileName;
        if (sPath.size() < TANDREL_PATH_MAX)
            List_AddItem(gui->ListPdfFiles.hdl, sPath.c_str());
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return 0;
}
