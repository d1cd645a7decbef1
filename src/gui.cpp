// The main window's record, and the readers of the controls.
#include "gui.h"

#include <string.h>

#include "paths.h"

// The geometry at 100 % of every control, from the control table.
T_INTERFACE gui = {
    nullptr,
    nullptr,
    0,
    0,
    WINDOW_W,
    WINDOW_H,
    "",
    "",
    "",
    nullptr,
    {nullptr},
#define X(field, kind, x, y, w, h, ...) {nullptr, x, y, w, h},
    TANDREL_CONTROLS(X)
#undef X
        {},
    {},
    USER_DEFAULT_SCREEN_DPI, // until the window knows its screen
};

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

// The box of each source, by SOURCE_...
static T_ELEMENT T_INTERFACE::*const sourceBoxes[SOURCE_COUNT] = {
    &T_INTERFACE::EditPDFSource, &T_INTERFACE::EditPagesSource, &T_INTERFACE::EditBacks,
    &T_INTERFACE::EditDocSource};

HWND uiSourceBox(T_INTERFACE* gui, int nSource)
{
    return (gui->*sourceBoxes[nSource]).hdl;
}

int uiSourceFile(T_INTERFACE* gui, int nSource, char* szFile)
{
    return uiReadPath(uiSourceBox(gui, nSource), szFile);
}

int uiForgetSource(T_INTERFACE* gui, HWND hBox)
{
    for (int i = 0; i < SOURCE_COUNT; ++i) {
        if ((gui->*sourceBoxes[i]).hdl == hBox) {
            SecureZeroMemory(&gui->chosen[i], sizeof(gui->chosen[i]));
            gui->sourceData[i] = T_DOC_DATA();
        }
    }
    uiShowPath(hBox, "");
    return 0;
}
