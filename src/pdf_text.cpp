#include "pdf_text.h"

#include <ctype.h>
#include <string.h>
#include <wchar.h>
#include <windows.h>
#include <shlwapi.h>

#include "gui.h" // the path limit

std::string pdfQuoteArg(const std::string& s)
{
    std::string out = "\"";
    size_t nBackslashes = 0;
    for (char c : s) {
        if (c == '\\') {
            ++nBackslashes;
            continue;
        }
        if (c == '"') {
            // Backslashes before a quote are taken two for one, and the quote needs its own.
            out.append(nBackslashes * 2 + 1, '\\');
        } else {
            out.append(nBackslashes, '\\');
        }
        nBackslashes = 0;
        out += c;
    }
    // Trailing backslashes would otherwise escape the closing quote.
    out.append(nBackslashes * 2, '\\');
    out += '"';
    return out;
}

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

std::string pdfKeepList(const int* pSel, int nSel, int nItems)
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
    return ranges.empty() ? RANGES_NONE : RANGES_RIGHT;
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

std::string pdfRotateList(const std::vector<T_PAGE_RANGE>& ranges, int nPages, const char* szTurn)
{
    std::vector<char> bTurned((size_t)nPages + 1, 0);
    for (const T_PAGE_RANGE& r : ranges) {
        int nStep = r.nFirst <= r.nLast ? 1 : -1;
        for (int n = r.nFirst;; n += nStep) {
            bool bOdd = n % 2 == 1;
            if (n >= 1 && n <= nPages &&
                (r.nParity == PAGES_EVERY || bOdd == (r.nParity == PAGES_ODD)))
                bTurned[(size_t)n] = 1;
            if (n == r.nLast)
                break;
        }
    }
    // Each stretch of pages turned alike, in page order.
    std::string s;
    for (int nFirst = 1, n = 1; n <= nPages; ++n) {
        if (n < nPages && bTurned[(size_t)n + 1] == bTurned[(size_t)n])
            continue;
        s += " " + std::to_string(nFirst) + "-" + std::to_string(n) +
             (bTurned[(size_t)n] ? szTurn : "");
        nFirst = n + 1;
    }
    return s;
}

std::string pdfPageLabel(int nPage)
{
    char szLabel[32];
    snprintf(szLabel, sizeof(szLabel), "page %4d", nPage);
    return szLabel;
}

int pdfSamePasswords(const char* szOwner, const char* szUser)
{
    return szOwner[0] && strcmp(szOwner, szUser) == 0 ? 1 : 0;
}

int pdfSecurityOptions(const T_SECURITY* sec, std::string& out)
{
    const char* szOwner = sec->szOwner ? sec->szOwner : "";
    const char* szUser = sec->szUser ? sec->szUser : "";
    if (!*szOwner && !*szUser)
        return 0;
    if (pdfSamePasswords(szOwner, szUser))
        return -1;

    if (*szOwner)
        out += " owner_pw " + pdfQuoteArg(szOwner) + " ";
    if (*szUser)
        out += " user_pw " + pdfQuoteArg(szUser) + " ";
    if (sec->bEncrypt40)
        out += " encrypt_40bit ";
    if (sec->bEncrypt128)
        out += " encrypt_128bit ";

    const bool* p = sec->bPerm;
    if (p[PERM_ALL]) {
        out += " allow AllFeatures ";
    } else {
        // In each pair the first box wins.
        if (p[PERM_PRINT_TOP])
            out += " allow Printing ";
        else if (p[PERM_PRINT_LOW])
            out += " allow DegradedPrinting ";
        if (p[PERM_MODIFY])
            out += " allow ModifyContents ";
        else if (p[PERM_ASSEMBLY])
            out += " allow Assembly ";
        if (p[PERM_COPY])
            out += " allow CopyContents ";
        else if (p[PERM_READ])
            out += " allow ScreenReaders ";
        if (p[PERM_CREATE])
            out += " allow ModifyAnnotations ";
        else if (p[PERM_FILLIN])
            out += " allow FillIn ";
    }
    return (int)out.size();
}

