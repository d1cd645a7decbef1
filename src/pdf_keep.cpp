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

// The source's data dump, taken by a run of the tool and read into data: KEEP_DONE, or else why.
static int DumpSource(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                      const char* szInput, T_DOC_DATA* data, T_RUN_RESULT* why)
{
    char szDump[TANDREL_PATH_BYTES];
    *why = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szDump))
        return KEEP_FAILED;
    T_TOOL_COMMAND c = {{keep->source}, " dump_data_utf8", szDump, 0, "", ""};
    int nKept = KEEP_DONE;
    int bDumped = RunStep(where, szTool, c, szInput, {keep->source.file}, &nKept, why);
    std::string dump;
    pathReadWhole(szDump, dump);
    pathDelete(szDump);
    if (bDumped)
        pdfReadDocData(dump, *data);
    return nKept;
}

int pdfKeepSourceData(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                      const char* szInput, const char* szOutput, T_RUN_RESULT* why)
{
    T_DOC_DATA dumped;
    if (!keep->known) {
        int nKept = DumpSource(where, szTool, keep, szInput, &dumped, why);
        if (nKept != KEEP_DONE)
            return nKept;
    }
    const T_DOC_DATA& data = keep->known ? *keep->known : dumped;
    std::vector<T_BOOKMARK> bookmarks;
    if (keep->bOutline)
        bookmarks = pdfMapBookmarks(data.bookmarks, pdfNewPages(keep->pages));
    std::string text = pdfInfoText(data.info, bookmarks);
    if (text.empty())
        return KEEP_DONE;
    std::vector<int> kept;
    std::vector<T_RUN_RESULT> whys;
    pdfWriteDataOnto(where, szTool, keep->passwd, keep->options, {szOutput}, {text}, kept, whys);
    *why = whys[0];
    return kept[0];
}

int pdfWipeKeep(T_KEEP* keep)
{
    pdfWipe(keep->source.passwd);
    pdfWipe(keep->options);
    pdfWipe(keep->passwd);
    return 0;
}

// The run that writes the info file szInfo onto the result szOutput into szTemp beside it.
static T_STEP DataStep(const char* szTool, const std::string& passwd, const std::string& options,
                       const std::string& output, const char* szInfo, const char* szTemp)
{
    T_TOOL_COMMAND c = {{{output, passwd, nullptr}},
                        " update_info_utf8 " + pdfQuoteArg(szInfo),
                        szTemp,
                        0,
                        " ",
                        options};
    T_STEP s = {output, pdfCommandLine(szTool, c), szTemp, "", 0, "", {szInfo}};
    pdfWipeCommand(&c);
    return s;
}

int pdfWriteDataOnto(const T_SCHEDULE* where, const char* szTool, const std::string& passwd,
                     const std::string& options, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& texts, std::vector<int>& kept,
                     std::vector<T_RUN_RESULT>& whys)
{
    kept.assign(outputs.size(), KEEP_DONE);
    whys.assign(outputs.size(), T_RUN_RESULT());
    std::vector<T_STEP> steps;
    std::vector<size_t> of; // the result of each step
    std::vector<std::string> infos, temps;
    for (size_t i = 0; i < outputs.size(); ++i) {
        char szInfo[TANDREL_PATH_BYTES], szTemp[TANDREL_PATH_BYTES];
        if (texts[i].empty())
            continue;
        // The info file in the private folder; the new result beside the old, which it replaces.
        int nWhy = TXT_FAIL_NO_TEMP;
        if (pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szInfo)) {
            infos.push_back(szInfo);
            if (pathWriteWhole(szInfo, texts[i]))
                nWhy = pdfFreeTempName(pathFolder(outputs[i].c_str()).c_str(), TEMP_PREFIX_DATA,
                                       szTemp)
                           ? 0
                           : TXT_FAIL_NO_TEMP_HERE;
        }
        if (nWhy) {
            kept[i] = KEEP_FAILED;
            whys[i] = {nWhy, 0, std::string(), std::string()};
            continue;
        }
        temps.push_back(szTemp);
        steps.push_back(DataStep(szTool, passwd, options, outputs[i], szInfo, szTemp));
        of.push_back(i);
    }
    T_OUTCOME outcome = pdfRunSteps(where, steps);
    for (size_t j = 0; j < steps.size(); ++j) {
        size_t i = of[j];
        // The steps have files of their own each: they begin in their order until a stop.
        if ((int)j >= outcome.nStarted) {
            kept[i] = KEEP_STOPPED;
        } else if (outcome.results[j].nText != 0) {
            kept[i] = KEEP_FAILED;
            whys[i] = outcome.results[j];
        } else if (!pathReplace(temps[j].c_str(), outputs[i].c_str())) {
            kept[i] = KEEP_FAILED;
            whys[i] = {TXT_FAIL_NOT_STARTED, 0, pdfSystemReason(GetLastError()), ""};
        }
    }
    for (const std::string& t : temps)
        pdfRemoveTempBeside(t.c_str());
    for (const std::string& f : infos)
        pathDelete(f.c_str());
    return 0;
}
