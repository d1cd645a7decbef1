// The page count of a PDF file, from a data dump the tool writes into a temporary file.
#include "pdf_count.h"

#include <stdio.h>

#include "paths.h"
#include "pdf_files.h"
#include "pdf_text.h"

int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd,
                            const char* szWorkDir, T_RUN_RESULT* pResult)
{
    T_RUN_RESULT r = {TXT_FAIL_NO_TEMP, 0, std::string(), std::string()};
    char dumpfile[TANDREL_PATH_BYTES] = {0};
    int nPages = -1;
    // A fresh name of the program's own: no file of the user is written over, and a read-only
    // folder of the PDF file does not matter; the dump exists only if the tool writes it.
    if (pdfFreeTempName(nullptr, TEMP_PREFIX_DATA, dumpfile)) {
        std::string command = pdfQuoteArg(fileexe) + " " + pdfQuoteArg(filepdf);
        if (szPasswd && *szPasswd)
            command += " input_pw " + pdfQuoteArg(szPasswd);
        command += " dumpdata output " + pdfQuoteArg(dumpfile);
        ExecuteCommand(command, {{filepdf}, dumpfile, std::string()}, szWorkDir, &r);
        SecureZeroMemory(&command[0], command.size());
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

int GetNumberOfPage(const char* filepdf, const char* fileexe)
{
    return GetNumberOfPagePassword(filepdf, fileexe, nullptr, nullptr, nullptr);
}
