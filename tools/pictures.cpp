// Photographs the main window: every tab page, in French and English, at 100 % and 200 %.
// Writes one BMP per picture into the folder given as the only argument; run under Wine's X11
// driver (scripts/pictures.sh turns them into PNG files).
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>

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
    if (nTab == 0) {
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
    } else if (nTab == 1) {
        const char* files[] = {"C:\\Documents\\chapitre 1.pdf", "C:\\Documents\\chapitre 2.pdf",
                               "C:\\Documents\\annexes\\tableaux \xE9t\xE9 2026.pdf"};
        for (const char* f : files)
            SendMessageA(gui.ListPdfFiles.hdl, LB_ADDSTRING, 0, (LPARAM)f);
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

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: pictures <folder>\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "\\";
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    appInitRecord(hInst);
    // Settings are neither read from nor written beside this program.
    gui.szPathCfg[0] = 0;
    appRegisterClass(hInst);
    HWND hWnd = CreateWindowExA(0, "WINDOWSAPP", nullptr, WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                gui.w, gui.h, nullptr, nullptr, hInst, nullptr);
    if (!hWnd)
        return 1;
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    Pump(1500);
    int nFailed = 0;
    const char* langs[] = {"fr", "en"};
    for (int nLang = 0; nLang < 2; ++nLang) {
        for (int nZoom : {0, 10}) {
            Pick(gui.CboLang, nLang);
            Pick(gui.CboZoom, nZoom);
            for (int nTab = 0; nTab < 4; ++nTab) {
                SelectTab(nTab);
                FillPage(nTab);
                InvalidateRect(hWnd, nullptr, TRUE);
                RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN |
                                                         RDW_UPDATENOW);
                Pump(600);
                char szName[64];
                snprintf(szName, sizeof(szName), "tab%d_%s_%d.bmp", nTab, langs[nLang],
                         100 + 10 * nZoom);
                if (!SaveWindowBitmap(hWnd, dir + szName))
                    ++nFailed;
            }
        }
    }
    DestroyWindow(hWnd);
    return nFailed ? 1 : 0;
}
