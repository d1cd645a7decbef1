// The source's bookmarks and document information, kept through a page edit: the tool's data dump
// read, the pages followed to their new places, and the text its info update takes. Plain values
// in, text out: the caller runs the tool and reads and writes the files.
#pragma once

#include <string>
#include <vector>

#include "pdf_ranges.h" // T_PAGE_RANGE

// One entry of the document information: "Title", "Author", ..., or a key of the file's own.
typedef struct {
    std::string key;
    std::string value; // UTF-8, as the dump writes it; several lines joined by "\n"
} T_INFO_ENTRY;

typedef struct {
    std::string title; // UTF-8
    int nLevel;        // 1 at the top of the outline
    int nPage;         // from 1; 0 when it leads to no page of the file (a web link, say)
} T_BOOKMARK;

// What the dump tells of a file beyond its pages, each in the dump's order.
typedef struct {
    std::vector<T_INFO_ENTRY> info;
    std::vector<T_BOOKMARK> bookmarks;
} T_DOC_DATA;

// Reads the tool's dump_data_utf8 text into data: its information entries and its bookmarks.
// Values are taken byte for byte after "InfoValue: " and "BookmarkTitle: "; a line that is no
// field of the dump continues the value before it (the dump writes a line break in a value as
// it is). Returns how many entries and bookmarks were read.
int pdfReadDocData(const std::string& dump, T_DOC_DATA& data);

// The source pages the tool's cat writes for ranges, in the result's order: "10-1even" gives 10,
// 8, 6, 4, 2 (the parity is the page number's).
std::vector<int> pdfRangePages(const std::vector<T_PAGE_RANGE>& ranges);
// The pages of an nPages-page document kept when the pages at the indices pSel[0..nSel-1] (from
// 0, as pdfPagesLeftList takes them) are deleted, in page order.
std::vector<int> pdfPagesLeft(const int* pSel, int nSel, int nPages);
// The interleave of nFronts fronts and nBacks backs as the fronts' pages: front, back, front, ...
// while both last, then the rest of the longer file; 0 stands for a back, whichever order the
// backs are taken in.
std::vector<int> pdfInterleaveFronts(int nFronts, int nBacks);

// Where each source page stands in a result whose pages are, in order, the source pages of
// sequence (from 1; 0 for a page from elsewhere): newPages[n] is the first place of page n, from
// 1; 0 when the result lacks it. Indices run up to the highest page of sequence.
std::vector<int> pdfNewPages(const std::vector<int>& sequence);

// The bookmarks moved onto the result whose pages newPages gives: each to its page's new place,
// or to that of the next source page the result keeps; a bookmark with no kept page from its own
// on is dropped, and one that leads to no page stays so. The order stays; a bookmark whose parent
// was dropped moves up a level, so that each is at most one level below the one before it.
std::vector<T_BOOKMARK> pdfMapBookmarks(const std::vector<T_BOOKMARK>& bookmarks,
                                        const std::vector<int>& newPages);

// The text the tool's update_info_utf8 takes: every entry of info with a key and a value, then
// the bookmarks, which replace the result's own outline; with no bookmarks that outline stays as
// it is (a join keeps its inputs' outlines itself). A line break in a value becomes a blank: the
// tool reads one line per field. Empty when there is nothing to write: no second run is needed.
std::string pdfInfoText(const std::vector<T_INFO_ENTRY>& info,
                        const std::vector<T_BOOKMARK>& bookmarks);

// The text the tool's update_info_utf8 takes to set each entry of info to its value (UTF-8),
// every other entry and the bookmarks left as they are: an empty value removes the entry (the
// tool takes it so), a line break becomes a blank.
std::string pdfInfoUpdate(const std::vector<T_INFO_ENTRY>& info);
