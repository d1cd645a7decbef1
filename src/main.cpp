// Entry point and the main window's procedure: every event becomes one action.
#include "gui.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include "op.h"
#include "paths.h"
#include "pdf_temp.h"
#include "resource.h"

const WCHAR* appCommandLine = nullptr;

// The window's own message, posted as it is created: the paths of the command line are opened
// once the window is shown, so that a message about them has its window.
#define WM_APP_OPEN_ARGUMENTS (WM_APP + 1)

int appInitRecord(HINSTANCE hInst)
{
    gui.hInst = hInst;
    gui.szLang = szLang_fr;
    // A name cut to the buffer would be another folder's; a name the code page cannot spell is
    // kept whole.
    WCHAR wszSelf[TANDREL_PATH_MAX] = {0};
    DWORD nLen = GetModuleFileNameW(hInst, wszSelf, TANDREL_PATH_MAX);
    char szSelf[TANDREL_PATH_BYTES] = {0};
    std::string folder = nLen > 0 && nLen < TANDREL_PATH_MAX && pathFromWide(wszSelf, szSelf)
                             ? pathFolder(szSelf)
                             : std::string();
    memcpy(gui.szPathDir, folder.c_str(), folder.size() + 1);
    cfgInitPath(&gui);
    gui.szPathExe[0] = 0;
    uiFindTool(&gui);
    uiLendWindow(&gui);
    pdfRemoveOldTemp(); // what a TANDREL that was killed left
    pdfRemoveLeftStandIns();
    pdfRemoveJournaled();
    return 0;
}

int appRegisterClass(HINSTANCE hInst)
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WinMainProc;
    wc.hInstance = hInst;
    wc.hIcon = LoadIconA(gui.hInst, MAKEINTRESOURCEA(IDI_TANDREL));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(INT_PTR)(COLOR_SCROLLBAR + 1);
    wc.lpszClassName = WINDOW_CLASS;
    return RegisterClassA(&wc) ? 1 : 0;
}

int WINAPI WinMain(HINSTANCE hThisInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    (void)lpCmdLine; // read wide, so that no name is lost to the code page before it is looked at
    appCommandLine = GetCommandLineW();
    appInitRecord(hThisInstance);
    if (!appRegisterClass(hThisInstance))
        return 0;
    HWND hWnd =
        CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, gui.w, gui.h, nullptr, nullptr, hThisInstance, nullptr);
    if (!hWnd)
        return 0;
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (appTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

int appTranslateMessage(MSG* msg)
{
    if (!gui.hWnd || (msg->hwnd != gui.hWnd && !IsChild(gui.hWnd, msg->hwnd)))
        return 0;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        int nStep = GetKeyState(VK_SHIFT) < 0 ? TAB_COUNT - 1 : 1; // the page before, or after
        uiSelectTab(&gui, (uiSelectedTab(&gui) + nStep) % TAB_COUNT);
        return 1;
    }
    // Enter presses the push button with the focus, as Space does; the window has no default
    // button for it to press otherwise.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
        (SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, 0) &
         (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)msg->hwnd);
        return 1;
    }
    // The window is no dialog, but its controls are moved through as a dialog's are.
    return IsDialogMessageA(gui.hWnd, msg) ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------

static LRESULT OnCreate(HWND hWnd)
{
    gui.hWnd = hWnd;
    action = T_ACTION(); // whatever a window before it went through
    pdfNewSession();
    uiCreateControls(&gui);
    uiInitControls(&gui);
    cfgLoadSettings(&gui, &guicfg);
    SendMessageA(gui.CboLang.hdl, CB_SETCURSEL, guicfg.lang, 0);
    uiApplyText(&gui, guicfg.lang == LNG_ENGLISH ? szLang_en : szLang_fr);
    SendMessageA(gui.CboZoom.hdl, CB_SETCURSEL, guicfg.zoom, 0);
    gui.nDpi = uiWindowDpi(hWnd);
    ResizeGui(&gui, uiScaleFactor(guicfg.zoom, gui.nDpi));
    DragAcceptFiles(hWnd, TRUE);
    // Busy until the command line's paths are taken, which its action says once it has run.
    SetPropA(hWnd, BUSY_PROPERTY, (HANDLE)1);
    PostMessageA(hWnd, WM_APP_OPEN_ARGUMENTS, 0, 0);
    return 0;
}

typedef int (*T_GUI_ACTION)(T_INTERFACE*);

typedef struct {
    T_ELEMENT T_INTERFACE::*pControl;
    T_GUI_ACTION pAction;
} T_DISPATCH;

