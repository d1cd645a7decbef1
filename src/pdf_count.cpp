// The page count of a PDF file, from a data dump the tool writes into a temporary file.
#include "pdf_count.h"

#include <string.h>

#include "paths.h"
#include "pdf_command.h"
#include "pdf_temp.h"
#include "pdf_text.h"

// The tool's dump szOperation of filepdf, opened with szPasswd, into a fresh temporary file
// szDump (TANDREL_PATH_BYTES bytes) of the program's own: no file of the user is written over,
// and a read-only folder of the PDF file does not matter. 0 when no such file could be named;
// the dump exists only if the tool wrote it, and the caller removes it.
static int DumpInto(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, const char* szOperation, char* szDump, T_RUN_RESULT* r)
{
    *r = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    if (!pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, szDump))
        return 0;
    T_TOOL_COMMAND c = {
        {{filepdf, szPasswd ? szPasswd : "", nullptr}}, szOperation, szDump, 0, "", ""};
    std::string command = pdfCommandLine(fileexe, c);
    pdfWipeCommand(&c);
    ExecuteCommand(command, {{filepdf}, szDump, std::string()}, szWorkDir, r);
    pdfWipe(command);
    return 1;
}

int GetNumberOfPage(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, T_RUN_RESULT* pResult)
{
    T_RUN_RESULT r;
    char dumpfile[TANDREL_PATH_BYTES] = {0};
    int nPages = -1;
    if (DumpInto(filepdf, fileexe, szPasswd, szWorkDir, " dumpdata", dumpfile, &r)) {
        if (FILE* f = pathOpen(dumpfile, L"r")) {
            nPages = pdfParseDump(f);
            fclose(f);
        }
        pathDelete(dumpfile);
    }
    if (pResult)
        *pResult = r;
    return nPages;
}

int pdfReadDocDump(const char* filepdf, const char* fileexe, const char* szPasswd,
                   const char* szWorkDir, T_DOC_DATA& data, T_RUN_RESULT* pResult)
{
    T_RUN_RESULT r;
    char dumpfile[TANDREL_PATH_BYTES] = {0};
    data = T_DOC_DATA();
    int bRead = 0;
    if (DumpInto(filepdf, fileexe, szPasswd, szWorkDir, " dump_data_utf8", dumpfile, &r)) {
        std::string dump;
        bRead = r.nText == 0 && pathReadWhole(dumpfile, dump);
        pdfReadDocData(dump, data);
        pathDelete(dumpfile);
    }
    if (pResult)
        *pResult = r;
    return bRead;
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
