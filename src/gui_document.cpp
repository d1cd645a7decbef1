// The Document page's source: chosen, counted, its information and bookmarks read once and shown.
#include "gui.h"

// The information entries the page's boxes show, in their order.
static const char* const szInfoKeys[] = {"Title", "Author", "Subject", "Keywords"};
static T_ELEMENT T_INTERFACE::*const infoBoxes[] = {
    &T_INTERFACE::EditInfoTitle, &T_INTERFACE::EditInfoAuthor, &T_INTERFACE::EditInfoSubject,
    &T_INTERFACE::EditInfoKeywords};
static_assert(COUNTOF(szInfoKeys) == COUNTOF(infoBoxes), "a box for each entry");

// The value of the entry szKey of info; empty when it has none.
static std::string InfoValue(const std::vector<T_INFO_ENTRY>& info, const char* szKey)
{
    for (const T_INFO_ENTRY& e : info) {
        if (e.key == szKey)
            return e.value;
    }
    return std::string();
}

// A value in a box of one line: a line break in it shows as a blank, as it will be written.
static std::wstring OneLineWide(const std::string& value)
{
    std::wstring w = pathWide(value.c_str());
    for (WCHAR& c : w) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    return w;
}

// The page's summary and boxes from what was read of its source; empty without one.
static int ShowDocument(T_INTERFACE* gui)
{
    const T_DOC_DATA& d = gui->sourceData[SOURCE_DOCUMENT];
    int nPages = gui->chosen[SOURCE_DOCUMENT].nPages;
    std::string summary =
        nPages > 0 ? pdfFillText(uiText(gui, TXT_DOC_SUMMARY).c_str(),
                                 {std::to_string(nPages), std::to_string(d.bookmarks.size())})
                   : std::string();
    SetWindowTextW(gui->StaticDocSummary.hdl, pathWide(summary.c_str()).c_str());
    for (size_t i = 0; i < COUNTOF(szInfoKeys); ++i)
        SetWindowTextW((gui->*infoBoxes[i]).hdl,
                       OneLineWide(InfoValue(d.info, szInfoKeys[i])).c_str());
    return 0;
}

int uiLoadDocument(T_INTERFACE* gui, const char* szFile)
{
    uiChooseSource(gui, szFile, SOURCE_DOCUMENT);
    return ShowDocument(gui);
}

int uiChooseDocument(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES] = {0};
    if (uiToolReady(gui) && uiOpenPdfDialog(gui, szFile))
        uiLoadDocument(gui, szFile);
    return 0;
}

int uiReadInfoBoxes(T_INTERFACE* gui, std::vector<T_INFO_ENTRY>& info)
{
    info.clear();
    for (size_t i = 0; i < COUNTOF(szInfoKeys); ++i) {
        WCHAR wszValue[INFO_VALUE_MAX + 1] = {0};
        GetWindowTextW((gui->*infoBoxes[i]).hdl, wszValue, INFO_VALUE_MAX + 1);
        info.push_back({szInfoKeys[i], pathUtf8(wszValue)});
    }
    return 0;
}
