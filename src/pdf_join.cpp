// The join of the Multiple files page: every listed file, in the list's order, into one file the
// user names, with the first file's document information.
#include "pdf.h"

#include "obj.h"

int JoinPDF(T_INTERFACE* gui)
{
    HWND hList = gui->ListPdfFiles.hdl;
    if (!pdfToolReady(gui))
        return 0;
    int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    if (nNbItems == LB_ERR)
        return 0;
    if (nNbItems < 2) {
        uiMessage(gui, TXT_MSG_JOIN_TWO, MB_ICONERROR);
        return 0;
    }
    std::string options;
    if (!pdfReadSecurity(gui, SEC_OPTIONAL, options))
        return 0;
    std::string inputs;
    std::vector<std::string> items;
    for (int i = 0; i < nNbItems; ++i) {
        std::string item;
        if (!List_GetItemText(hList, i, item))
            continue;
        inputs += pdfQuoteArg(item) + " ";
        items.push_back(item);
    }
    char szNewPdf[TANDREL_PATH_BYTES] = {0};
    if (items.empty() || !pdfChooseOutputPdf(gui, items, TXT_MSG_JOIN_INPUT, szNewPdf))
        return 0;
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + inputs + " cat output " +
                      pdfQuoteArg(szNewPdf) + " " + options;
    // The first file's information; the join keeps every file's bookmarks itself.
    T_KEEP keep = {pdfQuoteArg(items[0]), items[0], std::vector<int>(), 0, options};
    SecureZeroMemory(&options[0], options.size());
    return pdfRunKeeping(gui, szNewPdf, 1, cmd, szNewPdf, items, &keep);
}
