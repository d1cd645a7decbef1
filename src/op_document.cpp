// The Document page's operations on its source: its information saved, split into parts, files
// attached, its attachments extracted.
#include "op.h"

#include "paths.h"
#include "pdf_outline.h"
#include "pdf_parts.h"
#include "pdf_standin.h"
#include "pdf_temp.h"

// The Document page's source into szFile; 0, with the message shown, when there is none.
static int DocumentSource(T_INTERFACE* gui, char* szFile)
{
    return opChosenPath(gui, SOURCE_DOCUMENT, TXT_MSG_NO_SOURCE, szFile);
}

// A message with the source's page count (%1).
static int TellWithPages(T_INTERFACE* gui, int nText)
{
    std::string text = pdfFillText(uiText(gui, nText).c_str(),
                                   {std::to_string(gui->chosen[SOURCE_DOCUMENT].nPages)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// The number a box of pages holds: -1 when empty, 0 when it is no number of pages.
static int BoxNumber(HWND hBox)
{
    char szNumber[NUMBER_DIGITS + 1];
    uiReadText(hBox, szNumber, sizeof(szNumber));
    if (!szNumber[0])
        return -1;
    return strspn(szNumber, "0123456789") == strlen(szNumber) ? atoi(szNumber) : 0;
}

// The source's operation writing szOutput, which also reads the files of alsoRead, with the
// panel's protection: run, its passwords wiped.
static int RunOnSource(T_INTERFACE* gui, const char* szFile, const std::string& operation,
                       const char* szSuffix, const std::vector<std::string>& alsoRead)
{
    T_PROTECTION protection;
    if (!opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    T_TOOL_COMMAND c = {{opChosenInput(gui, SOURCE_DOCUMENT, szFile)},
                        operation,
                        szNewFile,
                        0,
                        " ",
                        protection.options};
    opWipeProtection(&protection);
    std::vector<T_STEP> steps = {{szFile, pdfCommandLine(gui->szPathExe, c), szNewFile, "",
                                  bNamed ? 0 : TXT_FAIL_NO_NAME, "", alsoRead}};
    pdfWipeCommand(&c);
    return uiRunSteps(gui, steps);
}

// The boxes' values written into the source's information: those emptied removed, the other
// entries and the bookmarks as they are.
int SaveInfoPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES], szInfo[TANDREL_PATH_BYTES];
    if (!uiToolReady(gui) || !DocumentSource(gui, szFile))
        return 0;
    std::vector<T_INFO_ENTRY> info;
    uiReadInfoBoxes(gui, info);
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szInfo) ||
        !pathWriteWhole(szInfo, pdfInfoUpdate(info))) {
        uiShowText(gui, uiText(gui, TXT_FAIL_NO_TEMP).c_str(), MB_ICONERROR);
        return 0;
    }
    RunOnSource(gui, szFile, " update_info_utf8 " + pdfQuoteArg(szInfo), "_info.pdf", {szInfo});
    pathDelete(szInfo);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Split into parts

// The parts the page's choice makes of the source, into parts; 0, with the message shown, when
// the choice makes none.
static int ChosenParts(T_INTERFACE* gui, const char* szFile, const std::string& folder,
                       std::vector<T_PART>& parts)
{
    int nPages = gui->chosen[SOURCE_DOCUMENT].nPages;
    std::string base = pathWithExtension(pathFileName(szFile), "");
    if (uiIsChecked(gui->OptSplitEvery.hdl)) {
        parts = pdfPartsEvery(nPages, BoxNumber(gui->EditSplitEvery.hdl), base);
        return parts.empty() ? TellWithPages(gui, TXT_MSG_BAD_EVERY) : 1;
    }
    LRESULT nLevel = SendMessageA(gui->CboSplitLevel.hdl, CB_GETCURSEL, 0, 0) + 1;
    parts = pdfPartsAtBookmarks(gui->sourceData[SOURCE_DOCUMENT].bookmarks, (int)nLevel, nPages,
                                base, folder);
    if (parts.empty())
        uiMessage(gui, TXT_MSG_NO_LEVEL, MB_ICONERROR);
    return parts.empty() ? 0 : 1;
}

// The run of each part: its pages of the source into its file in the folder.
static std::vector<T_STEP> PartSteps(T_INTERFACE* gui, const char* szFile,
                                     const std::string& folder, const std::vector<T_PART>& parts,
                                     const T_PROTECTION& protection)
{
    std::vector<T_STEP> steps;
    for (const T_PART& p : parts) {
        std::string output = folder + "\\" + p.name;
        T_TOOL_COMMAND c = {{opChosenInput(gui, SOURCE_DOCUMENT, szFile)},
                            " cat " + std::to_string(p.nFirst) + "-" + std::to_string(p.nLast),
                            output,
                            0,
                            " ",
                            protection.options};
        T_STEP s = {szFile, pdfCommandLine(gui->szPathExe, c), output, "", 0, "", {}};
        // The parts all read the source, each writing a file of its own: they may run at once.
        s.nSameInput = -1;
        s.nSameResult = -1;
        steps.push_back(s);
        pdfWipeCommand(&c);
    }
    return steps;
}

// The document's information and each written part's bookmarks onto the parts; a part left
// without them by a stop is removed, so that a stopped split leaves whole parts only.
static int KeepOnParts(T_INTERFACE* gui, const T_SCHEDULE* where, const std::vector<T_PART>& parts,
                       const std::vector<T_STEP>& steps, const T_OUTCOME& outcome,
                       const T_PROTECTION& protection, std::vector<std::string>& failed,
                       std::vector<std::string>& whys)
{
    std::vector<std::string> outputs, texts;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (outcome.results[i].nText != 0 || (int)i >= outcome.nStarted)
            continue;
        outputs.push_back(steps[i].output);
        texts.push_back(pdfInfoText(gui->sourceData[SOURCE_DOCUMENT].info,
                                    pdfPartBookmarks(gui->sourceData[SOURCE_DOCUMENT].bookmarks,
                                                     parts[i].nFirst, parts[i].nLast)));
    }
    std::vector<int> kept;
    std::vector<T_RUN_RESULT> why;
    pdfWriteDataOnto(where, gui->szPathExe, protection.passwd, protection.options, outputs, texts,
                     kept, why);
    int nRemoved = 0;
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (kept[i] == KEEP_STOPPED && pathDelete(outputs[i].c_str()))
            ++nRemoved;
        if (kept[i] == KEEP_FAILED) {
            failed.push_back(outputs[i]);
            whys.push_back(pdfRunWhy(uiText(gui, why[i].nText).c_str(), why[i]));
        }
    }
    return nRemoved;
}

