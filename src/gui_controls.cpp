// The main window's controls: their kinds, the table they are created from, their font, and the
// one relayout at a scale.
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>

#include "gui_list.h"
#include "paths.h"

typedef struct {
    const char* szClass;
    DWORD dwExStyle;
    DWORD dwStyle; // without WS_VISIBLE
    int bWide;     // a wide control, which shows every name: a path box, the file list, the tool
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
                                                       SS_NOPREFIX | SS_PATHELLIPSIS, 1},
    /* KIND_PASSWORD */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL, 0},
    /* KIND_RANGES   */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL, 0},
    /* KIND_PATH     */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL | ES_READONLY, 1},
    /* KIND_PAGES    */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST, 0},
    /* KIND_CHOICE   */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0},
    /* KIND_LANGUAGES*/ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0},
    /* KIND_ZOOMS    */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0},
    /* KIND_LIST     */ {"LISTBOX",  WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       WS_HSCROLL | LBS_DISABLENOSCROLL |
                                                       LBS_MULTIPLESEL, 0},
    /* KIND_FILES    */ {"LISTBOX",  WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       WS_HSCROLL | LBS_DISABLENOSCROLL |
                                                       LBS_MULTIPLESEL, 1},
    /* KIND_TABS     */ {WC_TABCONTROLA, 0,            WS_CHILD | KEYS_STOP, 0},
    /* KIND_NOTE     */ {"STATIC",   0,                WS_CHILD | WS_GROUP | SS_LEFT |
                                                       SS_NOPREFIX, 1},
    /* KIND_INFO     */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL, 1},
    /* KIND_NUMBER   */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_NUMBER, 0},
    /* KIND_LEVELS   */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST, 0},
};
// clang-format on

static_assert(COUNTOF(kinds) == KIND_COUNT, "a style for every kind");

const T_CONTROL uiControls[] = {
#define X(field, kind, x, y, w, h, text, page, flags)                                              \
    {&T_INTERFACE::field, kind, text, page, flags},
    TANDREL_CONTROLS(X)
#undef X
};
const size_t uiControlCount = COUNTOF(uiControls);

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

// The group box a control of the row nRow is inside: the nearest before it.
static HWND GroupBoxBefore(T_INTERFACE* gui, size_t nRow)
{
    while (nRow-- > 0) {
        if (uiControls[nRow].nKind == KIND_GROUP)
            return (gui->*uiControls[nRow].pElement).hdl;
    }
    return gui->hWnd;
}

