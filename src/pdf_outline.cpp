#include "pdf_outline.h"

#include <stdlib.h>
#include <string.h>

// The value a line that is no field of the dump belongs to.
enum { CONTINUES_NONE, CONTINUES_INFO, CONTINUES_TITLE };

// The fields the tool's data dump writes, each at the start of a line: "Name: value", and the
// records' starts, "NameBegin" alone. Any other line continues the value before it: the tool
// writes a line break in a value as it is ("Summary", "Note: draft").
static const char* const szDumpFields[] = {
    "InfoKey",           "InfoValue",         "PdfID0",         "PdfID1",
    "NumberOfPages",     "BookmarkTitle",     "BookmarkLevel",  "BookmarkPageNumber",
    "PageMediaNumber",   "PageMediaRotation", "PageMediaRect",  "PageMediaDimensions",
    "PageMediaCropRect", "PageLabelNewIndex", "PageLabelStart", "PageLabelPrefix",
    "PageLabelNumStyle"};
static const char* const szDumpRecords[] = {"InfoBegin", "BookmarkBegin", "PageMediaBegin",
                                            "PageLabelBegin"};

// 1 when line is a field of the dump. A bookmark's title goes on until its level, the field the
// tool writes after it: a title may hold a line "BookmarkBegin" of its own.
static int IsDumpField(const std::string& line, int nContinues)
{
    for (const char* szRecord : szDumpRecords) {
        if (line == szRecord)
            return nContinues != CONTINUES_TITLE;
    }
    for (const char* szField : szDumpFields) {
        size_t nName = strlen(szField);
        bool bNext = nContinues != CONTINUES_TITLE || strcmp(szField, "BookmarkLevel") == 0;
        if (bNext && line.compare(0, nName, szField) == 0 && line.size() > nName &&
            line[nName] == ':')
            return 1;
    }
    return 0;
}

// The value of the field szName when line is that field: the rest after ": ".
static int FieldValue(const std::string& line, const char* szName, std::string& value)
{
    size_t nName = strlen(szName);
    if (line.compare(0, nName, szName) != 0 || line.size() <= nName || line[nName] != ':')
        return 0;
    size_t nStart = nName + 1;
    if (nStart < line.size() && line[nStart] == ' ')
        ++nStart;
    value = line.substr(nStart);
    return 1;
}

// Takes one field into data; returns the value a following line that is no field continues.
static int ReadField(const std::string& line, T_DOC_DATA& data)
{
    std::string value;
    if (line == "InfoBegin") {
        data.info.push_back(T_INFO_ENTRY());
    } else if (line == "BookmarkBegin") {
        data.bookmarks.push_back({std::string(), 1, 0});
    } else if (!data.info.empty() && FieldValue(line, "InfoKey", value)) {
        data.info.back().key = value;
    } else if (!data.info.empty() && FieldValue(line, "InfoValue", value)) {
        data.info.back().value = value;
        return CONTINUES_INFO;
    } else if (data.bookmarks.empty()) {
        return CONTINUES_NONE;
    } else if (FieldValue(line, "BookmarkTitle", value)) {
        data.bookmarks.back().title = value;
        return CONTINUES_TITLE;
    } else if (FieldValue(line, "BookmarkLevel", value)) {
        data.bookmarks.back().nLevel = atoi(value.c_str()) > 1 ? atoi(value.c_str()) : 1;
    } else if (FieldValue(line, "BookmarkPageNumber", value)) {
        data.bookmarks.back().nPage = atoi(value.c_str()) > 0 ? atoi(value.c_str()) : 0;
    }
    return CONTINUES_NONE;
}

int pdfReadDocData(const std::string& dump, T_DOC_DATA& data)
{
    data.info.clear();
    data.bookmarks.clear();
    int nContinues = CONTINUES_NONE;
    for (size_t nPos = 0; nPos < dump.size();) {
        size_t nEnd = dump.find('\n', nPos);
        if (nEnd == std::string::npos)
            nEnd = dump.size();
        std::string line = dump.substr(nPos, nEnd - nPos);
        nPos = nEnd + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (IsDumpField(line, nContinues))
            nContinues = ReadField(line, data);
        else if (nContinues == CONTINUES_INFO)
            data.info.back().value += "\n" + line;
        else if (nContinues == CONTINUES_TITLE)
            data.bookmarks.back().title += "\n" + line;
    }
    return (int)(data.info.size() + data.bookmarks.size());
}

