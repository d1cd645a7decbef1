// The main window's controls: their kinds, the table they are created from, their font, and the
// one relayout at a scale.
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>

#include "obj.h"
#include "paths.h"

enum {
    KIND_GROUP,
    KIND_RADIO,
    KIND_CHECK,
    KIND_BUTTON,
    KIND_LABEL,
    KIND_TOOL,
    KIND_PASSWORD,
    KIND_RANGES,
    KIND_PATH,
    KIND_PAGES,
    KIND_SETTING,
    KIND_LIST,
    KIND_FILES
};

typedef struct {
    const char* szClass;
    DWORD dwExStyle;
    DWORD dwStyle; // without WS_VISIBLE
    int bWide;     // a wide control, which shows every name: a path box or the file list
} T_KIND;

// Every control that takes input is a tab stop, and each starts a group of its own for the arrow
// keys; a radio button has WS_TABSTOP while it is the checked one of its group (the button keeps
// that itself), and only the first of a group starts it.
#define KEYS_STOP (WS_TABSTOP | WS_GROUP)

// clang-format off
static const T_KIND kinds[] = {
    /* KIND_GROUP    */ {"BUTTON",   0,                WS_CHILD | WS_GROUP | BS_GROUPBOX, 0},
    /* KIND_RADIO    */ {"BUTTON",   0,                WS_CHILD | BS_AUTORADIOBUTTON, 0},
    /* KIND_CHECK    */ {"BUTTON",   0,                WS_CHILD | KEYS_STOP | BS_AUTOCHECKBOX, 0},
    /* KIND_BUTTON   */ {"BUTTON",   0,                WS_CHILD | KEYS_STOP | BS_PUSHBUTTON, 0},
    /* KIND_LABEL    */ {"STATIC",   0,                WS_CHILD | WS_GROUP | SS_LEFT, 0},
    // A path on one line, shortened in its middle where it is too long; an & is no mnemonic.
    /* KIND_TOOL     */ {"STATIC",   0,                WS_CHILD | WS_GROUP | SS_LEFT |
                                                       SS_NOPREFIX | SS_PATHELLIPSIS, 0},
    /* KIND_PASSWORD */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL, 0},
    /* KIND_RANGES   */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL, 0},
    /* KIND_PATH     */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL | ES_READONLY, 1},
    /* KIND_PAGES    */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST, 0},
    /* KIND_SETTING  */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0},
    /* KIND_LIST     */ {"LISTBOX",  WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       WS_HSCROLL | LBS_DISABLENOSCROLL |
                                                       LBS_MULTIPLESEL, 0},
    /* KIND_FILES    */ {"LISTBOX",  WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       WS_HSCROLL | LBS_DISABLENOSCROLL |
                                                       LBS_MULTIPLESEL, 1},
};
// clang-format on

// The first radio button of each group.
static const T_ELEMENT T_INTERFACE::*const radioGroups[] = {&T_INTERFACE::OptEncrypt40,
                                                            &T_INTERFACE::OptCatAll};

enum { HIDDEN, VISIBLE };
enum { IN_WINDOW, IN_FRAME_ENCRYPT };

typedef struct {
    T_ELEMENT T_INTERFACE::*pElement;
    int nKind;
    int nVisible; // VISIBLE: shown from the start
    int nParent;  // IN_FRAME_ENCRYPT: inside the encryption group box
} T_CONTROL;

