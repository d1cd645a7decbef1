// The Single file page's operations on its source: copy a page range, delete the selected pages,
// decrypt with the owner password.
#include "op.h"

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

// The source of the Single file page into szFile; 0, with the message shown, when there is none.
static int SingleSource(T_INTERFACE* gui, char* szFile)
{
    return opChosenPath(gui, SOURCE_SINGLE, TXT_MSG_NO_SOURCE, szFile);
}

// The source's pages as the tool's cat takes them (pageList) into the file beside it named with
// szSuffix, with the panel's protection (wiped); the result keeps the source's information and
// its bookmarks, moved with their pages (pages: the source page of each page of the result).
static int CatSource(T_INTERFACE* gui, const char* szFile, const std::string& pageList,
                     const std::vector<int>& pages, T_PROTECTION* protection, const char* szSuffix)
{
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    T_TOOL_INPUT source = opChosenInput(gui, SOURCE_SINGLE, szFile);
    T_KEEP keep = {source,
                   pages,
                   1,
                   protection->options,
                   protection->passwd,
                   opChosenData(gui, SOURCE_SINGLE, szFile)};
    T_TOOL_COMMAND c = {{source}, " cat " + pageList, szNewFile, 0, " ", protection->options};
    opWipeProtection(protection);
    pdfWipe(source.passwd);
    return opRunKeeping(gui, szFile, bNamed, c, {}, &keep);
}

int CatPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    T_PROTECTION protection;
    if (!uiToolReady(gui) || !SingleSource(gui, szFile) ||
        !opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    T_PAGE_RANGE r = CatalogOfLists(gui);
    std::string pageList =
        pdfCatalogRange(r.nFirst, r.nLast, r.nParity == PAGES_EVEN, r.nParity == PAGES_ODD);
    return CatSource(gui, szFile, pageList, pdfRangePages({r}), &protection, "_cat.pdf");
}

// The pages left: those of the page list that are not selected, as the tool's cat takes them,
// and into pages the source page of each; empty when there is nothing to delete or nothing would
// be left (refused with its message).
static std::string PagesLeft(T_INTERFACE* gui, std::vector<int>& pages)
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
    std::string left = pdfPagesLeftList(selection.data(), nNbSelItems, nNbItems);
    // No range left: the tool would take that for every page, the opposite of what was asked.
    if (left.empty())
        uiMessage(gui, TXT_MSG_DELETE_ALL, MB_ICONERROR);
    pages = pdfPagesLeft(selection.data(), nNbSelItems, nNbItems);
    return left;
}

int DeletePagesPDF(T_INTERFACE* gui)
{
    char szPDF[TANDREL_PATH_BYTES];
    T_PROTECTION protection;
    if (!uiToolReady(gui) || !SingleSource(gui, szPDF) ||
        !opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    std::vector<int> pages;
    std::string left = PagesLeft(gui, pages);
    if (left.empty()) {
        opWipeProtection(&protection);
        return 0;
    }
    return CatSource(gui, szPDF, left, pages, &protection, "_remove.pdf");
}

int DecryptPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    if (!uiToolReady(gui) || !SingleSource(gui, szFile))
        return 0;
    T_PASSWORDS pw;
    uiReadPasswords(gui, &pw);
    if (!pw.szOwner[0]) {
        uiMessage(gui, TXT_MSG_NO_OWNER, MB_OK);
        return 0;
    }
    int bNamed = pdfOutputName(szFile, "_unsec.pdf", szNewFile, sizeof(szNewFile));
    T_TOOL_COMMAND c = {{{szFile, pw.szOwner, nullptr}}, "", szNewFile, 0, "", ""};
    SecureZeroMemory(&pw, sizeof(pw));
    return opRunOne(gui, szFile, bNamed, c);
}
