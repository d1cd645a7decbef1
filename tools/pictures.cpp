// Photographs the main window: every tab page, in French and English, at 100 % and 200 %; on a
// screen of another DPI than 96, the first page in each language at 100 %.
// Writes one BMP per picture into the folder given as the only argument; run under Wine's X11
// driver (scripts/pictures.sh turns them into PNG files).
// "pictures --measure" photographs nothing: it prints, for the same languages and zooms, whether
// each caption fits its control in the font the controls get (see MeasureControl).
#include "gui.h"
#include "pdf_text.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <set>
#include <string>

static void Pump(DWORD ms)
{
    DWORD t0 = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    } while (GetTickCount() - t0 < ms);
}

static void Pick(T_ELEMENT& combo, int nItem)
{
    SendMessageA(combo.hdl, CB_SETCURSEL, (WPARAM)nItem, 0);
    SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)combo.hdl);
}

static void SelectTab(int nTab)
{
    SendMessageA(gui.Tabs.hdl, TCM_SETCURSEL, (WPARAM)nTab, 0);
    NMHDR hdr = {gui.Tabs.hdl, 0, (UINT)TCN_SELCHANGE};
    SendMessageA(gui.hWnd, WM_NOTIFY, 0, (LPARAM)&hdr);
}

// Some work on the page, so that the picture shows the lists and boxes in use.
static void FillPage(int nTab)
{
    if (nTab == TAB_SINGLE) {
        SetWindowTextA(gui.EditPDFSource.hdl, "C:\\Documents\\rapport annuel 2026.pdf");
        for (int i = 1; i <= 12; ++i) {
            char sz[16];
            snprintf(sz, sizeof(sz), "page %4d", i);
            SendMessageA(gui.ListDelete.hdl, LB_ADDSTRING, 0, (LPARAM)sz);
            SendMessageA(gui.CboCatFrom.hdl, CB_ADDSTRING, 0, (LPARAM)sz);
            SendMessageA(gui.CboCatTo.hdl, CB_ADDSTRING, 0, (LPARAM)sz);
        }
        SendMessageA(gui.CboCatFrom.hdl, CB_SETCURSEL, 0, 0);
        SendMessageA(gui.CboCatTo.hdl, CB_SETCURSEL, 11, 0);
        SendMessageA(gui.ListDelete.hdl, LB_SETSEL, TRUE, 2);
    } else if (nTab == TAB_MULTI) {
        const char* files[] = {"C:\\Documents\\chapitre 1.pdf", "C:\\Documents\\chapitre 2.pdf",
                               "C:\\Documents\\annexes\\tableaux \xE9t\xE9 2026.pdf"};
        for (const char* f : files)
            SendMessageA(gui.ListPdfFiles.hdl, LB_ADDSTRING, 0, (LPARAM)f);
    } else if (nTab == TAB_PAGES) {
        SetWindowTextA(gui.EditPagesSource.hdl, "C:\\Documents\\scan recto.pdf");
        SetWindowTextA(gui.EditBacks.hdl, "C:\\Documents\\scan verso.pdf");
        SetWindowTextA(gui.EditRanges.hdl, "1-3 7 9-end");
    } else if (nTab == TAB_DOCUMENT) {
        SetWindowTextA(gui.EditDocSource.hdl, "C:\\Documents\\rapport annuel 2026.pdf");
        SetWindowTextA(gui.StaticDocSummary.hdl,
                       pdfFillText(gui.szLang[TXT_DOC_SUMMARY], {"48", "12"}).c_str());
        SetWindowTextA(gui.EditInfoTitle.hdl, "Rapport annuel 2026");
        SetWindowTextA(gui.EditInfoAuthor.hdl, "Service financier");
        SetWindowTextA(gui.EditInfoKeywords.hdl, "budget, comptes, 2026");
        SetWindowTextA(gui.EditSplitEvery.hdl, "10");
    } else if (nTab == TAB_CONFIG) { // the tool where its installer puts it
        std::string tool = pdfFillText(gui.szLang[TXT_TOOL_IN_USE],
                                       {"C:\\Program Files (x86)\\PDFtk Server\\bin\\pdftk.exe"});
        SetWindowTextA(gui.StaticTool.hdl, tool.c_str());
    }
}

