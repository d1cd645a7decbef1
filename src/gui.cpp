// The main window's controls: creation, texts, zoom, tab pages, permissions, settings file.
#include "gui.h"

#include <commctrl.h>
#include <oleacc.h>
#include <stdio.h>
#include <string.h>

#include <initializer_list>
#include <string>

#include "obj.h"
#include "pdf.h"

// Geometry at 100 %, in the field order of the record.
// clang-format off
T_INTERFACE gui = {
    0, 0, 0, 0, 790, 350, "", "", "", nullptr,
    {0},                        // Status
    {0, 370, 0, 410, 300},      // Tabs
    {0, 10, 10, 100, 80},       // FrameEncrypt
    {0, 10, 25, 80, 20},        // OptEncrypt40, inside FrameEncrypt
    {0, 10, 45, 80, 20},        // OptEncrypt128, inside FrameEncrypt
    {0, 120, 10, 240, 210},     // FrameAuth
    {0, 130, 30, 200, 20},      // ChkAuthAll
    {0, 145, 50, 200, 20},      // ChkAuthPrintTop
    {0, 145, 70, 200, 20},      // ChkAuthPrintLow
    {0, 145, 90, 200, 20},      // ChkAuthModify
    {0, 145, 110, 200, 20},     // ChkAuthAssembly
    {0, 145, 130, 200, 20},     // ChkAuthCopy
    {0, 145, 150, 200, 20},     // ChkAuthRead
    {0, 145, 170, 200, 20},     // ChkAuthCreate
    {0, 145, 190, 200, 20},     // ChkAuthFillin
    {0, 10, 100, 100, 120},     // FramePasswd
    {0, 20, 120, 80, 20},       // StaticPasswdUser
    {0, 20, 140, 80, 20},       // EditPasswdUser
    {0, 20, 160, 80, 20},       // StaticPasswdOwner
    {0, 20, 180, 80, 20},       // EditPasswdOwner
    {0, 10, 230, 80, 20},       // BtnEncrypt
    {0, 100, 230, 80, 20},      // BtnBurst
    {0, 190, 230, 80, 20},      // BtnDumpData
    {0, 280, 230, 80, 20},      // BtnBackground
    {0, 10, 255, 80, 20},       // BtnCompress
    {0, 100, 255, 80, 20},      // BtnUncompress
    {0, 190, 255, 80, 20},      // BtnRepair
    {0, 280, 255, 80, 20},      // BtnDumpDataFields
    {0, 280, 280, 80, 20},      // BtnAppClose
    {0, 450, 28, 280, 20},      // EditPDFSource
    {0, 380, 30, 100, 20},      // StaticPDFSource
    {0, 740, 28, 30, 20},       // BtnPDFSource
    {0, 380, 60, 80, 24},       // BtnDecrypt
    {0, 380, 94, 150, 195},     // FrameCat
    {0, 390, 120, 100, 20},     // StaticCatFrom
    {0, 430, 120, 80, 100},     // CboCatFrom
    {0, 390, 145, 100, 20},     // StaticCatTo
    {0, 430, 145, 80, 100},     // CboCatTo
    {0, 400, 170, 60, 20},      // OptCatAll
    {0, 400, 195, 60, 20},      // OptCatEven
    {0, 400, 220, 60, 20},      // OptCatOdd
    {0, 410, 250, 80, 24},      // BtnCat
    {0, 550, 60, 220, 230},     // FrameDelete
    {0, 560, 90, 80, 210},      // ListDelete
    {0, 650, 80, 110, 160},     // StaticDelete
    {0, 660, 250, 80, 24},      // BtnDelete
    {0, 380, 30, 390, 190},     // ListPdfFiles
    {0, 380, 230, 80, 24},      // BtnJoin
    {0, 602, 230, 80, 24},      // BtnAddPdfToList
    {0, 514, 230, 80, 24},      // BtnAddDirToList
    {0, 690, 230, 80, 24},      // BtnRemovePdfFromList
    {0, 602, 264, 80, 24},      // BtnUpPdfInList
    {0, 690, 264, 80, 24},      // BtnDownPdfInList
    {0, 380, 30, 100, 20},      // StaticPagesSource
    {0, 450, 28, 280, 20},      // EditPagesSource
    {0, 740, 28, 30, 20},       // BtnPagesSource
    {0, 380, 60, 390, 100},     // FrameInterleave
    {0, 390, 82, 55, 20},       // StaticBacks
    {0, 450, 80, 270, 20},      // EditBacks
    {0, 730, 80, 30, 20},       // BtnBacks
    {0, 390, 108, 250, 20},     // ChkBacksReverse
    {0, 390, 130, 90, 24},      // BtnInterleave
    {0, 380, 170, 390, 120},    // FrameRanges
    {0, 390, 192, 55, 20},      // StaticRanges
    {0, 450, 190, 310, 20},     // EditRanges
    {0, 390, 222, 55, 20},      // StaticTurn
    {0, 450, 220, 150, 100},    // CboTurn
    {0, 610, 218, 90, 24},      // BtnRotate
    {0, 390, 255, 90, 24},      // BtnTakePages
    {0, 410, 70, 320, 200},     // StaticAbout
    {0, 380, 35, 80, 20},       // StaticLang
    {0, 470, 30, 80, 100},      // CboLang
    {0, 380, 65, 80, 20},       // StaticZoom
    {0, 470, 60, 80, 100},      // CboZoom
    {0, 380, 95, 390, 20},      // StaticTool
    "",                         // szSourcePasswd
    "", "", 0, 0,               // the Pages page's passwords and page counts
    USER_DEFAULT_SCREEN_DPI,    // nDpi, until the window knows its screen
};
// clang-format on

