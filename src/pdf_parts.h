// The parts of a document split every N pages or at its bookmarks, and their file names. Plain
// values in, text out.
#pragma once

#include <string>
#include <vector>

#include "pdf_outline.h" // T_BOOKMARK

// A part of a split: its pages, from 1, and its file name in the parts' folder.
typedef struct {
    int nFirst, nLast;
    std::string name;
} T_PART;

// The parts of an nPages-page document of every nEvery pages, the last holding what is left:
// named szBase + "_001.pdf", "_002.pdf", ... (more digits when there are more than 999). None when
// nEvery is not 1 to nPages.
std::vector<T_PART> pdfPartsEvery(int nPages, int nEvery, const std::string& base);

// The parts of an nPages-page document at its bookmarks of level nLevel: a part begins at each
// such bookmark's page (two on one page begin one part, named after the first), named by its
// number and the bookmark's title ("01 Introduction.pdf"); the pages before the first form a
// part "00 " + szBase + ".pdf". Each name fits the folder szFolder (its path at most a path's
// 259 characters). None when no bookmark of that level leads to a page of the document.
std::vector<T_PART> pdfPartsAtBookmarks(const std::vector<T_BOOKMARK>& bookmarks, int nLevel,
                                        int nPages, const std::string& base,
                                        const std::string& folder);

// A title as a file name can hold it: each character a file name cannot ("<>:"/\|?*" and the
// control characters) and a trailing dot or blank replaced by "_"; then cut, at a letter's end,
// to nChars characters at most (a letter outside the basic plane counts two).
std::string pdfFileNameOf(const std::string& title, int nChars);

// The bookmarks a part of the pages nFirst to nLast keeps: those of its pages, each on its page's
// place in the part; a child whose parent is not kept moves up a level. Those of other pages and
// those that lead to no page are not kept.
std::vector<T_BOOKMARK> pdfPartBookmarks(const std::vector<T_BOOKMARK>& bookmarks, int nFirst,
                                         int nLast);
