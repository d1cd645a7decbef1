// The per-file operations: the source file on the Single file page, every listed file on the
// Multiple files page, nothing on the other pages; each result beside its input. And the burst:
// one file per page, written straight into a new folder named after the input.
#include "pdf.h"

#include "obj.h"
#include "paths.h"

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
        char szFile[TANDREL_PATH_BYTES];
        if (!pdfChosenPath(gui, gui->EditPDFSource.hdl, TXT_MSG_NO_SOURCE, szFile))
            return 0;
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
            if (List_GetItemText(hList, i, item) && pathChars(item.c_str()) < TANDREL_PATH_MAX)
                inputs.push_back(item);
        }
    }
    return 1;
}

// The listed inputs by file, and the folders of those a burst would write over (only a file of a
// name the burst writes is replaced in its folder).
static void LookUpInputs(const std::vector<T_STEP>& steps, T_SAME_FILES* listed,
                         T_SAME_FILES* burstFolders)
{
    // Each input is looked up as the window goes on answering: a long list takes a while.
    for (size_t i = 0; i < steps.size(); ++i) {
        pdfKeepAlive();
        const std::string& input = steps[i].input;
        pdfAddSameFile(listed, input.c_str(), (int)i);
        if (pdfBurstWrites(pathFileName(input.c_str())))
            pdfAddSameFile(burstFolders, pathFolder(input.c_str()).c_str(), (int)i);
    }
}

// An input is not run when its result would replace another listed input (the tool would write
// over that file before it is read, or its own result would be read as an input), or the file
// every run reads besides its input (szAlsoRead: the background), or when an input before it
// gives the same result. A burst's result is its folder, where it writes its pages and report.
static void SkipClashes(std::vector<T_STEP>& steps, const char* szAlsoRead)
{
    T_SAME_FILES listed, burstFolders, results, alsoRead;
    LookUpInputs(steps, &listed, &burstFolders);
    if (szAlsoRead)
        pdfAddSameFile(&alsoRead, szAlsoRead, 0);
    for (size_t i = 0; i < steps.size(); ++i) {
        T_STEP& s = steps[i];
        pdfKeepAlive();
        if (s.nNoRunText)
            continue;
        const T_SAME_FILES& others = s.workDir.empty() ? listed : burstFolders;
        int nOther = pdfFindSameFile(&others, s.output.c_str());
        int nFirst = pdfAddSameFile(&results, s.output.c_str(), (int)i);
        if (nOther >= 0 && (size_t)nOther != i)
            s.nNoRunText = TXT_FAIL_REPLACES_INPUT;
        else if (szAlsoRead && pdfFindSameFile(&alsoRead, s.output.c_str()) >= 0)
            s.nNoRunText = TXT_FAIL_REPLACES_BACKGROUND;
        else if (nFirst >= 0 && (size_t)nFirst != i)
            s.nNoRunText = TXT_FAIL_SAME_RESULT;
        if (s.nNoRunText)
            SecureZeroMemory(&s.cmd[0], s.cmd.size());
    }
}

static int RunBatch(T_INTERFACE* gui, const T_BATCH& op)
{
    int nTab = -1;
    std::vector<std::string> inputs;
    if (!pdfToolReady(gui) || !BatchInputs(gui, &nTab, inputs))
        return 0;

    std::string options;
    if (!pdfReadSecurity(gui, op.nSecurity, options))
        return 0;
    std::string before = op.szBefore;
    char szBgFile[TANDREL_PATH_BYTES] = {0};
    if (op.nFlags & BATCH_ASK_BACKGROUND) {
        if (!uiOpenPdfDialog(gui, szBgFile))
            return 0;
        before += pdfQuoteArg(szBgFile);
    }
    std::vector<std::string> background; // what every run reads besides its input
    if (szBgFile[0])
        background.push_back(szBgFile);

    std::vector<T_STEP> steps;
    for (const std::string& input : inputs) {
        char szNewFile[TANDREL_PATH_BYTES] = {0};
        if (!pdfOutputName(input.c_str(), op.szSuffix, szNewFile, sizeof(szNewFile))) {
            steps.push_back({input, "", "", "", TXT_FAIL_NO_NAME, "", {}});
            continue;
        }
        std::string in = pdfChosenArg(input.c_str(), nTab == TAB_SINGLE ? &gui->Source : nullptr);
        steps.push_back({input,
                         pdfQuoteArg(gui->szPathExe) + " " + in + before + " output " +
                             pdfQuoteArg(szNewFile) + op.szAfter + options,
                         szNewFile, "", 0, "", background});
    }
    SecureZeroMemory(&options[0], options.size());
    SkipClashes(steps, szBgFile[0] ? szBgFile : nullptr);
    return uiRunSteps(gui, steps);
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
        std::string newDir = pathWithExtension(input, "");
        std::string in = pdfChosenArg(input.c_str(), nTab == TAB_SINGLE ? &gui->Source : nullptr);
        // The tool writes its pages and report into its working folder: a new one, so that
        // nothing in the input's own folder is written over.
        std::string cmd = pdfQuoteArg(gui->szPathExe) + " " + in + " burst output pg_%03d.pdf";
        steps.push_back({input, cmd, newDir, newDir, 0, "", {}});
        SecureZeroMemory(&cmd[0], cmd.size());
    }
    SkipClashes(steps, nullptr);
    return uiRunSteps(gui, steps);
}
