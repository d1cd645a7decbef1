// The texts of the active language on the window: its title, tabs, captions, the names screen
// readers read, and the Settings page's line on the tool in use.
#include "gui.h"

#include <commctrl.h>
#include <oleacc.h>

#include "paths.h"
#include "pdf_text.h"
#include "pdf_tool.h"

// The text of a list, or of a box or list with a label that names another (the split's pages and
// level follow their radio buttons), is no caption: it names the control for screen readers. The
// others are named by the label just before them in the window order.
static bool IsNamedList(int nKind)
{
    return nKind == KIND_LIST || nKind == KIND_FILES || nKind == KIND_NUMBER ||
           nKind == KIND_LEVELS;
}

static void uiNameLists(T_INTERFACE* gui)
{
    HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    IAccPropServices* pProps = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, (void**)&pProps))) {
        for (size_t i = 0; i < uiControlCount; ++i) {
            const T_CONTROL& c = uiControls[i];
            if (!IsNamedList(c.nKind) || c.nText == TXT_NONE)
                continue;
            WCHAR wszName[TANDREL_PATH_MAX] = {0};
            uiWideText(gui->szLang[c.nText], wszName, TANDREL_PATH_MAX);
            pProps->SetHwndPropStr((gui->*c.pElement).hdl, (DWORD)OBJID_CLIENT, CHILDID_SELF,
                                   PROPID_ACC_NAME, wszName);
        }
        pProps->Release();
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();
}

// The tab control's labels, from the text of its first tab on.
static void LabelTabs(HWND hTabs, const char* const* szLng, int nFirst)
{
    for (int i = 0; i < TAB_COUNT; ++i) {
        TCITEMA tie = {};
        tie.mask = TCIF_TEXT;
        tie.pszText = const_cast<char*>(szLng[nFirst + i]);
        SendMessageA(hTabs, TCM_SETITEMA, (WPARAM)i, (LPARAM)&tie);
    }
}

int uiApplyText(T_INTERFACE* gui, const char* const* szLng)
{
    gui->szLang = szLng;
    SetWindowTextA(gui->hWnd, szLng[TXT_APP_NAME]);
    uiSetStatus(gui, uiText(gui, TXT_STATUS).c_str());
    for (size_t i = 0; i < uiControlCount; ++i) {
        const T_CONTROL& c = uiControls[i];
        HWND h = (gui->*c.pElement).hdl;
        if (c.nKind == KIND_TABS)
            LabelTabs(h, szLng, c.nText);
        else if (c.nText != TXT_NONE && !IsNamedList(c.nKind))
            SetWindowTextA(h, szLng[c.nText]);
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
                           ? pdfFillText(uiText(gui, TXT_TOOL_IN_USE).c_str(), {gui->szPathExe})
                           : uiText(gui, TXT_TOOL_NONE);
    if (gui->StaticTool.hdl)
        SetWindowTextW(gui->StaticTool.hdl, pathWide(text.c_str()).c_str());
    return 0;
}

int uiFindTool(T_INTERFACE* gui)
{
    char szFound[TANDREL_PATH_BYTES];
    int bFound = pdfFindTool(gui->szPathDir, gui->szPathExe, szFound);
    memcpy(gui->szPathExe, szFound, sizeof(szFound));
    uiShowTool(gui);
    return bFound;
}

int uiToolReady(T_INTERFACE* gui)
{
    char szFound[TANDREL_PATH_BYTES];
    std::string why = pdfFindToolOrWhy(gui->szPathDir, gui->szPathExe, szFound,
                                       uiText(gui, TXT_MSG_NO_TOOL).c_str());
    memcpy(gui->szPathExe, szFound, sizeof(szFound));
    uiShowTool(gui); // the Settings page shows the one in use, or none
    if (why.empty())
        return 1;
    uiShowText(gui, why.c_str(), MB_ICONERROR);
    return 0;
}