T_CONFIG guicfg = {0, 0};

T_DIALOGS dialogs = {MessageBoxA, GetOpenFileNameW, GetSaveFileNameW, SHBrowseForFolderW,
                     SHGetPathFromIDListW};

int uiWideText(const char* szText, WCHAR* wszText, int nText)
{
    return MultiByteToWideChar(TEXT_CODE_PAGE, 0, szText, -1, wszText, nText);
}

int uiShowText(T_INTERFACE* gui, const char* szText, UINT uType)
{
    return dialogs.MessageBox(gui->hWnd, szText, gui->szLang[TXT_APP_NAME], uType);
}

int uiMessage(T_INTERFACE* gui, int nText, UINT uType)
{
    return uiShowText(gui, gui->szLang[nText], uType);
}

int uiAskReplace(T_INTERFACE* gui, const char* szFile)
{
    // The file named first: the name typed in a dialog may not be the one that exists.
    std::string text = std::string(szFile) + "\r\n\r\n" + gui->szLang[TXT_MSG_OVERWRITE];
    // No is the default: replacing is the answer that cannot be undone.
    return uiShowText(gui, text.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES ? 1
                                                                                             : 0;
}

int uiIsChecked(HWND h)
{
    return SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

int uiReadText(HWND h, char* sz, int nSize)
{
    memset(sz, 0, (size_t)nSize);
    GetWindowTextA(h, sz, nSize);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Controls

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
    KIND_LIST
};

typedef struct {
    const char* szClass;
    DWORD dwExStyle;
    DWORD dwStyle; // without WS_VISIBLE
} T_KIND;

// Every control that takes input is a tab stop, and each starts a group of its own for the arrow
// keys; a radio button has WS_TABSTOP while it is the checked one of its group (the button keeps
// that itself), and only the first of a group starts it.
#define KEYS_STOP (WS_TABSTOP | WS_GROUP)

// clang-format off
static const T_KIND kinds[] = {
    /* KIND_GROUP    */ {"BUTTON",   0,                WS_CHILD | WS_GROUP | BS_GROUPBOX},
    /* KIND_RADIO    */ {"BUTTON",   0,                WS_CHILD | BS_AUTORADIOBUTTON},
    /* KIND_CHECK    */ {"BUTTON",   0,                WS_CHILD | KEYS_STOP | BS_AUTOCHECKBOX},
    /* KIND_BUTTON   */ {"BUTTON",   0,                WS_CHILD | KEYS_STOP | BS_PUSHBUTTON},
    /* KIND_LABEL    */ {"STATIC",   0,                WS_CHILD | WS_GROUP | SS_LEFT},
    // A path on one line, shortened in its middle where it is too long; an & is no mnemonic.
    /* KIND_TOOL     */ {"STATIC",   0,                WS_CHILD | WS_GROUP | SS_LEFT |
                                                       SS_NOPREFIX | SS_PATHELLIPSIS},
    /* KIND_PASSWORD */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL},
    /* KIND_RANGES   */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL},
    /* KIND_PATH     */ {"EDIT",     WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | ES_LEFT |
                                                       ES_AUTOHSCROLL | ES_READONLY},
    /* KIND_PAGES    */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST},
    /* KIND_SETTING  */ {"COMBOBOX", 0,                WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL},
    /* KIND_LIST     */ {"LISTBOX",  WS_EX_CLIENTEDGE, WS_CHILD | KEYS_STOP | WS_VSCROLL |
                                                       WS_HSCROLL | LBS_DISABLENOSCROLL |
                                                       LBS_MULTIPLESEL},
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
    {&T_INTERFACE::ListPdfFiles,         KIND_LIST,     HIDDEN,  IN_WINDOW},
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

