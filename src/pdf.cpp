// The operations: each reads the controls, forms pdftk command lines and runs them.
#include "pdf.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <string.h>

#include <string>
#include <vector>

static std::string Q(const char* s)
{
    return pdfQuoteArg(s);
}

static bool IsChecked(T_ELEMENT* e)
{
    return SendMessageA(e->hdl, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A password box: at most 31 characters, longer texts are cut.
static void ReadPassword(T_ELEMENT* e, char* szPasswd)
{
    memset(szPasswd, 0, TANDREL_PASSWD_MAX);
    GetWindowTextA(e->hdl, szPasswd, TANDREL_PASSWD_MAX);
}

// The same non-empty text in both password boxes.
static bool SamePasswords(T_INTERFACE* gui)
{
    char szPasswdOwner[TANDREL_PASSWD_MAX];
    char szPasswdUser[TANDREL_PASSWD_MAX];
    ReadPassword(&gui->EditPasswdOwner, szPasswdOwner);
    ReadPassword(&gui->EditPasswdUser, szPasswdUser);
    bool bSame = szPasswdOwner[0] && strcmp(szPasswdOwner, szPasswdUser) == 0;
    SecureZeroMemory(szPasswdOwner, sizeof(szPasswdOwner));
    SecureZeroMemory(szPasswdUser, sizeof(szPasswdUser));
    return bSame;
}

static void ReadSourcePath(T_INTERFACE* gui, char* szFile)
{
    memset(szFile, 0, TANDREL_PATH_MAX);
    GetWindowTextA(gui->EditPDFSource.hdl, szFile, TANDREL_PATH_MAX);
}

// Security options from the panel: 0 without passwords, -1 for equal passwords, else the length.
static int SecurityOptions(T_INTERFACE* gui, std::string& szOptions)
{
    char szPasswdOwner[TANDREL_PASSWD_MAX];
    char szPasswdUser[TANDREL_PASSWD_MAX];
    ReadPassword(&gui->EditPasswdOwner, szPasswdOwner);
    ReadPassword(&gui->EditPasswdUser, szPasswdUser);
    T_SECURITY sec = {};
    sec.szOwner = szPasswdOwner;
    sec.szUser = szPasswdUser;
    if (szPasswdOwner[0] || szPasswdUser[0]) {
        sec.bEncrypt40 = IsChecked(&gui->OptEncrypt40);
        sec.bEncrypt128 = IsChecked(&gui->OptEncrypt128);
        T_ELEMENT* perms[PERM_COUNT] = {&gui->ChkAuthAll,    &gui->ChkAuthPrintTop,
                                        &gui->ChkAuthPrintLow, &gui->ChkAuthModify,
                                        &gui->ChkAuthAssembly, &gui->ChkAuthCopy,
                                        &gui->ChkAuthRead,   &gui->ChkAuthCreate,
                                        &gui->ChkAuthFillin};
        for (int i = 0; i < PERM_COUNT; ++i)
            sec.bPerm[i] = IsChecked(perms[i]);
    }
    int nResult = pdfSecurityOptions(&sec, szOptions);
    SecureZeroMemory(szPasswdOwner, sizeof(szPasswdOwner));
    SecureZeroMemory(szPasswdUser, sizeof(szPasswdUser));
    return nResult;
}

int BuildEncryptCommand(T_INTERFACE* gui, char* szBatch)
{
    const size_t nBatch = 1024;
    std::string szOptions;
    int nResult = SecurityOptions(gui, szOptions);
    if (nResult <= 0)
        return nResult;
    size_t nUsed = strnlen(szBatch, nBatch - 1);
    // Cannot be cut with passwords of 31 characters; a cut option would be worse than none.
    if (nUsed + szOptions.size() >= nBatch)
        return -1;
    memcpy(szBatch + nUsed, szOptions.c_str(), szOptions.size() + 1);
    return (int)(nUsed + szOptions.size());
}

int BuildCatalogCommand(T_INTERFACE* gui, char* szBatch)
{
    int nFrom = (int)SendMessageA(gui->CboCatFrom.hdl, CB_GETCURSEL, 0, 0) + 1;
    int nTo = (int)SendMessageA(gui->CboCatTo.hdl, CB_GETCURSEL, 0, 0) + 1;
    std::string szRange =
        pdfCatalogRange(nFrom, nTo, IsChecked(&gui->OptCatEven), IsChecked(&gui->OptCatOdd));
    // The caller's buffer holds 128 bytes; a range is at most 26 characters.
    lstrcpynA(szBatch, szRange.c_str(), 128);
    return (int)strlen(szBatch);
}

// ---------------------------------------------------------------------------------------------
// Single file page

int CatPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szCatCmd[128] = {0};
    ReadSourcePath(gui, szFile);
    if (!PathFileExistsA(szFile)) {
        uiMessage(gui, 54, MB_ICONERROR);
        return 0;
    }
    std::string szAuthCmd;
    if (SecurityOptions(gui, szAuthCmd) == -1) {
        uiMessage(gui, 58, MB_ICONERROR);
        return 0;
    }
    if (!pdfOutputName(szFile, "_cat.pdf", szNewFile, sizeof(szNewFile)))
        return 0;
    BuildCatalogCommand(gui, szCatCmd);
    std::string szBatch = Q(gui->szPathExe) + " " + Q(szFile) + " cat " + szCatCmd + " output " +
                          Q(szNewFile) + " " + szAuthCmd;
    ExecuteCommand(szBatch.c_str());
    return 0;
}

int DeletePagesPDF(T_INTERFACE* gui)
{
    char szPDF[TANDREL_PATH_MAX];
    char szNewPDF[TANDREL_PATH_MAX] = {0};
    ReadSourcePath(gui, szPDF);
    bool bNewName = pdfOutputName(szPDF, "_remove.pdf", szNewPDF, sizeof(szNewPDF)) != 0;
    if (!PathFileExistsA(szPDF)) {
        uiMessage(gui, 54, MB_ICONERROR);
        return 0;
    }
    bool bEqual = SamePasswords(gui);
    if (bEqual) {
        uiMessage(gui, 58, MB_ICONERROR);
        return 0;
    }
    int nNbItems = (int)SendMessageA(gui->ListDelete.hdl, LB_GETCOUNT, 0, 0);
    if (nNbItems < 0)
        return 0;
    // Every selected page counts, however many there are; with none there is nothing to delete.
    int nSelCount = (int)SendMessageA(gui->ListDelete.hdl, LB_GETSELCOUNT, 0, 0);
    if (nSelCount <= 0 || !bNewName)
        return 0;
    std::vector<int> selection((size_t)nSelCount);
    int nNbSelItems = (int)SendMessageA(gui->ListDelete.hdl, LB_GETSELITEMS, (WPARAM)nSelCount,
                                        (LPARAM)selection.data());
    if (nNbSelItems <= 0)
        return 0;
    std::string szCat = pdfKeepList(selection.data(), nNbSelItems, nNbItems);
    std::string szAuth;
    SecurityOptions(gui, szAuth);
    std::string szBatch = Q(gui->szPathExe) + " " + Q(szPDF) + " cat " + szCat + " output " +
                          Q(szNewPDF) + " " + szAuth;
    ExecuteCommand(szBatch.c_str());
    return 0;
}

int DecryptPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szPasswd[TANDREL_PASSWD_MAX];
    ReadSourcePath(gui, szFile);
    if (!PathFileExistsA(szFile)) {
        uiMessage(gui, 54, MB_ICONERROR);
        return 0;
    }
    ReadPassword(&gui->EditPasswdOwner, szPasswd);
    if (!szPasswd[0]) {
        uiMessage(gui, 59, MB_OK);
        return 0;
    }
    if (pdfOutputName(szFile, "_unsec.pdf", szNewFile, sizeof(szNewFile))) {
        std::string szBatch = Q(gui->szPathExe) + " " + Q(szFile) + " input_pw " + Q(szPasswd) +
                              " output " + Q(szNewFile);
        ExecuteCommand(szBatch.c_str());
        SecureZeroMemory(&szBatch[0], szBatch.size());
    }
    SecureZeroMemory(szPasswd, sizeof(szPasswd));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Join

int JoinPDF(T_INTERFACE* gui)
{
    HWND hList = gui->ListPdfFiles.hdl;
    int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    if (nNbItems == LB_ERR)
        return 0;
    bool bEqual = SamePasswords(gui);
    if (nNbItems < 2) {
        uiMessage(gui, 56, MB_ICONERROR);
        return 0;
    }
    if (bEqual) {
        uiMessage(gui, 58, MB_ICONERROR);
        return 0;
    }

    char szNewPdf[TANDREL_PATH_MAX] = {0};
    // A new name must be accepted, and an existing file replaced only when the user agrees.
    if (!uiPdfFileDialog(gui, szNewPdf, sizeof(szNewPdf),
                         OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, true))
        return 0;
    PathRenameExtensionA(szNewPdf, ".pdf");

    std::string szBuffer;
    for (int i = 0; i < nNbItems; ++i) {
        LRESULT nLen = SendMessageA(hList, LB_GETTEXTLEN, (WPARAM)i, 0);
        if (nLen == LB_ERR)
            continue;
        std::vector<char> szItem((size_t)nLen + 1, 0);
        SendMessageA(hList, LB_GETTEXT, (WPARAM)i, (LPARAM)szItem.data());
        szBuffer += Q(szItem.data()) + " ";
    }
    std::string szAuth;
    SecurityOptions(gui, szAuth);
    std::string szBatch =
        Q(gui->szPathExe) + " " + szBuffer + " cat output " + Q(szNewPdf) + " " + szAuth;
    ExecuteCommand(szBatch.c_str());
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Per-file operations: the source file on the Single file page, every listed file on the
// Multiple files page, nothing on the other pages.

enum { SEC_NONE, SEC_OPTIONAL, SEC_REQUIRED };

typedef struct {
    const char* szSuffix;
    int nSecurity;
    bool bBackground;
    bool bShowCommand;     // shown before it runs, on the Single file page
    const char* szBefore;  // between the input and "output"
    const char* szAfter;   // after the output, before the security options
} T_BATCH;

enum { TAB_SINGLE, TAB_MULTI };

// The inputs the selected page names; false, with the message shown, when it names none.
static bool BatchInputs(T_INTERFACE* gui, int nMsgEmptyList, int& nTab,
                        std::vector<std::string>& inputs)
{
    nTab = (int)SendMessageA(gui->Tabs.hdl, TCM_GETCURSEL, 0, 0);
    if (nTab == TAB_SINGLE) {
        char szFile[TANDREL_PATH_MAX];
        ReadSourcePath(gui, szFile);
        if (!PathFileExistsA(szFile)) {
            uiMessage(gui, 54, MB_ICONERROR);
            return false;
        }
        inputs.push_back(szFile);
    } else if (nTab == TAB_MULTI) {
        HWND hList = gui->ListPdfFiles.hdl;
        int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
        if (nNbItems <= 0) {
            uiMessage(gui, nMsgEmptyList, MB_ICONERROR);
            return false;
        }
        for (int i = 0; i < nNbItems; ++i) {
            LRESULT nLen = SendMessageA(hList, LB_GETTEXTLEN, (WPARAM)i, 0);
            // An entry too long for a path cannot be worked on.
            if (nLen == LB_ERR || nLen >= TANDREL_PATH_MAX)
                continue;
            char szFile[TANDREL_PATH_MAX] = {0};
            SendMessageA(hList, LB_GETTEXT, (WPARAM)i, (LPARAM)szFile);
            inputs.push_back(szFile);
        }
    }
    return true;
}

static int RunBatch(T_INTERFACE* gui, const T_BATCH& op)
{
    int nTab = -1;
    std::vector<std::string> inputs;
    if (!BatchInputs(gui, 55, nTab, inputs))
        return 0;

    std::string szAuthCmd;
    if (op.nSecurity != SEC_NONE) {
        int nResult = SecurityOptions(gui, szAuthCmd);
        if (nResult == 0 && op.nSecurity == SEC_REQUIRED) {
            uiMessage(gui, 57, MB_ICONERROR);
            return 0;
        }
        if (nResult == -1) {
            uiMessage(gui, 58, MB_ICONERROR);
            return 0;
        }
    }
    std::string szBefore = op.szBefore;
    if (op.bBackground) {
        char szBgFile[TANDREL_PATH_MAX] = {0};
        if (!uiPdfFileDialog(gui, szBgFile, sizeof(szBgFile),
                             OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, false))
            return 0;
        szBefore += Q(szBgFile);
    }

    for (const std::string& szFile : inputs) {
        char szNewFile[TANDREL_PATH_MAX] = {0};
        if (!pdfOutputName(szFile.c_str(), op.szSuffix, szNewFile, sizeof(szNewFile)))
            continue;
        std::string szBatch = Q(gui->szPathExe) + " " + Q(szFile.c_str()) + szBefore + " output " +
                              Q(szNewFile) + op.szAfter + szAuthCmd;
        if (op.bShowCommand && nTab == TAB_SINGLE)
            dialogs.MessageBox(gui->hWnd, szBatch.c_str(), gui->szLang[1], MB_ICONERROR);
        ExecuteCommand(szBatch.c_str());
    }
    return 0;
}

int EncryptPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_sec.pdf", SEC_REQUIRED, false, false, "", " "});
}

int CompressPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_compress.pdf", SEC_OPTIONAL, false, true, "", " compress "});
}

int UncompressPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_uncompress.pdf", SEC_OPTIONAL, false, false, "", " uncompress "});
}

int RepairPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_fixed.pdf", SEC_OPTIONAL, false, false, "", " "});
}

int pdfBackground(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_bg.pdf", SEC_NONE, true, false, " background ", ""});
}

int DumpPDFData(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_dump.txt", SEC_NONE, false, false, " dumpdata", ""});
}

int pdfDumpDataFields(T_INTERFACE* gui)
{
    return RunBatch(gui, {"_fields.txt", SEC_NONE, false, false, " dump_data_fields", ""});
}

// ---------------------------------------------------------------------------------------------
// Burst: one file per page, gathered in a folder named after the input.

static std::string JoinPath(const char* szDir, const char* szName)
{
    std::string s = szDir;
    if (s.empty() || s.back() != '\\')
        s += '\\';
    return s + szName;
}

int cmdMoveFiles(const char* szSrcDir, const char* szWildcard, const char* szDstDir,
                 const char* szKeep)
{
    WIN32_FIND_DATAA FindFileData;
    HANDLE hFind = FindFirstFileA(JoinPath(szSrcDir, szWildcard).c_str(), &FindFileData);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (szKeep && lstrcmpiA(FindFileData.cFileName, szKeep) == 0)
            continue;
        // An existing namesake in the destination is not replaced: the file stays where it is.
        MoveFileA(JoinPath(szSrcDir, FindFileData.cFileName).c_str(),
                  JoinPath(szDstDir, FindFileData.cFileName).c_str());
    } while (FindNextFileA(hFind, &FindFileData));
    FindClose(hFind);
    return 1;
}

