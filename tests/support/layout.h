// The main window's controls as the program lays them out at 100 %, written down from its design
// and never read from the program, and the rule that scales them: what the window tests hold the
// window to, in this process and in the release.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "gui.h"

#include <stdlib.h>

#include <vector>

// The window's outer size at 100 %.
constexpr int kLayoutWindowW = 790, kLayoutWindowH = 350;

// Each control after the status bar, in the window's order (the Tab key's): its name in the
// tests, its window class, its place and size in its parent's client area (a drop-down's height
// is dropped down), and the text of its caption. The two key-length buttons are the only children
// of their group box; the others are children of the window.
// clang-format off
#define TANDREL_LAYOUT(X) \
    X(FRAME_ENCRYPT,   "Button",           10,  10, 100,  80, TXT_FRAME_ENCRYPT) \
    X(OPT_40,          "Button",           10,  25,  80,  20, TXT_ENCRYPT_40) \
    X(OPT_128,         "Button",           10,  45,  80,  20, TXT_ENCRYPT_128) \
    X(FRAME_AUTH,      "Button",          120,  10, 240, 210, TXT_FRAME_AUTH) \
    X(CHK_ALL,         "Button",          130,  30, 200,  20, TXT_AUTH_ALL) \
    X(CHK_PRINT_TOP,   "Button",          145,  50, 200,  20, TXT_AUTH_PRINT_TOP) \
    X(CHK_PRINT_LOW,   "Button",          145,  70, 200,  20, TXT_AUTH_PRINT_LOW) \
    X(CHK_MODIFY,      "Button",          145,  90, 200,  20, TXT_AUTH_MODIFY) \
    X(CHK_ASSEMBLY,    "Button",          145, 110, 200,  20, TXT_AUTH_ASSEMBLY) \
    X(CHK_COPY,        "Button",          145, 130, 200,  20, TXT_AUTH_COPY) \
    X(CHK_READ,        "Button",          145, 150, 200,  20, TXT_AUTH_READ) \
    X(CHK_CREATE,      "Button",          145, 170, 200,  20, TXT_AUTH_CREATE) \
    X(CHK_FILLIN,      "Button",          145, 190, 200,  20, TXT_AUTH_FILLIN) \
    X(FRAME_PASSWD,    "Button",           10, 100, 100, 120, TXT_FRAME_PASSWD) \
    X(LBL_USER,        "Static",           20, 120,  80,  20, TXT_PASSWD_USER) \
    X(EDIT_USER,       "Edit",             20, 140,  80,  20, -1) \
    X(LBL_OWNER,       "Static",           20, 160,  80,  20, TXT_PASSWD_OWNER) \
    X(EDIT_OWNER,      "Edit",             20, 180,  80,  20, -1) \
    X(BTN_ENCRYPT,     "Button",           10, 230,  80,  20, TXT_BTN_ENCRYPT) \
    X(BTN_BURST,       "Button",          100, 230,  80,  20, TXT_BTN_BURST) \
    X(BTN_DUMP_DATA,   "Button",          190, 230,  80,  20, TXT_BTN_DUMP_DATA) \
    X(BTN_BACKGROUND,  "Button",          280, 230,  80,  20, TXT_BTN_BACKGROUND) \
    X(BTN_COMPRESS,    "Button",           10, 255,  80,  20, TXT_BTN_COMPRESS) \
    X(BTN_UNCOMPRESS,  "Button",          100, 255,  80,  20, TXT_BTN_UNCOMPRESS) \
    X(BTN_REPAIR,      "Button",          190, 255,  80,  20, TXT_BTN_REPAIR) \
    X(BTN_DUMP_FIELDS, "Button",          280, 255,  80,  20, TXT_BTN_DUMP_FIELDS) \
    X(BTN_CLOSE,       "Button",          280, 280,  80,  20, TXT_BTN_CLOSE) \
    X(ROW_TABS,        "SysTabControl32", 370,   0, 410, 300, -1) \
    X(LBL_SOURCE,      "Static",          380,  30, 100,  20, TXT_PDF_SOURCE) \
    X(EDIT_SOURCE,     "Edit",            450,  28, 280,  20, -1) \
    X(BTN_SOURCE,      "Button",          740,  28,  30,  20, TXT_BTN_PDF_SOURCE) \
    X(BTN_DECRYPT,     "Button",          380,  60,  80,  24, TXT_BTN_DECRYPT) \
    X(FRAME_CAT,       "Button",          380,  94, 150, 195, TXT_FRAME_CAT) \
    X(LBL_FROM,        "Static",          390, 120, 100,  20, TXT_CAT_FROM) \
    X(CBO_FROM,        "ComboBox",        430, 120,  80, 100, -1) \
    X(LBL_TO,          "Static",          390, 145, 100,  20, TXT_CAT_TO) \
    X(CBO_TO,          "ComboBox",        430, 145,  80, 100, -1) \
    X(OPT_ALL,         "Button",          400, 170,  60,  20, TXT_CAT_ALL) \
    X(OPT_EVEN,        "Button",          400, 195,  60,  20, TXT_CAT_EVEN) \
    X(OPT_ODD,         "Button",          400, 220,  60,  20, TXT_CAT_ODD) \
    X(BTN_CAT,         "Button",          410, 250,  80,  24, TXT_BTN_CAT) \
    X(FRAME_DELETE,    "Button",          550,  60, 220, 230, TXT_FRAME_DELETE) \
    X(LIST_DELETE,     "ListBox",         560,  90,  80, 210, -1) \
    X(LBL_DELETE,      "Static",          650,  80, 110, 160, TXT_DELETE_HELP) \
    X(BTN_DELETE,      "Button",          660, 250,  80,  24, TXT_BTN_DELETE) \
    X(LIST_FILES,      "ListBox",         380,  30, 390, 190, -1) \
    X(BTN_JOIN,        "Button",          380, 230,  80,  24, TXT_BTN_JOIN) \
    X(BTN_ADD_DIR,     "Button",          514, 230,  80,  24, TXT_BTN_ADD_DIR) \
    X(BTN_ADD,         "Button",          602, 230,  80,  24, TXT_BTN_ADD_PDF) \
    X(BTN_REMOVE,      "Button",          690, 230,  80,  24, TXT_BTN_REMOVE) \
    X(BTN_UP,          "Button",          602, 264,  80,  24, TXT_BTN_UP) \
    X(BTN_DOWN,        "Button",          690, 264,  80,  24, TXT_BTN_DOWN) \
    X(LBL_PAGES_SRC,   "Static",          380,  30, 100,  20, TXT_PDF_SOURCE) \
    X(EDIT_PAGES_SRC,  "Edit",            450,  28, 280,  20, -1) \
    X(BTN_PAGES_SRC,   "Button",          740,  28,  30,  20, TXT_BTN_PDF_SOURCE) \
    X(FRAME_SHUFFLE,   "Button",          380,  60, 390, 100, TXT_FRAME_INTERLEAVE) \
    X(LBL_BACKS,       "Static",          390,  82,  55,  20, TXT_BACKS) \
    X(EDIT_BACKS,      "Edit",            450,  80, 270,  20, -1) \
    X(BTN_BACKS,       "Button",          730,  80,  30,  20, TXT_BTN_PDF_SOURCE) \
    X(CHK_REVERSE,     "Button",          390, 108, 250,  20, TXT_BACKS_REVERSE) \
    X(BTN_INTERLEAVE,  "Button",          390, 130,  90,  24, TXT_BTN_INTERLEAVE) \
    X(FRAME_RANGES,    "Button",          380, 170, 390, 120, TXT_FRAME_RANGES) \
    X(LBL_RANGES,      "Static",          390, 192,  55,  20, TXT_RANGES) \
    X(EDIT_RANGES,     "Edit",            450, 190, 310,  20, -1) \
    X(LBL_TURN,        "Static",          390, 222,  55,  20, TXT_TURN) \
    X(CBO_TURN,        "ComboBox",        450, 220, 150, 100, -1) \
    X(BTN_ROTATE,      "Button",          610, 218,  90,  24, TXT_BTN_ROTATE) \
    X(BTN_TAKE,        "Button",          390, 255,  90,  24, TXT_BTN_TAKE) \
    X(LBL_DOC_SRC,     "Static",          380,  30, 100,  20, TXT_PDF_SOURCE) \
    X(EDIT_DOC_SRC,    "Edit",            450,  28, 280,  20, -1) \
    X(BTN_DOC_SRC,     "Button",          740,  28,  30,  20, TXT_BTN_PDF_SOURCE) \
    X(LBL_DOC_SUMMARY, "Static",          450,  51, 320,  16, -1) \
    X(FRAME_INFO,      "Button",          380,  68, 390, 134, TXT_FRAME_INFO) \
    X(LBL_TITLE,       "Static",          390,  88,  60,  20, TXT_INFO_TITLE) \
    X(EDIT_TITLE,      "Edit",            455,  86, 305,  20, -1) \
    X(LBL_AUTHOR,      "Static",          390, 110,  60,  20, TXT_INFO_AUTHOR) \
    X(EDIT_AUTHOR,     "Edit",            455, 108, 305,  20, -1) \
    X(LBL_SUBJECT,     "Static",          390, 132,  60,  20, TXT_INFO_SUBJECT) \
    X(EDIT_SUBJECT,    "Edit",            455, 130, 305,  20, -1) \
    X(LBL_KEYWORDS,    "Static",          390, 154,  60,  20, TXT_INFO_KEYWORDS) \
    X(EDIT_KEYWORDS,   "Edit",            455, 152, 305,  20, -1) \
    X(BTN_SAVE_INFO,   "Button",          455, 176, 170,  20, TXT_BTN_SAVE_INFO) \
    X(FRAME_SPLIT,     "Button",          380, 206, 240,  84, TXT_FRAME_SPLIT) \
    X(OPT_EVERY,       "Button",          390, 222,  85,  20, TXT_SPLIT_EVERY) \
    X(OPT_BOOKMARKS,   "Button",          390, 244, 155,  20, TXT_SPLIT_BOOKMARKS) \
    X(EDIT_EVERY,      "Edit",            480, 222,  40,  20, -1) \
    X(LBL_EVERY_PAGES, "Static",          525, 224,  50,  18, TXT_SPLIT_PAGES) \
    X(CBO_LEVEL,       "ComboBox",        550, 243,  40, 100, -1) \
    X(BTN_SPLIT,       "Button",          390, 266,  90,  20, TXT_BTN_SPLIT) \
    X(FRAME_ATTACH,    "Button",          630, 206, 140,  84, TXT_FRAME_ATTACH) \
    X(BTN_ATTACH,      "Button",          640, 222, 120,  20, TXT_BTN_ATTACH) \
    X(LBL_ATTACH_PAGE, "Static",          640, 246,  65,  18, TXT_ATTACH_PAGE) \
    X(EDIT_ATTACH_PAGE,"Edit",            710, 244,  50,  20, -1) \
    X(BTN_EXTRACT,     "Button",          640, 266, 120,  20, TXT_BTN_EXTRACT) \
    X(LBL_LANG,        "Static",          380,  35,  80,  20, TXT_LANG) \
    X(CBO_LANG,        "ComboBox",        470,  30,  80, 100, -1) \
    X(LBL_ZOOM,        "Static",          380,  65,  80,  20, TXT_ZOOM) \
    X(CBO_ZOOM,        "ComboBox",        470,  60,  80, 100, -1) \
    X(LBL_TOOL,        "Static",          380,  95, 390,  20, -1) \
    X(LBL_ABOUT,       "Static",          410,  70, 320, 200, TXT_ABOUT)