// Buttons and the operation each runs, in the order they are compared.
// clang-format off
static const T_DISPATCH buttons[] = {
    {&T_INTERFACE::BtnEncrypt, EncryptPDF},
    {&T_INTERFACE::BtnBurst, BurstPDF},
    {&T_INTERFACE::BtnDumpData, DumpPDFData},
    {&T_INTERFACE::BtnBackground, BackgroundPDF},
    {&T_INTERFACE::BtnRepair, RepairPDF},
    {&T_INTERFACE::BtnCompress, CompressPDF},
    {&T_INTERFACE::BtnUncompress, UncompressPDF},
    {&T_INTERFACE::BtnDumpDataFields, DumpPDFFields},
    {&T_INTERFACE::BtnDecrypt, DecryptPDF},
    {&T_INTERFACE::BtnCat, CatPDF},
    {&T_INTERFACE::BtnDelete, DeletePagesPDF},
    {&T_INTERFACE::BtnJoin, JoinPDF},
    {&T_INTERFACE::BtnPDFSource, OpenOnePdfFile},
    {&T_INTERFACE::BtnAddPdfToList, AddPdfToList},
    {&T_INTERFACE::BtnAddDirToList, AddDirPdfToList},
    {&T_INTERFACE::BtnRemovePdfFromList, uiRemoveListed},
    {&T_INTERFACE::BtnUpPdfInList, uiMoveListedUp},
    {&T_INTERFACE::BtnDownPdfInList, uiMoveListedDown},
    {&T_INTERFACE::BtnPagesSource, uiChoosePagesSource},
    {&T_INTERFACE::BtnBacks, uiChooseBacks},
    {&T_INTERFACE::BtnInterleave, InterleavePDF},
    {&T_INTERFACE::BtnRotate, RotatePagesPDF},
    {&T_INTERFACE::BtnTakePages, TakePagesPDF},
    {&T_INTERFACE::BtnDocSource, uiChooseDocument},
    {&T_INTERFACE::BtnSaveInfo, SaveInfoPDF},
    {&T_INTERFACE::BtnSplit, SplitPDF},
    {&T_INTERFACE::BtnAttach, AttachPDF},
    {&T_INTERFACE::BtnExtract, ExtractPDF},
};
// clang-format on

static void OnLanguageChange(void)
{
    LRESULT nSel = SendMessageA(gui.CboLang.hdl, CB_GETCURSEL, 0, 0);
    if (nSel == LNG_FRENCH || nSel == LNG_ENGLISH) {
        guicfg.lang = (unsigned char)nSel;
        uiApplyText(&gui, nSel == LNG_ENGLISH ? szLang_en : szLang_fr);
    }
}

static void OnZoomChange(void)
{
    LRESULT nSel = SendMessageA(gui.CboZoom.hdl, CB_GETCURSEL, 0, 0);
    if (nSel < 0 || nSel > ZOOM_STEP_MAX)
        return; // nothing selected: the zoom stays as it is
    guicfg.zoom = (unsigned char)nSel;
    ResizeGui(&gui, uiScaleFactor(guicfg.zoom, gui.nDpi));
}

// The action of the control hSender, if it has one.
static void RunAction(HWND hSender, WPARAM wParam)
{
    CheckPermissions(&gui, hSender); // the boxes update one another first
    for (const T_DISPATCH& d : buttons) {
        if (hSender == (gui.*d.pControl).hdl)
            d.pAction(&gui);
    }
    if (hSender == gui.CboLang.hdl && HIWORD(wParam) == CBN_SELCHANGE)
        OnLanguageChange();
    if (hSender == gui.CboZoom.hdl && HIWORD(wParam) == CBN_SELCHANGE)
        OnZoomChange();
}