// Gives every control hFont and releases the font it replaces, which no control uses any more.
static void uiReplaceFont(T_INTERFACE* gui, HFONT hFont)
{
    uiSetFontOfChildren(gui->hWnd, hFont);
    for (size_t i = 0; i < uiControlCount; ++i) {
        if (uiControls[i].nFlags & CTL_IN_GROUP_BOX)
            SendMessageA((gui->*uiControls[i].pElement).hdl, WM_SETFONT, (WPARAM)hFont, 0);
    }
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

// What a control of the kind nKind holds from the start: the limits of the boxes, the items of
// the settings lists, the tabs (their labels come with the texts).
static void FillControl(HWND h, int nKind)
{
    if (nKind == KIND_PASSWORD) {
        // What is typed reaches the tool whole: no more than its encryption keeps.
        SendMessageA(h, EM_LIMITTEXT, TANDREL_PASSWD_LEN, 0);
    } else if (nKind == KIND_RANGES) {
        SendMessageA(h, EM_LIMITTEXT, TANDREL_RANGE_MAX - 1, 0); // read whole
    } else if (nKind == KIND_LANGUAGES) {
        for (const char* szLanguage : szLanguages)
            SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)szLanguage);
    } else if (nKind == KIND_ZOOMS) {
        for (int i = 0; i <= ZOOM_STEP_MAX; ++i) {
            char szItem[8];
            snprintf(szItem, sizeof(szItem), "%d%%", 100 + 10 * i);
            SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)szItem);
        }
    } else if (nKind == KIND_INFO) {
        SendMessageW(h, EM_LIMITTEXT, INFO_VALUE_MAX, 0); // read whole
    } else if (nKind == KIND_NUMBER) {
        SendMessageA(h, EM_LIMITTEXT, NUMBER_DIGITS, 0);
    } else if (nKind == KIND_LEVELS) {
        for (const char* szLevel : {"1", "2", "3"})
            SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)szLevel);
        SendMessageA(h, CB_SETCURSEL, 0, 0);
    } else if (nKind == KIND_TABS) {
        // Six labels in the strip's width: less room around each than the default.
        SendMessageA(h, TCM_SETPADDING, 0, MAKELPARAM(TAB_PADDING_X, TAB_PADDING_Y));
        char szBlank[] = " ";
        for (int i = 0; i < TAB_COUNT; ++i) {
            TCITEMA tie = {};
            tie.mask = TCIF_TEXT;
            tie.pszText = szBlank;
            SendMessageA(h, TCM_INSERTITEMA, (WPARAM)i, (LPARAM)&tie);
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

// Created in the table's order, which is the window's: the Tab key follows it (the left-hand
// panel, the tab control, then the pages, which lie over the tab control and so come after it).
int uiCreateControls(T_INTERFACE* gui)
{
    InitCommonControls();
    HFONT hFont = uiCreateFont(FONT_HEIGHT);
    // Wide, as it shows the names of files.
    gui->Status.hdl = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, nullptr, gui->hWnd, (UINT)-1);
    for (size_t i = 0; i < uiControlCount; ++i) {
        const T_CONTROL& c = uiControls[i];
        const T_KIND& k = kinds[c.nKind];
        T_ELEMENT* e = &(gui->*c.pElement);
        HWND hParent = c.nFlags & CTL_IN_GROUP_BOX ? GroupBoxBefore(gui, i) : gui->hWnd;
        bool bShown = c.nPage == PAGE_PANEL || c.nPage == TAB_SINGLE;
        DWORD dwStyle =
            k.dwStyle | (bShown ? WS_VISIBLE : 0) | (c.nFlags & CTL_GROUP ? WS_GROUP : 0);
        // The Tab key goes on into the controls a group box holds.
        bool bHolds = i + 1 < uiControlCount && (uiControls[i + 1].nFlags & CTL_IN_GROUP_BOX);
        DWORD dwExStyle = k.dwExStyle | (bHolds ? WS_EX_CONTROLPARENT : 0);
        e->hdl = CreateOfKind(k, dwExStyle, dwStyle, e, hParent, gui->hInst);
        FillControl(e->hdl, c.nKind);
    }
    uiReplaceFont(gui, hFont);
    return 0;
}

int uiInitControls(T_INTERFACE* gui)
{
    for (size_t i = 0; i < uiControlCount; ++i) {
        if (uiControls[i].nFlags & CTL_CHECKED)
            SendMessageA((gui->*uiControls[i].pElement).hdl, BM_SETCHECK, BST_CHECKED, 0);
    }
    return 0;
}

int ResizeGui(T_INTERFACE* gui, double ratio)
{
    // One repaint for the whole relayout instead of one per control: the controls are moved
    // without it. No redraw switch on the window itself, which would show it before it is shown.
    SetWindowPos(gui->hWnd, nullptr, 0, 0, uiScaleValue(gui->w, ratio), uiScaleValue(gui->h, ratio),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (size_t i = 0; i < uiControlCount; ++i)
        ResizeElement(&(gui->*uiControls[i].pElement), ratio);
    uiReplaceFont(gui, uiCreateFont(uiScaleValue(FONT_HEIGHT, ratio)));
    for (size_t i = 0; i < uiControlCount; ++i) {
        const T_CONTROL& c = uiControls[i];
        T_ELEMENT* e = &(gui->*c.pElement);
        if (c.nKind != KIND_LIST && c.nKind != KIND_FILES)
            continue;
        // A list box rounds its height down to whole lines of its font, but only when its size
        // changes: placed off by a pixel first, it rounds with the new font whatever came before.
        MoveWindow(e->hdl, uiScaleValue(e->x, ratio), uiScaleValue(e->y, ratio),
                   uiScaleValue(e->w, ratio), uiScaleValue(e->h, ratio) - 1, FALSE);
        ResizeElement(e, ratio);
        // The paths keep their whole width in scroll reach in the new font.
        if (c.nKind == KIND_FILES)
            List_FitExtent(e->hdl);
    }
    // The status bar places itself along the bottom edge when it hears of a size change.
    SendMessageA(gui->Status.hdl, WM_SIZE, 0, 0);
    // The frames too: the borders and scroll bars of the edit boxes and lists.
    RedrawWindow(gui->hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}