static bool SaveWindowBitmap(HWND hWnd, const std::string& path)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP hBmp = CreateDIBSection(hMem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMem, hBmp);
    BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
    SelectObject(hMem, hOld);
    DWORD nStride = ((DWORD)w * 3 + 3) & ~3u;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + nStride * (DWORD)h;
    FILE* f = fopen(path.c_str(), "wb");
    bool ok = f && fwrite(&fh, sizeof(fh), 1, f) == 1 &&
              fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f) == 1 &&
              fwrite(bits, nStride, (size_t)h, f) == (size_t)h;
    if (f)
        fclose(f);
    DeleteObject(hBmp);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);
    return ok;
}

// The caption on one line, shortened: line breaks become " / ".
static std::string OneLine(const char* sz)
{
    std::string s;
    for (; *sz && s.size() < 60; ++sz) {
        if (*sz == '\n')
            s += " / ";
        else if (*sz != '\r')
            s += *sz;
    }
    return *sz ? s + "..." : s;
}

typedef struct {
    const char* szLang;
    int nPercent;
    std::set<HWND> done; // controls measured, on the first page that shows them
    int nCut;            // of which do not fit
} T_MEASURE;

// The rectangle of a control in its parent's client area.
static RECT ParentRect(HWND h)
{
    RECT rc;
    GetWindowRect(h, &rc);
    MapWindowPoints(nullptr, GetParent(h), (POINT*)&rc, 2);
    return rc;
}

// Where the room of a caption on the band [top, bottom) of control h ends, in h's client
// coordinates: at h's right edge, or where a control shown beside it starts.
static int RightEdge(HWND h, int top, int bottom)
{
    RECT rc = ParentRect(h);
    int right = rc.right;
    for (HWND s = GetWindow(h, GW_HWNDFIRST); s; s = GetWindow(s, GW_HWNDNEXT)) {
        RECT rs = ParentRect(s);
        if (s != h && IsWindowVisible(s) && rs.left > rc.left && rs.left < right &&
            rs.top < rc.top + bottom && rs.bottom > rc.top + top)
            right = rs.left;
    }
    return right - rc.left;
}

// The last column that the caption, drawn at x = 0 in the font of hdc, inks; -1 if none.
static int InkRight(HDC hdc, const char* sz, int nLen, int nExtent, int nHeight)
{
    int nWidth = nExtent + nHeight; // room for a last letter reaching past its advance
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = nWidth;
    bi.bmiHeader.biHeight = -nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC hMem = CreateCompatibleDC(hdc);
    DWORD* pBits = nullptr;
    HBITMAP hBmp = CreateDIBSection(hMem, &bi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0);
    HGDIOBJ hOldBmp = SelectObject(hMem, hBmp);
    HGDIOBJ hOldFont = SelectObject(hMem, GetCurrentObject(hdc, OBJ_FONT));
    PatBlt(hMem, 0, 0, nWidth, nHeight, WHITENESS);
    SetTextColor(hMem, RGB(0, 0, 0));
    SetBkMode(hMem, TRANSPARENT);
    TextOutA(hMem, 0, 0, sz, nLen);
    GdiFlush();
    int nRight = -1;
    for (int y = 0; y < nHeight; ++y)
        for (int x = nRight + 1; x < nWidth; ++x)
            if ((pBits[y * nWidth + x] & 0xFFFFFF) != 0xFFFFFF)
                nRight = x;
    SelectObject(hMem, hOldFont);
    SelectObject(hMem, hOldBmp);
    DeleteObject(hBmp);
    DeleteDC(hMem);
    return nRight;
}

