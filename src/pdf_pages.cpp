// The Pages page: two single-sided scans interleaved, chosen pages turned, chosen pages taken.
#include "pdf.h"

#include "pdf_outline.h"

// The fronts and the backs as the tool's handles A and B, followed by the password each opened
// with, if any, as input_pw takes them.
static std::string ShuffleInputs(T_INTERFACE* gui, const char* szFronts, const char* szBacks)
{
    const char* files[] = {szFronts, szBacks};
    const char* passwords[] = {gui->PagesSource.szPasswd, gui->Backs.szPasswd};
    std::string inputs, given;
    for (int i = 0; i < 2; ++i) {
        std::string handle = i ? " B=" : " A=";
        inputs += handle + pdfQuoteArg(files[i]);
        if (passwords[i][0])
            given += handle + pdfQuoteArg(passwords[i]);
    }
    if (!given.empty())
        inputs += " input_pw" + given;
    SecureZeroMemory(&given[0], given.size());
    return inputs;
}

// The Pages page's source into szFile; 0, with the message shown, when there is none.
static int PagesSource(T_INTERFACE* gui, char* szFile)
{
    return pdfChosenPath(gui, gui->EditPagesSource.hdl, TXT_MSG_NO_SOURCE, szFile);
}

int InterleavePDF(T_INTERFACE* gui)
{
    char szFronts[TANDREL_PATH_BYTES], szBacks[TANDREL_PATH_BYTES];
    std::string options;
    if (!pdfToolReady(gui) || !PagesSource(gui, szFronts) ||
        !pdfChosenPath(gui, gui->EditBacks.hdl, TXT_MSG_NO_BACKS, szBacks) ||
        !pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    // The tool puts the pages left over at the end: allowed, but not by surprise.
    if (gui->PagesSource.nPages != gui->Backs.nPages) {
        std::string text = pdfFillText(
            gui->szLang[TXT_MSG_COUNTS_DIFFER],
            {std::to_string(gui->PagesSource.nPages), std::to_string(gui->Backs.nPages)});
        if (uiShowText(gui, text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return 0;
    }
    char szNewPdf[TANDREL_PATH_BYTES] = {0};
    if (!pdfChooseOutputPdf(gui, {szFronts, szBacks}, TXT_MSG_SHUFFLE_INPUT, szNewPdf))
        return 0;
    std::string inputs = ShuffleInputs(gui, szFronts, szBacks);
    // Scanned from the last back to the first, the backs are taken from their end.
    const char* szBacksOrder = uiIsChecked(gui->ChkBacksReverse.hdl) ? "Bend-1" : "B";
    std::string cmd = pdfQuoteArg(gui->szPathExe) + inputs + " shuffle A " + szBacksOrder +
                      " output " + pdfQuoteArg(szNewPdf) + " " + options;
    SecureZeroMemory(&inputs[0], inputs.size());
    // The fronts' bookmarks move with them; those of the backs are not kept.
    T_KEEP keep = {pdfChosenArg(szFronts, &gui->PagesSource), szFronts,
                   pdfInterleaveFronts(gui->PagesSource.nPages, gui->Backs.nPages), 1, options};
    SecureZeroMemory(&options[0], options.size());
    return pdfRunKeeping(gui, szFronts, 1, cmd, szNewPdf, {szBacks}, &keep);
}

// The ranges of the Pages page's box into ranges; 0, with the message shown, when there are none
// or one is wrong.
static int PagesRanges(T_INTERFACE* gui, std::vector<T_PAGE_RANGE>& ranges)
{
    char szRanges[TANDREL_RANGE_MAX];
    uiReadText(gui->EditRanges.hdl, szRanges, sizeof(szRanges));
    int nResult = pdfParseRanges(szRanges, gui->PagesSource.nPages, ranges);
    if (nResult == RANGES_RIGHT)
        return 1;
    if (nResult == RANGES_NONE) {
        uiMessage(gui, TXT_MSG_NO_RANGES, MB_ICONERROR);
        return 0;
    }
    std::string text =
        pdfFillText(gui->szLang[TXT_MSG_BAD_RANGE], {pdfRangePart(szRanges, nResult)});
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
    T_KEEP keep = {pdfChosenArg(szFile, &gui->PagesSource), szFile, std::vector<int>(), 1,
                   std::string()};
    if (!pdfReadSecurity(gui, SEC_OPTIONAL, keep.options))
        return 0;
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + keep.source + operation + " output " +
                      pdfQuoteArg(szNewFile) + " " + keep.options;
    if (!pages) {
        SecureZeroMemory(&keep.source[0], keep.source.size());
        SecureZeroMemory(&keep.options[0], keep.options.size());
        return pdfRunOne(gui, szFile, bNamed, cmd, szNewFile);
    }
    keep.pages = *pages;
    return pdfRunKeeping(gui, szFile, bNamed, cmd, szNewFile, {}, &keep);
}

// The tool's relative turns of the angles of the Pages page's list, in its order.
static const char* const szTurns[] = {"right", "down", "left"};

// The tool's rotate keeps the bookmarks and the information itself.
int RotatePagesPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    std::vector<T_PAGE_RANGE> ranges;
    if (!pdfToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
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
    if (!pdfToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
        return 0;
    std::vector<int> pages = pdfRangePages(ranges);
    return PagesOperation(gui, szFile, " cat" + pdfTakeList(ranges), &pages, "_pages.pdf");
}
