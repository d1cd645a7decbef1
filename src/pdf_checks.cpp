// What every operation checks and reads before it runs: the tool, the chosen source, the
// passwords and permissions of the left-hand panel, the name of a result the user chooses.
#include "pdf.h"

#include "paths.h"

int pdfToolReady(T_INTERFACE* gui)
{
    std::string why = pdfFindToolOrWhy(gui);
    uiShowTool(gui); // the Settings page shows the one in use, or none
    if (why.empty())
        return 1;
    uiShowText(gui, why.c_str(), MB_ICONERROR);
    return 0;
}

int pdfChosenPath(T_INTERFACE* gui, HWND hBox, int nMissing, char* szFile)
{
    if (uiReadPath(hBox, szFile) && pathExists(szFile))
        return 1;
    uiMessage(gui, nMissing, MB_ICONERROR);
    return 0;
}

int pdfPanelSecurityOptions(T_INTERFACE* gui, std::string& options)
{
    char szPasswdOwner[TANDREL_PASSWD_MAX];
    char szPasswdUser[TANDREL_PASSWD_MAX];
    uiReadText(gui->EditPasswdOwner.hdl, szPasswdOwner, sizeof(szPasswdOwner));
    uiReadText(gui->EditPasswdUser.hdl, szPasswdUser, sizeof(szPasswdUser));
    T_SECURITY sec = {};
    sec.szOwner = szPasswdOwner;
    sec.szUser = szPasswdUser;
    if (szPasswdOwner[0] || szPasswdUser[0]) {
        sec.bEncrypt40 = uiIsChecked(gui->OptEncrypt40.hdl);
        sec.bEncrypt128 = uiIsChecked(gui->OptEncrypt128.hdl);
        // In the order of PERM_ALL to PERM_FILLIN.
        const T_ELEMENT* perms[PERM_COUNT] = {
            &gui->ChkAuthAll,    &gui->ChkAuthPrintTop, &gui->ChkAuthPrintLow,
            &gui->ChkAuthModify, &gui->ChkAuthAssembly, &gui->ChkAuthCopy,
            &gui->ChkAuthRead,   &gui->ChkAuthCreate,   &gui->ChkAuthFillin};
        for (int i = 0; i < PERM_COUNT; ++i)
            sec.bPerm[i] = uiIsChecked(perms[i]->hdl);
    }
    options.clear();
    int nResult = pdfSecurityOptions(&sec, options);
    SecureZeroMemory(szPasswdOwner, sizeof(szPasswdOwner));
    SecureZeroMemory(szPasswdUser, sizeof(szPasswdUser));
    return nResult;
}

int pdfReadSecurity(T_INTERFACE* gui, int nRule, std::string& options)
{
    options.clear();
    if (nRule == SEC_NONE) // the passwords are not looked at
        return 1;
    int nResult = pdfPanelSecurityOptions(gui, options);
    if (nResult == 0 && nRule == SEC_REQUIRED) {
        uiMessage(gui, TXT_MSG_NO_PASSWORD, MB_ICONERROR);
        return 0;
    }
    if (nResult == -1) {
        uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
        return 0;
    }
    return 1;
}

std::string pdfChosenArg(const char* szFile, const T_CHOSEN* chosen)
{
    std::string arg = pdfQuoteArg(szFile);
    if (chosen && chosen->szPasswd[0])
        arg += " input_pw " + pdfQuoteArg(chosen->szPasswd);
    return arg;
}

int pdfRunOne(T_INTERFACE* gui, const char* szInput, int bNamed, std::string& cmd,
              const char* szOutput)
{
    std::vector<T_STEP> steps = {
        {szInput, cmd, szOutput, "", bNamed ? 0 : TXT_FAIL_NO_NAME, "", {}}};
    SecureZeroMemory(&cmd[0], cmd.size());
    return uiRunSteps(gui, steps);
}

int pdfChooseOutputPdf(T_INTERFACE* gui, const std::vector<std::string>& inputs, int nRefusal,
                       char* szNewPdf)
{
    if (!uiSavePdfDialog(gui, szNewPdf))
        return 0;
    std::string chosen = szNewPdf, named = pathWithExtension(chosen, ".pdf");
    if (pathChars(named.c_str()) < TANDREL_PATH_MAX) // else the name stays as typed
        memcpy(szNewPdf, named.c_str(), named.size() + 1);
    // The tool would read a file while writing it over, whatever name it goes by.
    T_SAME_FILES listed;
    pdfSameFilesOf(inputs, &listed);
    if (pdfFindSameFile(&listed, szNewPdf) >= 0) {
        uiMessage(gui, nRefusal, MB_ICONERROR);
        return 0;
    }
    // The dialog asked about the name typed, which the extension may have changed.
    if (pathExists(szNewPdf) && !pdfSameFile(szNewPdf, chosen.c_str()) &&
        !uiAskReplace(gui, szNewPdf))
        return 0;
    return 1;
}
