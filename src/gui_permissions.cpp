// The permission boxes, which grant, exclude and lock one another as they are clicked.
#include "gui.h"

static void SetCheck(HWND h, int nChecked)
{
    SendMessageA(h, BM_SETCHECK, nChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A box that implies and locks its dependent while it is checked.
static void LockDependent(HWND hMaster, HWND hDependent)
{
    int nChecked = uiIsChecked(hMaster);
    SetCheck(hDependent, nChecked);
    EnableWindow(hDependent, !nChecked);
}

int CheckPermissions(T_INTERFACE* gui, HWND hChk)
{
    if (hChk == gui->ChkAuthAll.hdl) {
        HWND others[] = {gui->ChkAuthPrintTop.hdl, gui->ChkAuthPrintLow.hdl, gui->ChkAuthModify.hdl,
                         gui->ChkAuthAssembly.hdl, gui->ChkAuthCopy.hdl,     gui->ChkAuthRead.hdl,
                         gui->ChkAuthCreate.hdl,   gui->ChkAuthFillin.hdl};
        int nAll = uiIsChecked(hChk);
        // Everything but lower quality printing, which top quality printing excludes.
        for (HWND h : others)
            SetCheck(h, nAll && h != gui->ChkAuthPrintLow.hdl);
        for (HWND h : others)
            EnableWindow(h, !nAll);
    } else if (hChk == gui->ChkAuthPrintTop.hdl) {
        SetCheck(gui->ChkAuthPrintLow.hdl, false);
    } else if (hChk == gui->ChkAuthPrintLow.hdl) {
        SetCheck(gui->ChkAuthPrintTop.hdl, false);
    } else if (hChk == gui->ChkAuthModify.hdl) {
        LockDependent(hChk, gui->ChkAuthAssembly.hdl);
    } else if (hChk == gui->ChkAuthCopy.hdl) {
        LockDependent(hChk, gui->ChkAuthRead.hdl);
    } else if (hChk == gui->ChkAuthCreate.hdl) {
        LockDependent(hChk, gui->ChkAuthFillin.hdl);
    }
    return 0;
}
