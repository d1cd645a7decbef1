// The main window's controls as the program lays them out at 100 %, written down from its design
// and never read from the program, and the rule that scales them: what the window tests and the
// release test hold the window to.
#pragma once

#include <gtest/gtest.h>
#include <stdint.h>
#include <windows.h>

#include "gui.h"

#include <vector>

struct LayoutRow {
    const char* szClass; // window class, as GetClassName answers it (any letter case)
    int x, y, w, h;      // unscaled, in the parent's client area; a drop-down's h is dropped down
    int nText;           // the text of its caption, or -1 for none
};

// The controls by name: the status bar, then the rows of kLayout in creation order.
// clang-format off
enum Row {
    ROW_STATUS, ROW_TABS, FRAME_ENCRYPT, OPT_40, OPT_128, FRAME_AUTH, CHK_ALL, CHK_PRINT_TOP,
    CHK_PRINT_LOW, CHK_MODIFY, CHK_ASSEMBLY, CHK_COPY, CHK_READ, CHK_CREATE, CHK_FILLIN,
    FRAME_PASSWD, LBL_USER, EDIT_USER, LBL_OWNER, EDIT_OWNER, BTN_ENCRYPT, BTN_BURST,
    BTN_DUMP_DATA, BTN_BACKGROUND, BTN_COMPRESS, BTN_UNCOMPRESS, BTN_REPAIR, BTN_DUMP_FIELDS,
    BTN_CLOSE,
    LBL_SOURCE, EDIT_SOURCE, BTN_SOURCE, BTN_DECRYPT, FRAME_CAT, LBL_FROM, CBO_FROM, LBL_TO,
    CBO_TO, OPT_ALL, OPT_EVEN, OPT_ODD, BTN_CAT, FRAME_DELETE, LIST_DELETE, LBL_DELETE,
    BTN_DELETE,
    LIST_FILES, BTN_JOIN, BTN_ADD_DIR, BTN_ADD, BTN_REMOVE, BTN_UP, BTN_DOWN,
    LBL_LANG, CBO_LANG, LBL_ZOOM, CBO_ZOOM,
    LBL_ABOUT,
    ROW_END
};
// clang-format on
// The first row of each tab's page, in tab order, and the end; the rows before them are always
// shown.
const int kPageRows[TAB_COUNT + 1] = {LBL_SOURCE, LIST_FILES, LBL_LANG, LBL_ABOUT, ROW_END};

// clang-format off
// CRC-32 of each text as the program must show it, French then English; the About text's
// wording is free and is checked for its shape instead.
const uint32_t textCrc[TXT_COUNT][2] = {
    {0x00000000, 0x00000000}, {0xE01BAE74, 0xE01BAE74}, {0x3D426C97, 0xC7B96F00},
    {0, 0}, {0x4FD36F47, 0x9193A897}, {0xE016D1B8, 0xA7A0B9A9},
    {0x169CEE22, 0x1C33C293}, {0xDB454203, 0x74350DE7}, {0xD441EC74, 0x14E0D86B},
    {0xF6E5B87C, 0x508D25C5}, {0xDC3CA2D3, 0x6E27C166}, {0xE1D10810, 0x6F73A9B5},
    {0x9B80EC64, 0x2DA17977}, {0xA2510EF8, 0x0EA1C978}, {0x89CDD47A, 0xAB7143B8},
    {0x00F7F716, 0x766FC95F}, {0x9C691091, 0xBC907371}, {0xA414021B, 0xD66845EA},
    {0xD2C10691, 0x1ACCDAEE}, {0xD894B77B, 0xE37F8D5D}, {0xEECC59D3, 0x26FD8E19},
    {0x4EE90A5B, 0x0F2CA2DA}, {0x1F9B7741, 0x807A8898}, {0x6A9FBC10, 0x9E06C909},
    {0xAC595F89, 0x3B30229F}, {0x29938FC0, 0xBCFF8FB4}, {0xF948A964, 0x2DF2FACE},
    {0x825F1C13, 0xF335B780}, {0x93D12ECF, 0x89483117}, {0x1B538B49, 0x233373B9},
    {0x94C041FB, 0x0400733C}, {0x846907A4, 0x736A1662}, {0xC627CC86, 0xD2C0AEC0},
    {0xB38BBB07, 0xDF440BD8}, {0x1A43B61B, 0x1A43B61B}, {0xD2431AAA, 0x49C2EA7B},
    {0x10C01EE1, 0xD4910BDB}, {0x28A6E4AD, 0x9B13B94B}, {0x052BF4A2, 0x752836E4},
    {0xE3202498, 0x0355373D}, {0xD9C34C7A, 0x6F72B04C}, {0xD63CC365, 0xCFC9180D},
    {0xFC8CF722, 0xD4910BDB}, {0x2D17174E, 0x3DBE79B1}, {0x089F75FA, 0xAC190E74},
    {0x8D9EF7A4, 0x3DBE79B1}, {0x29BAD59B, 0x9FD591E4}, {0x648572C3, 0xC5573507},
    {0x8D9EF7A4, 0x3DBE79B1}, {0x37E697C3, 0xD610CAD2}, {0xC94948C9, 0xBCCD3F05},
    {0x9F47F004, 0x885377E9}, {0x6E482E98, 0xE3BC23B3}, {0x77772898, 0x77772898},
    {0x3BB0DBCF, 0x0199B638}, {0x21C1489A, 0x7F32F0A8}, {0x3E3AB7A5, 0x16B02AD7},
    {0x80808E1A, 0x19711DF0}, {0x14F442F2, 0x35515C6C}, {0x1CCD16BC, 0x63042D05},
    {0x95758D27, 0xB316012C}, {0x80F6587D, 0x55E447B7}, {0x32663D1C, 0x08E23F38},
};
// clang-format on