std::vector<int> pdfRangePages(const std::vector<T_PAGE_RANGE>& ranges)
{
    std::vector<int> pages;
    for (const T_PAGE_RANGE& r : ranges) {
        int nStep = r.nFirst <= r.nLast ? 1 : -1;
        for (int n = r.nFirst; n != r.nLast + nStep; n += nStep) {
            if (r.nParity == PAGES_EVERY || (n % 2 == 1) == (r.nParity == PAGES_ODD))
                pages.push_back(n);
        }
    }
    return pages;
}

std::vector<int> pdfPagesLeft(const int* pSel, int nSel, int nPages)
{
    std::vector<char> bDeleted((size_t)(nPages > 0 ? nPages : 0) + 1, 0);
    for (int i = 0; i < nSel; ++i) {
        if (pSel[i] >= 0 && pSel[i] < nPages)
            bDeleted[(size_t)pSel[i] + 1] = 1;
    }
    std::vector<int> pages;
    for (int n = 1; n <= nPages; ++n) {
        if (!bDeleted[(size_t)n])
            pages.push_back(n);
    }
    return pages;
}

std::vector<int> pdfInterleaveFronts(int nFronts, int nBacks)
{
    std::vector<int> pages;
    for (int n = 1; n <= nFronts || n <= nBacks; ++n) {
        if (n <= nFronts)
            pages.push_back(n);
        if (n <= nBacks)
            pages.push_back(0);
    }
    return pages;
}

std::vector<int> pdfNewPages(const std::vector<int>& sequence)
{
    std::vector<int> newPages(1, 0);
    for (size_t i = 0; i < sequence.size(); ++i) {
        int n = sequence[i];
        if (n < 1)
            continue;
        if ((size_t)n >= newPages.size())
            newPages.resize((size_t)n + 1, 0);
        if (newPages[(size_t)n] == 0)
            newPages[(size_t)n] = (int)i + 1;
    }
    return newPages;
}

// A bookmark above the one being placed: its level in the source, and the level of the nearest
// one kept among it and those above it (0 when none is).
typedef struct {
    int nSourceLevel;
    int nKeptLevel;
} T_ANCESTOR;

std::vector<T_BOOKMARK> pdfMapBookmarks(const std::vector<T_BOOKMARK>& bookmarks,
                                        const std::vector<int>& newPages)
{
    // Where a bookmark of each source page goes: that page's place, else the next kept page's.
    std::vector<int> target(newPages.size() + 1, 0);
    for (size_t n = newPages.size(); n-- > 1;)
        target[n] = newPages[n] ? newPages[n] : target[n + 1];
    std::vector<T_BOOKMARK> mapped;
    std::vector<T_ANCESTOR> above;
    for (const T_BOOKMARK& b : bookmarks) {
        while (!above.empty() && above.back().nSourceLevel >= b.nLevel)
            above.pop_back();
        int nParentLevel = above.empty() ? 0 : above.back().nKeptLevel;
        int nPage = b.nPage > 0 && (size_t)b.nPage < target.size() ? target[(size_t)b.nPage] : 0;
        bool bKept = b.nPage == 0 || nPage > 0;
        if (bKept)
            mapped.push_back({b.title, nParentLevel + 1, nPage});
        above.push_back({b.nLevel, bKept ? nParentLevel + 1 : nParentLevel});
    }
    return mapped;
}

// s on one line: a line break (CR, LF or both) becomes a blank.
static std::string OneLine(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            continue;
        out += s[i] == '\r' || s[i] == '\n' ? ' ' : s[i];
    }
    return out;
}

std::string pdfInfoText(const std::vector<T_INFO_ENTRY>& info,
                        const std::vector<T_BOOKMARK>& bookmarks)
{
    std::string s;
    // The tool would take an empty value for the key's removal.
    for (const T_INFO_ENTRY& e : info) {
        if (!e.key.empty() && !e.value.empty())
            s +=
                "InfoBegin\nInfoKey: " + OneLine(e.key) + "\nInfoValue: " + OneLine(e.value) + "\n";
    }
    for (const T_BOOKMARK& b : bookmarks) {
        s += "BookmarkBegin\nBookmarkTitle: " + OneLine(b.title) +
             "\nBookmarkLevel: " + std::to_string(b.nLevel) +
             "\nBookmarkPageNumber: " + std::to_string(b.nPage) + "\n";
    }
    return s;
}

std::string pdfInfoUpdate(const std::vector<T_INFO_ENTRY>& info)
{
    std::string s;
    for (const T_INFO_ENTRY& e : info)
        s += "InfoBegin\nInfoKey: " + OneLine(e.key) + "\nInfoValue: " + OneLine(e.value) + "\n";
    return s;
}