// One line for a control that shows a caption: its extent in the control's own font against the
// room the control leaves it, as Wine's controls lay it out:
//   button  centred on the button, clear of its 2 px frame by a pixel on each side;
//   box     (check box, radio button) after the 13 px box, half a digit's width and the pixel
//           kept for the focus frame;
//   group   7 px in from either side, plus the pixel kept for the focus frame; the common
//           controls 6 draw it one pixel right of a box as wide as its extent, so that a
//           caption inking the last column of its extent loses that column ("group-1px");
//   label   on one line: the whole caption; on several (room for two or more): every word on a
//           line, and the wrapped lines within the control's height.
// A control shown beside it on the caption's line ends the room.
static BOOL CALLBACK MeasureControl(HWND h, LPARAM lParam)
{
    T_MEASURE* m = (T_MEASURE*)lParam;
    char szClass[16] = "", szText[1024] = "";
    GetClassNameA(h, szClass, sizeof(szClass));
    GetWindowTextA(h, szText, sizeof(szText));
    LONG style = GetWindowLongA(h, GWL_STYLE);
    bool bButton = lstrcmpiA(szClass, "Button") == 0;
    bool bLabel = lstrcmpiA(szClass, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
    if (!szText[0] || !(bButton || bLabel) || !IsWindowVisible(h) || !m->done.insert(h).second)
        return TRUE;
    RECT rc;
    GetClientRect(h, &rc);
    HDC hdc = GetDC(h);
    HGDIOBJ hOld = SelectObject(hdc, (HFONT)SendMessageA(h, WM_GETFONT, 0, 0));
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    if (m->done.size() == 1) {
        // Which face the font request came to, by its full name.
        char szFace[64] = "?";
        UINT nSize = GetOutlineTextMetricsA(hdc, 0, nullptr);
        std::string otm(nSize, '\0');
        if (nSize && GetOutlineTextMetricsA(hdc, nSize, (OUTLINETEXTMETRICA*)&otm[0]))
            snprintf(szFace, sizeof(szFace), "%s",
                     &otm[(size_t)((OUTLINETEXTMETRICA*)&otm[0])->otmpFullName]);
        printf("%s %d%%: font height %ld, drawn in \"%s\"\n", m->szLang, m->nPercent, tm.tmHeight,
               szFace);
    }
    int nLen = lstrlenA(szText);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, szText, nLen, &size);
    int nExtent = size.cx, nRoom = RightEdge(h, 0, rc.bottom);
    const char* szKind = "label";
    char szMore[40] = "";
    bool bFits = true;
    if (bButton) {
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX: {
            szKind = "group";
            nRoom = RightEdge(h, 0, tm.tmHeight) - 2 * 7 - 1;
            RECT rcMargin; // only the common controls 6 know the message
            if (InkRight(hdc, szText, nLen, nExtent, tm.tmHeight) >= nExtent - 1 &&
                SendMessageA(h, BCM_GETTEXTMARGIN, 0, (LPARAM)&rcMargin))
                snprintf(szMore, sizeof(szMore), " group-1px");
            break;
        }
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            szKind = "button";
            nRoom -= 2 * (2 + 1);
            break;
        default: {
            INT nDigit = 0;
            GetCharWidth32A(hdc, '0', '0', &nDigit);
            szKind = "box";
            nRoom -= 12 * GetDeviceCaps(hdc, LOGPIXELSX) / 96 + 1 + nDigit / 2 + 1;
        }
        }
        bFits = nExtent <= nRoom && !szMore[0];
    } else if (rc.bottom < 2 * tm.tmHeight) {
        bFits = nExtent <= nRoom;
    } else {
        szKind = "text";
        nExtent = 0;
        for (const char* p = szText; *p;) {
            int n = (int)strcspn(p, " \r\n\t");
            if (n > 0 && GetTextExtentPoint32A(hdc, p, n, &size) && size.cx > nExtent)
                nExtent = size.cx;
            p += n;
            p += *p ? 1 : 0;
        }
        RECT rcText = {0, 0, nRoom, 0};
        DrawTextA(hdc, szText, -1, &rcText, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
        snprintf(szMore, sizeof(szMore), " height %ld/%ld", rcText.bottom, rc.bottom);
        bFits = nExtent <= nRoom && rcText.bottom <= rc.bottom;
    }
    SelectObject(hdc, hOld);
    ReleaseDC(h, hdc);
    printf("%s %d%% %-6s %4d/%4d %s %s%s\n", m->szLang, m->nPercent, szKind, nExtent, nRoom,
           bFits ? "ok " : "CUT", OneLine(szText).c_str(), szMore);
    m->nCut += bFits ? 0 : 1;
    return TRUE;
}

