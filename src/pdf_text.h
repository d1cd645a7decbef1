// Text forming for tool command lines: plain values in, text out, no window needed.
#pragma once

#include <stdio.h>
#include <string>
#include <vector>

// One command-line argument in double quotes, escaped by the Windows command-line rules so that
// the program started receives s byte for byte: a double quote becomes backslash + quote, and
// backslashes are doubled where they precede a quote or the closing quote. Text without double
// quotes and without a trailing backslash comes out as a double quote, s, a double quote.
std::string pdfQuoteArg(const std::string& s);

// Page range of the page copy: "%d-%d" from the two pages, then "even " and/or "odd ".
std::string pdfCatalogRange(int nFrom, int nTo, bool bEven, bool bOdd);

// Ranges of the pages to keep when the pages at the ascending indices pSel[0..nSel-1] (from 0)
// of an nItems-page document are deleted: " 1-1 3-4 6-8 10-end". Empty when nSel is 0.
std::string pdfKeepList(const int* pSel, int nSel, int nItems);

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
#define RANGES_RIGHT (-1)
// pdfParseRanges: nothing but blanks and commas typed.
#define RANGES_NONE (-2)

// Reads the ranges of text for a document of nPages pages into ranges: RANGES_RIGHT when every
// part is a range of pages of the document (one that takes no page is not); RANGES_NONE when
// there is none; else the offset in text of the first wrong part.
int pdfParseRanges(const std::string& text, int nPages, std::vector<T_PAGE_RANGE>& ranges);
// The part of text that starts at nPos, up to the next blank or comma: a wrong part to quote.
std::string pdfRangePart(const std::string& text, int nPos);
// The ranges as the tool's cat takes them, in the order typed: " 1-3 7 9-end".
std::string pdfTakeList(const std::vector<T_PAGE_RANGE>& ranges);
// Every page of an nPages-page document in place, the pages of ranges turned by szTurn (the
// tool's "east", "south" or "west"): " 1-1 2-3east 4-10".
std::string pdfRotateList(const std::vector<T_PAGE_RANGE>& ranges, int nPages, const char* szTurn);

// Label of page nPage in the page lists: "page %4d".
std::string pdfPageLabel(int nPage);

// The permission boxes, in the order of the panel.
enum {
    PERM_ALL,
    PERM_PRINT_TOP,
    PERM_PRINT_LOW,
    PERM_MODIFY,
    PERM_ASSEMBLY,
    PERM_COPY,
    PERM_READ,
    PERM_CREATE,
    PERM_FILLIN,
    PERM_COUNT
};

typedef struct {
    const char* szOwner;
    const char* szUser;
    bool bEncrypt40;
    bool bEncrypt128;
    bool bPerm[PERM_COUNT];
} T_SECURITY;

// The refused pair: the same non-empty text as owner and as user password.
int pdfSamePasswords(const char* szOwner, const char* szUser);

// Security options: 0 and nothing appended when both passwords are empty, -1 and nothing
// appended when they are equal, else the options are appended to out and out's length returned.
int pdfSecurityOptions(const T_SECURITY* sec, std::string& out);

// Output path beside the input: its extension replaced by szSuffix (appended when there is none).
// Returns 0 when that path cannot be formed (too long, or it would name the input itself).
int pdfOutputName(const char* szInput, const char* szSuffix, char* szOutput, size_t nOutput);

// 1 when a burst writes a file of this name into its folder: its pages "pg_" + digits + ".pdf",
// and its report "doc_data.txt", in any letter case.
int pdfBurstWrites(const char* szName);

// A wide path as the narrow path szPath (nPath bytes) of the code page nCodePage, exactly: 0 when
// it does not fit, or when the code page cannot spell it (it would come out with '?' or a
// look-alike letter in it, naming no file or another one). UTF-8 spells every name.
int pdfNarrowName(const wchar_t* wszPath, char* szPath, int nPath, unsigned nCodePage);
// The same path as that code page shows it at best, '?' for each letter it lacks: to name it to
// the user.
std::string pdfShownName(const wchar_t* wszPath, unsigned nCodePage);

// The text szTemplate with "%1", "%2", ... replaced by args[0], args[1], ...; a translation may
// place them in any order.
std::string pdfFillText(const char* szTemplate, const std::vector<std::string>& args);

// 1 when the command gives the tool a password as PROMPT: it then asks for it on its console.
int pdfAsksOnConsole(const std::string& cmd);

// The most inputs of an operation run at once on any machine: more gains little against the disk
// and the memory a Java tool takes.
#define WORKERS_MAX 4
// The free physical memory each tool running at once is given room for.
#define WORKER_MEMORY (512ULL << 20)
// How many inputs run at once on a machine of nProcessors logical processors and nFreeBytes of
// free physical memory: one per processor, at most WORKERS_MAX, one per WORKER_MEMORY; at least 1.
int pdfWorkers(unsigned nProcessors, unsigned long long nFreeBytes);

// The last nLines lines of what the tool wrote that say something, trimmed, each on a line of
// its own; pdftk's closing lines that only say that nothing was written are passed over.
std::string pdfLastLines(const std::string& text, int nLines);

// Where the tool is looked for: what the program knows of the places the tool's installer and
// the user may have put it.
typedef struct {
    std::string programDir;                // the program's own folder
    std::vector<std::string> installed;    // the folders the tool's installer recorded
    std::vector<std::string> programFiles; // the folders programs are installed in
    std::string path;                      // the PATH environment value
} T_TOOL_PLACES;

// The kinds of candidates, in the order they are tried.
enum { TOOL_BESIDE, TOOL_INSTALLED, TOOL_DEFAULT, TOOL_ON_PATH };

typedef struct {
    std::string path; // a full path of pdftk.exe, shorter than a path buffer
    int nPlace;       // TOOL_BESIDE to TOOL_ON_PATH
} T_TOOL_CANDIDATE;

// The paths where pdftk.exe may be, in the order they are tried, the first that exists being the
// one used: beside the program; bin under each folder the installer recorded; PDFtk Server\bin
// and PDFtk\bin under each program folder; each folder of PATH (quotes dropped; empty, relative
// and current-folder entries passed over). Only full paths count, each path once (letter case
// aside), and a path that would not fit a path buffer is passed over.
std::vector<T_TOOL_CANDIDATE> pdfToolCandidates(const T_TOOL_PLACES& places);

// The message that no tool was found: szTemplate with %1 the program's folder and %2 the folders
// of the installer's places that were looked in, one per line.
std::string pdfNoToolText(const char* szTemplate, const T_TOOL_PLACES& places);

// Page count from a data dump: the number after the first line whose first word is exactly
// "NumberOfPages:"; 0 when there is none.
int pdfParseDump(FILE* f);
