// The Pages page: two single-sided scans interleaved, chosen pages turned, chosen pages taken.
#include "op.h"

#include "pdf_outline.h"

// The Pages page's source into szFile; 0, with the message shown, when there is none.
static int PagesSource(T_INTERFACE* gui, char* szFile)
{
    return opChosenPath(gui, SOURCE_PAGES, TXT_MSG_NO_SOURCE, szFile);
}

int InterleavePDF(T_INTERFACE* gui)
{
    char szFronts[TANDREL_PATH_BYTES], szBacks[TANDREL_PATH_BYTES];
    T_PROTECTION protection;
    if (!uiToolReady(gui) || !PagesSource(gui, szFronts) ||
        !opChosenPath(gui, SOURCE_BACKS, TXT_MSG_NO_BACKS, szBacks) ||
        !opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    const T_CHOSEN& fronts = gui->chosen[SOURCE_PAGES];
    const T_CHOSEN& backs = gui->chosen[SOURCE_BACKS];
    char szNewPdf[TANDREL_PATH_BYTES] = {0};
    // The tool puts the pages left over at the end: allowed, but not by surprise.
    std::string text = pdfFillText(uiText(gui, TXT_MSG_COUNTS_DIFFER).c_str(),
                                   {std::to_string(fronts.nPages), std::to_string(backs.nPages)});
    if ((fronts.nPages != backs.nPages &&
         uiShowText(gui, text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) ||
        !opChooseOutputPdf(gui, {szFronts, szBacks}, TXT_MSG_SHUFFLE_INPUT, szNewPdf)) {
        opWipeProtection(&protection);
        return 0;
    }
    // The fronts and the backs as the tool's handles A and B; scanned from the last back to the
    // first, the backs are taken from their end.
    const char* szBacksOrder = uiIsChecked(gui->ChkBacksReverse.hdl) ? "Bend-1" : "B";
    T_TOOL_COMMAND c = {{{szFronts, fronts.szPasswd, "A"}, {szBacks, backs.szPasswd, "B"}},
                        std::string(" shuffle A ") + szBacksOrder,
                        szNewPdf,
                        0,
                        " ",
                        protection.options};
    // The fronts' bookmarks move with them; those of the backs are not kept.
    T_KEEP keep = {opChosenInput(gui, SOURCE_PAGES, szFronts),
                   pdfInterleaveFronts(fronts.nPages, backs.nPages),
                   1,
                   protection.options,
                   protection.passwd,
                   opChosenData(gui, SOURCE_PAGES, szFronts)};
    opWipeProtection(&protection);
    return opRunKeeping(gui, szFronts, 1, c, {szBacks}, &keep);
}

// The ranges of the Pages page's box into ranges; 0, with the message shown, when there are none
// or one is wrong.
static int PagesRanges(T_INTERFACE* gui, std::vector<T_PAGE_RANGE>& ranges)
{
    char szRanges[TANDREL_RANGE_MAX];
    uiReadText(gui->EditRanges.hdl, szRanges, sizeof(szRanges));
    int nResult = pdfParseRanges(szRanges, gui->chosen[SOURCE_PAGES].nPages, ranges);
    if (nResult == RANGES_VALID)
        return 1;
    if (nResult == RANGES_NONE) {
        uiMessage(gui, TXT_MSG_NO_RANGES, MB_ICONERROR);
        return 0;
    }
    std::string text =
        pdfFillText(uiText(gui, TXT_MSG_BAD_RANGE).c_str(),
                    {pathFromCodePage(pdfRangePart(szRanges, nResult).c_str(), CP_ACP)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// The pages of the Pages page's source as the tool's operation takes them (operation: its name
// and its pages), into the file beside it named with szSuffix. When pages are given (the source
// page of each page of the result), the result keeps the source's bookmarks and information.
static int PagesOperation(T_INTERFACE* gui, const char* szFile, const std::string& operation,
                          const std::vector<int>* pages, const char* szSuffix)
{
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    T_PROTECTION protection;
    if (!opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    T_TOOL_INPUT source = opChosenInput(gui, SOURCE_PAGES, szFile);
    T_TOOL_COMMAND c = {{source}, operation, szNewFile, 0, " ", protection.options};
    if (!pages) {
        opWipeProtection(&protection);
        pdfWipe(source.passwd);
        return opRunOne(gui, szFile, bNamed, c);
    }
    T_KEEP keep = {source,
                   *pages,
                   1,
                   protection.options,
                   protection.passwd,
                   opChosenData(gui, SOURCE_PAGES, szFile)};
    opWipeProtection(&protection);
    pdfWipe(source.passwd);
    return opRunKeeping(gui, szFile, bNamed, c, {}, &keep);
}

// The tool's relative turns of the angles of the Pages page's list, in its order.
static const char* const szTurns[] = {"right", "down", "left"};

// The tool's rotate keeps the bookmarks and the information itself.
int RotatePagesPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    std::vector<T_PAGE_RANGE> ranges;
    if (!uiToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
        return 0;
    LRESULT nTurn = SendMessageA(gui->CboTurn.hdl, CB_GETCURSEL, 0, 0);
    if (nTurn < 0 || nTurn >= (LRESULT)COUNTOF(szTurns))
        nTurn = 0;
    return PagesOperation(gui, szFile, " rotate" + pdfRotateList(ranges, szTurns[nTurn]), nullptr,
                          "_rotate.pdf");
}

int TakePagesPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    std::vector<T_PAGE_RANGE> ranges;
    if (!uiToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
        return 0;
    std::vector<int> pages = pdfRangePages(ranges);
    return PagesOperation(gui, szFile, " cat" + pdfTakeList(ranges), &pages, "_pages.pdf");
}