int uiCreateControls(T_INTERFACE* gui)
{
    InitCommonControls();
    HFONT hFont = uiCreateFont(FONT_HEIGHT);

    gui->Status.hdl = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, nullptr, gui->hWnd, (UINT)-1);

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

    for (const T_CONTROL& c : controls) {
        const T_KIND& k = kinds[c.nKind];
        T_ELEMENT* e = &(gui->*c.pElement);
        HWND hParent = c.nParent == IN_FRAME_ENCRYPT ? gui->FrameEncrypt.hdl : gui->hWnd;
        DWORD dwStyle = k.dwStyle | (c.nVisible == VISIBLE ? WS_VISIBLE : 0);
        for (const T_ELEMENT T_INTERFACE::*pFirst : radioGroups)
            dwStyle |= c.pElement == pFirst ? WS_GROUP : 0;
        // The Tab key goes on into the controls the encryption group box holds.
        DWORD dwExStyle = k.dwExStyle | (e == &gui->FrameEncrypt ? WS_EX_CONTROLPARENT : 0);
        e->hdl = CreateWindowExA(dwExStyle, k.szClass, nullptr, dwStyle, e->x, e->y, e->w, e->h,
                                 hParent, nullptr, gui->hInst, nullptr);
        if (c.nKind == KIND_PASSWORD) {
            // What is typed reaches the tool whole: no more than its encryption keeps.
            SendMessageA(e->hdl, EM_LIMITTEXT, TANDREL_PASSWD_LEN, 0);
        } else if (c.nKind == KIND_RANGES) {
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

// ---------------------------------------------------------------------------------------------
// Texts

typedef struct {
    int nText;
    T_ELEMENT T_INTERFACE::*pElement;
} T_CAPTION;

// In the order the captions are set; the About text last.
// clang-format off
static const T_CAPTION captions[] = {
    {TXT_FRAME_ENCRYPT,   &T_INTERFACE::FrameEncrypt},
    {TXT_ENCRYPT_40,      &T_INTERFACE::OptEncrypt40},
    {TXT_ENCRYPT_128,     &T_INTERFACE::OptEncrypt128},
    {TXT_FRAME_AUTH,      &T_INTERFACE::FrameAuth},
    {TXT_AUTH_ALL,        &T_INTERFACE::ChkAuthAll},
    {TXT_AUTH_PRINT_TOP,  &T_INTERFACE::ChkAuthPrintTop},
    {TXT_AUTH_PRINT_LOW,  &T_INTERFACE::ChkAuthPrintLow},
    {TXT_AUTH_MODIFY,     &T_INTERFACE::ChkAuthModify},
    {TXT_AUTH_ASSEMBLY,   &T_INTERFACE::ChkAuthAssembly},
    {TXT_AUTH_COPY,       &T_INTERFACE::ChkAuthCopy},
    {TXT_AUTH_READ,       &T_INTERFACE::ChkAuthRead},
    {TXT_AUTH_CREATE,     &T_INTERFACE::ChkAuthCreate},
    {TXT_AUTH_FILLIN,     &T_INTERFACE::ChkAuthFillin},
    {TXT_FRAME_PASSWD,    &T_INTERFACE::FramePasswd},
    {TXT_PASSWD_USER,     &T_INTERFACE::StaticPasswdUser},
    {TXT_PASSWD_OWNER,    &T_INTERFACE::StaticPasswdOwner},
    {TXT_BTN_ENCRYPT,     &T_INTERFACE::BtnEncrypt},
    {TXT_BTN_BURST,       &T_INTERFACE::BtnBurst},
    {TXT_BTN_DUMP_DATA,   &T_INTERFACE::BtnDumpData},
    {TXT_BTN_BACKGROUND,  &T_INTERFACE::BtnBackground},
    {TXT_BTN_REPAIR,      &T_INTERFACE::BtnRepair},
    {TXT_BTN_COMPRESS,    &T_INTERFACE::BtnCompress},
    {TXT_BTN_UNCOMPRESS,  &T_INTERFACE::BtnUncompress},
    {TXT_BTN_DUMP_FIELDS, &T_INTERFACE::BtnDumpDataFields},
    {TXT_BTN_CLOSE,       &T_INTERFACE::BtnAppClose},
    {TXT_PDF_SOURCE,      &T_INTERFACE::StaticPDFSource},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnPDFSource},
    {TXT_BTN_DECRYPT,     &T_INTERFACE::BtnDecrypt},
    {TXT_FRAME_CAT,       &T_INTERFACE::FrameCat},
    {TXT_CAT_FROM,        &T_INTERFACE::StaticCatFrom},
    {TXT_CAT_TO,          &T_INTERFACE::StaticCatTo},
    {TXT_CAT_ALL,         &T_INTERFACE::OptCatAll},
    {TXT_CAT_EVEN,        &T_INTERFACE::OptCatEven},
    {TXT_CAT_ODD,         &T_INTERFACE::OptCatOdd},
    {TXT_BTN_CAT,         &T_INTERFACE::BtnCat},
    {TXT_FRAME_DELETE,    &T_INTERFACE::FrameDelete},
    {TXT_DELETE_HELP,     &T_INTERFACE::StaticDelete},
    {TXT_BTN_DELETE,      &T_INTERFACE::BtnDelete},
    {TXT_BTN_ADD_DIR,     &T_INTERFACE::BtnAddDirToList},
    {TXT_BTN_ADD_PDF,     &T_INTERFACE::BtnAddPdfToList},
    {TXT_BTN_REMOVE,      &T_INTERFACE::BtnRemovePdfFromList},
    {TXT_BTN_UP,          &T_INTERFACE::BtnUpPdfInList},
    {TXT_BTN_DOWN,        &T_INTERFACE::BtnDownPdfInList},
    {TXT_BTN_JOIN,        &T_INTERFACE::BtnJoin},
    {TXT_PDF_SOURCE,      &T_INTERFACE::StaticPagesSource},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnPagesSource},
    {TXT_FRAME_INTERLEAVE, &T_INTERFACE::FrameInterleave},
    {TXT_BACKS,           &T_INTERFACE::StaticBacks},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnBacks},
    {TXT_BACKS_REVERSE,   &T_INTERFACE::ChkBacksReverse},
    {TXT_BTN_INTERLEAVE,  &T_INTERFACE::BtnInterleave},
    {TXT_FRAME_RANGES,    &T_INTERFACE::FrameRanges},
    {TXT_RANGES,          &T_INTERFACE::StaticRanges},
    {TXT_TURN,            &T_INTERFACE::StaticTurn},
    {TXT_BTN_ROTATE,      &T_INTERFACE::BtnRotate},
    {TXT_BTN_TAKE,        &T_INTERFACE::BtnTakePages},
    {TXT_LANG,            &T_INTERFACE::StaticLang},
    {TXT_ZOOM,            &T_INTERFACE::StaticZoom},
    {TXT_ABOUT,           &T_INTERFACE::StaticAbout},
};
// clang-format on