// The steps as the closing message names them: by the part each writes.
static std::vector<T_STEP> NamedByPart(const std::vector<T_STEP>& steps)
{
    std::vector<T_STEP> named = steps;
    for (T_STEP& s : named)
        s.input = s.output;
    return named;
}

int SplitPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES], szFolder[TANDREL_PATH_BYTES] = {0};
    std::vector<T_PART> parts;
    T_PROTECTION protection;
    if (!uiToolReady(gui) || !DocumentSource(gui, szFile))
        return 0;
    int bNamed = pdfOutputName(szFile, "_parts", szFolder, sizeof(szFolder));
    if (!ChosenParts(gui, szFile, szFolder, parts) ||
        !opReadSecurity(gui, SEC_OPTIONAL, &protection))
        return 0;
    std::vector<T_STEP> steps;
    // Without its folder nothing is run: one failure says why.
    int bFolder = bNamed && (pathMakeFolder(szFolder) || pathIsFolder(szFolder));
    if (!bFolder)
        steps.push_back({szFile,
                         "",
                         szFolder,
                         "",
                         bNamed ? TXT_FAIL_NO_FOLDER : TXT_FAIL_NO_NAME,
                         szFolder,
                         {}});
    else
        steps = PartSteps(gui, szFile, szFolder, parts, protection);
    T_SCHEDULE where;
    uiSchedule(gui, &where);
    T_OUTCOME outcome = pdfRunSteps(&where, steps);
    std::vector<std::string> failed, whys;
    if (bFolder) {
        int nRemoved = KeepOnParts(gui, &where, parts, steps, outcome, protection, failed, whys);
        outcome.nWritten -= nRemoved;
        outcome.bStopped |= nRemoved > 0;
    }
    opWipeProtection(&protection);
    uiShowOutcome(gui, NamedByPart(steps), outcome);
    std::string text = pdfFailuresText(uiText(gui, TXT_MSG_KEPT_WITHOUT).c_str(),
                                       uiText(gui, TXT_MSG_FAILED_MORE).c_str(), failed, whys);
    if (!text.empty() && !action.bClose && !pdfSessionEnding())
        uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Attachments