int BurstPDF(T_INTERFACE* gui)
{
    int nTab = (int)SendMessageA(gui->Tabs.hdl, TCM_GETCURSEL, 0, 0);
    if (nTab != TAB_SINGLE && nTab != TAB_MULTI)
        return 0;
    std::vector<std::string> inputs;
    if (!BatchInputs(gui, 55, nTab, inputs))
        return 0;
    for (const std::string& sInput : inputs) {
        char szFile[TANDREL_PATH_MAX] = {0};
        char szNewDir[TANDREL_PATH_MAX] = {0};
        lstrcpynA(szFile, sInput.c_str(), sizeof(szFile));
        lstrcpynA(szNewDir, szFile, sizeof(szNewDir));
        PathRemoveExtensionA(szNewDir);
        CreateDirectoryA(szNewDir, nullptr);
        std::string szBatch = Q(gui->szPathExe) + " " + Q(szFile) + " burst output pg_%03d.pdf";
        std::string sName = PathFindFileNameA(szFile);
        PathRemoveFileSpecA(szFile);
        // The tool writes the pages into its working directory: the input's own folder, where
        // they are looked for.
        ExecuteCommand(szBatch.c_str(), szFile);
        cmdMoveFiles(szFile, "pg_*.pdf", szNewDir, sName.c_str());
        cmdMoveFiles(szFile, "doc_data.txt", szNewDir, sName.c_str());
    }
    return 0;
}
