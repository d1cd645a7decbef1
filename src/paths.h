// Paths of the user's files as the program keeps them: in UTF-8, which spells every name, and
// used through the wide functions of Windows. Only the tool's command line spells them in the
// code page (pdf_standin.cpp).
#pragma once

#include <windows.h>

#include <stdio.h>

#include <string>

#include "shared.h"

std::wstring pathWide(const char* szPath); // empty when szPath is not UTF-8
std::string pathUtf8(const wchar_t* wszPath);
// wszPath into szPath (TANDREL_PATH_BYTES bytes): 0, and szPath empty, when it holds more
// characters than a path may (TANDREL_PATH_MAX - 1).
int pathFromWide(const wchar_t* wszPath, char* szPath);
// Its length as Windows counts it, in UTF-16 units: a letter outside the basic plane is two.
int pathChars(const char* szPath);
// The path exactly as the code page nCodePage spells it, into szOut (nOut bytes): 0 when it
// cannot (the name would come out with '?' or a look-alike letter in it).
int pathInCodePage(const char* szPath, char* szOut, int nOut, unsigned nCodePage);

// Its last part: the file's own name.
const char* pathFileName(const char* szPath);
// The folder it is in, without a separator at the end (empty when it names none).
std::string pathFolder(const char* szPath);
// Where its extension begins (its last dot in its own name), or its end when it has none.
size_t pathExtension(const std::string& path);
// The path with its extension replaced by szExtension (appended when it has none; "": removed).
std::string pathWithExtension(const std::string& path, const char* szExtension);

DWORD pathAttributes(const char* szPath); // INVALID_FILE_ATTRIBUTES when there is nothing
int pathExists(const char* szPath);
int pathIsFolder(const char* szPath);
int pathDelete(const char* szPath);
// Makes the folder: 1 when it made it, else 0 (GetLastError says why, ERROR_ALREADY_EXISTS too).
int pathMakeFolder(const char* szPath);
int pathRemoveFolder(const char* szPath); // only when empty
// The file szFrom takes the name szTo, replacing a file there, across volumes too.
int pathMove(const char* szFrom, const char* szTo);
// The same for a file made elsewhere in the program's stead: it takes the access rights it would
// have had if made at szTo (a move keeps its own): those of the file it replaces, else those its
// folder gives a new file.
int pathReplace(const char* szFrom, const char* szTo);
FILE* pathOpen(const char* szPath, const wchar_t* wszMode);
// The whole file szPath read into text, or written from it: 1 when it was.
int pathReadWhole(const char* szPath, std::string& text);
int pathWriteWhole(const char* szPath, const std::string& text);
// The shell's folder nFolder (CSIDL_...), in UTF-8; empty when it has none or it is too deep.
std::string pathShellFolder(int nFolder);
// 1 when the two names are the same, letter case aside, as the file system compares them.
int pathSameName(const char* szName1, const char* szName2);
// Text in the code page nCodePage (what the tool says, what a narrow box holds) in UTF-8.
std::string pathFromCodePage(const char* szText, unsigned nCodePage);
// A file time as one number, in 100 ns units.
ULONGLONG pathFileTime(const FILETIME& ft);
