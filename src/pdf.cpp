// The operations: each reads the controls, forms pdftk command lines and runs them.
#include "pdf.h"

#include <shlwapi.h>
#include <string.h>

#include <string>
#include <vector>

#include "obj.h"

static std::string Q(const char* s)
{
    return pdfQuoteArg(s);
}

// The path in the source box of the Single file page.
static void ReadSourcePath(T_INTERFACE* gui, char* szFile)
{
    uiReadText(gui->EditPDFSource.hdl, szFile, TANDREL_PATH_MAX);
}

// A chosen source as the tool takes it: quoted, followed by the password it opened with when it
// needs one (szPasswd), as the decryption places its password.
static std::string SourceArg(const char* szFile, const char* szPasswd)
{
    std::string arg = Q(szFile);
    if (szPasswd[0])
        arg += " input_pw " + Q(szPasswd);
    return arg;
}

// The same non-empty text in both password boxes.
static int SamePasswords(T_INTERFACE* gui)
{
    char szPasswdOwner[TANDREL_PASSWD_MAX];
    char szPasswdUser[TANDREL_PASSWD_MAX];
    uiReadText(gui->EditPasswdOwner.hdl, szPasswdOwner, sizeof(szPasswdOwner));
    uiReadText(gui->EditPasswdUser.hdl, szPasswdUser, sizeof(szPasswdUser));
    int nSame = pdfSamePasswords(szPasswdOwner, szPasswdUser);
    SecureZeroMemory(szPasswdOwner, sizeof(szPasswdOwner));
    SecureZeroMemory(szPasswdUser, sizeof(szPasswdUser));
    return nSame;
}

// An operation of one input: cmd, which writes szOutput, runs when that could be named (bNamed).
static void RunOne(T_INTERFACE* gui, const char* szInput, int bNamed, std::string& cmd,
                   const char* szOutput)
{
    std::vector<T_STEP> steps = {{szInput, cmd, szOutput, "", bNamed ? 0 : TXT_FAIL_NO_NAME, ""}};
    SecureZeroMemory(&cmd[0], cmd.size());
    pdfRunSteps(gui, steps);
}

int BuildEncryptCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch)
{
    char szPasswdOwner[TANDREL_PASSWD_MAX];
    char szPasswdUser[TANDREL_PASSWD_MAX];
    uiReadText(gui->EditPasswdOwner.hdl, szPasswdOwner, sizeof(szPasswdOwner));
    uiReadText(gui->EditPasswdUser.hdl, szPasswdUser, sizeof(szPasswdUser));
    T_SECURITY sec = {};
    sec.szOwner = szPasswdOwner;
    sec.szUser = szPasswdUser;
    if (szPasswdOwner[0] || szPasswdUser[0]) {
        sec.bEncrypt40 = uiIsChecked(gui->OptEncrypt40.hdl);
        sec.bEncrypt128 = uiIsChecked(gui->OptEncrypt128.hdl);
        // In the order of PERM_ALL to PERM_FILLIN.
        const T_ELEMENT* perms[PERM_COUNT] = {
            &gui->ChkAuthAll,    &gui->ChkAuthPrintTop, &gui->ChkAuthPrintLow,
            &gui->ChkAuthModify, &gui->ChkAuthAssembly, &gui->ChkAuthCopy,
            &gui->ChkAuthRead,   &gui->ChkAuthCreate,   &gui->ChkAuthFillin};
        for (int i = 0; i < PERM_COUNT; ++i)
            sec.bPerm[i] = uiIsChecked(perms[i]->hdl);
    }
    std::string options;
    int nResult = pdfSecurityOptions(&sec, options);
    SecureZeroMemory(szPasswdOwner, sizeof(szPasswdOwner));
    SecureZeroMemory(szPasswdUser, sizeof(szPasswdUser));
    if (nResult <= 0)
        return nResult;
    size_t nUsed = strnlen(szBatch, nBatch - 1);
    // Cannot happen with passwords of 31 characters; a cut option would be worse than none.
    if (nUsed + options.size() >= nBatch)
        return -1;
    memcpy(szBatch + nUsed, options.c_str(), options.size() + 1);
    SecureZeroMemory(&options[0], options.size());
    return (int)(nUsed + strlen(szBatch + nUsed));
}

int BuildCatalogCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch)
{
    int nFrom = (int)SendMessageA(gui->CboCatFrom.hdl, CB_GETCURSEL, 0, 0) + 1;
    int nTo = (int)SendMessageA(gui->CboCatTo.hdl, CB_GETCURSEL, 0, 0) + 1;
    std::string range = pdfCatalogRange(nFrom, nTo, uiIsChecked(gui->OptCatEven.hdl),
                                        uiIsChecked(gui->OptCatOdd.hdl));
    lstrcpynA(szBatch, range.c_str(), (int)nBatch);
    return (int)strlen(szBatch);
}

// ---------------------------------------------------------------------------------------------
// Single file page

int CatPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szCatCmd[TANDREL_RANGE_MAX] = {0};
    char szAuthCmd[TANDREL_AUTH_MAX] = {0};
    if (!pdfToolReady(gui))
        return 0;
    ReadSourcePath(gui, szFile);
    if (!PathFileExistsA(szFile)) {
        uiMessage(gui, TXT_MSG_NO_SOURCE, MB_ICONERROR);
        return 0;
    }
    if (BuildEncryptCommand(gui, szAuthCmd, sizeof(szAuthCmd)) == -1) {
        uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
        return 0;
    }
    int bNamed = pdfOutputName(szFile, "_cat.pdf", szNewFile, sizeof(szNewFile));
    BuildCatalogCommand(gui, szCatCmd, sizeof(szCatCmd));
    std::string cmd = Q(gui->szPathExe) + " " + SourceArg(szFile, gui->szSourcePasswd) + " cat " +
                      szCatCmd + " output " + Q(szNewFile) + " " + szAuthCmd;
    RunOne(gui, szFile, bNamed, cmd, szNewFile);
    return 0;
}

int DeletePagesPDF(T_INTERFACE* gui)
{
    char szPDF[TANDREL_PATH_MAX];
    char szNewPDF[TANDREL_PATH_MAX] = {0};
    char szAuth[TANDREL_AUTH_MAX] = {0};
    if (!pdfToolReady(gui))
        return 0;
    ReadSourcePath(gui, szPDF);
    int nNewName = pdfOutputName(szPDF, "_remove.pdf", szNewPDF, sizeof(szNewPDF));
    if (!PathFileExistsA(szPDF)) {
        uiMessage(gui, TXT_MSG_NO_SOURCE, MB_ICONERROR);
        return 0;
    }
    if (SamePasswords(gui)) {
        uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
        return 0;
    }
    int nNbItems = (int)SendMessageA(gui->ListDelete.hdl, LB_GETCOUNT, 0, 0);
    if (nNbItems < 0)
        return 0;
    // Every selected page counts, however many there are; with none there is nothing to delete.
    int nSelCount = (int)SendMessageA(gui->ListDelete.hdl, LB_GETSELCOUNT, 0, 0);
    if (nSelCount <= 0)
        return 0;
    std::vector<int> selection((size_t)nSelCount);
    int nNbSelItems = (int)SendMessageA(gui->ListDelete.hdl, LB_GETSELITEMS, (WPARAM)nSelCount,
                                        (LPARAM)selection.data());
    if (nNbSelItems <= 0)
        return 0;
    std::string keep = pdfKeepList(selection.data(), nNbSelItems, nNbItems);
    // No range left: the tool would take that for every page, the opposite of what was asked.
    if (keep.empty()) {
        uiMessage(gui, TXT_MSG_DELETE_ALL, MB_ICONERROR);
        return 0;
    }
    BuildEncryptCommand(gui, szAuth, sizeof(szAuth));
    std::string cmd = Q(gui->szPathExe) + " " + SourceArg(szPDF, gui->szSourcePasswd) + " cat " +
                      keep + " output " + Q(szNewPDF) + " " + szAuth;
    RunOne(gui, szPDF, nNewName, cmd, szNewPDF);
    return 0;
}

int DecryptPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szPasswd[TANDREL_PASSWD_MAX];
    if (!pdfToolReady(gui))
        return 0;
    ReadSourcePath(gui, szFile);
    if (!PathFileExistsA(szFile)) {
        uiMessage(gui, TXT_MSG_NO_SOURCE, MB_ICONERROR);
        return 0;
    }
    uiReadText(gui->EditPasswdOwner.hdl, szPasswd, sizeof(szPasswd));
    if (!szPasswd[0]) {
        uiMessage(gui, TXT_MSG_NO_OWNER, MB_OK);
        return 0;
    }
    int bNamed = pdfOutputName(szFile, "_unsec.pdf", szNewFile, sizeof(szNewFile));
    std::string cmd = Q(gui->szPathExe) + " " + Q(szFile) + " input_pw " + Q(szPasswd) +
                      " output " + Q(szNewFile);
    RunOne(gui, szFile, bNamed, cmd, szNewFile);
    SecureZeroMemory(szPasswd, sizeof(szPasswd));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Join

