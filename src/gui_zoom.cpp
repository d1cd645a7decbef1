// Zoom: the window, every control and the font scaled from their unscaled geometry.
#include "gui.h"

#include <math.h>
#include <stdint.h>

double uiZoomRatio(int nZoomStep)
{
    return (double)nZoomStep / 10 + 1;
}

double uiScaleFactor(int nZoomStep, int nDpi)
{
    return uiZoomRatio(nZoomStep) * ((double)nDpi / USER_DEFAULT_SCREEN_DPI);
}

int uiWindowDpi(HWND hWnd)
{
    // Windows 10 from version 1607 on tells each window its screen's DPI; before, a DPI-aware
    // program has the system's.
    typedef UINT(WINAPI * T_GET_DPI_FOR_WINDOW)(HWND);
    static const T_GET_DPI_FOR_WINDOW pGetDpiForWindow = reinterpret_cast<T_GET_DPI_FOR_WINDOW>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    int nDpi = pGetDpiForWindow ? (int)pGetDpiForWindow(hWnd) : 0;
    if (nDpi <= 0) {
        HDC hdc = GetDC(hWnd);
        nDpi = GetDeviceCaps(hdc, LOGPIXELSY);
        ReleaseDC(hWnd, hdc);
    }
    return nDpi > 0 ? nDpi : USER_DEFAULT_SCREEN_DPI;
}

int uiScaleValue(int v, double ratio)
{
    // The product is taken exactly from the double's integer mantissa: a product rounded to
    // double precision would come out whole (one pixel more) for ratios such as 1.2 that lie
    // just below their decimal value.
    if (!(ratio > 0) || !isfinite(ratio) || v == 0)
        return 0;
    int nExp = 0;
    double frac = frexp(ratio, &nExp);          // ratio = frac * 2^nExp, frac in [0.5, 1)
    uint64_t nMant = (uint64_t)ldexp(frac, 53); // exact: 53 significant bits
    int nShift = 53 - nExp;                     // ratio = nMant / 2^nShift
    uint64_t nAbs = v < 0 ? (uint64_t)(-(int64_t)v) : (uint64_t)v;
    if (nShift < 32) {
        double p = (double)nAbs * ratio; // huge ratios only; no layout uses them
        int64_t r = p > 2147483647.0 ? 2147483647 : (int64_t)p;
        return v < 0 ? (int)-r : (int)r;
    }
    // nAbs * nMant < 2^84: split the mantissa to keep every bit.
    uint64_t pLo = nAbs * (nMant & 0xFFFFFFFFu);
    uint64_t pHi = nAbs * (nMant >> 32);
    uint64_t q = pHi + (pLo >> 32); // floor(product / 2^32)
    int nRest = nShift - 32;
    uint64_t r = nRest >= 64 ? 0 : q >> nRest;
    if (r > 2147483647u)
        r = 2147483647u;
    return v < 0 ? -(int)r : (int)r;
}

int ResizeElement(T_ELEMENT* elmnt, double ratio)
{
    MoveWindow(elmnt->hdl, uiScaleValue(elmnt->x, ratio), uiScaleValue(elmnt->y, ratio),
               uiScaleValue(elmnt->w, ratio), uiScaleValue(elmnt->h, ratio), FALSE);
    return 0;
}
