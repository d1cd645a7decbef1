// Page ranges: the page copy's, the pages kept by a deletion, and those a user types in the
// tool's own syntax.
#pragma once

#include <string>
#include <vector>

// Page range of the page copy: "%d-%d" from the two pages, then "even " and/or "odd ".
std::string pdfCatalogRange(int nFrom, int nTo, bool bEven, bool bOdd);

// Ranges of the pages left when the pages at the ascending indices pSel[0..nSel-1] (from 0)
// of an nItems-page document are deleted: " 1-1 3-4 6-8 10-end". Empty when nSel is 0.
std::string pdfPagesLeftList(const int* pSel, int nSel, int nItems);

// Page ranges as a user types them, in the tool's own syntax: pages by number, "end" (the last)
// or "rN" (the Nth from the end, "r1" the last), "a-b" from a to b (descending when b < a), a
// range followed by "even" or "odd" (attached or as a word of its own), the ranges separated by
// blanks or commas; letter case aside.
enum { PAGES_EVERY, PAGES_ODD, PAGES_EVEN };
typedef struct {
    int nFirst, nLast; // its pages, from 1, in the order it takes them
    int nParity;       // PAGES_EVERY, PAGES_ODD or PAGES_EVEN
    std::string tool;  // as the tool takes it: "3-1", "7-end", "r2-r1odd"
} T_PAGE_RANGE;
// pdfParseRanges: all right.
#define RANGES_VALID (-1)
// pdfParseRanges: nothing but blanks and commas typed.
#define RANGES_NONE (-2)

// Reads the ranges of text for a document of nPages pages into ranges: RANGES_VALID when every
// part is a range of pages of the document (one that takes no page is not); RANGES_NONE when
// there is none; else the offset in text of the first wrong part.
int pdfParseRanges(const std::string& text, int nPages, std::vector<T_PAGE_RANGE>& ranges);
// The part of text that starts at nPos, up to the next blank or comma: a wrong part to quote.
std::string pdfRangePart(const std::string& text, int nPos);
// The ranges as the tool's cat takes them, in the order typed: " 1-3 7 9-end".
std::string pdfTakeList(const std::vector<T_PAGE_RANGE>& ranges);
// The ranges as the tool's rotate takes them, each turned by szTurn (the tool's relative "right",
// "down" or "left"), in the order typed: " 1-3right 7right 2-endevenright". A page typed twice
// is turned twice; the pages not typed stay as they are.
std::string pdfRotateList(const std::vector<T_PAGE_RANGE>& ranges, const char* szTurn);

// Label of page nPage in the page lists: "page %4d".
std::string pdfPageLabel(int nPage);