// The output of an operation on several inputs, named in the save dialog into szNewPdf, its
// extension made ".pdf": never one of the inputs, however written (nRefusal says so), and a file
// there is replaced only when the user says so. 0 when there is none to write.
static int ChooseOutputPdf(T_INTERFACE* gui, const std::vector<std::string>& inputs, int nRefusal,
                           char* szNewPdf)
{
    if (!uiSavePdfDialog(gui, szNewPdf, TANDREL_PATH_MAX))
        return 0;
    char szChosen[TANDREL_PATH_MAX];
    memcpy(szChosen, szNewPdf, sizeof(szChosen));
    PathRenameExtensionA(szNewPdf, ".pdf");
    // The tool would read a file while writing it over, whatever name it goes by.
    T_SAME_FILES listed;
    pdfSameFilesOf(inputs, &listed);
    if (pdfFindSameFile(&listed, szNewPdf) >= 0) {
        uiMessage(gui, nRefusal, MB_ICONERROR);
        return 0;
    }
    // The dialog asked about the name typed, which the extension may have changed.
    if (PathFileExistsA(szNewPdf) && !pdfSameFile(szNewPdf, szChosen) &&
        !uiAskReplace(gui, szNewPdf))
        return 0;
    return 1;
}

int JoinPDF(T_INTERFACE* gui)
{
    HWND hList = gui->ListPdfFiles.hdl;
    if (!pdfToolReady(gui))
        return 0;
    int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
    if (nNbItems == LB_ERR)
        return 0;
    if (nNbItems < 2) {
        uiMessage(gui, TXT_MSG_JOIN_TWO, MB_ICONERROR);
        return 0;
    }
    if (SamePasswords(gui)) {
        uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
        return 0;
    }

    std::string inputs;
    std::vector<std::string> items;
    for (int i = 0; i < nNbItems; ++i) {
        std::string item;
        if (!List_GetItemText(hList, i, item))
            continue;
        inputs += Q(item.c_str()) + " ";
        items.push_back(item);
    }
    char szNewPdf[TANDREL_PATH_MAX] = {0};
    if (!ChooseOutputPdf(gui, items, TXT_MSG_JOIN_INPUT, szNewPdf))
        return 0;
    char szAuth[TANDREL_AUTH_MAX] = {0};
    BuildEncryptCommand(gui, szAuth, sizeof(szAuth));
    std::string cmd =
        Q(gui->szPathExe) + " " + inputs + " cat output " + Q(szNewPdf) + " " + szAuth;
    RunOne(gui, szNewPdf, 1, cmd, szNewPdf);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Per-file operations: the source file on the Single file page, every listed file on the
// Multiple files page, nothing on the other pages.

// How an operation takes the security options of the left-hand panel.
enum { SEC_NONE, SEC_OPTIONAL, SEC_REQUIRED };

// What an operation does besides running its command.
enum {
    BATCH_PLAIN = 0,
    BATCH_ASK_BACKGROUND = 1, // asks for the background file before it runs
};

typedef struct {
    const char* szSuffix; // replaces the input's extension in the output's name
    int nSecurity;
    int nFlags;
    const char* szBefore; // between the input and "output"
    const char* szAfter;  // after the output, before the security options
} T_BATCH;

// The per-file operations, in the order of their rows below.
enum {
    OP_ENCRYPT,
    OP_COMPRESS,
    OP_UNCOMPRESS,
    OP_REPAIR,
    OP_BACKGROUND,
    OP_DUMP_DATA,
    OP_DUMP_FIELDS
};

// clang-format off
static const T_BATCH batches[] = {
    // suffix             security      extra step            before               after
    {"_sec.pdf",        SEC_REQUIRED, BATCH_PLAIN,          "",                  " "},
    {"_compress.pdf",   SEC_OPTIONAL, BATCH_PLAIN,          "",                  " compress "},
    {"_uncompress.pdf", SEC_OPTIONAL, BATCH_PLAIN,          "",                  " uncompress "},
    {"_fixed.pdf",      SEC_OPTIONAL, BATCH_PLAIN,          "",                  " "},
    {"_bg.pdf",         SEC_NONE,     BATCH_ASK_BACKGROUND, " background ",      ""},
    {"_dump.txt",       SEC_NONE,     BATCH_PLAIN,          " dumpdata",         ""},
    {"_fields.txt",     SEC_NONE,     BATCH_PLAIN,          " dump_data_fields", ""},
};
// clang-format on

// The inputs the selected page names (none on the Settings and About pages); 0, with the message
// shown, when the Single or Multiple files page names none.
static int BatchInputs(T_INTERFACE* gui, int* pTab, std::vector<std::string>& inputs)
{
    *pTab = uiSelectedTab(gui);
    if (*pTab == TAB_SINGLE) {
        char szFile[TANDREL_PATH_MAX];
        ReadSourcePath(gui, szFile);
        if (!PathFileExistsA(szFile)) {
            uiMessage(gui, TXT_MSG_NO_SOURCE, MB_ICONERROR);
            return 0;
        }
        inputs.push_back(szFile);
    } else if (*pTab == TAB_MULTI) {
        HWND hList = gui->ListPdfFiles.hdl;
        int nNbItems = (int)SendMessageA(hList, LB_GETCOUNT, 0, 0);
        if (nNbItems <= 0) {
            uiMessage(gui, TXT_MSG_EMPTY_LIST, MB_ICONERROR);
            return 0;
        }
        for (int i = 0; i < nNbItems; ++i) {
            std::string item;
            // An entry too long for a path cannot be worked on.
            if (List_GetItemText(hList, i, item) && item.size() < TANDREL_PATH_MAX)
                inputs.push_back(item);
        }
    }
    return 1;
}

// A listed input whose result would replace another listed input is not run: the tool would
// write over that file before it is read, or its own result would be read as an input. A burst's
// result is its folder, where it writes its pages and its report.
static void SkipResultsThatAreInputs(std::vector<T_STEP>& steps)
{
    if (steps.size() < 2)
        return;
    // Each input is looked up as the window goes on answering: a long list takes a while.
    T_SAME_FILES listed, burstFolders;
    for (size_t i = 0; i < steps.size(); ++i) {
        pdfKeepAlive();
        const std::string& input = steps[i].input;
        pdfAddSameFile(&listed, input.c_str(), (int)i);
        // Only a file of a name the burst writes is replaced in its folder.
        if (pdfBurstWrites(PathFindFileNameA(input.c_str()))) {
            char szFolder[TANDREL_PATH_MAX];
            lstrcpynA(szFolder, input.c_str(), sizeof(szFolder));
            PathRemoveFileSpecA(szFolder);
            pdfAddSameFile(&burstFolders, szFolder, (int)i);
        }
    }
    for (size_t i = 0; i < steps.size(); ++i) {
        T_STEP& s = steps[i];
        pdfKeepAlive();
        if (s.nSkip)
            continue;
        const T_SAME_FILES& others = s.workDir.empty() ? listed : burstFolders;
        int nOther = pdfFindSameFile(&others, s.output.c_str());
        if (nOther >= 0 && (size_t)nOther != i) {
            s.nSkip = TXT_FAIL_REPLACES_INPUT;
            SecureZeroMemory(&s.cmd[0], s.cmd.size());
        }
    }
}

static int RunBatch(T_INTERFACE* gui, const T_BATCH& op)
{
    int nTab = -1;
    std::vector<std::string> inputs;
    if (!pdfToolReady(gui) || !BatchInputs(gui, &nTab, inputs))
        return 0;

    char szAuthCmd[TANDREL_AUTH_MAX] = {0};
    if (op.nSecurity != SEC_NONE) {
        int nResult = BuildEncryptCommand(gui, szAuthCmd, sizeof(szAuthCmd));
        if (nResult == 0 && op.nSecurity == SEC_REQUIRED) {
            uiMessage(gui, TXT_MSG_NO_PASSWORD, MB_ICONERROR);
            return 0;
        }
        if (nResult == -1) {
            uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
            return 0;
        }
    }
    std::string before = op.szBefore;
    if (op.nFlags & BATCH_ASK_BACKGROUND) {
        char szBgFile[TANDREL_PATH_MAX] = {0};
        if (!uiOpenPdfDialog(gui, szBgFile, sizeof(szBgFile)))
            return 0;
        before += Q(szBgFile);
    }

    std::vector<T_STEP> steps;
    for (const std::string& input : inputs) {
        char szNewFile[TANDREL_PATH_MAX] = {0};
        if (!pdfOutputName(input.c_str(), op.szSuffix, szNewFile, sizeof(szNewFile))) {
            steps.push_back({input, "", "", "", TXT_FAIL_NO_NAME, ""});
            continue;
        }
        std::string in =
            nTab == TAB_SINGLE ? SourceArg(input.c_str(), gui->szSourcePasswd) : Q(input.c_str());
        steps.push_back({input,
                         Q(gui->szPathExe) + " " + in + before + " output " + Q(szNewFile) +
                             op.szAfter + szAuthCmd,
                         szNewFile, "", 0, ""});
    }
    SecureZeroMemory(szAuthCmd, sizeof(szAuthCmd));
    SkipResultsThatAreInputs(steps);
    pdfRunSteps(gui, steps);
    return 0;
}

int EncryptPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_ENCRYPT]);
}

int CompressPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_COMPRESS]);
}

int UncompressPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_UNCOMPRESS]);
}

int RepairPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_REPAIR]);
}

int pdfBackground(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_BACKGROUND]);
}

int DumpPDFData(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_DUMP_DATA]);
}

int pdfDumpDataFields(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_DUMP_FIELDS]);
}

// ---------------------------------------------------------------------------------------------
// Burst: one file per page, written straight into a new folder named after the input.

int BurstPDF(T_INTERFACE* gui)
{
    int nTab = -1;
    std::vector<std::string> inputs;
    if (!pdfToolReady(gui) || !BatchInputs(gui, &nTab, inputs))
        return 0;
    std::vector<T_STEP> steps;
    for (const std::string& input : inputs) {
        char szNewDir[TANDREL_PATH_MAX] = {0};
        lstrcpynA(szNewDir, input.c_str(), sizeof(szNewDir));
        PathRemoveExtensionA(szNewDir);
        std::string in =
            nTab == TAB_SINGLE ? SourceArg(input.c_str(), gui->szSourcePasswd) : Q(input.c_str());
        // The tool writes its pages and report into its working folder: a new one, so that
        // nothing in the input's own folder is written over.
        steps.push_back({input, Q(gui->szPathExe) + " " + in + " burst output pg_%03d.pdf",
                         szNewDir, szNewDir, 0, ""});
    }
    SkipResultsThatAreInputs(steps);
    pdfRunSteps(gui, steps);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Pages page: two single-sided scans interleaved, chosen pages turned, chosen pages taken.

// The fronts and the backs as the tool's handles A and B, followed by the password each opened
// with, if any, as input_pw takes them.
static std::string ShuffleInputs(T_INTERFACE* gui, const char* szFronts, const char* szBacks)
{
    const char* files[] = {szFronts, szBacks};
    const char* passwords[] = {gui->szPagesPasswd, gui->szBacksPasswd};
    std::string inputs, given;
    for (int i = 0; i < 2; ++i) {
        std::string handle = i ? " B=" : " A=";
        inputs += handle + Q(files[i]);
        if (passwords[i][0])
            given += handle + Q(passwords[i]);
    }
    if (!given.empty())
        inputs += " input_pw" + given;
    SecureZeroMemory(&given[0], given.size());
    return inputs;
}

// The Pages page's source into szFile; 0, with the message shown, when there is none.
static int PagesSource(T_INTERFACE* gui, char* szFile)
{
    uiReadText(gui->EditPagesSource.hdl, szFile, TANDREL_PATH_MAX);
    if (PathFileExistsA(szFile))
        return 1;
    uiMessage(gui, TXT_MSG_NO_SOURCE, MB_ICONERROR);
    return 0;
}

// The security options into szAuth; 0, with the message shown, when the passwords are equal.
static int PagesSecurity(T_INTERFACE* gui, char* szAuth, size_t nAuth)
{
    if (BuildEncryptCommand(gui, szAuth, nAuth) != -1)
        return 1;
    uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
    return 0;
}

int InterleavePDF(T_INTERFACE* gui)
{
    char szFronts[TANDREL_PATH_MAX], szBacks[TANDREL_PATH_MAX];
    char szAuth[TANDREL_AUTH_MAX] = {0};
    if (!pdfToolReady(gui) || !PagesSource(gui, szFronts))
        return 0;
    uiReadText(gui->EditBacks.hdl, szBacks, sizeof(szBacks));
    if (!PathFileExistsA(szBacks)) {
        uiMessage(gui, TXT_MSG_NO_BACKS, MB_ICONERROR);
        return 0;
    }
    if (!PagesSecurity(gui, szAuth, sizeof(szAuth)))
        return 0;
    // The tool puts the pages left over at the end: allowed, but not by surprise.
    if (gui->nPagesCount != gui->nBacksCount) {
        std::string text =
            pdfFillText(gui->szLang[TXT_MSG_COUNTS_DIFFER],
                        {std::to_string(gui->nPagesCount), std::to_string(gui->nBacksCount)});
        if (uiShowText(gui, text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return 0;
    }
    char szNewPdf[TANDREL_PATH_MAX] = {0};
    if (!ChooseOutputPdf(gui, {szFronts, szBacks}, TXT_MSG_SHUFFLE_INPUT, szNewPdf))
        return 0;
    std::string inputs = ShuffleInputs(gui, szFronts, szBacks);
    // Scanned from the last back to the first, the backs are taken from their end.
    const char* szBacksOrder = uiIsChecked(gui->ChkBacksReverse.hdl) ? "Bend-1" : "B";
    std::string cmd = Q(gui->szPathExe) + inputs + " shuffle A " + szBacksOrder + " output " +
                      Q(szNewPdf) + " " + szAuth;
    SecureZeroMemory(&inputs[0], inputs.size());
    SecureZeroMemory(szAuth, sizeof(szAuth));
    RunOne(gui, szFronts, 1, cmd, szNewPdf);
    return 0;
}

// The ranges of the Pages page's box into ranges; 0, with the message shown, when there are none
// or one is wrong.
static int PagesRanges(T_INTERFACE* gui, std::vector<T_PAGE_RANGE>& ranges)
{
    char szRanges[TANDREL_RANGE_MAX];
    uiReadText(gui->EditRanges.hdl, szRanges, sizeof(szRanges));
    int nResult = pdfParseRanges(szRanges, gui->nPagesCount, ranges);
    if (nResult == RANGES_RIGHT)
        return 1;
    if (nResult == RANGES_NONE) {
        uiMessage(gui, TXT_MSG_NO_RANGES, MB_ICONERROR);
        return 0;
    }
    std::string text =
        pdfFillText(gui->szLang[TXT_MSG_BAD_RANGE], {pdfRangePart(szRanges, nResult)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

// The pages of the Pages page's source as the tool's cat takes them (pageList), into the file
// beside it named with szSuffix.
static int CatPages(T_INTERFACE* gui, const char* szFile, const std::string& pageList,
                    const char* szSuffix)
{
    char szNewFile[TANDREL_PATH_MAX] = {0};
    char szAuth[TANDREL_AUTH_MAX] = {0};
    if (!PagesSecurity(gui, szAuth, sizeof(szAuth)))
        return 0;
    int bNamed = pdfOutputName(szFile, szSuffix, szNewFile, sizeof(szNewFile));
    std::string cmd = Q(gui->szPathExe) + " " + SourceArg(szFile, gui->szPagesPasswd) + " cat" +
                      pageList + " output " + Q(szNewFile) + " " + szAuth;
    SecureZeroMemory(szAuth, sizeof(szAuth));
    RunOne(gui, szFile, bNamed, cmd, szNewFile);
    return 0;
}

// The tool's names of the angles of the Pages page's list, in its order.
static const char* const szTurns[] = {"east", "south", "west"};

int RotatePagesPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    std::vector<T_PAGE_RANGE> ranges;
    if (!pdfToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
        return 0;
    LRESULT nTurn = SendMessageA(gui->CboTurn.hdl, CB_GETCURSEL, 0, 0);
    if (nTurn < 0 || nTurn >= (LRESULT)COUNTOF(szTurns))
        nTurn = 0;
    return CatPages(gui, szFile, pdfRotateList(ranges, gui->nPagesCount, szTurns[nTurn]),
                    "_rotate.pdf");
}

int TakePagesPDF(T_INTERFACE* gui)
{
    char szFile[TANDREL_PATH_MAX];
    std::vector<T_PAGE_RANGE> ranges;
    if (!pdfToolReady(gui) || !PagesSource(gui, szFile) || !PagesRanges(gui, ranges))
        return 0;
    return CatPages(gui, szFile, pdfTakeList(ranges), "_pages.pdf");
}
