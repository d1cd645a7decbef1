// What a page edit's result keeps of its source: the source's data dump read, its bookmarks moved
// to their pages' new places, and they and its document information written onto the result by
// a second run of the tool, into a temporary file beside the result that then takes its place.
#include "pdf.h"

#include <stdio.h>

#include "paths.h"
#include "pdf_outline.h"

// How the source's data came onto the result.
enum { KEEP_DONE, KEEP_FAILED, KEEP_STOPPED };

// Runs the steps of an input from the tool's folder, the progress in the status bar: 1 when its
// result is written; what it came to in outcome.
static int RunFor(T_INTERFACE* gui, std::vector<T_STEP>& steps, T_OUTCOME* outcome)
{
    *outcome = uiRunStepsOnly(gui, steps);
    return outcome->nWritten == 1;
}

// Runs cmd, which reads the files of reads and writes szOutput, for the operation's input
// szInput; the command is wiped.
static int RunStep(T_INTERFACE* gui, const char* szInput, std::string& cmd, const char* szOutput,
                   const std::vector<std::string>& reads, T_OUTCOME* outcome)
{
    std::vector<T_STEP> steps = {{szInput, cmd, szOutput, "", 0, "", reads}};
    SecureZeroMemory(&cmd[0], cmd.size());
    return RunFor(gui, steps, outcome);
}

// Why a run of the second step wrote nothing: KEEP_STOPPED when a stop left it unrun.
static int RunFailed(const T_OUTCOME& outcome, T_RUN_RESULT* why)
{
    if (outcome.nStarted == 0)
        return KEEP_STOPPED;
    *why = outcome.results[0];
    return KEEP_FAILED;
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

// The password the result opens with, as input_pw takes it: the owner's of the panel, else the
// user's; none when the result is not encrypted.
static std::string ResultPassword(T_INTERFACE* gui, const T_KEEP* keep)
{
    char szPasswd[TANDREL_PASSWD_MAX] = {0};
    if (keep->options.empty())
        return std::string();
    uiReadText(gui->EditPasswdOwner.hdl, szPasswd, sizeof(szPasswd));
    if (!szPasswd[0])
        uiReadText(gui->EditPasswdUser.hdl, szPasswd, sizeof(szPasswd));
    std::string arg = szPasswd[0] ? " input_pw " + pdfQuoteArg(szPasswd) : std::string();
    SecureZeroMemory(szPasswd, sizeof(szPasswd));
    return arg;
}

// The info file szInfo applied to the result szOutput into szTemp beside it, which replaces it.
static int ReplaceResult(T_INTERFACE* gui, const T_KEEP* keep, const char* szInput,
                         const char* szOutput, const char* szInfo, const char* szTemp,
                         T_RUN_RESULT* why)
{
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + pdfQuoteArg(szOutput) +
                      ResultPassword(gui, keep) + " update_info_utf8 " + pdfQuoteArg(szInfo) +
                      " output " + pdfQuoteArg(szTemp) + " " + keep->options;
    T_OUTCOME outcome;
    int nKept = RunStep(gui, szInput, cmd, szTemp, {szOutput, szInfo}, &outcome)
                    ? KEEP_DONE
                    : RunFailed(outcome, why);
    if (nKept == KEEP_DONE && !pathMove(szTemp, szOutput)) {
        *why = {TXT_FAIL_NOT_STARTED, 0, pdfSystemReason(GetLastError()), std::string()};
        nKept = KEEP_FAILED;
    }
    pathDelete(szTemp);
    return nKept;
}

// The info text written onto the result szOutput, through an info file and a temporary result.
static int UpdateResult(T_INTERFACE* gui, const T_KEEP* keep, const char* szInput,
                        const char* szOutput, const std::string& text, T_RUN_RESULT* why)
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
        nKept = ReplaceResult(gui, keep, szInput, szOutput, szInfo, szTemp, why);
    pathDelete(szInfo);
    return nKept;
}

// The source's bookmarks and information onto the result szOutput; nothing is run when it has
// none.
static int KeepSourceData(T_INTERFACE* gui, const T_KEEP* keep, const char* szInput,
                          const char* szOutput, T_RUN_RESULT* why)
{
    char szDump[TANDREL_PATH_BYTES];
    *why = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szDump))
        return KEEP_FAILED;
    std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + keep->source + " dump_data_utf8 output " +
                      pdfQuoteArg(szDump);
    T_OUTCOME outcome;
    int bDumped = RunStep(gui, szInput, cmd, szDump, {keep->sourceFile}, &outcome);
    std::string dump = ReadWhole(szDump);
    pathDelete(szDump);
    if (!bDumped)
        return RunFailed(outcome, why);
    T_DOC_DATA data;
    pdfReadDocData(dump, data);
    std::vector<T_BOOKMARK> bookmarks;
    if (keep->bOutline)
        bookmarks = pdfMapBookmarks(data.bookmarks, pdfNewPages(keep->pages));
    std::string text = pdfInfoText(data.info, bookmarks);
    if (text.empty())
        return KEEP_DONE;
    return UpdateResult(gui, keep, szInput, szOutput, text, why);
}

int pdfRunKeeping(T_INTERFACE* gui, const char* szInput, int bNamed, std::string& cmd,
                  const char* szOutput, const std::vector<std::string>& alsoRead, T_KEEP* keep)
{
    std::vector<T_STEP> steps = {
        {szInput, cmd, szOutput, "", bNamed ? 0 : TXT_FAIL_NO_NAME, "", alsoRead}};
    SecureZeroMemory(&cmd[0], cmd.size());
    T_OUTCOME outcome;
    T_RUN_RESULT why = {0, 0, std::string(), std::string()};
    int nKept = RunFor(gui, steps, &outcome) ? KeepSourceData(gui, keep, szInput, szOutput, &why)
                                             : KEEP_DONE;
    SecureZeroMemory(&keep->source[0], keep->source.size());
    SecureZeroMemory(&keep->options[0], keep->options.size());
    // Written, but stopped before its bookmarks were: the status bar says it was stopped.
    outcome.bStopped |= nKept == KEEP_STOPPED;
    uiShowOutcome(gui, steps, outcome);
    if (nKept != KEEP_FAILED || action.bClose || pdfSessionEnding())
        return 0;
    std::string text =
        pdfFailuresText(gui->szLang[TXT_MSG_KEPT_WITHOUT], gui->szLang[TXT_MSG_FAILED_MORE],
                        {pathShown(szInput)}, {pdfRunWhy(gui->szLang, why)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}
