// The left-hand panel: the permission boxes, which grant, exclude and lock one another as they
// are clicked, and what the panel says of a result's encryption.
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

int uiReadPasswords(T_INTERFACE* gui, T_PASSWORDS* pw)
{
    uiReadText(gui->EditPasswdOwner.hdl, pw->szOwner, sizeof(pw->szOwner));
    uiReadText(gui->EditPasswdUser.hdl, pw->szUser, sizeof(pw->szUser));
    return 0;
}

int uiReadSecurity(T_INTERFACE* gui, const T_PASSWORDS* pw, T_SECURITY* sec)
{
    *sec = T_SECURITY();
    sec->szOwner = pw->szOwner;
    sec->szUser = pw->szUser;
    if (!pw->szOwner[0] && !pw->szUser[0]) // no encryption: nothing else is looked at
        return 0;
    sec->bEncrypt40 = uiIsChecked(gui->OptEncrypt40.hdl);
    sec->bEncrypt128 = uiIsChecked(gui->OptEncrypt128.hdl);
    // In the order of PERM_ALL to PERM_FILLIN.
    const T_ELEMENT* perms[PERM_COUNT] = {
        &gui->ChkAuthAll,    &gui->ChkAuthPrintTop, &gui->ChkAuthPrintLow,
        &gui->ChkAuthModify, &gui->ChkAuthAssembly, &gui->ChkAuthCopy,
        &gui->ChkAuthRead,   &gui->ChkAuthCreate,   &gui->ChkAuthFillin};
    for (int i = 0; i < PERM_COUNT; ++i)
        sec->bPerm[i] = uiIsChecked(perms[i]->hdl);
    return 0;
}