// The files to attach as the tool is given them: each under a name the code page spells, as
// close to its own as it can be, since the tool names the attachment after it (made: what was
// made for that, to remove after the run). 0, with the message shown, when one could not be.
static int LikeNamed(T_INTERFACE* gui, const std::vector<std::string>& files,
                     std::vector<std::string>& like, std::vector<T_STAND_IN>& made)
{
    for (const std::string& f : files) {
        std::string l;
        DWORD dwError = 0;
        if (!pdfLikeNamed(f.c_str(), l, made, &dwError)) {
            std::string why =
                pdfFillText(uiText(gui, TXT_FAIL_NO_STAND_IN).c_str(), {pdfSystemReason(dwError)});
            uiShowText(gui, (f + "\r\n" + why).c_str(), MB_ICONERROR);
            return 0;
        }
        like.push_back(l);
    }
    return 1;
}

int AttachPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES];
    std::vector<std::string> files, like;
    std::vector<T_STAND_IN> made;
    if (!uiToolReady(gui) || !DocumentSource(gui, szFile))
        return 0;
    int nPage = BoxNumber(gui->EditAttachPage.hdl);
    if (nPage == 0 || nPage > gui->chosen[SOURCE_DOCUMENT].nPages)
        return TellWithPages(gui, TXT_MSG_BAD_PAGE);
    if (uiOpenFilesDialog(gui, files) && LikeNamed(gui, files, like, made)) {
        std::string operation = " attach_files";
        for (const std::string& f : like)
            operation += " " + pdfQuoteArg(f);
        if (nPage > 0)
            operation += " to_page " + std::to_string(nPage);
        RunOnSource(gui, szFile, operation, "_attach.pdf", like);
    }
    pdfRemoveStandIns(made);
    return 0;
}

// Every file attached to the source, unpacked into a new folder beside it; a source with none
// leaves no folder.
int ExtractPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_BYTES], szFolder[TANDREL_PATH_BYTES] = {0};
    if (!uiToolReady(gui) || !DocumentSource(gui, szFile))
        return 0;
    int bNamed = pdfOutputName(szFile, "_files", szFolder, sizeof(szFolder));
    int bThere = pathIsFolder(szFolder);
    // The tool unpacks into the folder it runs in: the new one.
    T_TOOL_COMMAND c = {
        {opChosenInput(gui, SOURCE_DOCUMENT, szFile)}, " unpack_files", ".", 1, "", ""};
    std::vector<T_STEP> steps = {{szFile,
                                  pdfCommandLine(gui->szPathExe, c),
                                  szFolder,
                                  szFolder,
                                  bNamed ? 0 : TXT_FAIL_NO_NAME,
                                  "",
                                  {}}};
    pdfWipeCommand(&c);
    T_SCHEDULE where;
    uiSchedule(gui, &where);
    T_OUTCOME outcome = pdfRunSteps(&where, steps);
    int bNone = outcome.nWritten == 1 && !bThere && pathRemoveFolder(szFolder);
    if (bNone)
        outcome.nWritten = 0;
    uiShowOutcome(gui, steps, outcome);
    if (bNone && !action.bClose && !pdfSessionEnding())
        uiMessage(gui, TXT_MSG_NO_ATTACHMENTS, MB_OK);
    return 0;
}