// Names for screen readers of the two lists that have no caption before them; the others are
// named by the label just before them in the window order.
static void uiNameLists(T_INTERFACE* gui)
{
    const T_CAPTION names[] = {{TXT_NAME_DELETE_LIST, &T_INTERFACE::ListDelete},
                               {TXT_NAME_FILE_LIST, &T_INTERFACE::ListPdfFiles}};
    HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    IAccPropServices* pProps = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, (void**)&pProps))) {
        for (const T_CAPTION& n : names) {
            WCHAR wszName[TANDREL_PATH_MAX] = {0};
            uiWideText(gui->szLang[n.nText], wszName, TANDREL_PATH_MAX);
            pProps->SetHwndPropStr((gui->*n.pElement).hdl, (DWORD)OBJID_CLIENT, CHILDID_SELF,
                                   PROPID_ACC_NAME, wszName);
        }
        pProps->Release();
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();
}

int uiApplyText(T_INTERFACE* gui, const char* const* szLng)
{
    gui->szLang = szLng;
    SetWindowTextA(gui->hWnd, szLng[TXT_APP_NAME]);
    SetWindowTextA(gui->Status.hdl, szLng[TXT_STATUS]);
    for (int i = 0; i < TAB_COUNT; ++i) {
        TCITEMA tie = {};
        tie.mask = TCIF_TEXT;
        tie.pszText = const_cast<char*>(szLng[TXT_TAB_SINGLE + i]);
        SendMessageA(gui->Tabs.hdl, TCM_SETITEMA, (WPARAM)i, (LPARAM)&tie);
    }
    for (const T_CAPTION& c : captions) {
        SetWindowTextA((gui->*c.pElement).hdl, szLng[c.nText]);
    }
    // The angles in this language, the one chosen kept (the first at the start).
    LRESULT nTurn = SendMessageA(gui->CboTurn.hdl, CB_GETCURSEL, 0, 0);
    SendMessageA(gui->CboTurn.hdl, CB_RESETCONTENT, 0, 0);
    for (int n : {TXT_TURN_EAST, TXT_TURN_SOUTH, TXT_TURN_WEST})
        SendMessageA(gui->CboTurn.hdl, CB_ADDSTRING, 0, (LPARAM)szLng[n]);
    SendMessageA(gui->CboTurn.hdl, CB_SETCURSEL, nTurn < 0 ? 0 : (WPARAM)nTurn, 0);
    uiShowTool(gui);
    uiNameLists(gui);
    InvalidateRect(gui->hWnd, nullptr, FALSE);
    return 0;
}

