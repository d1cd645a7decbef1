// The join of the Multiple files page: every listed file, in the list's order, into one file the
// user names, with the first file's document information.
#include "op.h"

int JoinPDF(T_INTERFACE* gui)
{
    if (!uiToolReady(gui))
        return 0;
    std::vector<std::string> items;
    if (uiListedFiles(gui, items) < 2) {
        uiMessage(gui, TXT_MSG_JOIN_TWO, MB_ICONERROR);
        return 0;
    }
    T_PROTECTION protection;
    char szNewPdf[TANDREL_PATH_BYTES] = {0};
    if (!opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    if (!opChooseOutputPdf(gui, items, TXT_MSG_JOIN_INPUT, szNewPdf)) {
        opWipeProtection(&protection);
        return 0;
    }
    // Each input followed by a blank, then " cat": as the join has always written it.
    T_TOOL_COMMAND c = {{}, "  cat", szNewPdf, 0, " ", protection.options};
    for (const std::string& item : items)
        c.inputs.push_back({item, "", nullptr});
    // The first file's information; the join keeps every file's bookmarks itself.
    T_KEEP keep = {{items[0], "", nullptr}, {},          0, protection.options,
                   protection.passwd,       std::nullopt};
    opWipeProtection(&protection);
    return opRunKeeping(gui, szNewPdf, 1, c, items, &keep);
}
