// What a page edit's result keeps of its source: its bookmarks, moved to their pages' new places,
// and its document information, written onto the result by a second run of the tool.
#pragma once

#include <string>
#include <vector>

#include "pdf_command.h"
#include "pdf_schedule.h"

// The file whose bookmarks and document information a result keeps, and where its pages went.
typedef struct {
    T_TOOL_INPUT source;    // that file, with the password it opened with
    std::vector<int> pages; // the source page of each page of the result, in order; 0: another's
    int bOutline;           // its bookmarks move onto the result; else the result's own stay
    std::string options;    // the security options the result is written with
    std::string passwd;     // the password the result opens with; empty when it has none
} T_KEEP;

// How the source's data came onto the result.
enum { KEEP_DONE, KEEP_FAILED, KEEP_STOPPED };

// The source's bookmarks and information written onto the result szOutput of the operation's input
// szInput, by the tool szTool run as where says: the source's data dumped and read, then written
// by a second run into a temporary file beside the result that then replaces it; nothing is run
// when the source has neither. KEEP_DONE; KEEP_STOPPED when a stop left a run unrun; KEEP_FAILED
// with why. Either way the result stays as the operation wrote it unless the data came onto it.
int pdfKeepSourceData(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                      const char* szInput, const char* szOutput, T_RUN_RESULT* why);
// Wipes the passwords of keep.
int pdfWipeKeep(T_KEEP* keep);