// The languages and zooms the pictures show.
typedef struct {
    int nLang, nZoom;
    const char* szLang;
    int nPercent;
} T_VIEW;

static const T_VIEW views[] = {{LNG_FRENCH, 0, "fr", 100},
                               {LNG_FRENCH, ZOOM_STEP_MAX, "fr", 200},
                               {LNG_ENGLISH, 0, "en", 100},
                               {LNG_ENGLISH, ZOOM_STEP_MAX, "en", 200}};

static void ShowView(const T_VIEW& v)
{
    Pick(gui.CboLang, v.nLang);
    Pick(gui.CboZoom, v.nZoom);
}

// Every language and zoom the pictures show, page by page; the number of captions that do not
// fit.
static int MeasureCaptions(HWND hWnd)
{
    int nCut = 0;
    for (const T_VIEW& v : views) {
        ShowView(v);
        T_MEASURE m = {v.szLang, v.nPercent, {}, 0};
        for (int nTab = 0; nTab < TAB_COUNT; ++nTab) {
            SelectTab(nTab);
            Pump(100);
            EnumChildWindows(hWnd, MeasureControl, (LPARAM)&m);
        }
        printf("%s %d%%: %d of %d captions cut\n", m.szLang, m.nPercent, m.nCut,
               (int)m.done.size());
        nCut += m.nCut;
    }
    printf("cut: %d\n", nCut);
    return nCut;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: pictures <folder> | pictures --measure\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "\\";
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    appInitRecord(hInst);
    // Settings are neither read from nor written beside this program.
    gui.szPathCfg[0] = 0;
    appRegisterClass(hInst);
    HWND hWnd = CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, gui.w,
                                gui.h, nullptr, nullptr, hInst, nullptr);
    if (!hWnd)
        return 1;
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    Pump(1500);
    if (strcmp(argv[1], "--measure") == 0) {
        int nCut = MeasureCaptions(hWnd);
        DestroyWindow(hWnd);
        return nCut ? 1 : 0;
    }
    // On a screen of another DPI (scripts/pictures.sh sets 144): the first page at 100 % in each
    // language, named after the DPI.
    bool bOtherDpi = gui.nDpi != USER_DEFAULT_SCREEN_DPI;
    int nFailed = 0;
    for (const T_VIEW& v : views) {
        if (bOtherDpi && v.nZoom)
            continue;
        ShowView(v);
        for (int nTab = 0; nTab < (bOtherDpi ? 1 : TAB_COUNT); ++nTab) {
            SelectTab(nTab);
            FillPage(nTab);
            RedrawWindow(hWnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump(600);
            char szName[64];
            snprintf(szName, sizeof(szName),
                     bOtherDpi ? "tab%d_%s_%d_%ddpi.bmp" : "tab%d_%s_%d.bmp", nTab, v.szLang,
                     v.nPercent, gui.nDpi);
            if (!SaveWindowBitmap(hWnd, dir + szName))
                ++nFailed;
        }
    }
    DestroyWindow(hWnd);
    return nFailed ? 1 : 0;
}
