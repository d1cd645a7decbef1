// The one seam of every message box and file dialog, which the tests answer; the names the
// dialogs give are kept whole, in UTF-8.
#include "gui.h"

#include "paths.h"
#include "pdf_text.h"

T_DIALOGS dialogs = {MessageBoxW, GetOpenFileNameW, GetSaveFileNameW, SHBrowseForFolderW,
                     SHGetPathFromIDListW};

int uiWideText(const char* szText, WCHAR* wszText, int nText)
{
    return MultiByteToWideChar(TEXT_CODE_PAGE, 0, szText, -1, wszText, nText);
}

std::string uiText(T_INTERFACE* gui, int nText)
{
    return pathFromCodePage(gui->szLang[nText], TEXT_CODE_PAGE);
}

int uiShowText(T_INTERFACE* gui, const char* szText, UINT uType)
{
    return dialogs.MessageBox(gui->hWnd, pathWide(szText).c_str(),
                              pathWide(uiText(gui, TXT_APP_NAME).c_str()).c_str(), uType);
}

int uiMessage(T_INTERFACE* gui, int nText, UINT uType)
{
    return uiShowText(gui, uiText(gui, nText).c_str(), uType);
}

int uiSetStatus(T_INTERFACE* gui, const char* szText)
{
    SetWindowTextW(gui->Status.hdl, pathWide(szText).c_str());
    return 0;
}

int uiAskReplace(T_INTERFACE* gui, const char* szFile)
{
    // The file named first: the name typed in a dialog may not be the one that exists.
    std::string text = szFile + std::string("\r\n\r\n") + uiText(gui, TXT_MSG_OVERWRITE);
    // No is the default: replacing is the answer that cannot be undone.
    return uiShowText(gui, text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES ? 1
                                                                                             : 0;
}

// The program's working folder stays where it is: a folder chosen once would otherwise stay in
// use, and could not be ejected, renamed or deleted while the program runs.
static const DWORD OFN_OPEN_PDF =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
// A new name is accepted, and an existing file replaced only when the user agrees.
static const DWORD OFN_SAVE_PDF =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;

typedef BOOL(WINAPI* T_FILE_DIALOG)(LPOPENFILENAMEW);

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

static int PdfDialog(T_INTERFACE* gui, char* szFile, DWORD dwFlags, T_FILE_DIALOG pDialog)
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
    return nChosen && pathFromWide(wszFile, szFile);
}

int uiOpenPdfDialog(T_INTERFACE* gui, char* szFile)
{
    return PdfDialog(gui, szFile, OFN_OPEN_PDF, dialogs.GetOpenFileName);
}

int uiSavePdfDialog(T_INTERFACE* gui, char* szFile)
{
    return PdfDialog(gui, szFile, OFN_SAVE_PDF, dialogs.GetSaveFileName);
}

int uiFolderDialog(T_INTERFACE* gui, char* szDir)
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
    return bPath && pathFromWide(wszDir, szDir);
}

// Room for the names of many files chosen at once: the folder, then each name.
#define MULTI_SELECT_CHARS 32768

// The files of a multiple choice: the folder then each name, each ended by a null, the list by
// two; a single file is its full path alone.
static std::vector<std::wstring> ChosenFiles(const WCHAR* wszList)
{
    std::vector<std::wstring> files;
    std::wstring folder = wszList;
    const WCHAR* p = wszList + folder.size() + 1;
    if (!*p)
        return {folder};
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    for (; *p; p += wcslen(p) + 1)
        files.push_back(folder + p);
    return files;
}

int uiOpenFilesDialog(T_INTERFACE* gui, std::vector<std::string>& files)
{
    std::vector<WCHAR> list(MULTI_SELECT_CHARS, 0);
    WCHAR wszAll[TANDREL_PATH_MAX] = {0};
    uiWideText(gui->szLang[TXT_FILTER_ALL], wszAll, TANDREL_PATH_MAX);
    std::wstring filter = wszAll + std::wstring(L"\0*.*\0", 5);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    ofn.hwndOwner = gui->hWnd;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = list.data();
    ofn.nMaxFile = MULTI_SELECT_CHARS - 1; // two nulls end the list whatever the dialog writes
    ofn.Flags = OFN_OPEN_PDF | OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    files.clear();
    if (!dialogs.GetOpenFileName(&ofn))
        return 0;
    for (const std::wstring& w : ChosenFiles(list.data())) {
        char szFile[TANDREL_PATH_BYTES];
        if (w.size() >= TANDREL_PATH_MAX || !pathFromWide(w.c_str(), szFile)) {
            std::string text =
                pdfFillText(uiText(gui, TXT_MSG_PATH_TOO_LONG).c_str(), {pathUtf8(w.c_str())});
            uiShowText(gui, text.c_str(), MB_ICONERROR);
            files.clear();
            return 0;
        }
        files.push_back(szFile);
    }
    return files.empty() ? 0 : 1;
}
