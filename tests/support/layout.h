// The main window's controls as the program lays them out at 100 %, written down from its design
// and never read from the program, and the rule that scales them: what the window tests and the
// release test hold the window to.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

struct LayoutRow {
    const char* szClass; // window class, as GetClassName answers it (any letter case)
    int x, y, w, h;      // unscaled, in the parent's client area; a drop-down's h is dropped down
    bool bInFrame;       // a child of the encryption group box (row 2), not of the main window
    bool bVisible;       // shown at start, on the Single file page
};

// The window's outer size at 100 %.
constexpr int kLayoutWindowW = 790, kLayoutWindowH = 350;

// After the status bar, in creation order: the tab control, then the controls of the panel and
// of the four pages. The two key-length buttons are the only children of the group box.
// clang-format off
inline const LayoutRow kLayout[] = {
    {"SysTabControl32", 370,   0, 410, 300, false, true},   // the four tabs
    {"Button",   10,  10, 100,  80, false, true},   // encryption group
    {"Button",   10,  25,  80,  20, true,  true},   // 40 bits
    {"Button",   10,  45,  80,  20, true,  true},   // 128 bits
    {"Button",  120,  10, 240, 210, false, true},   // permissions group
    {"Button",  130,  30, 200,  20, false, true},   // all permissions
    {"Button",  145,  50, 200,  20, false, true},   // top quality printing
    {"Button",  145,  70, 200,  20, false, true},   // lower quality printing
    {"Button",  145,  90, 200,  20, false, true},   // modify contents
    {"Button",  145, 110, 200,  20, false, true},   // assembly
    {"Button",  145, 130, 200,  20, false, true},   // copy contents
    {"Button",  145, 150, 200,  20, false, true},   // screen readers
    {"Button",  145, 170, 200,  20, false, true},   // modify annotations
    {"Button",  145, 190, 200,  20, false, true},   // fill in
    {"Button",   10, 100, 100, 120, false, true},   // passwords group
    {"Static",   20, 120,  80,  20, false, true},   // "User"
    {"Edit",     20, 140,  80,  20, false, true},   // user password
    {"Static",   20, 160,  80,  20, false, true},   // "Owner"
    {"Edit",     20, 180,  80,  20, false, true},   // owner password
    {"Button",   10, 230,  80,  20, false, true},   // encrypt
    {"Button",  100, 230,  80,  20, false, true},   // burst
    {"Button",  190, 230,  80,  20, false, true},   // dump data
    {"Button",  280, 230,  80,  20, false, true},   // background
    {"Button",   10, 255,  80,  20, false, true},   // re-compress
    {"Button",  100, 255,  80,  20, false, true},   // uncompress
    {"Button",  190, 255,  80,  20, false, true},   // repair
    {"Button",  280, 255,  80,  20, false, true},   // dump form fields
    {"Button",  280, 280,  80,  20, false, true},   // close
    {"Static",  380,  30, 100,  20, false, true},   // "PDF file :"
    {"Edit",    450,  28, 280,  20, false, true},   // source file
    {"Button",  740,  28,  30,  20, false, true},   // "..."
    {"Button",  380,  60,  80,  24, false, true},   // decrypt
    {"Button",  380,  94, 150, 195, false, true},   // page selection group
    {"Static",  390, 120, 100,  20, false, true},   // "From :"
    {"ComboBox", 430, 120, 80, 100, false, true},   // first page
    {"Static",  390, 145, 100,  20, false, true},   // "To :"
    {"ComboBox", 430, 145, 80, 100, false, true},   // last page
    {"Button",  400, 170,  60,  20, false, true},   // all pages
    {"Button",  400, 195,  60,  20, false, true},   // even pages
    {"Button",  400, 220,  60,  20, false, true},   // odd pages
    {"Button",  410, 250,  80,  24, false, true},   // select pages
    {"Button",  550,  60, 220, 230, false, true},   // deletion group
    {"ListBox", 560,  90,  80, 210, false, true},   // pages to delete
    {"Static",  650,  80, 110, 160, false, true},   // how to delete
    {"Button",  660, 250,  80,  24, false, true},   // delete
    {"ListBox", 380,  30, 390, 190, false, false},  // file list
    {"Button",  380, 230,  80,  24, false, false},  // join
    {"Button",  514, 230,  80,  24, false, false},  // add a folder
    {"Button",  602, 230,  80,  24, false, false},  // add a file
    {"Button",  690, 230,  80,  24, false, false},  // remove
    {"Button",  602, 264,  80,  24, false, false},  // up
    {"Button",  690, 264,  80,  24, false, false},  // down
    {"Static",  380,  35,  80,  20, false, false},  // "Language :"
    {"ComboBox", 470, 30,  80, 100, false, false},  // language
    {"Static",  380,  65,  80,  20, false, false},  // "Zoom :"
    {"ComboBox", 470, 60,  80, 100, false, false},  // zoom
    {"Static",  410,  70, 320, 200, false, false},  // about text
};
// clang-format on
constexpr int kLayoutRows = sizeof(kLayout) / sizeof(kLayout[0]);
static_assert(kLayoutRows == 57, "rows 1 to 57 of the layout");

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
    HWND hLast = rows[0], hLastInFrame = nullptr;
    for (const LayoutRow& r : kLayout) {
        HWND& h = r.bInFrame ? hLastInFrame : hLast;
        h = h ? GetWindow(h, GW_HWNDNEXT) : GetWindow(rows[2], GW_CHILD);
        rows.push_back(h);
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
    for (int n = 1; n <= kLayoutRows; ++n) {
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