int pdfOutputName(const char* szInput, const char* szSuffix, char* szOutput, size_t nOutput)
{
    char szName[MAX_PATH]; // the size PathRenameExtensionA works within
    size_t nLen = strlen(szInput);
    if (nLen >= sizeof(szName))
        return 0;
    memcpy(szName, szInput, nLen + 1);
    // Leaves the name unchanged when the result would not fit.
    PathRenameExtensionA(szName, szSuffix);
    // The tool must never be told to write over its input.
    if (strcmp(szName, szInput) == 0 || strlen(szName) + 1 > nOutput)
        return 0;
    memcpy(szOutput, szName, strlen(szName) + 1);
    return 1;
}

int pdfBurstWrites(const char* szName)
{
    if (lstrcmpiA(szName, "doc_data.txt") == 0)
        return 1;
    size_t nLen = strlen(szName);
    if (nLen < 8 || _strnicmp(szName, "pg_", 3) || _stricmp(szName + nLen - 4, ".pdf"))
        return 0;
    return strspn(szName + 3, "0123456789") == nLen - 7 ? 1 : 0;
}

int pdfNarrowName(const wchar_t* wszPath, char* szPath, int nPath, unsigned nCodePage)
{
    // UTF-8 takes neither flag: every name can be spelt, and only a broken one is refused.
    BOOL bLost = FALSE;
    bool bUtf8 = nCodePage == CP_UTF8;
    int nOut = WideCharToMultiByte(nCodePage, bUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                                   wszPath, -1, szPath, nPath, nullptr, bUtf8 ? nullptr : &bLost);
    if (nOut > 0 && !bLost)
        return 1;
    if (nPath > 0)
        szPath[0] = 0;
    return 0;
}

std::string pdfShownName(const wchar_t* wszPath, unsigned nCodePage)
{
    DWORD dwFlags = nCodePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int nLen = WideCharToMultiByte(nCodePage, dwFlags, wszPath, -1, nullptr, 0, nullptr, nullptr);
    std::string shown(nLen > 0 ? (size_t)nLen : 1, '\0');
    if (nLen > 0)
        WideCharToMultiByte(nCodePage, dwFlags, wszPath, -1, &shown[0], nLen, nullptr, nullptr);
    shown.resize(strlen(shown.c_str()));
    return shown;
}