// clang-format on

enum Row { // the status bar, then the rows of the layout
    ROW_STATUS,
#define X(name, ...) name,
    TANDREL_LAYOUT(X)
#undef X
        ROW_END
};

struct LayoutRow {
    const char* szClass; // as GetClassName answers it, in any letter case
    int x, y, w, h;
    int nText; // -1 for none, or for a text the program forms
};
inline const LayoutRow kLayout[] = {
#define X(name, ...) {__VA_ARGS__},
    TANDREL_LAYOUT(X)
#undef X
};

// The program's texts in nLang, which the text tests hold to the design.
inline const char* const* TextTable(int nLang)
{
    return nLang == LNG_ENGLISH ? szLang_en : szLang_fr;
}

// The first row of each tab's page, in tab order, and the end; the rows before them are always
// shown.
const int kPageRows[TAB_COUNT + 1] = {LBL_SOURCE, LIST_FILES, LBL_PAGES_SRC, LBL_DOC_SRC,
                                      LBL_LANG,   LBL_ABOUT,  ROW_END};

// v at zoom step nStep (0 to 10, ratio 1 + nStep / 10): the product truncated. The ratios of
// steps 2, 4, 7 and 9 lie just below their decimal value as doubles, so there a product that
// would be a whole number above 0 comes out one less (790 at 120 % gives 947, not 948).
inline int LayoutScaled(int v, int nStep)
{
    int nTenths = v * (10 + nStep);
    bool bBelow = nStep == 2 || nStep == 4 || nStep == 7 || nStep == 9;
    return nTenths / 10 - (bBelow && v > 0 && nTenths % 10 == 0 ? 1 : 0);
}