// Every control but the tab control, in creation order: the field order of the record, except
// that a label comes before its box, "Add dir." before "Add", and the About text last.
// clang-format off
static const T_CONTROL controls[] = {
    {&T_INTERFACE::FrameEncrypt,         KIND_GROUP,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::OptEncrypt40,         KIND_RADIO,    VISIBLE, IN_FRAME_ENCRYPT},
    {&T_INTERFACE::OptEncrypt128,        KIND_RADIO,    VISIBLE, IN_FRAME_ENCRYPT},
    {&T_INTERFACE::FrameAuth,            KIND_GROUP,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthAll,           KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthPrintTop,      KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthPrintLow,      KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthModify,        KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthAssembly,      KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthCopy,          KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthRead,          KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthCreate,        KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ChkAuthFillin,        KIND_CHECK,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::FramePasswd,          KIND_GROUP,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticPasswdUser,     KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::EditPasswdUser,       KIND_PASSWORD, VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticPasswdOwner,    KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::EditPasswdOwner,      KIND_PASSWORD, VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnEncrypt,           KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnBurst,             KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnDumpData,          KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnBackground,        KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnCompress,          KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnUncompress,        KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnRepair,            KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnDumpDataFields,    KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnAppClose,          KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticPDFSource,      KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::EditPDFSource,        KIND_PATH,     VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnPDFSource,         KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnDecrypt,           KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::FrameCat,             KIND_GROUP,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticCatFrom,        KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::CboCatFrom,           KIND_PAGES,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticCatTo,          KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::CboCatTo,             KIND_PAGES,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::OptCatAll,            KIND_RADIO,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::OptCatEven,           KIND_RADIO,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::OptCatOdd,            KIND_RADIO,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnCat,               KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::FrameDelete,          KIND_GROUP,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ListDelete,           KIND_LIST,     VISIBLE, IN_WINDOW},
    {&T_INTERFACE::StaticDelete,         KIND_LABEL,    VISIBLE, IN_WINDOW},
    {&T_INTERFACE::BtnDelete,            KIND_BUTTON,   VISIBLE, IN_WINDOW},
    {&T_INTERFACE::ListPdfFiles,         KIND_FILES,     HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnJoin,              KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnAddDirToList,      KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnAddPdfToList,      KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnRemovePdfFromList, KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnUpPdfInList,       KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnDownPdfInList,     KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticPagesSource,    KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::EditPagesSource,      KIND_PATH,     HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnPagesSource,       KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::FrameInterleave,      KIND_GROUP,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticBacks,          KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::EditBacks,            KIND_PATH,     HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnBacks,             KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::ChkBacksReverse,      KIND_CHECK,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnInterleave,        KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::FrameRanges,          KIND_GROUP,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticRanges,         KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::EditRanges,           KIND_RANGES,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticTurn,           KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::CboTurn,              KIND_SETTING,  HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnRotate,            KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::BtnTakePages,         KIND_BUTTON,   HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticLang,           KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::CboLang,              KIND_SETTING,  HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticZoom,           KIND_LABEL,    HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::CboZoom,              KIND_SETTING,  HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticTool,           KIND_TOOL,     HIDDEN,  IN_WINDOW},
    {&T_INTERFACE::StaticAbout,          KIND_LABEL,    HIDDEN,  IN_WINDOW},
};
// clang-format on

// The items of the language list, by language index; the same in both languages.
// clang-format off
static const char* const szLanguages[] = {"Fran\xE7" "ais", "English"};
// clang-format on

// The font every control shows; replaced, and the old one released, at each zoom.
static HFONT hControlFont = nullptr;

