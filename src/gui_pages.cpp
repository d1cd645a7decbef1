// The tab pages: the selected one shown and the others hidden, the page emptied when shown again,
// and the focus on its first control.
#include "gui.h"

#include <commctrl.h>

#include "pdf_tool.h"

static void ShowControls(T_ELEMENT* const* pControls, size_t nCount, int nCmdShow)
{
    for (size_t i = 0; i < nCount; ++i)
        ShowWindow(pControls[i]->hdl, nCmdShow);
}

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

int uiShowPage(T_INTERFACE* gui)
{
    int nTab = uiSelectedTab(gui);
    if (nTab < 0 || nTab >= TAB_COUNT)
        return 0;
    SetWindowTextA(gui->Status.hdl, gui->szLang[TXT_STATUS]); // the last outcome told, it goes
    ShowTabSingle(gui, nTab == TAB_SINGLE ? SW_SHOW : SW_HIDE);
    ShowTabMulti(gui, nTab == TAB_MULTI ? SW_SHOW : SW_HIDE);
    ShowTabPages(gui, nTab == TAB_PAGES ? SW_SHOW : SW_HIDE);
    ShowTabConfig(gui, nTab == TAB_CONFIG ? SW_SHOW : SW_HIDE);
    ShowTabAbout(gui, nTab == TAB_ABOUT ? SW_SHOW : SW_HIDE);
    return 0;
}

int uiSelectedTab(T_INTERFACE* gui)
{
    return (int)SendMessageA(gui->Tabs.hdl, TCM_GETCURSEL, 0, 0);
}

int ShowTabSingle(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->StaticPDFSource, &gui->EditPDFSource, &gui->BtnPDFSource,
                               &gui->BtnDecrypt,      &gui->FrameCat,      &gui->StaticCatFrom,
                               &gui->CboCatFrom,      &gui->StaticCatTo,   &gui->CboCatTo,
                               &gui->OptCatAll,       &gui->OptCatEven,    &gui->OptCatOdd,
                               &gui->BtnCat,          &gui->FrameDelete,   &gui->ListDelete,
                               &gui->StaticDelete,    &gui->BtnDelete};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) {
        SendMessageA(gui->ListDelete.hdl, LB_RESETCONTENT, 0, 0);
        SendMessageA(gui->CboCatFrom.hdl, CB_RESETCONTENT, 0, 0);
        SendMessageA(gui->CboCatTo.hdl, CB_RESETCONTENT, 0, 0);
        SetWindowTextA(gui->EditPDFSource.hdl, nullptr);
        SecureZeroMemory(&gui->Source, sizeof(gui->Source));
        SendMessageA(gui->OptCatAll.hdl, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(gui->OptCatEven.hdl, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(gui->OptCatOdd.hdl, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    return 0;
}

int ShowTabMulti(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->ListPdfFiles,         &gui->BtnJoin,
                               &gui->BtnAddPdfToList,      &gui->BtnAddDirToList,
                               &gui->BtnRemovePdfFromList, &gui->BtnUpPdfInList,
                               &gui->BtnDownPdfInList};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) {
        SendMessageA(gui->ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
        SendMessageA(gui->ListPdfFiles.hdl, LB_SETHORIZONTALEXTENT, 0, 0);
    }
    return 0;
}

int ShowTabPages(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {
        &gui->StaticPagesSource, &gui->EditPagesSource, &gui->BtnPagesSource, &gui->FrameInterleave,
        &gui->StaticBacks,       &gui->EditBacks,       &gui->BtnBacks,       &gui->ChkBacksReverse,
        &gui->BtnInterleave,     &gui->FrameRanges,     &gui->StaticRanges,   &gui->EditRanges,
        &gui->StaticTurn,        &gui->CboTurn,         &gui->BtnRotate,      &gui->BtnTakePages};
    ShowControls(page, COUNTOF(page), nCmdShow);
    if (nCmdShow == SW_SHOW) { // a page fresh each time it is shown, as the Single file page
        for (T_ELEMENT* e : {&gui->EditPagesSource, &gui->EditBacks, &gui->EditRanges})
            SetWindowTextA(e->hdl, nullptr);
        for (T_CHOSEN* chosen : {&gui->PagesSource, &gui->Backs})
            SecureZeroMemory(chosen, sizeof(*chosen));
        SendMessageA(gui->ChkBacksReverse.hdl, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(gui->CboTurn.hdl, CB_SETCURSEL, 0, 0);
    }
    return 0;
}

int ShowTabConfig(T_INTERFACE* gui, int nCmdShow)
{
    T_ELEMENT* const page[] = {&gui->StaticLang, &gui->CboLang, &gui->StaticZoom, &gui->CboZoom,
                               &gui->StaticTool};
    ShowControls(page, COUNTOF(page), nCmdShow);
    // A tool installed or removed meanwhile is seen here as well as by the next operation.
    if (nCmdShow == SW_SHOW) {
        pdfFindTool(gui);
        uiShowTool(gui);
    }
    return 0;
}

int ShowTabAbout(T_INTERFACE* gui, int nCmdShow)
{
    ShowWindow(gui->StaticAbout.hdl, nCmdShow);
    return 0;
}