int uiShowTool(T_INTERFACE* gui)
{
    std::string text = gui->szPathExe[0]
                           ? pdfFillText(gui->szLang[TXT_TOOL_IN_USE], {gui->szPathExe})
                           : std::string(gui->szLang[TXT_TOOL_NONE]);
    if (gui->StaticTool.hdl)
        SetWindowTextA(gui->StaticTool.hdl, text.c_str());
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Zoom

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

// ---------------------------------------------------------------------------------------------
// Tab pages

static void ShowControls(T_ELEMENT* const* pControls, size_t nCount, int nCmdShow)
{
    for (size_t i = 0; i < nCount; ++i)
        ShowWindow(pControls[i]->hdl, nCmdShow);
}

HWND uiFirstControlOfPage(T_INTERFACE* gui)
{
    // The page's controls come after the tab control in the window order.
    for (HWND h = GetWindow(gui->Tabs.hdl, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT)) {
        LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
        if ((style & (WS_VISIBLE | WS_DISABLED | WS_TABSTOP)) == (WS_VISIBLE | WS_TABSTOP))
            return h;
    }
    return gui->Tabs.hdl;
}

int uiShowSelectedPage(T_INTERFACE* gui)
{
    int nTab = uiSelectedTab(gui);
    if (nTab < 0 || nTab >= TAB_COUNT)
        return 0;
    uiShowPage(gui);
    SetFocus(uiFirstControlOfPage(gui));
    return 0;
}

int uiShowPage(T_INTERFACE* gui)
{
    int nTab = uiSelectedTab(gui);
    if (nTab < 0 || nTab >= TAB_COUNT)
        return 0;
    SetWindowTextA(gui->Status.hdl, gui->szLang[TXT_STATUS]); // the last outcome told, it goes
    ShowTabSingle(gui, nTab == TAB_SINGLE ? SW_SHOW : SW_HIDE);
    ShowTabMulti(gui, nTab == TAB_MULTI ? SW_SHOW : SW_HIDE);
    ShowTabPages(gui, nTab == TAB_PAGES ? SW_SHOW : SW_HIDE);
    ShowTabConfig(gui, nTab == TAB_CONFIG ? SW_SHOW : SW_HIDE);
    ShowTabAbout(gui, nTab == TAB_ABOUT ? SW_SHOW : SW_HIDE);
    return 0;
}

int uiSelectedTab(T_INTERFACE* gui)
{
    return (int)SendMessageA(gui->Tabs.hdl, TCM_GETCURSEL, 0, 0);
}

int ShowTabSingle(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->StaticPDFSource, &gui->EditPDFSource, &gui->BtnPDFSource,
                               &gui->BtnDecrypt,      &gui->FrameCat,      &gui->StaticCatFrom,
                               &gui->CboCatFrom,      &gui->StaticCatTo,   &gui->CboCatTo,
                               &gui->OptCatAll,       &gui->OptCatEven,    &gui->OptCatOdd,
                               &gui->BtnCat,          &gui->FrameDelete,   &gui->ListDelete,
                               &gui->StaticDelete,    &gui->BtnDelete};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) {
        SendMessageA(gui->ListDelete.hdl, LB_RESETCONTENT, 0, 0);
        SendMessageA(gui->CboCatFrom.hdl, CB_RESETCONTENT, 0, 0);
        SendMessageA(gui->CboCatTo.hdl, CB_RESETCONTENT, 0, 0);
        SetWindowTextA(gui->EditPDFSource.hdl, nullptr);
        SecureZeroMemory(gui->szSourcePasswd, sizeof(gui->szSourcePasswd));
        SendMessageA(gui->OptCatAll.hdl, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(gui->OptCatEven.hdl, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(gui->OptCatOdd.hdl, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    return 0;
}

int ShowTabMulti(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->ListPdfFiles,         &gui->BtnJoin,
                               &gui->BtnAddPdfToList,      &gui->BtnAddDirToList,
                               &gui->BtnRemovePdfFromList, &gui->BtnUpPdfInList,
                               &gui->BtnDownPdfInList};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) {
        SendMessageA(gui->ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
        SendMessageA(gui->ListPdfFiles.hdl, LB_SETHORIZONTALEXTENT, 0, 0);
    }
    return 0;
}

int ShowTabPages(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {
        &gui->StaticPagesSource, &gui->EditPagesSource, &gui->BtnPagesSource, &gui->FrameInterleave,
        &gui->StaticBacks,       &gui->EditBacks,       &gui->BtnBacks,       &gui->ChkBacksReverse,
        &gui->BtnInterleave,     &gui->FrameRanges,     &gui->StaticRanges,   &gui->EditRanges,
        &gui->StaticTurn,        &gui->CboTurn,         &gui->BtnRotate,      &gui->BtnTakePages};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) { // a page fresh each time it is shown, as the Single file page
        for (T_ELEMENT* e : {&gui->EditPagesSource, &gui->EditBacks, &gui->EditRanges})
            SetWindowTextA(e->hdl, nullptr);
        SecureZeroMemory(gui->szPagesPasswd, sizeof(gui->szPagesPasswd));
        SecureZeroMemory(gui->szBacksPasswd, sizeof(gui->szBacksPasswd));
        gui->nPagesCount = gui->nBacksCount = 0;
        SendMessageA(gui->ChkBacksReverse.hdl, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(gui->CboTurn.hdl, CB_SETCURSEL, 0, 0);
    }
    return 0;
}

int ShowTabConfig(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->StaticLang, &gui->CboLang, &gui->StaticZoom, &gui->CboZoom,
                               &gui->StaticTool};
    ShowControls(page, COUNTOF(page), nCmdShow);
    // A tool installed or removed meanwhile is seen here as well as by the next operation.
    if (nCmdShow == SW_SHOW)
        pdfFindTool(gui);
    return 0;
}

int ShowTabAbout(T_INTERFACE* gui, int nCmdShow)
{
    ShowWindow(gui->StaticAbout.hdl, nCmdShow);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Permission boxes

static void SetCheck(HWND h, int nChecked)
{
    SendMessageA(h, BM_SETCHECK, nChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A box that implies and locks its dependent while it is checked.
static void LockDependent(HWND hMaster, HWND hDependent)
{
    int nChecked = uiIsChecked(hMaster);
    SetCheck(hDependent, nChecked);
    EnableWindow(hDependent, !nChecked);
}

int CheckPermissions(T_INTERFACE* gui, HWND hChk)
{
    if (hChk == gui->ChkAuthAll.hdl) {
        HWND others[] = {gui->ChkAuthPrintTop.hdl, gui->ChkAuthPrintLow.hdl, gui->ChkAuthModify.hdl,
                         gui->ChkAuthAssembly.hdl, gui->ChkAuthCopy.hdl,     gui->ChkAuthRead.hdl,
                         gui->ChkAuthCreate.hdl,   gui->ChkAuthFillin.hdl};
        int nAll = uiIsChecked(hChk);
        // Everything but lower quality printing, which top quality printing excludes.
        for (HWND h : others)
            SetCheck(h, nAll && h != gui->ChkAuthPrintLow.hdl);
        for (HWND h : others)
            EnableWindow(h, !nAll);
    } else if (hChk == gui->ChkAuthPrintTop.hdl) {
        SetCheck(gui->ChkAuthPrintLow.hdl, false);
    } else if (hChk == gui->ChkAuthPrintLow.hdl) {
        SetCheck(gui->ChkAuthPrintTop.hdl, false);
    } else if (hChk == gui->ChkAuthModify.hdl) {
        LockDependent(hChk, gui->ChkAuthAssembly.hdl);
    } else if (hChk == gui->ChkAuthCopy.hdl) {
        LockDependent(hChk, gui->ChkAuthRead.hdl);
    } else if (hChk == gui->ChkAuthCreate.hdl) {
        LockDependent(hChk, gui->ChkAuthFillin.hdl);
    }
    return 0;
}
