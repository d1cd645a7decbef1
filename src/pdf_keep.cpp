// What a page edit's result keeps of its source: the source's data dump read, its bookmarks moved
// to their pages' new places, and they and its document information written onto the result by
// a second run of the tool, into a temporary file beside the result that then takes its place.
#include "pdf_keep.h"

#include <stdio.h>

#include "paths.h"
#include "pdf_outline.h"
#include "pdf_temp.h"
#include "pdf_text.h"

// Runs c, which reads the files of reads and writes szOutput, for the operation's input
// szInput: 1 when it wrote its result; else 0 with why (KEEP_STOPPED when a stop left it unrun).
static int RunStep(const T_SCHEDULE* where, const char* szTool, T_TOOL_COMMAND& c,
                   const char* szInput, const std::vector<std::string>& reads, int* pKept,
                   T_RUN_RESULT* why)
{
    std::vector<T_STEP> steps = {{szInput, pdfCommandLine(szTool, c), c.output, "", 0, "", reads}};
    pdfWipeCommand(&c);
    T_OUTCOME outcome = pdfRunSteps(where, steps);
    if (outcome.nWritten == 1)
        return 1;
    *pKept = outcome.nStarted == 0 ? KEEP_STOPPED : KEEP_FAILED;
    if (outcome.nStarted)
        *why = outcome.results[0];
    return 0;
}

static std::string ReadWhole(const char* szFile)
{
    std::string text;
    if (FILE* f = pathOpen(szFile, L"rb")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof(buf), f)) > 0;)
            text.append(buf, n);
        fclose(f);
    }
    return text;
}

static int WriteWhole(const char* szFile, const std::string& text)
{
    FILE* f = pathOpen(szFile, L"wb");
    if (!f)
        return 0;
    int bWritten = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && bWritten;
}

// The info file szInfo applied to the result szOutput into szTemp beside it, which replaces it.
static int ReplaceResult(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                         const char* szInput, const char* szOutput, const char* szInfo,
                         const char* szTemp, T_RUN_RESULT* why)
{
    T_TOOL_COMMAND c = {{{szOutput, keep->passwd, nullptr}},
                        " update_info_utf8 " + pdfQuoteArg(szInfo),
                        szTemp,
                        0,
                        " ",
                        keep->options};
    int nKept = KEEP_DONE;
    RunStep(where, szTool, c, szInput, {szOutput, szInfo}, &nKept, why);
    if (nKept == KEEP_DONE && !pathReplace(szTemp, szOutput)) {
        *why = {TXT_FAIL_NOT_STARTED, 0, pdfSystemReason(GetLastError()), std::string()};
        nKept = KEEP_FAILED;
    }
    pdfRemoveTempBeside(szTemp);
    return nKept;
}

// The info text written onto the result szOutput, through an info file and a temporary result.
static int UpdateResult(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                        const char* szInput, const char* szOutput, const std::string& text,
                        T_RUN_RESULT* why)
{
    char szInfo[TANDREL_PATH_BYTES], szTemp[TANDREL_PATH_BYTES];
    *why = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szInfo))
        return KEEP_FAILED;
    int bWritten = WriteWhole(szInfo, text);
    int nKept = KEEP_FAILED;
    if (bWritten && !pdfFreeTempName(pathFolder(szOutput).c_str(), TEMP_PREFIX_DATA, szTemp))
        why->nText = TXT_FAIL_NO_TEMP_HERE;
    else if (bWritten)
        nKept = ReplaceResult(where, szTool, keep, szInput, szOutput, szInfo, szTemp, why);
    pathDelete(szInfo);
    return nKept;
}

int pdfKeepSourceData(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                      const char* szInput, const char* szOutput, T_RUN_RESULT* why)
{
    char szDump[TANDREL_PATH_BYTES];
    *why = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szDump))
        return KEEP_FAILED;
    T_TOOL_COMMAND c = {{keep->source}, " dump_data_utf8", szDump, 0, "", ""};
    int nKept = KEEP_DONE;
    int bDumped = RunStep(where, szTool, c, szInput, {keep->source.file}, &nKept, why);
    std::string dump = ReadWhole(szDump);
    pathDelete(szDump);
    if (!bDumped)
        return nKept;
    T_DOC_DATA data;
    pdfReadDocData(dump, data);
    std::vector<T_BOOKMARK> bookmarks;
    if (keep->bOutline)
        bookmarks = pdfMapBookmarks(data.bookmarks, pdfNewPages(keep->pages));
    std::string text = pdfInfoText(data.info, bookmarks);
    if (text.empty())
        return KEEP_DONE;
    return UpdateResult(where, szTool, keep, szInput, szOutput, text, why);
}

int pdfWipeKeep(T_KEEP* keep)
{
    pdfWipe(keep->source.passwd);
    pdfWipe(keep->options);
    pdfWipe(keep->passwd);
    return 0;
}
