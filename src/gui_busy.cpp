// The window while one of its actions runs: it answers, holds back the input meant for its
// controls, shows the progress and then what the operation came to.
#include "gui_busy.h"

#include "paths.h"
#include "pdf_text.h"
#include "pdf_tool.h"

T_ACTION action;

static T_INTERFACE* pBusyGui; // the window uiLendWindow lent to the runner

// Input held back while the tool works, so that nothing the user clicks or types meanwhile runs
// now or later: every click and key meant for the controls. The window itself can still be
// moved, minimised and closed, and so can the Close button be pressed; Escape starts no further
// input of the operation.
static int HeldBack(T_INTERFACE* gui, const MSG* m)
{
    int bKey = m->message >= WM_KEYFIRST && m->message <= WM_KEYLAST;
    int bClick = m->message >= WM_LBUTTONDOWN && m->message <= WM_MOUSELAST;
    if (!bKey && !bClick)
        return 0;
    if (m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE)
        pdfStopAfterCurrent();
    // Alt+F4 and Alt+Space reach the window through the system keys.
    if (m->message == WM_SYSKEYDOWN || m->message == WM_SYSKEYUP || m->message == WM_SYSCHAR)
        return 0;
    return m->hwnd != gui->BtnAppClose.hdl || !gui->BtnAppClose.hdl;
}

int uiHoldSessionEnd(T_INTERFACE* gui)
{
    WCHAR wszReason[TANDREL_PATH_MAX] = {0};
    uiWideText(gui->szLang[TXT_SHUTDOWN_REASON], wszReason, TANDREL_PATH_MAX);
    action.bEndBlocked = ShutdownBlockReasonCreate(gui->hWnd, wszReason) != FALSE;
    return 0;
}

int uiLetSessionEnd(T_INTERFACE* gui)
{
    if (action.bEndBlocked)
        ShutdownBlockReasonDestroy(gui->hWnd);
    action.bEndBlocked = 0;
    return 0;
}

static int AnswerWhileBusy(void)
{
    // The inputs under way have finished: the session may end now.
    if (pBusyGui && action.bEndBlocked && !pdfToolRunning())
        uiLetSessionEnd(pBusyGui);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) { // for the main loop, once the tool has ended
            PostQuitMessage((int)msg.wParam);
            return 0;
        }
        if (pBusyGui && HeldBack(pBusyGui, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

// The status bar says that a large file is copied for the tool, which takes a while.
static int ShowCopying(const char* szFile)
{
    std::string text =
        pdfFillText(uiText(pBusyGui, TXT_STATUS_COPYING).c_str(), {pathFileName(szFile)});
    uiSetStatus(pBusyGui, text.c_str());
    return 0;
}

int uiLendWindow(T_INTERFACE* gui)
{
    pBusyGui = gui;
    pdfLendWindow(AnswerWhileBusy, ShowCopying);
    return 0;
}

static int ShowProgress(int nDone, int nSteps, const char* szInput)
{
    std::string text =
        pdfFillText(uiText(pBusyGui, TXT_STATUS_PROGRESS).c_str(),
                    {std::to_string(nDone), std::to_string(nSteps), pathFileName(szInput)});
    uiSetStatus(pBusyGui, text.c_str());
    return 0;
}

int uiShowOutcome(T_INTERFACE* gui, const std::vector<T_STEP>& steps, const T_OUTCOME& outcome)
{
    if (outcome.nSteps == 0)
        return 0;
    std::string status =
        pdfFillText(uiText(gui, outcome.bStopped ? TXT_STATUS_STOPPED : TXT_STATUS_DONE).c_str(),
                    {std::to_string(outcome.nWritten), std::to_string(outcome.nSteps)});
    uiSetStatus(gui, status.c_str());
    // Nothing is said to a user who is closing the window, nor while the session ends.
    if (outcome.nFailed == 0 || action.bClose || pdfSessionEnding())
        return 0;
    std::vector<std::string> inputs, whys;
    for (size_t i = 0; i < steps.size() && i < outcome.results.size(); ++i) {
        inputs.push_back(steps[i].input);
        const T_RUN_RESULT& r = outcome.results[i];
        whys.push_back(r.nText ? pdfRunWhy(uiText(gui, r.nText).c_str(), r) : std::string());
    }
    std::string text = pdfFailuresText(uiText(gui, TXT_MSG_FAILED).c_str(),
                                       uiText(gui, TXT_MSG_FAILED_MORE).c_str(), inputs, whys);
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return 0;
}

int uiSchedule(T_INTERFACE* gui, T_SCHEDULE* where)
{
    char szToolDir[TANDREL_PATH_BYTES];
    const char* szWorkDir = pdfToolWorkDir(gui->szPathExe, gui->szPathDir, szToolDir);
    *where = {szWorkDir ? szWorkDir : "", ShowProgress};
    return 0;
}

int uiRunSteps(T_INTERFACE* gui, std::vector<T_STEP>& steps)
{
    T_SCHEDULE where;
    uiSchedule(gui, &where);
    T_OUTCOME outcome = pdfRunSteps(&where, steps);
    return uiShowOutcome(gui, steps, outcome);
}
