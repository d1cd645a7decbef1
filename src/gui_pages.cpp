// The tab pages: the selected one shown and the others hidden, the page emptied when shown again,
// and the focus on its first control.
#include "gui.h"

#include <commctrl.h>

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

// A control of a page shown again as it was at first: a page is fresh each time it is shown.
static void Refresh(T_INTERFACE* gui, const T_CONTROL& c)
{
    HWND h = (gui->*c.pElement).hdl;
    switch (c.nKind) {
    case KIND_PATH:
        uiForgetSource(gui, h);
        break;
    case KIND_RANGES:
    case KIND_NUMBER:
    case KIND_NOTE:
    case KIND_INFO:
        SetWindowTextA(h, nullptr);
        break;
    case KIND_RADIO:
    case KIND_CHECK:
        SendMessageA(h, BM_SETCHECK, c.nFlags & CTL_CHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case KIND_PAGES:
        SendMessageA(h, CB_RESETCONTENT, 0, 0);
        break;
    case KIND_CHOICE:
    case KIND_LEVELS:
        SendMessageA(h, CB_SETCURSEL, 0, 0);
        break;
    case KIND_LIST:
    case KIND_FILES:
        SendMessageA(h, LB_RESETCONTENT, 0, 0);
        SendMessageA(h, LB_SETHORIZONTALEXTENT, 0, 0);
        break;
    }
}

int uiShowPage(T_INTERFACE* gui)
{
    int nTab = uiSelectedTab(gui);
    if (nTab < 0 || nTab >= TAB_COUNT)
        return 0;
    uiSetStatus(gui, uiText(gui, TXT_STATUS).c_str()); // the last outcome told, it goes
    for (size_t i = 0; i < uiControlCount; ++i) {
        const T_CONTROL& c = uiControls[i];
        if (c.nPage == PAGE_PANEL)
            continue;
        ShowWindow((gui->*c.pElement).hdl, c.nPage == nTab ? SW_SHOW : SW_HIDE);
        if (c.nPage == nTab)
            Refresh(gui, c);
    }
    // A tool installed or removed meanwhile is seen here as well as by the next operation.
    if (nTab == TAB_CONFIG)
        uiFindTool(gui);
    return 0;
}

int uiSelectedTab(T_INTERFACE* gui)
{
    return (int)SendMessageA(gui->Tabs.hdl, TCM_GETCURSEL, 0, 0);
}

int uiSelectTab(T_INTERFACE* gui, int nTab)
{
    SendMessageA(gui->Tabs.hdl, TCM_SETCURSEL, (WPARAM)nTab, 0);
    return uiShowSelectedPage(gui);
}

int uiTabsHaveFocus(T_INTERFACE* gui)
{
    return GetFocus() == gui->Tabs.hdl;
}
