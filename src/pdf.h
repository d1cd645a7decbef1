// Tool runner and the operations that form and run pdftk command lines.
#pragma once

#include "gui.h"
#include "pdf_text.h"

// Runs one complete command line and waits for it to end; szWorkDir null means the program's own
// current directory. Returns 0 in every case.
int ExecuteCommand(const char* szCommand, const char* szWorkDir = nullptr);

// Page count of filepdf from a data dump written by the tool fileexe: the count, 0 when the dump
// holds none, -1 when no dump was produced.
int GetNumberOfPage(const char* filepdf, const char* fileexe);
// The same, with the tool given a password to open the file (null or empty: none).
int GetNumberOfPagePassword(const char* filepdf, const char* fileexe, const char* szPasswd);

// The page range of the page copy from the page lists and the Even/Odd buttons, written into
// szBatch (nBatch bytes); its length.
int BuildCatalogCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch);
// The security options of the left-hand panel appended to szBatch (nBatch bytes): 0 and nothing
// appended when both passwords are empty, -1 and nothing appended when they are equal or the
// options would not fit, else the length of the whole text.
int BuildEncryptCommand(T_INTERFACE* gui, char* szBatch, size_t nBatch);

int CatPDF(T_INTERFACE* gui);
int DeletePagesPDF(T_INTERFACE* gui);
int DecryptPDF(T_INTERFACE* gui);
int JoinPDF(T_INTERFACE* gui);
int EncryptPDF(T_INTERFACE* gui);
int CompressPDF(T_INTERFACE* gui);
int UncompressPDF(T_INTERFACE* gui);
int RepairPDF(T_INTERFACE* gui);
int pdfBackground(T_INTERFACE* gui);
int DumpPDFData(T_INTERFACE* gui);
int pdfDumpDataFields(T_INTERFACE* gui);
int BurstPDF(T_INTERFACE* gui);
