// The per-file operations: the source file on the Single file page, every listed file on the
// Multiple files page, nothing on the other pages; each result beside its input. And the burst:
// one file per page, written straight into a new folder named after the input.
#include "op.h"

#include "paths.h"
#include "pdf_identity.h"

// What an operation does besides running its command.
enum {
    BATCH_PLAIN = 0,
    BATCH_ASK_BACKGROUND = 1, // asks for the background file before it runs
};

typedef struct {
    const char* szSuffix; // replaces the input's extension in the output's name
    int nSecurity;
    int nFlags;
    const char* szOperation; // between the input and "output"
    const char* szAfter;     // after the output, before the security options
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
    // suffix             security      extra step            operation            after
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
// shown, when the Single or Multiple files page names none. On the Single file page the source,
// with the password it opened with.
static int BatchInputs(T_INTERFACE* gui, std::vector<T_TOOL_INPUT>& inputs)
{
    int nTab = uiSelectedTab(gui);
    if (nTab == TAB_SINGLE) {
        char szFile[TANDREL_PATH_BYTES];
        if (!opChosenPath(gui, SOURCE_SINGLE, TXT_MSG_NO_SOURCE, szFile))
            return 0;
        inputs.push_back(opChosenInput(gui, SOURCE_SINGLE, szFile));
    } else if (nTab == TAB_MULTI) {
        std::vector<std::string> files;
        if (uiListedFiles(gui, files) == 0) {
            uiMessage(gui, TXT_MSG_EMPTY_LIST, MB_ICONERROR);
            return 0;
        }
        for (const std::string& file : files)
            inputs.push_back({file, "", nullptr});
    }
    return 1;
}

// The listed inputs by file, each step told the first of its input file, and the folders of
// those a burst would write over (only a file of a name the burst writes is replaced in its
// folder).
static void LookUpInputs(std::vector<T_STEP>& steps, T_SAME_FILES* listed,
                         T_SAME_FILES* burstFolders)
{
    // Each input is looked up as the window goes on answering: a long list takes a while.
    for (size_t i = 0; i < steps.size(); ++i) {
        pdfLetWindowAnswer();
        const std::string& input = steps[i].input;
        steps[i].nSameInput = pdfAddSameFile(listed, input.c_str(), (int)i);
        if (pdfBurstWrites(pathFileName(input.c_str())))
            pdfAddSameFile(burstFolders, pathFolder(input.c_str()).c_str(), (int)i);
    }
}

// An input is not run when its result would replace another listed input (the tool would write
// over that file before it is read, or its own result would be read as an input), or the file
// every run reads besides its input (szAlsoRead: the background), or when an input before it
// gives the same result. A burst's result is its folder, where it writes its pages and report.
// Each step is told the first of its result, so that the schedule need not look them up again.
static void SkipClashes(std::vector<T_STEP>& steps, const char* szAlsoRead)
{
    T_SAME_FILES listed, burstFolders, results, alsoRead;
    T_FOLDER_NAMES names; // the results' folders, each searched once
    LookUpInputs(steps, &listed, &burstFolders);
    if (szAlsoRead)
        pdfAddSameFile(&alsoRead, szAlsoRead, 0);
    for (size_t i = 0; i < steps.size(); ++i) {
        T_STEP& s = steps[i];
        pdfLetWindowAnswer();
        if (s.nNoRunText)
            continue;
        const T_SAME_FILES& others = s.workDir.empty() ? listed : burstFolders;
        T_FILE_KEY result = pdfFileKeyListed(&names, s.output.c_str());
        int nOther = pdfFindFileKey(&others, result);
        int nFirst = s.nSameResult = pdfAddFileKey(&results, result, (int)i);
        if (nOther >= 0 && (size_t)nOther != i)
            s.nNoRunText = TXT_FAIL_REPLACES_INPUT;
        else if (szAlsoRead && pdfFindFileKey(&alsoRead, result) >= 0)
            s.nNoRunText = TXT_FAIL_REPLACES_BACKGROUND;
        else if (nFirst >= 0 && (size_t)nFirst != i)
            s.nNoRunText = TXT_FAIL_SAME_RESULT;
        if (s.nNoRunText)
            pdfWipe(s.cmd);
    }
}

// The step of one input: its command writes the file named after it with op's suffix.
static T_STEP BatchStep(T_INTERFACE* gui, const T_BATCH& op, T_TOOL_INPUT& input,
                        const std::string& operation, const T_PROTECTION& protection,
                        const std::vector<std::string>& alsoRead)
{
    char szNewFile[TANDREL_PATH_BYTES] = {0};
    if (!pdfOutputName(input.file.c_str(), op.szSuffix, szNewFile, sizeof(szNewFile)))
        return {input.file, "", "", "", TXT_FAIL_NO_NAME, "", {}};
    T_TOOL_COMMAND c = {{input}, operation, szNewFile, 0, op.szAfter, protection.options};
    T_STEP step = {input.file, pdfCommandLine(gui->szPathExe, c), szNewFile, "", 0, "", alsoRead};
    pdfWipeCommand(&c);
    return step;
}

static int RunBatch(T_INTERFACE* gui, const T_BATCH& op)
{
    std::vector<T_TOOL_INPUT> inputs;
    T_PROTECTION protection;
    if (!uiToolReady(gui) || !BatchInputs(gui, inputs) ||
        !opReadSecurity(gui, op.nSecurity, &protection))
        return 0;
    std::string operation = op.szOperation;
    char szBgFile[TANDREL_PATH_BYTES] = {0};
    if ((op.nFlags & BATCH_ASK_BACKGROUND) && !uiOpenPdfDialog(gui, szBgFile))
        return 0;
    std::vector<std::string> background; // what every run reads besides its input
    if (szBgFile[0]) {
        operation += pdfQuoteArg(szBgFile);
        background.push_back(szBgFile);
    }
    std::vector<T_STEP> steps;
    for (T_TOOL_INPUT& input : inputs) {
        steps.push_back(BatchStep(gui, op, input, operation, protection, background));
        pdfWipe(input.passwd);
    }
    opWipeProtection(&protection);
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

int BackgroundPDF(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_BACKGROUND]);
}

int DumpPDFData(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_DUMP_DATA]);
}

int DumpPDFFields(T_INTERFACE* gui)
{
    return RunBatch(gui, batches[OP_DUMP_FIELDS]);
}

// ---------------------------------------------------------------------------------------------
// Burst: one file per page, written straight into a new folder named after the input.

int BurstPDF(T_INTERFACE* gui)
{
    std::vector<T_TOOL_INPUT> inputs;
    if (!uiToolReady(gui) || !BatchInputs(gui, inputs))
        return 0;
    std::vector<T_STEP> steps;
    for (T_TOOL_INPUT& input : inputs) {
        std::string newDir = pathWithExtension(input.file, "");
        // The tool writes its pages and report into its working folder: a new one, so that
        // nothing in the input's own folder is written over.
        T_TOOL_COMMAND c = {{input}, " burst", "pg_%03d.pdf", 1, "", ""};
        steps.push_back({input.file, pdfCommandLine(gui->szPathExe, c), newDir, newDir, 0, "", {}});
        pdfWipeCommand(&c);
        pdfWipe(input.passwd);
    }
    SkipClashes(steps, nullptr);
    return uiRunSteps(gui, steps);
}