// Runs one action of the window at a time: while the tool works the window answers, but no
// other action starts, whatever route it comes by. A close asked for meanwhile comes after it.
static void RunAlone(HWND hWnd, void (*pAction)(HWND, WPARAM), HWND hSender, WPARAM wParam)
{
    if (action.bBusy)
        return;
    action.bBusy = 1;
    SetPropA(hWnd, BUSY_PROPERTY, (HANDLE)1);
    pdfNewOperation(); // a stop asked for from now on is this action's
    pAction(hSender, wParam);
    action.bBusy = 0;
    RemovePropA(hWnd, BUSY_PROPERTY);
    uiLetSessionEnd(&gui); // nothing more to finish
    if (action.bClose) {
        action.bClose = 0;
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
}

static LRESULT OnCommand(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    HWND hSender = (HWND)lParam;
    if (!hSender)
        return 0; // menus and accelerators: the window has none
    // Also during an operation: it then stops after the input being worked on.
    if (hSender == gui.BtnAppClose.hdl)
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    RunAlone(hWnd, RunAction, hSender, wParam);
    return 0;
}

static LRESULT OnNotify(LPARAM lParam)
{
    const NMHDR* pHdr = (const NMHDR*)lParam;
    if (!pHdr || pHdr->code != (UINT)TCN_SELCHANGE || action.bBusy)
        return 0;
    // Chosen with the arrow keys, the page is shown and the tabs keep the focus for the next
    // key; clicked, it gets the focus.
    if (uiTabsHaveFocus(&gui))
        uiShowPage(&gui);
    else
        uiShowSelectedPage(&gui);
    return 0;
}

static void DropAction(HWND, WPARAM wParam)
{
    uiDropFiles(&gui, (HDROP)wParam);
}

static LRESULT OnDropFiles(HWND hWnd, WPARAM wParam)
{
    RunAlone(hWnd, DropAction, nullptr, wParam);
    DragFinish((HDROP)wParam);
    return 0;
}

// The paths after the program's own name on its command line.
static void ArgumentsAction(HWND, WPARAM)
{
    int nArgs = 0;
    LPWSTR* argv = appCommandLine ? CommandLineToArgvW(appCommandLine, &nArgs) : nullptr;
    std::vector<std::wstring> args;
    for (int i = 1; i < nArgs; ++i)
        args.push_back(argv[i]);
    LocalFree(argv);
    if (!args.empty())
        uiOpenPaths(&gui, args);
}

// The control that had the focus when the window was last left, which gets it back.
static HWND hFocusKept = nullptr;

static LRESULT OnActivate(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    HWND hFocus = GetFocus();
    if (LOWORD(wParam) == WA_INACTIVE && hFocus && IsChild(hWnd, hFocus))
        hFocusKept = hFocus;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Asked to move the focus as a dialog is (IsDialogMessage asks a dialog so for Tab): to the
// control wParam names (lParam non-zero), or to the next or, wParam non-zero, the previous one.
static LRESULT OnNextControl(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    HWND h = LOWORD(lParam) ? (HWND)wParam : GetNextDlgTabItem(hWnd, GetFocus(), wParam != 0);
    if (h)
        SetFocus(h);
    return 0;
}

// The window itself takes no keys: the focus goes on to a control, never to a hidden one.
static LRESULT OnSetFocus(void)
{
    HWND h = hFocusKept;
    bool bBack = h && IsChild(gui.hWnd, h) && IsWindowVisible(h) && IsWindowEnabled(h);
    SetFocus(bBack ? h : uiFirstControlOfPage(&gui));
    return 0;
}

static LRESULT OnClose(HWND hWnd)
{
    // The operation under way stops after its input; the window closes once it has.
    if (action.bBusy) {
        pdfStopAfterCurrent();
        action.bClose = 1;
        return 0;
    }
    cfgSaveSettings(&gui, &guicfg);
    DestroyWindow(hWnd);
    return 1;
}

// Windows asks whether the session may end. Not in the middle of an input: the inputs under way
// finish, the others wait until Windows says whether the session ends, and Windows shows why it
// waits while a tool runs. A message box or a dialog alone holds nothing back.
static LRESULT OnQueryEndSession(void)
{
    if (!action.bBusy || !pdfToolRunning())
        return TRUE;
    pdfHoldForSession(1);
    uiHoldSessionEnd(&gui);
    return FALSE;
}

// The session ends, or not (wParam FALSE: the operation goes on, unless the user stopped it).
// Once it ends the program may be ended at any moment: a run still under way is ended and what
// it began to write removed, and the settings are kept, without a message nobody would read.
static LRESULT OnEndSession(WPARAM wParam)
{
    if (!wParam) {
        pdfHoldForSession(0);
        uiLetSessionEnd(&gui);
        return 0;
    }
    if (action.bBusy)
        pdfEndSession();
    cfgWriteSettings(&gui, &guicfg);
    return 0;
}

// The window's size at the DPI nDpi, for the rectangle Windows suggests when it moves there.
static LRESULT OnGetDpiScaledSize(WPARAM nDpi, LPARAM lParam)
{
    SIZE* pSize = (SIZE*)lParam;
    double factor = uiScaleFactor(guicfg.zoom, (int)nDpi);
    pSize->cx = uiScaleValue(gui.w, factor);
    pSize->cy = uiScaleValue(gui.h, factor);
    return TRUE;
}

// Moved to a screen of another DPI: laid out again for it, in the rectangle Windows suggests.
// The zoom step keeps its meaning: 100 % is the screen's own size.
static LRESULT OnDpiChanged(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    gui.nDpi = LOWORD(wParam);
    ResizeGui(&gui, uiScaleFactor(guicfg.zoom, gui.nDpi));
    const RECT* r = (const RECT*)lParam;
    SetWindowPos(hWnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

static LRESULT OnDestroy(HWND hWnd)
{
    RemovePropA(hWnd, BUSY_PROPERTY);
    uiReleaseFont();
    PostQuitMessage(0);
    return 0;
}

LRESULT CALLBACK WinMainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate(hWnd);
    case WM_COMMAND:
        return OnCommand(hWnd, wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(lParam);
    case WM_DROPFILES:
        return OnDropFiles(hWnd, wParam);
    case WM_APP_OPEN_ARGUMENTS:
        RunAlone(hWnd, ArgumentsAction, nullptr, 0);
        return 0;
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(wParam, lParam);
    case WM_DPICHANGED:
        return OnDpiChanged(hWnd, wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(hWnd, uMsg, wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus();
    case WM_NEXTDLGCTL:
        return OnNextControl(hWnd, wParam, lParam);
    case WM_CLOSE:
        return OnClose(hWnd);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        return OnEndSession(wParam);
    case WM_DESTROY:
        return OnDestroy(hWnd);
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
