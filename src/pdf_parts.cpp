// The parts of a split and their names.
#include "pdf_parts.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <map>

#include "paths.h"

// The characters a file name cannot hold, besides the control characters.
static const char szNotInNames[] = "<>:\"/\\|?*";

// The number of a part, of nDigits digits at least.
static std::string Numbered(int n, int nDigits)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "%0*d", nDigits, n);
    return sz;
}

std::vector<T_PART> pdfPartsEvery(int nPages, int nEvery, const std::string& base)
{
    std::vector<T_PART> parts;
    if (nEvery < 1 || nEvery > nPages)
        return parts;
    int nParts = (nPages + nEvery - 1) / nEvery;
    int nDigits = std::max(3, (int)std::to_string(nParts).size());
    for (int i = 0; i < nParts; ++i) {
        int nFirst = i * nEvery + 1;
        parts.push_back({nFirst, std::min(nPages, nFirst + nEvery - 1),
                         base + "_" + Numbered(i + 1, nDigits) + ".pdf"});
    }
    return parts;
}

// The characters of a UTF-8 text as Windows counts them: a letter outside the basic plane is two.
static int CharsOf(const std::string& s)
{
    return pathChars(s.c_str());
}

std::string pdfFileNameOf(const std::string& title, int nChars)
{
    std::string name;
    for (size_t i = 0; i < title.size();) {
        unsigned char c = (unsigned char)title[i];
        size_t nLen = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        std::string letter = title.substr(i, nLen);
        if (c < 0x20 || c == 0x7F || (nLen == 1 && strchr(szNotInNames, c)))
            letter = "_";
        if (CharsOf(name + letter) > nChars)
            break;
        name += letter;
        i += nLen;
    }
    // Windows drops a trailing dot or blank from a name, which would then be another's.
    if (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.back() = '_';
    return name;
}

// The first page of each part at the bookmarks of level nLevel, ascending, each once, with the
// title of the first bookmark that begins it.
static std::map<int, std::string> PartStarts(const std::vector<T_BOOKMARK>& bookmarks, int nLevel,
                                             int nPages)
{
    std::map<int, std::string> starts;
    for (const T_BOOKMARK& b : bookmarks) {
        if (b.nLevel == nLevel && b.nPage >= 1 && b.nPage <= nPages)
            starts.emplace(b.nPage, b.title);
    }
    return starts;
}

// The name of a part: its number, then its title as a file name can hold it in nRoom characters.
static std::string PartName(int nNumber, int nDigits, const std::string& title, int nRoom)
{
    std::string name = pdfFileNameOf(title, nRoom);
    return Numbered(nNumber, nDigits) + (name.empty() ? "" : " " + name) + ".pdf";
}

std::vector<T_PART> pdfPartsAtBookmarks(const std::vector<T_BOOKMARK>& bookmarks, int nLevel,
                                        int nPages, const std::string& base,
                                        const std::string& folder)
{
    std::map<int, std::string> starts = PartStarts(bookmarks, nLevel, nPages);
    std::vector<T_PART> parts;
    if (starts.empty())
        return parts;
    int nDigits = std::max(2, (int)std::to_string(starts.size()).size());
    // A whole path: the folder, a separator, the number, a blank, the name, ".pdf".
    int nRoom = (TANDREL_PATH_MAX - 1) - CharsOf(folder) - 1 - nDigits - 1 - 4;
    if (starts.begin()->first > 1) // the pages before the first bookmark
        parts.push_back({1, starts.begin()->first - 1, PartName(0, nDigits, base, nRoom)});
    int nNumber = 1;
    for (auto it = starts.begin(); it != starts.end(); ++it) {
        auto next = std::next(it);
        int nLast = next == starts.end() ? nPages : next->first - 1;
        parts.push_back({it->first, nLast, PartName(nNumber++, nDigits, it->second, nRoom)});
    }
    return parts;
}

std::vector<T_BOOKMARK> pdfPartBookmarks(const std::vector<T_BOOKMARK>& bookmarks, int nFirst,
                                         int nLast)
{
    std::vector<T_BOOKMARK> inPart = bookmarks;
    std::vector<int> pages;
    for (int n = nFirst; n <= nLast; ++n)
        pages.push_back(n);
    // A bookmark of another part's page, or of none, is sent past the part's pages: dropped.
    for (T_BOOKMARK& b : inPart) {
        if (b.nPage < nFirst || b.nPage > nLast)
            b.nPage = nLast + 1;
    }
    return pdfMapBookmarks(inPart, pdfNewPages(pages));
}