// The controls of the main window hMain, from inside or outside its process: the status bar,
// then the rows of kLayout in the window's order, the key-length buttons inside their group box.
// Empty, with the row named, when one is missing or of another class: a window with a control
// missing is not driven any further.
inline std::vector<HWND> LayoutControls(HWND hMain)
{
    std::vector<HWND> rows = {GetWindow(hMain, GW_CHILD)};
    for (int n = ROW_STATUS + 1; n < ROW_END; ++n) {
        HWND hPrev = rows.back();
        rows.push_back(n == OPT_40
                           ? GetWindow(hPrev, GW_CHILD)
                           : GetWindow(n == FRAME_AUTH ? rows[FRAME_ENCRYPT] : hPrev, GW_HWNDNEXT));
        char szClass[64] = {0};
        GetClassNameA(rows.back(), szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, kLayout[n - 1].szClass)) {
            ADD_FAILURE() << "row " << n << " is missing: " << szClass << " in its place";
            return {};
        }
    }
    return rows;
}

// The window and every control where the layout puts them at zoom step nStep on a screen of
// nDpi: at 96 DPI exactly as LayoutScaled says, at another within a pixel of the exact product.
inline void ExpectLayout(HWND hMain, const std::vector<HWND>& rows, int nStep, int nDpi = 96)
{
    int nSlack = nDpi == 96 ? 0 : 1;
    auto S = [&](int v) {
        return nDpi == 96 ? LayoutScaled(v, nStep) : v * (10 + nStep) * nDpi / 960;
    };
    auto Expect = [&](int got, int v, int n, const char* what) {
        EXPECT_LE(abs(got - S(v)), nSlack) << what << " of row " << n << " at " << nDpi << " DPI";
    };
    // The window is its scaled size, or as large as the screen lets a window be (Wine's screen
    // without a display is 1024 x 768); the font's height shows in a list box's lines.
    RECT r = {};
    GetWindowRect(hMain, &r);
    bool bCut = r.right - r.left >= GetSystemMetrics(SM_CXVIRTUALSCREEN);
    Expect(bCut ? S(kLayoutWindowW) : r.right - r.left, kLayoutWindowW, 0, "width");
    Expect(r.bottom - r.top, kLayoutWindowH, 0, "height");
    Expect((int)SendMessageA(rows[LIST_DELETE], LB_GETITEMHEIGHT, 0, 0), 14, LIST_DELETE, "line");
    for (int n = ROW_STATUS + 1; n < ROW_END; ++n) {
        const LayoutRow& want = kLayout[n - 1];
        GetWindowRect(rows[(size_t)n], &r);
        MapWindowPoints(nullptr, GetParent(rows[(size_t)n]), (POINT*)&r, 2);
        Expect(r.left, want.x, n, "x");
        Expect(r.top, want.y, n, "y");
        Expect(r.right - r.left, want.w, n, "width");
        // A drop-down's window is its closed box; a list box shows whole lines only, so it may
        // be up to one line shorter.
        char szClass[64] = {0};
        GetClassNameA(rows[(size_t)n], szClass, sizeof(szClass));
        bool bCombo = !lstrcmpiA(szClass, "ComboBox"), bList = !lstrcmpiA(szClass, "ListBox");
        int nHeight = r.bottom - r.top, nWant = bCombo ? nHeight : S(want.h);
        int nLine = bList ? (int)SendMessageA(rows[(size_t)n], LB_GETITEMHEIGHT, 0, 0) : 1;
        EXPECT_TRUE(nHeight <= nWant + nSlack && nHeight > nWant - nLine - nSlack)
            << "row " << n << ": height " << nHeight << " for " << nWant;
    }
}
