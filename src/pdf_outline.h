// The source's bookmarks and document information, kept through a page edit: the tool's data dump
// read, the pages followed to their new places, and the text its info update takes. Plain values
// in, text out: the caller runs the tool and reads and writes the files.
#pragma once

#include <string>
#include <vector>

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

// The text the tool's update_info_utf8 takes: every entry of info with a key and a value, then
// the bookmarks, which replace the result's own outline; with no bookmarks that outline stays as
// it is (a join keeps its inputs' outlines itself). A line break in a value becomes a blank: the
// tool reads one line per field. Empty when there is nothing to write: no second run is needed.
std::string pdfInfoText(const std::vector<T_INFO_ENTRY>& info,
                        const std::vector<T_BOOKMARK>& bookmarks);
