// One input's run, and the run that keeps its source's bookmarks and information.
#include "op.h"

#include "paths.h"

int opRunOne(T_INTERFACE* gui, const char* szInput, int bNamed, T_TOOL_COMMAND& c)
{
    std::vector<T_STEP> steps = {{szInput,
                                  pdfCommandLine(gui->szPathExe, c),
                                  c.output,
                                  "",
                                  bNamed ? 0 : TXT_FAIL_NO_NAME,
                                  "",
                                  {}}};
    pdfWipeCommand(&c);
    return uiRunSteps(gui, steps);
}

int opRunKeeping(T_INTERFACE* gui, const char* szInput, int bNamed, T_TOOL_COMMAND& c,
                 const std::vector<std::string>& alsoRead, T_KEEP* keep)
{
    std::string output = c.output;
    std::vector<T_STEP> steps = {{szInput, pdfCommandLine(gui->szPathExe, c), output, "",
                                  bNamed ? 0 : TXT_FAIL_NO_NAME, "", alsoRead}};
    pdfWipeCommand(&c);
    T_SCHEDULE where;
    uiSchedule(gui, &where);
    T_OUTCOME outcome = pdfRunSteps(&where, steps);
    T_RUN_RESULT why = {0, 0, std::string(), std::string()};
    int nKept = outcome.nWritten == 1
                    ? pdfKeepSourceData(&where, gui->szPathExe, keep, szInput, output.c_str(), &why)
                    : KEEP_DONE;
    pdfWipeKeep(keep);
    // Written, but stopped before its bookmarks were: the status bar says it was stopped.
    outcome.bStopped |= nKept == KEEP_STOPPED;
    uiShowOutcome(gui, steps, outcome);
    if (nKept != KEEP_FAILED || action.bClose || pdfSessionEnding())
        return 0;
    std::string text = pdfFailuresText(uiText(gui, TXT_MSG_KEPT_WITHOUT).c_str(),
                                       uiText(gui, TXT_MSG_FAILED_MORE).c_str(), {szInput},
                                       {pdfRunWhy(uiText(gui, why.nText).c_str(), why)});
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}