std::string pdfFillText(const char* szTemplate, const std::vector<std::string>& args)
{
    std::string out;
    for (const char* p = szTemplate; *p; ++p) {
        size_t n = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? (size_t)(p[1] - '1') : args.size();
        if (n < args.size()) {
            out += args[n];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

int pdfAsksOnConsole(const std::string& cmd)
{
    // Passwords are quoted with their own quotes escaped, and file names hold no quote: this
    // can only be a password keyword (owner_pw, user_pw, input_pw) with PROMPT.
    return cmd.find("_pw \"PROMPT\"") != std::string::npos ? 1 : 0;
}

int pdfWorkers(unsigned nProcessors, unsigned long long nFreeBytes)
{
    unsigned long long n = nFreeBytes / WORKER_MEMORY;
    n = n < nProcessors ? n : nProcessors;
    n = n < WORKERS_MAX ? n : WORKERS_MAX;
    return n > 1 ? (int)n : 1;
}

std::string pdfLastLines(const std::string& text, int nLines)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string line = text.substr(nStart, nEnd - nStart);
        size_t nFirst = line.find_first_not_of(" \t\r");
        if (nFirst != std::string::npos)
            line = line.substr(nFirst, line.find_last_not_of(" \t\r") + 1 - nFirst);
        // pdftk ends a failure with lines that only say that nothing was written.
        if (nFirst != std::string::npos && line.compare(0, 5, "Done.") &&
            line.compare(0, 19, "Errors encountered."))
            lines.push_back(line);
        nStart = nEnd + 1;
    }
    std::string out;
    for (size_t i = lines.size() > (size_t)nLines ? lines.size() - (size_t)nLines : 0;
         i < lines.size(); ++i)
        out += (out.empty() ? "" : "\r\n") + lines[i];
    return out;
}

int pdfParseDump(FILE* f)
{
    char l[512];
    while (fgets(l, sizeof(l), f)) {
        size_t nLen = strlen(l);
        bool bWhole = nLen > 0 && l[nLen - 1] == '\n';
        char s[128] = {0};
        int d = 0;
        // The first word must be exactly the key; a number must follow on the same line.
        if (sscanf(l, "%127s", s) == 1 && strcmp(s, "NumberOfPages:") == 0) {
            if (sscanf(l, " %*s %d", &d) != 1)
                d = 0;
            return d;
        }
        // Skip the rest of an overlong line so that its tail is not taken for a new line.
        while (!bWhole && fgets(l, sizeof(l), f)) {
            nLen = strlen(l);
            bWhole = nLen > 0 && l[nLen - 1] == '\n';
        }
    }
    return 0;
}

// "C:\..." or "\\server\...": a path that names the same place whatever the current folder.
static bool IsFullPath(const std::string& s)
{
    bool bDrive = s.size() >= 3 && isalpha((unsigned char)s[0]) && s[1] == ':' &&
                  (s[2] == '\\' || s[2] == '/');
    return bDrive || s.compare(0, 2, "\\\\") == 0;
}

// szName in the folder dir, with one separator between them.
static std::string InFolder(const std::string& dir, const char* szName)
{
    bool bEnds = !dir.empty() && (dir.back() == '\\' || dir.back() == '/');
    return dir + (bEnds ? "" : "\\") + szName;
}

// The entries of a PATH value: separated by semicolons, except within double quotes, which are
// dropped.
static std::vector<std::string> PathEntries(const std::string& path)
{
    std::vector<std::string> entries(1);
    bool bQuoted = false;
    for (char c : path) {
        if (c == '"')
            bQuoted = !bQuoted;
        else if (c == ';' && !bQuoted)
            entries.emplace_back();
        else
            entries.back() += c;
    }
    return entries;
}

static void AddCandidate(std::vector<T_TOOL_CANDIDATE>& out, const std::string& dir,
                         const char* szName, int nPlace)
{
    if (!IsFullPath(dir))
        return;
    std::string path = InFolder(dir, szName);
    if (path.size() >= TANDREL_PATH_MAX)
        return;
    for (const T_TOOL_CANDIDATE& c : out) {
        if (_stricmp(c.path.c_str(), path.c_str()) == 0)
            return;
    }
    out.push_back({path, nPlace});
}

std::vector<T_TOOL_CANDIDATE> pdfToolCandidates(const T_TOOL_PLACES& places)
{
    std::vector<T_TOOL_CANDIDATE> out;
    AddCandidate(out, places.programDir, "pdftk.exe", TOOL_BESIDE);
    for (const std::string& dir : places.installed)
        AddCandidate(out, dir, "bin\\pdftk.exe", TOOL_INSTALLED);
    for (const std::string& dir : places.programFiles) {
        AddCandidate(out, dir, "PDFtk Server\\bin\\pdftk.exe", TOOL_DEFAULT);
        AddCandidate(out, dir, "PDFtk\\bin\\pdftk.exe", TOOL_DEFAULT);
    }
    for (const std::string& dir : PathEntries(places.path))
        AddCandidate(out, dir, "pdftk.exe", TOOL_ON_PATH);
    return out;
}

std::string pdfNoToolText(const char* szTemplate, const T_TOOL_PLACES& places)
{
    std::string folders;
    for (const T_TOOL_CANDIDATE& c : pdfToolCandidates(places)) {
        if (c.nPlace == TOOL_INSTALLED || c.nPlace == TOOL_DEFAULT)
            folders += (folders.empty() ? "" : "\r\n") + c.path.substr(0, c.path.rfind('\\'));
    }
    return pdfFillText(szTemplate, {places.programDir, folders});
}