static HFONT uiCreateFont(int nHeight)
{
    return CreateFontA(nHeight, 0, 0, 0, FW_MEDIUM, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Microsoft Sans Serif");
}

static void uiSetFontOfChildren(HWND hParent, HFONT hFont)
{
    for (HWND h = GetWindow(hParent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        SendMessageA(h, WM_SETFONT, (WPARAM)hFont, 0);
}

// Gives every control hFont and releases the font it replaces, which no control uses any more.
static void uiReplaceFont(T_INTERFACE* gui, HFONT hFont)
{
    uiSetFontOfChildren(gui->hWnd, hFont);
    uiSetFontOfChildren(gui->FrameEncrypt.hdl, hFont);
    if (hControlFont && hControlFont != hFont)
        DeleteObject(hControlFont);
    hControlFont = hFont;
}

int uiReleaseFont(void)
{
    if (hControlFont)
        DeleteObject(hControlFont);
    hControlFont = nullptr;
    return 0;
}

// The tab control, with one tab per page; their labels come with the texts.
static void CreateTabs(T_INTERFACE* gui)
{
    gui->Tabs.hdl = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | KEYS_STOP,
                                    gui->Tabs.x, gui->Tabs.y, gui->Tabs.w, gui->Tabs.h, gui->hWnd,
                                    nullptr, gui->hInst, nullptr);
    char szBlank[] = " ";
    for (int i = 0; i < TAB_COUNT; ++i) {
        TCITEMA tie = {};
        tie.mask = TCIF_TEXT;
        tie.pszText = szBlank;
        SendMessageA(gui->Tabs.hdl, TCM_INSERTITEMA, (WPARAM)i, (LPARAM)&tie);
    }
}

// What a control of the kind nKind holds from the start: the limits of the boxes, the items of
// the settings lists.
static void FillControl(T_INTERFACE* gui, T_ELEMENT* e, int nKind)
{
    if (nKind == KIND_PASSWORD) {
        // What is typed reaches the tool whole: no more than its encryption keeps.
        SendMessageA(e->hdl, EM_LIMITTEXT, TANDREL_PASSWD_LEN, 0);
    } else if (nKind == KIND_RANGES) {
        SendMessageA(e->hdl, EM_LIMITTEXT, TANDREL_RANGE_MAX - 1, 0); // read whole
    } else if (e == &gui->CboLang) {
        for (const char* szLanguage : szLanguages)
            SendMessageA(e->hdl, CB_ADDSTRING, 0, (LPARAM)szLanguage);
    } else if (e == &gui->CboZoom) {
        for (int i = 0; i <= ZOOM_STEP_MAX; ++i) {
            char szItem[8];
            snprintf(szItem, sizeof(szItem), "%d%%", 100 + 10 * i);
            SendMessageA(e->hdl, CB_ADDSTRING, 0, (LPARAM)szItem);
        }
    }
}

// A control of the kind k at the place of e, at 100 %.
static HWND CreateOfKind(const T_KIND& k, DWORD dwExStyle, DWORD dwStyle, const T_ELEMENT* e,
                         HWND hParent, HINSTANCE hInst)
{
    if (k.bWide)
        return CreateWindowExW(dwExStyle, pathWide(k.szClass).c_str(), nullptr, dwStyle, e->x, e->y,
                               e->w, e->h, hParent, nullptr, hInst, nullptr);
    return CreateWindowExA(dwExStyle, k.szClass, nullptr, dwStyle, e->x, e->y, e->w, e->h, hParent,
                           nullptr, hInst, nullptr);
}

int uiCreateControls(T_INTERFACE* gui)
{
    InitCommonControls();
    HFONT hFont = uiCreateFont(FONT_HEIGHT);
    gui->Status.hdl = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, nullptr, gui->hWnd, (UINT)-1);
    CreateTabs(gui);
    for (const T_CONTROL& c : controls) {
        const T_KIND& k = kinds[c.nKind];
        T_ELEMENT* e = &(gui->*c.pElement);
        HWND hParent = c.nParent == IN_FRAME_ENCRYPT ? gui->FrameEncrypt.hdl : gui->hWnd;
        DWORD dwStyle = k.dwStyle | (c.nVisible == VISIBLE ? WS_VISIBLE : 0);
        for (const T_ELEMENT T_INTERFACE::*pFirst : radioGroups)
            dwStyle |= c.pElement == pFirst ? WS_GROUP : 0;
        // The Tab key goes on into the controls the encryption group box holds.
        DWORD dwExStyle = k.dwExStyle | (e == &gui->FrameEncrypt ? WS_EX_CONTROLPARENT : 0);
        e->hdl = CreateOfKind(k, dwExStyle, dwStyle, e, hParent, gui->hInst);
        FillControl(gui, e, c.nKind);
    }
    // The Tab key follows the window order: the left-hand panel, then the tab control, then the
    // page, which lies over the tab control and so must stay after it.
    SetWindowPos(gui->Tabs.hdl, gui->BtnAppClose.hdl, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    uiReplaceFont(gui, hFont);
    return 0;
}

int uiInitControls(T_INTERFACE* gui)
{
    SendMessageA(gui->OptEncrypt128.hdl, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(gui->OptCatAll.hdl, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(gui->ChkBacksReverse.hdl, BM_SETCHECK, BST_CHECKED, 0); // as a feeder scans
    return 0;
}

int ResizeGui(T_INTERFACE* gui, double ratio)
{
    // One repaint for the whole relayout instead of one per control: the controls are moved
    // without it. No redraw switch on the window itself, which would show it before it is shown.
    SetWindowPos(gui->hWnd, nullptr, 0, 0, uiScaleValue(gui->w, ratio), uiScaleValue(gui->h, ratio),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeElement(&gui->Tabs, ratio);
    for (const T_CONTROL& c : controls)
        ResizeElement(&(gui->*c.pElement), ratio);
    uiReplaceFont(gui, uiCreateFont(uiScaleValue(FONT_HEIGHT, ratio)));
    // A list box rounds its height down to whole lines of its font, but only when its size
    // changes: placed off by a pixel first, it rounds with the new font whatever came before.
    for (T_ELEMENT* e : {&gui->ListDelete, &gui->ListPdfFiles}) {
        MoveWindow(e->hdl, uiScaleValue(e->x, ratio), uiScaleValue(e->y, ratio),
                   uiScaleValue(e->w, ratio), uiScaleValue(e->h, ratio) - 1, FALSE);
        ResizeElement(e, ratio);
    }
    // The paths keep their whole width in scroll reach in the new font.
    List_FitExtent(gui->ListPdfFiles.hdl);
    // The status bar places itself along the bottom edge when it hears of a size change.
    SendMessageA(gui->Status.hdl, WM_SIZE, 0, 0);
    // The frames too: the borders and scroll bars of the edit boxes and lists.
    RedrawWindow(gui->hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}