inline uint32_t Crc32(const char* s)
{
    uint32_t c = 0xFFFFFFFF;
    for (; *s; ++s) {
        c ^= (uint8_t)*s;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

// The window's outer size at 100 %.
constexpr int kLayoutWindowW = 790, kLayoutWindowH = 350;

// Rows ROW_TABS to LBL_ABOUT. The two key-length buttons are the only children of their group
// box; the other controls are children of the window.
// clang-format off
inline const LayoutRow kLayout[] = {
    {"SysTabControl32", 370,   0, 410, 300, -1},  // the four tabs
    {"Button",   10,  10, 100,  80, TXT_FRAME_ENCRYPT},
    {"Button",   10,  25,  80,  20, TXT_ENCRYPT_40},
    {"Button",   10,  45,  80,  20, TXT_ENCRYPT_128},
    {"Button",  120,  10, 240, 210, TXT_FRAME_AUTH},
    {"Button",  130,  30, 200,  20, TXT_AUTH_ALL},
    {"Button",  145,  50, 200,  20, TXT_AUTH_PRINT_TOP},
    {"Button",  145,  70, 200,  20, TXT_AUTH_PRINT_LOW},
    {"Button",  145,  90, 200,  20, TXT_AUTH_MODIFY},
    {"Button",  145, 110, 200,  20, TXT_AUTH_ASSEMBLY},
    {"Button",  145, 130, 200,  20, TXT_AUTH_COPY},
    {"Button",  145, 150, 200,  20, TXT_AUTH_READ},
    {"Button",  145, 170, 200,  20, TXT_AUTH_CREATE},
    {"Button",  145, 190, 200,  20, TXT_AUTH_FILLIN},
    {"Button",   10, 100, 100, 120, TXT_FRAME_PASSWD},
    {"Static",   20, 120,  80,  20, TXT_PASSWD_USER},
    {"Edit",     20, 140,  80,  20, -1},  // user password
    {"Static",   20, 160,  80,  20, TXT_PASSWD_OWNER},
    {"Edit",     20, 180,  80,  20, -1},  // owner password
    {"Button",   10, 230,  80,  20, TXT_BTN_ENCRYPT},
    {"Button",  100, 230,  80,  20, TXT_BTN_BURST},
    {"Button",  190, 230,  80,  20, TXT_BTN_DUMP_DATA},
    {"Button",  280, 230,  80,  20, TXT_BTN_BACKGROUND},
    {"Button",   10, 255,  80,  20, TXT_BTN_COMPRESS},
    {"Button",  100, 255,  80,  20, TXT_BTN_UNCOMPRESS},
    {"Button",  190, 255,  80,  20, TXT_BTN_REPAIR},
    {"Button",  280, 255,  80,  20, TXT_BTN_DUMP_FIELDS},
    {"Button",  280, 280,  80,  20, TXT_BTN_CLOSE},
    {"Static",  380,  30, 100,  20, TXT_PDF_SOURCE},
    {"Edit",    450,  28, 280,  20, -1},  // source file
    {"Button",  740,  28,  30,  20, TXT_BTN_PDF_SOURCE},
    {"Button",  380,  60,  80,  24, TXT_BTN_DECRYPT},
    {"Button",  380,  94, 150, 195, TXT_FRAME_CAT},
    {"Static",  390, 120, 100,  20, TXT_CAT_FROM},
    {"ComboBox", 430, 120, 80, 100, -1},  // first page
    {"Static",  390, 145, 100,  20, TXT_CAT_TO},
    {"ComboBox", 430, 145, 80, 100, -1},  // last page
    {"Button",  400, 170,  60,  20, TXT_CAT_ALL},
    {"Button",  400, 195,  60,  20, TXT_CAT_EVEN},
    {"Button",  400, 220,  60,  20, TXT_CAT_ODD},
    {"Button",  410, 250,  80,  24, TXT_BTN_CAT},
    {"Button",  550,  60, 220, 230, TXT_FRAME_DELETE},
    {"ListBox", 560,  90,  80, 210, -1},  // pages to delete
    {"Static",  650,  80, 110, 160, TXT_DELETE_HELP},
    {"Button",  660, 250,  80,  24, TXT_BTN_DELETE},
    {"ListBox", 380,  30, 390, 190, -1},  // file list
    {"Button",  380, 230,  80,  24, TXT_BTN_JOIN},
    {"Button",  514, 230,  80,  24, TXT_BTN_ADD_DIR},
    {"Button",  602, 230,  80,  24, TXT_BTN_ADD_PDF},
    {"Button",  690, 230,  80,  24, TXT_BTN_REMOVE},
    {"Button",  602, 264,  80,  24, TXT_BTN_UP},
    {"Button",  690, 264,  80,  24, TXT_BTN_DOWN},
    {"Static",  380,  35,  80,  20, TXT_LANG},
    {"ComboBox", 470, 30,  80, 100, -1},  // language
    {"Static",  380,  65,  80,  20, TXT_ZOOM},
    {"ComboBox", 470, 60,  80, 100, -1},  // zoom
    {"Static",  410,  70, 320, 200, TXT_ABOUT},
};
// clang-format on
static_assert(COUNTOF(kLayout) == ROW_END - 1, "a row for each control");

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
// then the rows of kLayout in creation order, the key-length buttons inside their group box.
inline std::vector<HWND> LayoutControls(HWND hMain)
{
    std::vector<HWND> rows = {GetWindow(hMain, GW_CHILD)};
    for (int n = ROW_TABS; n < ROW_END; ++n) {
        HWND hPrev = rows.back();
        rows.push_back(n == OPT_40
                           ? GetWindow(hPrev, GW_CHILD)
                           : GetWindow(n == FRAME_AUTH ? rows[FRAME_ENCRYPT] : hPrev, GW_HWNDNEXT));
    }
    return rows;
}

// The window and every control where the layout puts them at zoom step nStep.
inline void ExpectLayout(HWND hMain, const std::vector<HWND>& rows, int nStep)
{
    auto S = [&](int v) { return LayoutScaled(v, nStep); };
    RECT r = {};
    GetWindowRect(hMain, &r);
    EXPECT_EQ(r.right - r.left, S(kLayoutWindowW));
    EXPECT_EQ(r.bottom - r.top, S(kLayoutWindowH));
    for (int n = ROW_TABS; n < ROW_END; ++n) {
        const LayoutRow& want = kLayout[n - 1];
        char szClass[64] = {0};
        GetClassNameA(rows[(size_t)n], szClass, sizeof(szClass));
        ASSERT_EQ(lstrcmpiA(szClass, want.szClass), 0) << "row " << n << " is " << szClass;
        GetWindowRect(rows[(size_t)n], &r);
        MapWindowPoints(nullptr, GetParent(rows[(size_t)n]), (POINT*)&r, 2);
        EXPECT_EQ((std::vector<int>{r.left, r.top, r.right - r.left}),
                  (std::vector<int>{S(want.x), S(want.y), S(want.w)}))
            << "row " << n;
        // A drop-down's window is its closed box; a list box shows whole lines only, so it may
        // be up to one line shorter.
        bool bCombo = !lstrcmpiA(szClass, "ComboBox"), bList = !lstrcmpiA(szClass, "ListBox");
        int nHeight = r.bottom - r.top, nWant = bCombo ? nHeight : S(want.h);
        int nLine = bList ? (int)SendMessageA(rows[(size_t)n], LB_GETITEMHEIGHT, 0, 0) : 1;
        EXPECT_TRUE(nHeight <= nWant && nHeight > nWant - nLine)
            << "row " << n << ": height " << nHeight << " for " << nWant;
    }
}
