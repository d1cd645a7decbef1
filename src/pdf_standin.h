// Names the tool can take: a path of its command line that the code page cannot spell is given to
// it, for the run, under a stand-in name in the program's private folder, and what the run wrote
// then takes the real name.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// The paths of a command line, as the program keeps them (UTF-8).
typedef struct {
    std::vector<std::string> reads; // the files the tool reads
    std::string writes;             // the file it writes; empty: none
    std::string folder;             // the folder it runs in and writes into; empty: none
} T_TOOL_PATHS;

enum { STAND_IN_READ, STAND_IN_WRITE, STAND_IN_FOLDER };

// A path of a run that the tool knows under another name.
typedef struct {
    int nRole;           // STAND_IN_...
    std::string real;    // the user's path
    std::string standIn; // the name the tool is given, one the code page spells
    int bBeside;         // a written file's name beside its real one (another volume)
} T_STAND_IN;

// The stand-in of the path szReal in szDir (ending in a separator): "in", "out" or "dir" by its
// role, then nId; a file keeps the real name's extension when it is short and plain ASCII.
std::string pdfStandInName(const char* szDir, int nRole, unsigned nId, const char* szReal);
// cmd with every occurrence of each names[i].first replaced by names[i].second, in one pass from
// the left: a text put in is never looked at again.
std::string pdfReplaceNames(const std::string& cmd,
                            const std::vector<std::pair<std::string, std::string>>& names);

// What the runner lends the stand-ins while a file is copied for the tool, which may take a
// while: pGoOn lets the window answer, and says whether to go on (0: the session ends); pNote
// tells the user that the file szName is copied. Either may be null.
typedef struct {
    int (*pGoOn)(void);
    int (*pNote)(const char* szName);
} T_COPY_HOOKS;

// The command line toolCmd the tool is given for cmd, whose paths (quoted by pdfQuoteArg) are
// those of paths: each in the code page when it spells it exactly, else under a stand-in made now
// (a file read: a hard link to it, else a copy; a file written: a free name, in the result's own
// folder when that is on another volume; the folder: a new one, which toolDir then names; else
// toolDir is that folder in the code page). 1, or 0 with Windows' error in *pError, nothing made.
int pdfGiveNames(const std::string& cmd, const T_TOOL_PATHS& paths, const T_COPY_HOOKS* hooks,
                 std::string& toolCmd, std::string& toolDir, std::vector<T_STAND_IN>& standIns,
                 DWORD* pError);
// After a run that ended well: what it wrote under stand-ins takes the real names, replacing what
// is there (the files written into a stand-in folder go into the real one). 1, or 0 with Windows'
// error in *pError when one could not.
int pdfPlaceResults(const std::vector<T_STAND_IN>& standIns, DWORD* pError);
// Removes every stand-in of the run, and the private folder once empty.
int pdfRemoveStandIns(std::vector<T_STAND_IN>& standIns);
// A file the tool attaches, under the name it gets inside the document: like, the path szReal
// itself when the code page spells it, else a link to it (a copy on another volume) in a new
// folder of the private one, named as the code page spells its name most closely ("Lodz.txt" for
// "Łódź.txt"). 1, or 0 with Windows' error in *pError. What it makes goes into made, for
// pdfRemoveStandIns.
int pdfLikeNamed(const char* szReal, std::string& like, std::vector<T_STAND_IN>& made,
                 DWORD* pError);
// Removes the private folders left by programs that were killed: at start, when none of this
// program's is in use.
int pdfRemoveLeftStandIns(void);
