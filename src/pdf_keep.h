// What a page edit's result keeps of its source: its bookmarks, moved to their pages' new places,
// and its document information, written onto the result by a second run of the tool.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pdf_command.h"
#include "pdf_outline.h"
#include "pdf_schedule.h"

// The file whose bookmarks and document information a result keeps, and where its pages went.
typedef struct {
    T_TOOL_INPUT source;    // that file, with the password it opened with
    std::vector<int> pages; // the source page of each page of the result, in order; 0: another's
    int bOutline;           // its bookmarks move onto the result; else the result's own stay
    std::string options;    // the security options the result is written with
    std::string passwd;     // the password the result opens with; empty when it has none
    // The source's data as read already, its file unchanged since (a copy: the window may forget
    // its own meanwhile); none: it is dumped.
    std::optional<T_DOC_DATA> known;
} T_KEEP;

// How the source's data came onto the result.
enum { KEEP_DONE, KEEP_FAILED, KEEP_STOPPED };

// The source's bookmarks and information written onto the result szOutput of the operation's input
// szInput, by the tool szTool run as where says: the source's data dumped and read (unless
// keep->known has it already), then written
// by a second run into a temporary file beside the result that then replaces it; nothing is run
// when the source has neither. KEEP_DONE; KEEP_STOPPED when a stop left a run unrun; KEEP_FAILED
// with why. Either way the result stays as the operation wrote it unless the data came onto it.
int pdfKeepSourceData(const T_SCHEDULE* where, const char* szTool, const T_KEEP* keep,
                      const char* szInput, const char* szOutput, T_RUN_RESULT* why);
// Each text of texts (pdfInfoText; empty: none) written onto the result of the same index of
// outputs, several at once as where says, each through an info file and a temporary file beside
// its result that then replaces it; the results open with passwd and are written again with
// options. For each, in kept: KEEP_DONE, KEEP_STOPPED (a stop left it unrun), or KEEP_FAILED with
// why in whys. Either way a result stays as it was unless its text came onto it.
int pdfWriteDataOnto(const T_SCHEDULE* where, const char* szTool, const std::string& passwd,
                     const std::string& options, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& texts, std::vector<int>& kept,
                     std::vector<T_RUN_RESULT>& whys);
// Wipes the passwords of keep.
int pdfWipeKeep(T_KEEP* keep);
