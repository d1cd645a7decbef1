// The Single file page's operations on its source: copy a page range, delete the selected pages,
// decrypt with the owner password.
#include "pdf.h"

#include "pdf_outline.h"

// The page copy's range from the page lists and the Even/Odd buttons.
static T_PAGE_RANGE CatalogOfLists(T_INTERFACE* gui)
{
    int nFrom = (int)SendMessageA(gui->CboCatFrom.hdl, CB_GETCURSEL, 0, 0) + 1;
    int nTo = (int)SendMessageA(gui->CboCatTo.hdl, CB_GETCURSEL, 0, 0) + 1;
    int nParity = uiIsChecked(gui->OptCatEven.hdl)  ? PAGES_EVEN
                  : uiIsChecked(gui->OptCatOdd.hdl) ? PAGES_ODD
                                                    : PAGES_EVERY;
    return {nFrom, nTo, nParity, std::string()};
}

std::string pdfCatalogOfLists(T_INTERFACE* gui)
{
    T_PAGE_RANGE r = CatalogOfLists(gui);
    return pdfCatalogRange(r.nFirst, r.nLast, r.nParity == PAGES_EVEN, r.nParity == PAGES_ODD);
}

// The source of the Single file page into szFile; 0, with the message shown, when there is none.
static int SingleSource(T_INTERFACE* gui, char* szFile)
{
    return pdfChosenPath(gui, gui->EditPDFSource.hdl, TXT_MSG_NO_SOURCE, szFile);
}

// The source's pages as the tool's cat takes them (pageList) into the file beside it named with
// szSuffix, with the security options (wiped); the result keeps the source's information and its
// bookmarks, moved with their pages (pages: the source page of each page of the result).
static int CatSource(T_INTERFACE* gui, const char* szFile, const std::string& pageList,
                     const std::vector<int>& pages, std::string& options, const char* szSuffix)
{
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    T_KEEP keep = {pdfChosenArg(szFile, &gui->Source), szFile, pages, 1, options};
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + keep.source + " cat " + pageList +
                      " output " + pdfQuoteArg(szNewFile) + " " + options;
    SecureZeroMemory(&options[0], options.size());
    return pdfRunKeeping(gui, szFile, bNamed, cmd, szNewFile, {}, &keep);
}

int CatPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    std::string options;
    if (!pdfToolReady(gui) || !SingleSource(gui, szFile) ||
        !pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    return CatSource(gui, szFile, pdfCatalogOfLists(gui), pdfRangePages({CatalogOfLists(gui)}),
                     options, "_cat.pdf");
}

// The pages to keep: those of the page list that are not selected, as the tool's cat takes them,
// and into pages the source page of each; empty when there is nothing to delete or nothing would
// be left (refused with its message).
static std::string KeptPages(T_INTERFACE* gui, std::vector<int>& pages)
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
    pages = pdfKeptPages(selection.data(), nNbSelItems, nNbItems);
    return keep;
}

int DeletePagesPDF(T_INTERFACE* gui)
{
    char szPDF[TANDREL_PATH_BYTES];
    std::string options;
    if (!pdfToolReady(gui) || !SingleSource(gui, szPDF) ||
        !pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    std::vector<int> pages;
    std::string keep = KeptPages(gui, pages);
    if (keep.empty())
        return 0;
    return CatSource(gui, szPDF, keep, pages, options, "_remove.pdf");
}

int DecryptPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    char szNewFile[TANDREL_PATH_BYTES] = {0};
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
