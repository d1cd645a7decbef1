// The page count of a PDF file, from a data dump the tool writes.
#pragma once

#include "pdf_run.h"

// Page count of filepdf from a data dump written by the tool fileexe: the count, 0 when the dump
// holds none, -1 when no dump was produced.
int GetNumberOfPage(const char* filepdf, const char* fileexe);
// The same, with the tool given a password to open the file (null or empty: none), run in
// szWorkDir (null: the program's current folder); pResult, when given, says how the run went.
int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd,
                            const char* szWorkDir, T_RUN_RESULT* pResult = nullptr);
