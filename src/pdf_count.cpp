// The page count of a PDF file, from a data dump the tool writes into a temporary file.
#include "pdf_count.h"

#include <string.h>

#include <algorithm>

#include "paths.h"
#include "pdf_command.h"
#include "pdf_temp.h"
#include "pdf_text.h"

// The command line of the tool's dump szOperation of filepdf, opened with szPasswd, into a fresh
// temporary file szDump (TANDREL_PATH_BYTES bytes) of the program's own: no file of the user is
// written over, and a read-only folder of the PDF file does not matter. Empty when no such file
// could be named; the dump exists only if the tool writes it, and the caller removes it.
static std::string DumpCommand(const char* filepdf, const char* fileexe, const char* szPasswd,
                               const char* szOperation, char* szDump)
{
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szDump))
        return std::string();
    T_TOOL_COMMAND c = {
        {{filepdf, szPasswd ? szPasswd : "", nullptr}}, szOperation, szDump, 0, "", ""};
    std::string command = pdfCommandLine(fileexe, c);
    pdfWipeCommand(&c);
    return command;
}

// The page count in the dump szDump; -1 when there is none.
static int CountIn(const char* szDump)
{
    int nPages = -1;
    if (FILE* f = pathOpen(szDump, L"r")) {
        nPages = pdfParseDump(f);
        fclose(f);
    }
    return nPages;
}

int pdfCountAndRead(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, T_DOC_DATA* data, int* pbRead, T_RUN_RESULT* pResult)
{
    char szCount[TANDREL_PATH_BYTES] = {0}, szData[TANDREL_PATH_BYTES] = {0};
    std::vector<std::string> cmds = {DumpCommand(filepdf, fileexe, szPasswd, " dumpdata", szCount)};
    std::vector<T_TOOL_PATHS> paths = {{{filepdf}, szCount, std::string()}};
    if (data) {
        *data = T_DOC_DATA();
        std::string read = DumpCommand(filepdf, fileexe, szPasswd, " dump_data_utf8", szData);
        if (!read.empty()) { // else the count alone
            cmds.push_back(read);
            paths.push_back({{filepdf}, szData, std::string()});
        }
        pdfWipe(read);
    }
    std::vector<T_RUN_RESULT> results(cmds.size(), {TXT_FAIL_NO_TEMP, 0, "", ""});
    int nPages = -1;
    if (std::find(cmds.begin(), cmds.end(), std::string()) == cmds.end()) {
        pdfExecuteAtOnce(cmds, paths, szWorkDir, results);
        nPages = CountIn(szCount);
    }
    std::string dump;
    int bRead = cmds.size() > 1 && results[1].nText == 0 && pathReadWhole(szData, dump);
    if (bRead)
        pdfReadDocData(dump, *data);
    if (pbRead)
        *pbRead = bRead;
    for (std::string& cmd : cmds)
        pdfWipe(cmd);
    for (const char* szDump : {szCount, szData}) {
        if (szDump[0])
            pathDelete(szDump);
    }
    if (pResult)
        *pResult = results[0];
    return nPages;
}

int GetNumberOfPage(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, T_RUN_RESULT* pResult)
{
    return pdfCountAndRead(filepdf, fileexe, szPasswd, szWorkDir, nullptr, nullptr, pResult);
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
