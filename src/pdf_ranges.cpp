// Page ranges as the tool takes them: formed from the page lists, read from what a user types.
#include "pdf_ranges.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

std::string pdfCatalogRange(int nFrom, int nTo, bool bEven, bool bOdd)
{
    std::string s = std::to_string(nFrom) + "-" + std::to_string(nTo);
    if (bEven)
        s += "even ";
    if (bOdd)
        s += "odd ";
    return s;
}

static void AppendRange(std::string& s, int nFirst, int nLast)
{
    s += " " + std::to_string(nFirst) + "-" + std::to_string(nLast);
}

std::string pdfPagesLeftList(const int* pSel, int nSel, int nItems)
{
    std::string s;
    if (nSel <= 0)
        return s;
    // Indices are from 0, pages from 1: the pages between two selected indices a < b are a+2..b.
    if (pSel[0] > 0)
        AppendRange(s, 1, pSel[0]);
    for (int i = 1; i < nSel; ++i) {
        if (pSel[i] - pSel[i - 1] > 1)
            AppendRange(s, pSel[i - 1] + 2, pSel[i]);
    }
    if (pSel[nSel - 1] < nItems - 1)
        s += " " + std::to_string(pSel[nSel - 1] + 2) + "-end";
    return s;
}

// One page of a range as typed: a number, "end" or "rN"; 0 when it is none, -1 when it is outside
// the document.
static int RangePage(const std::string& word, int nPages, std::string& tool)
{
    size_t nDigits = word[0] == 'r' ? 1 : 0;
    if (word == "end") {
        tool += word;
        return nPages;
    }
    if (word.size() == nDigits || word.size() > nDigits + 6 ||
        word.find_first_not_of("0123456789", nDigits) != std::string::npos)
        return 0;
    int n = atoi(word.c_str() + nDigits);
    tool += word.substr(0, nDigits) + std::to_string(n);
    if (n < 1 || n > nPages)
        return -1;
    return nDigits ? nPages + 1 - n : n;
}

// What separates two ranges.
static const char szRangeSeparators[] = " \t,";

// Where the part of text that starts at nPos ends: at the next separator, or the text's end.
static size_t PartEnd(const std::string& text, size_t nPos)
{
    size_t nEnd = text.find_first_of(szRangeSeparators, nPos);
    return nEnd == std::string::npos ? text.size() : nEnd;
}

// A word of text at nPos, in small letters, with the offset after it.
static std::string RangeWord(const std::string& text, size_t nPos, size_t* pEnd)
{
    size_t nEnd = PartEnd(text, nPos);
    std::string word = text.substr(nPos, nEnd - nPos);
    for (char& c : word)
        c = (char)tolower((unsigned char)c);
    *pEnd = nEnd;
    return word;
}

// One range "a", "a-b", each with "even" or "odd" after it; false when it is none or outside
// the document, or takes no page.
static bool ReadRange(std::string word, int nPages, T_PAGE_RANGE* r)
{
    r->nParity = PAGES_EVERY;
    for (const char* szParity : {"odd", "even"}) {
        size_t n = strlen(szParity);
        if (word.size() > n && word.compare(word.size() - n, n, szParity) == 0) {
            r->nParity = szParity[0] == 'o' ? PAGES_ODD : PAGES_EVEN;
            word.resize(word.size() - n);
            break;
        }
    }
    size_t nDash = word.find('-');
    r->tool.clear();
    r->nFirst = RangePage(word.substr(0, nDash), nPages, r->tool);
    r->nLast = r->nFirst;
    if (nDash != std::string::npos && nDash > 0) {
        r->tool += "-";
        r->nLast = RangePage(word.substr(nDash + 1), nPages, r->tool);
    } else if (nDash != std::string::npos) {
        return false;
    }
    if (r->nFirst <= 0 || r->nLast <= 0)
        return false;
    if (r->nParity != PAGES_EVERY) {
        // Its pages of that parity: none when it is one page of the other.
        int nWanted = r->nParity == PAGES_ODD ? 1 : 0;
        if (r->nFirst == r->nLast && r->nFirst % 2 != nWanted)
            return false;
        if (nDash == std::string::npos) // the tool takes a parity after a range only
            r->tool += "-" + r->tool;
        r->tool += r->nParity == PAGES_ODD ? "odd" : "even";
    }
    return true;
}

int pdfParseRanges(const std::string& text, int nPages, std::vector<T_PAGE_RANGE>& ranges)
{
    ranges.clear();
    for (size_t nPos = 0; nPos < text.size();) {
        if (strchr(szRangeSeparators, text[nPos])) {
            ++nPos;
            continue;
        }
        size_t nEnd;
        std::string word = RangeWord(text, nPos, &nEnd);
        T_PAGE_RANGE r;
        // "even" or "odd" on its own belongs to the range before it.
        if ((word == "even" || word == "odd") && !ranges.empty() &&
            ranges.back().nParity == PAGES_EVERY) {
            T_PAGE_RANGE& last = ranges.back();
            if (!ReadRange(last.tool + word, nPages, &r))
                return (int)nPos;
            last = r;
        } else if (ReadRange(word, nPages, &r)) {
            ranges.push_back(r);
        } else {
            return (int)nPos;
        }
        nPos = nEnd;
    }
    return ranges.empty() ? RANGES_NONE : RANGES_VALID;
}

std::string pdfRangePart(const std::string& text, int nPos)
{
    if (nPos < 0 || (size_t)nPos >= text.size())
        return std::string();
    return text.substr((size_t)nPos, PartEnd(text, (size_t)nPos) - (size_t)nPos);
}

std::string pdfTakeList(const std::vector<T_PAGE_RANGE>& ranges)
{
    std::string s;
    for (const T_PAGE_RANGE& r : ranges)
        s += " " + r.tool;
    return s;
}

std::string pdfRotateList(const std::vector<T_PAGE_RANGE>& ranges, const char* szTurn)
{
    std::string s;
    for (const T_PAGE_RANGE& r : ranges)
        s += " " + r.tool + szTurn;
    return s;
}

std::string pdfPageLabel(int nPage)
{
    char szLabel[32];
    snprintf(szLabel, sizeof(szLabel), "page %4d", nPage);
    return szLabel;
}
