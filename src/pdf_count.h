// The page count of a PDF file, from a data dump the tool writes.
#pragma once

#include <stdio.h>

#include "pdf_outline.h"
#include "pdf_run.h"

// Page count of filepdf from a data dump written by the tool fileexe, which is given a password
// to open the file (null or empty: none) and run in szWorkDir (null: the program's current
// folder): the count, 0 when the dump holds none, -1 when no dump was produced; pResult, when
// given, says how the run went.
int GetNumberOfPage(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, T_RUN_RESULT* pResult = nullptr);

// The same count, and, when data is given, the information and bookmarks of filepdf read into it
// from the tool's data dump in UTF-8, taken at the same time as the count's: *pbRead (when given)
// says whether it was (data stays empty when not). pResult says how the count went.
int pdfCountAndRead(const char* filepdf, const char* fileexe, const char* szPasswd,
                    const char* szWorkDir, T_DOC_DATA* data, int* pbRead,
                    T_RUN_RESULT* pResult = nullptr);

// Page count from a data dump: the number after the first line whose first word is exactly
// "NumberOfPages:"; 0 when there is none.
int pdfParseDump(FILE* f);
