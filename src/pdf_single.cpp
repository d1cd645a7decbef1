// The Single file page's operations on its source: copy a page range, delete the selected pages,
// decrypt with the owner password.
#include "pdf.h"

std::string pdfCatalogOfLists(T_INTERFACE* gui)
{
    int nFrom = (int)SendMessageA(gui->CboCatFrom.hdl, CB_GETCURSEL, 0, 0) + 1;
    int nTo = (int)SendMessageA(gui->CboCatTo.hdl, CB_GETCURSEL, 0, 0) + 1;
    return pdfCatalogRange(nFrom, nTo, uiIsChecked(gui->OptCatEven.hdl),
                           uiIsChecked(gui->OptCatOdd.hdl));
}

// The source of the Single file page into szFile; 0, with the message shown, when there is none.
static int SingleSource(T_INTERFACE* gui, char* szFile)
{
    return pdfChosenPath(gui, gui->EditPDFSource.hdl, TXT_MSG_NO_SOURCE, szFile);
}

// The source's pages as the tool's cat takes them (pageList) into the file beside it named with
// szSuffix, with the security options.
static int CatSource(T_INTERFACE* gui, const char* szFile, const std::string& pageList,
                     const std::string& options, const char* szSuffix)
{
    char szNewFile[TANDREL_PATH_MAX] = {0};
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + pdfChosenArg(szFile, &gui->Source) +
                      " cat " + pageList + " output " + pdfQuoteArg(szNewFile) + " " + options;
    return pdfRunOne(gui, szFile, bNamed, cmd, szNewFile);
}

int CatPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    std::string options;
    if (!pdfToolReady(gui) || !SingleSource(gui, szFile) ||
        !pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    return CatSource(gui, szFile, pdfCatalogOfLists(gui), options, "_cat.pdf");
}

// The pages to keep: those of the page list that are not selected, as the tool's cat takes them;
// empty when there is nothing to delete or nothing would be left (refused with its message).
static std::string KeptPages(T_INTERFACE* gui)
{
    HWND hList = gui->ListDelete.hdl;
    int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    // Every selected page counts, however many there are; with none there is nothing to delete.
    int nSelCount = (int)SendMessageA(hList, LB_GETSELCOUNT, 0, 0);
    if (nNbItems < 0 || nSelCount <= 0)
        return std::string();
    std::vector<int> selection((size_t)nSelCount);
    int nNbSelItems =
        (int)SendMessageA(hList, LB_GETSELITEMS, (WPARAM)nSelCount, (LPARAM)selection.data());
    if (nNbSelItems <= 0)
        return std::string();
    std::string keep = pdfKeepList(selection.data(), nNbSelItems, nNbItems);
    // No range left: the tool would take that for every page, the opposite of what was asked.
    if (keep.empty())
        uiMessage(gui, TXT_MSG_DELETE_ALL, MB_ICONERROR);
    return keep;
}

int DeletePagesPDF(T_INTERFACE* gui)
{
    char szPDF[TANDREL_PATH_MAX];
    std::string options;
    if (!pdfToolReady(gui) || !SingleSource(gui, szPDF) ||
        !pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    std::string keep = KeptPages(gui);
    if (keep.empty())
        return 0;
    return CatSource(gui, szPDF, keep, options, "_remove.pdf");
}

int DecryptPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szPasswd[TANDREL_PASSWD_MAX];
    if (!pdfToolReady(gui) || !SingleSource(gui, szFile))
        return 0;
    uiReadText(gui->EditPasswdOwner.hdl, szPasswd, sizeof(szPasswd));
    if (!szPasswd[0]) {
        uiMessage(gui, TXT_MSG_NO_OWNER, MB_OK);
        return 0;
    }
    int bNamed = pdfOutputName(szFile, "_unsec.pdf", szNewFile, sizeof(szNewFile));
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + pdfQuoteArg(szFile) + " input_pw " +
                      pdfQuoteArg(szPasswd) + " output " + pdfQuoteArg(szNewFile);
    pdfRunOne(gui, szFile, bNamed, cmd, szNewFile);
    SecureZeroMemory(szPasswd, sizeof(szPasswd));
    return 0;
}
