// The main window's record: the geometry of every control at 100 %, and the readers of the
// controls.
#include "gui.h"

#include <string.h>

#include "paths.h"

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
    {"", 0}, {"", 0}, {"", 0},  // Source, PagesSource, Backs
    USER_DEFAULT_SCREEN_DPI,    // nDpi, until the window knows its screen
};
// clang-format on

T_CONFIG guicfg = {0, 0};

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

int uiReadPath(HWND h, char* szPath)
{
    WCHAR wszPath[TANDREL_PATH_MAX] = {0};
    GetWindowTextW(h, wszPath, TANDREL_PATH_MAX);
    return pathFromWide(wszPath, szPath);
}

int uiShowPath(HWND h, const char* szPath)
{
    SetWindowTextW(h, pathWide(szPath).c_str());
    return 0;
}
